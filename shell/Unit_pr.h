#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/GameState.h"
#include "engine/audio/KaltoMusic.h"
#include "engine/audio/KaltoSound3D.h"
#include "engine/graphics/KaltoBitmapFont.h"
#include "engine/graphics/KaltoFont.h"
#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/KaltoScreen.h"
#include "engine/graphics/KaltoTimer.h"
#include "engine/gui/KaltoGUI.h"
#include "online/Share.h"
#include "platform/Clock.h"
#include "platform/EventLoop.h"
#include "platform/InputEvent.h"
#include "platform/Window.h"
#include "platform/WindowTimer.h"
#include "shell/GameScreen.h"
#include "shell/SettingsFiles.h"

// What the game is built with. main() gives the real clock and a seed taken from it; the
// headless harness gives a virtual clock, a fixed seed and no display. The data and save
// roots are set process-wide beforehand (SetGameRoots).
struct GameSetup {
  const Clock& GameClock;
  uint32_t RandomSeed = 0;
  // SDL's offscreen video and the software renderer: runs without a display.
  bool Headless = false;
};

// The main window and game controller: owns every engine component and the state record,
// and runs the game as a state machine over ScreenState, one frame per frame-timer tick.
class TForm1 : private WindowHandler {
 public:
  // Opens the window and makes the components, then runs FormCreate.
  explicit TForm1(const GameSetup& setup);
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // Starts the game: the frame timer runs and the splash screen opens.
  void FormShow();

  // Installs the screen of one state; the dispatchers call it from then on.
  void SetScreen(uint8_t state, std::unique_ptr<GameScreen> screen);
  // The dispatchers: each calls the handler of the given state. Unused values (2, 5, 11,
  // 17, 18 and anything above 21) do nothing.
  void EnterScreen(uint8_t state);
  void LeaveScreen(uint8_t state);
  void RunScreenFrame(uint8_t state);

  // One frame (the frame timer's tick handler).
  void KaltoTimer1Timer();
  // The key tables: KeyHeld while a key is down; KeyReleased set on release until a
  // consumer clears it, so a press and release between two frames is still seen once.
  void FormKeyDown(int key);
  void FormKeyUp(int key);
  // Every close request is refused except on the exit page once its countdown has run out.
  bool FormCloseQuery() const;
  // A left press on the exit page runs the action of every button under the pointer.
  void FormMouseDown(MouseButton button);
  // Asks the window to close, as its close button does; the loop ends when it is allowed.
  void Close();
  // One hundredth of race time: advances every clock connected to RaceClockTicks.
  void RaceTimerTimer();

  const GameSetup Setup;
  GameState State;
  Window MainWindow;
  EventLoop Loop;
  TKaltoScreen KaltoScreen1;
  TKaltoTimer KaltoTimer1;
  // Ticks every 10 ms of the game clock while enabled; a tick missed while the loop was
  // busy is delivered late, never lost, so race times are true times.
  WindowTimer RaceTimer;
  // Called in order on every RaceTimer tick: the player's lap time (while it runs), the
  // player's race time, then every opponent's race time.
  std::vector<std::function<void()>> RaceClockTicks;
  // Effects and music; silent on a machine without an audio device.
  TKaltoSound3D Sound3D;
  // The song player; it has no songs.
  TKaltoMusic KaltoMusic1;
  // The best times kept in "Configdat.cfg", one per track slot: the first race::kTrackCount
  // slots are the catalogue's tracks, the others belong to no track.
  TrackSlotTimes TrackBestTimes{};
  // Pictures: the menus' list ("Data\data1.oil", loaded before the device exists) and the
  // race list ("Data\data2.oil", loaded on the loading screen's first frame).
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
  std::unique_ptr<TShareScreen> PromoScreen;
  // Where the pointer was at the last mouse event, in picture coordinates.
  int PointerX = 0;
  int PointerY = 0;

 private:
  void FormCreate();
  // Reads both settings files; a file that could not be used is reported in a message box.
  void LoadSettings();
  void FormDestroy();
  // The frame of a screen state whose screen is not built yet: a black picture.
  void DrawEmptyFrame();

  // WindowHandler
  void KeyDown(int key, uint8_t modifiers) override;
  void KeyUp(int key, uint8_t modifiers) override;
  void Mouse(const InputEvent& event) override;
  bool CloseQuery() override { return FormCloseQuery(); }

  std::array<std::unique_ptr<GameScreen>, ScrExit + 1> screens_;
};
