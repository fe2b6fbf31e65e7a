#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/GameState.h"
#include "engine/audio/KaltoMusic.h"
#include "engine/audio/KaltoSound3D.h"
#include "engine/graphics/KaltoBitmapFont.h"
#include "engine/graphics/KaltoFont.h"
#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/KaltoScreen.h"
#include "engine/graphics/KaltoSprite.h"
#include "engine/graphics/KaltoTimer.h"
#include "engine/graphics/StepSchedule.h"
#include "engine/gui/KaltoButton.h"
#include "engine/gui/KaltoEdit.h"
#include "engine/gui/KaltoGUI.h"
#include "engine/gui/KaltoGUIList.h"
#include "online/ScoreReportJob.h"
#include "online/Share.h"
#include "platform/Clock.h"
#include "platform/EventLoop.h"
#include "platform/HttpClient.h"
#include "platform/InputEvent.h"
#include "platform/RendererChoice.h"
#include "platform/Window.h"
#include "platform/WindowTimer.h"
#include "race/RaceContext.h"
#include "shell/GameScreen.h"
#include "shell/RaceSession.h"
#include "shell/RaceSounds.h"
#include "shell/Settings.h"

class TCursor;
struct MenuPage;

// What the game is built with. main() gives the real clock and a seed taken from it; the
// headless harness gives a virtual clock, a fixed seed and no display. The data and save
// roots are set process-wide beforehand (SetGameRoots).
struct GameSetup {
  const Clock& GameClock;
  uint32_t RandomSeed = 0;
  // SDL's offscreen video and the software renderer: runs without a display.
  bool Headless = false;
  // The renderer in a real window, chosen on the command line (and then kept in the options
  // file); when absent, the options file's choice.
  std::optional<RendererChoice> Renderer = std::nullopt;
};

// The main window and game controller: owns every engine component and the state record,
// and runs the game as a state machine over ScreenState, one screen frame per fixed step.
class TForm1 : private WindowHandler {
 public:
  // Opens the window and makes the components, then runs FormCreate.
  explicit TForm1(const GameSetup& setup);
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // Starts the game: the frame timer runs and the splash screen opens.
  void FormShow();

  // Makes the value a screen state of the table and installs its screen (null: a state
  // whose screen is not built yet, drawn black).
  void SetScreen(uint8_t state, std::unique_ptr<GameScreen> screen);
  // Whether the value is a screen state of the table; other values (2, 5, 11, 17, 18 and
  // anything above 21) are not states at all, and every call here ignores them.
  bool IsScreenState(uint8_t state) const;
  // The one way from screen to screen: the current screen is left (with the screen beneath
  // it when it is a panel), ScreenState becomes the next and the next is entered. A panel
  // opens over the current screen, which stays built; going from a panel back to the screen
  // beneath it only closes the panel.
  void GoTo(uint8_t next);
  // Runs one frame of the state's screen, or a black frame when it has none.
  void RunScreenFrame(uint8_t state);
  // The screen installed for a state, or null.
  GameScreen* ScreenOf(uint8_t state) const;
  // The page of the screen now showing: what it built on entering (null for a screen
  // without one).
  MenuPage* CurrentPage() const;

  // One drawn frame (the frame timer's tick handler): the screen's frame runs once for every
  // fixed step now due (Steps), drawn only on the last of them. Nothing runs while the window
  // is hidden, and that time is never caught up.
  void KaltoTimer1Timer();
  // Runs at the start of every step, before the screen's frame; the game sets none. Test
  // programs act here as a player at the keys would (the autopilot build drives races).
  std::function<void()> BeforeStep;
  // Runs after every drawn frame's picture is shown; the game sets none. Measurements slow
  // the drawing here to see that game time still keeps pace with wall time.
  std::function<void()> AfterDrawnFrame;
  // The key tables: KeyHeld while a key is down; KeyReleased set on release until a
  // consumer clears it, so a press and release between two frames is still seen once.
  void FormKeyDown(int key);
  void FormKeyUp(int key);
  // Every close request is refused except on the exit page once its countdown has run out.
  bool FormCloseQuery() const;
  // A left press on the exit page runs the action of every button under it.
  void FormMouseDown(const InputEvent& event);
  // Asks the window to close, as its close button does; the loop ends when it is allowed.
  void Close();
  // Write "Config.cfg" (options, name, records) / "Configdat.cfg" (the progress, with the
  // catalogue's best times in their track slots) followed by "Config.cfg"; a failure is shown
  // to the player in a message box and the game goes on.
  void SaveConfigFile();
  void SaveProgressAndRecordsFiles();

  const GameSetup Setup;
  GameState State;
  Window MainWindow;
  EventLoop Loop;
  TKaltoScreen KaltoScreen1;
  TKaltoTimer KaltoTimer1;
  // When the fixed steps of 1/90 s fall due on the game clock; every counter of the screens
  // and the race world (and so the race clock) advances once a step.
  StepSchedule Steps;
  // Effects and music; silent on a machine without an audio device.
  TKaltoSound3D Sound3D;
  // The song player; it has no songs.
  TKaltoMusic KaltoMusic1;
  // The best times of "Configdat.cfg" as read, one per track slot. The first race::kTrackCount
  // slots are copied into the track catalogue at start, whose best times count from then on;
  // the other slots belong to no track and are written back as they came.
  TrackSlotTimes TrackBestTimes{};
  // Pictures: the menus' list ("Data\data1.oil", loaded before the device exists) and the
  // race list ("Data\data2.oil", read at start, its textures built on the loading screen's
  // first frame).
  TKaltoImageList KaltoImageList1;
  TKaltoImageList GameImageList;
  // Texts in system faces, and the bitmap font the edit fields write with.
  TKaltoFont KaltoFont1;
  TKaltoFont KaltoFont2;
  TKaltoFont KaltoFont3;
  TKaltoFont KaltoFont4;
  TKaltoBitmapFont KaltoBitmapFont1;
  // The menus' buttons and edit fields; holds the window's input hook while active.
  TKaltoGUI KaltoGUI1;
  // The exit page's pictures, and the page itself (made by FormCreate); its countdown
  // decides when the window may close.
  TKaltoImageList ShareList;
  // Every sprite of every screen.
  TKaltoSprite KaltoSprite1;
  // The race world: the catalogues, the course, the cars of the race or the demo race.
  RaceContext Race;
  // Engines, tyres and bumps of the race, following each race step.
  RaceSounds RaceAudio;
  // The drawn mouse pointer, made once at start and kept across every screen.
  TCursor* Cursor = nullptr;
  std::unique_ptr<TShareScreen> PromoScreen;
  // The score server's connection, kept for the run so its cookies go back with the report.
  HttpClient IdHTTP1;
  // The score report being sent on its own thread, the only user of IdHTTP1 while it runs.
  ScoreReportJob ScoreReport{IdHTTP1};
  // What the race screens share: the start signal, the bonus at the finish, the way out of
  // the race-over screen, the score report.
  RaceSession RaceFlow;

 private:
  void FormCreate();
  // Applies the saved game read before the screen started: each file that could not be used
  // is reported in a message box, then full screen and the best times take effect.
  void LoadSettings(const std::vector<std::string>& loadProblems);
  // The first TracksAvailable tracks and CarsAvailable cars of the catalogues are open.
  void MarkUnlockedEntries();
  void FormDestroy();
  // The frame of a screen state whose screen is not built yet: a black picture.
  void DrawEmptyFrame();

  // WindowHandler
  void KeyDown(int key, uint8_t modifiers) override;
  void KeyUp(int key, uint8_t modifiers) override;
  void Mouse(const InputEvent& event) override;
  bool CloseQuery() override { return FormCloseQuery(); }

  void EnterScreen(uint8_t state);
  void LeaveScreen(uint8_t state);

  // The screen table, by state value: which values are screen states, and their screens.
  struct ScreenEntry {
    bool IsState = false;
    std::unique_ptr<GameScreen> Screen;
  };
  std::array<ScreenEntry, 256> screens_;
  // The first GoTo has no screen to leave.
  bool screenEntered_ = false;
  // The screen a panel was opened over, while the panel shows.
  std::optional<uint8_t> beneathPanel_;
};
