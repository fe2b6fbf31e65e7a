#include "shell/Unit_pr.h"

#include <utility>

#include "engine/audio/GameAudio.h"
#include "engine/graphics/PictureTable.h"
#include "online/GoToLink.h"
#include "platform/GamePaths.h"
#include "platform/MessageBox.h"
#include "race/GameConstants.h"
#include "race/RaceParts.h"
#include "shell/ExitPageScreen.h"
#include "shell/MenuScreens.h"
#include "shell/MenuSprites.h"
#include "shell/RaceScreens.h"
#include "shell/Settings.h"

namespace {

WindowConfig MainWindowConfig(const GameSetup& setup) {
  WindowConfig config;
  config.Title = "Brindle Karts";
  config.ClientWidth = 800;
  config.ClientHeight = 600;
  config.Headless = setup.Headless;
  // A window that will never be drawn by OpenGL loads no OpenGL driver.
  config.SoftwareOnly = setup.Renderer == RendererChoice::Software;
  return config;
}

TRenderMode RenderModeFor(RendererChoice choice) {
  switch (choice) {
    case RendererChoice::OpenGL:
      return rmHardware;
    case RendererChoice::Software:
      return rmSoftware;
    case RendererChoice::Automatic:
      break;
  }
  return rmAutomatic;
}

}  // namespace

TForm1::TForm1(const GameSetup& setup)
    : Setup(setup),
      MainWindow(MainWindowConfig(setup)),
      Loop(MainWindow, setup.GameClock),
      KaltoScreen1(&MainWindow),
      KaltoTimer1(setup.GameClock, Loop),
      Steps(setup.GameClock.Frequency()),
      Sound3D(setup.GameClock),
      KaltoMusic1(Sound3D.Mixer()),
      KaltoGUI1(setup.GameClock),
      Race(State, KaltoSprite1, setup.RandomSeed),
      RaceAudio(Sound3D) {
  KaltoScreen1.Width = 800;
  KaltoScreen1.Height = 600;
  KaltoScreen1.CenterX = 400;
  KaltoScreen1.CenterY = 300;
  KaltoScreen1.SetColor(0xFFFFFFFF);
  KaltoScreen1.ShowMouseCursor = false;
  KaltoScreen1.Pool = plManaged;

  KaltoTimer1.SetTargetFPS(90);
  KaltoTimer1.SetMinFPS(10);
  KaltoTimer1.SetMaxFPS(120);
  KaltoTimer1.SetFPSWarningFrames(10);
  KaltoTimer1.OnTimer = [this](TKaltoTimer&) { KaltoTimer1Timer(); };

  ConfigureGameAudio(Sound3D);

  // Image lists first: the screen rebuilds their textures before the fonts' after a reset.
  KaltoImageList1.SetKaltoScreen(&KaltoScreen1);
  GameImageList.SetKaltoScreen(&KaltoScreen1);
  ShareList.SetKaltoScreen(&KaltoScreen1);
  for (TKaltoFont* font : {&KaltoFont1, &KaltoFont2, &KaltoFont3, &KaltoFont4}) {
    font->SetKaltoScreen(&KaltoScreen1);
  }
  KaltoBitmapFont1.SetKaltoScreen(&KaltoScreen1);
  KaltoBitmapFont1.SetKaltoImageList(&KaltoImageList1);
  KaltoGUI1.SetKaltoScreen(&KaltoScreen1);
  KaltoGUI1.KaltoBitmapFont = &KaltoBitmapFont1;

  Race.MenuImages = &KaltoImageList1;
  Race.GameImages = &GameImageList;
  Race.DataFile = [](const std::string& gameName) { return DataPath(gameName); };
  UseRaceWorldParts(Race);
  Race.AfterStep.push_back(
      [this](RaceContext& race) { RaceAudio.FollowRaceStep(race, State.SoundOn); });

  MainWindow.SetHandler(this);
  FormCreate();
}

TForm1::~TForm1() {
  FormDestroy();
  MainWindow.SetHandler(nullptr);
}

// The state record already holds the defaults of every field; the steps below change only
// what differs from them.
void TForm1::FormCreate() {
  // The race world's random source is seeded with Setup.RandomSeed (with Race).
  ResetRecords(State);
  // Menu pictures "Data\data1.oil": with the image lists.
  KaltoGUI1.Activate();
  KaltoScreen1.SetWindowHandle(&MainWindow);
  KaltoScreen1.Width = MainWindow.ClientWidth();
  KaltoScreen1.Height = MainWindow.ClientHeight();
  LoadPictureList(KaltoImageList1, kMenuList);  // stops the game when the file is damaged
  // The saved game comes first: its options name the renderer the screen starts with.
  for (int slot = 0; slot < race::kTrackCount; ++slot) TrackBestTimes[slot] = RaceTime::None();
  const std::vector<std::string> loadProblems = LoadSavedGame(State, TrackBestTimes);
  if (Setup.Renderer) State.Renderer = RendererChoiceName(*Setup.Renderer);
  KaltoScreen1.RenderMode =
      Setup.Headless
          ? rmSoftware
          : RenderModeFor(ParseRendererChoice(State.Renderer).value_or(RendererChoice::Automatic));
  KaltoScreen1.Initialize();  // also builds the menu pictures' textures
  // The race pictures are read and checked now, so a damaged file stops the game before
  // the menus; their textures are built on the first race's loading screen.
  LoadPictureList(GameImageList, kRaceList);
  InitTrackCatalogue(Race.Tracks, State);
  InitCarCatalogue(Race.Cars, State);
  KaltoScreen1.SetTextureFilter(true);
  Cursor = new TCursor(*this);
  LoadSettings(loadProblems);
  MarkUnlockedEntries();
  KaltoFont1.SetFont("Friday13", 30, 0);
  Sound3D.CreateAudioPaths();  // effects and modules load on their first play
  PromoScreen = std::make_unique<TShareScreen>(ShareList, KaltoFont4);
  PromoScreen->OnExit = [this] { Close(); };
  PromoScreen->Load();
  SetScreen(ScrExit, std::make_unique<ExitPageScreen>(*this));
  RegisterRaceScreens(*this, InstallMenuScreens(*this));
}

void TForm1::LoadSettings(const std::vector<std::string>& loadProblems) {
  for (const std::string& problem : loadProblems) {
    ShowMessageBox("Brindle Karts", problem);
  }
  if (State.FullScreenActive) KaltoScreen1.ToggleFullScreen();
  for (int track = 0; track < race::kTrackCount; ++track) {
    Race.Tracks.Tracks[track].BestTime = TrackBestTimes[track];
  }
}

void TForm1::MarkUnlockedEntries() {
  const std::vector<bool> tracks = UnlockedFlags(State.TracksAvailable, Race.Tracks.Tracks.size());
  for (size_t track = 0; track < tracks.size(); ++track) {
    Race.Tracks.Tracks[track].Unlocked = tracks[track];
  }
  const std::vector<bool> cars = UnlockedFlags(State.CarsAvailable, Race.Cars.Cars.size());
  for (size_t car = 0; car < cars.size(); ++car) Race.Cars.Cars[car].Unlocked = cars[car];
}

void TForm1::SaveConfigFile() {
  if (SettingsProblem problem = SaveConfig(State)) ShowMessageBox("Brindle Karts", *problem);
}

void TForm1::SaveProgressAndRecordsFiles() {
  for (int track = 0; track < race::kTrackCount; ++track) {
    TrackBestTimes[track] = Race.Tracks.Tracks[track].BestTime;
  }
  if (SettingsProblem problem = SaveProgressAndRecords(State, TrackBestTimes)) {
    ShowMessageBox("Brindle Karts", *problem);
  }
}

void TForm1::FormShow() {
  KaltoTimer1.SetEnabled(true);
  Steps.Restart(Setup.GameClock.Now());
  TModListItem* menuMusic = Sound3D.FindModule("menumusic");
  menuMusic->Play();
  if (!State.MusicOn) menuMusic->Stop();
  GoTo(ScrSplash);
}

void TForm1::FormDestroy() {
  for (const char* name : {"losemusic", "gamemusic", "menumusic"}) {
    TModListItem* module = Sound3D.FindModule(name);
    module->Stop();
    module->Unload();
  }
  // The sound component and the song player go with the window.
  OpenPlayLink();
  OpenCompanionProgram();
}

void TForm1::SetScreen(uint8_t state, std::unique_ptr<GameScreen> screen) {
  screens_[state].IsState = true;
  screens_[state].Screen = std::move(screen);
}

bool TForm1::IsScreenState(uint8_t state) const {
  return screens_[state].IsState;
}

GameScreen* TForm1::ScreenOf(uint8_t state) const {
  return screens_[state].Screen.get();
}

MenuPage* TForm1::CurrentPage() const {
  GameScreen* screen = ScreenOf(State.ScreenState);
  return screen ? screen->Page() : nullptr;
}

void TForm1::EnterScreen(uint8_t state) {
  if (GameScreen* screen = ScreenOf(state)) screen->Enter();
}

void TForm1::LeaveScreen(uint8_t state) {
  if (GameScreen* screen = ScreenOf(state)) screen->Leave();
}

void TForm1::GoTo(uint8_t next) {
  if (!IsScreenState(next)) return;
  const uint8_t current = State.ScreenState;
  const GameScreen* nextScreen = ScreenOf(next);
  if (screenEntered_ && nextScreen && nextScreen->IsPanel()) {
    beneathPanel_ = current;
  } else if (screenEntered_) {
    LeaveScreen(current);
    const std::optional<uint8_t> beneath = std::exchange(beneathPanel_, std::nullopt);
    if (beneath == next) {
      State.ScreenState = next;  // it was never left
      return;
    }
    if (beneath) LeaveScreen(*beneath);
  }
  screenEntered_ = true;
  State.ScreenState = next;
  EnterScreen(next);
}

void TForm1::RunScreenFrame(uint8_t state) {
  if (!IsScreenState(state)) return;
  if (GameScreen* screen = ScreenOf(state)) {
    screen->RunFrame();
  } else {
    DrawEmptyFrame();
  }
}

void TForm1::DrawEmptyFrame() {
  KaltoScreen1.Clear(0, 0, 0, 0);
  KaltoScreen1.BeginScene();
  KaltoScreen1.EndScene();
}

void TForm1::KaltoTimer1Timer() {
  if (State.MusicOn) KaltoMusic1.Update();
  const int64_t now = Setup.GameClock.Now();
  if (MainWindow.Hidden()) {
    Steps.Restart(now);
    return;
  }
  const int steps = Steps.TakeSteps(now);
  if (steps == 0) return;
  // The steps before the last are run whole but not drawn: the device counts their quads
  // and shows nothing, so what a step does never depends on whether it is seen.
  RenderDevice* device = KaltoScreen1.Device();
  const bool drawing = device == nullptr || device->Rasterize();
  for (int step = 1; step <= steps && !Loop.QuitRequested(); ++step) {
    device = KaltoScreen1.Device();
    if (device) device->SetRasterize(drawing && step == steps);
    if (BeforeStep) BeforeStep();
    RunScreenFrame(State.ScreenState);
    RaceAudio.EndStep();
  }
  if (device) device->SetRasterize(drawing);
  if (AfterDrawnFrame) AfterDrawnFrame();
}

void TForm1::FormKeyDown(int key) {
  if (key >= 0 && key < 256) State.KeyHeld[key] = 1;
}

void TForm1::FormKeyUp(int key) {
  if (key < 0 || key >= 256) return;
  State.KeyReleased[key] = 1;
  State.KeyHeld[key] = 0;
}

bool TForm1::FormCloseQuery() const {
  return State.ScreenState == ScrExit && PromoScreen && PromoScreen->Countdown == 0;
}

void TForm1::FormMouseDown(const InputEvent& event) {
  if (State.ScreenState != ScrExit || event.Button != MouseButton::Left) return;
  // Hit-tested where the press happens: the pointer may have arrived in this very frame.
  for (TShareScreen::TButton& promoButton : PromoScreen->PromoButtons) {
    PromoScreen->UpdateHover(promoButton, event.X, event.Y);
  }
  for (const TShareScreen::TButton& promoButton : PromoScreen->PromoButtons) {
    if (promoButton.Hover) PromoScreen->RunAction(promoButton);
  }
}

void TForm1::Close() {
  if (MainWindow.RequestClose()) Loop.Quit();
}

void TForm1::KeyDown(int key, uint8_t /*modifiers*/) {
  FormKeyDown(key);
}

void TForm1::KeyUp(int key, uint8_t /*modifiers*/) {
  FormKeyUp(key);
}

void TForm1::Mouse(const InputEvent& event) {
  // The second press of a double click is a press as well.
  if (event.Kind == InputKind::MouseDown || event.Kind == InputKind::MouseDoubleClick) {
    FormMouseDown(event);
  }
}
