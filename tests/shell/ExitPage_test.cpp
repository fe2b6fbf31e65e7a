// The exit page in the running game, headless: the shipped page from the game folder, or a
// data folder of its own without it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "online/GoToLink.h"
#include "online/ScoreServerAddress.h"
#include "tests/harness/GameHarness.h"
#include "tests/support/LinkOrCopy.h"

namespace fs = std::filesystem;

namespace {

// The shipped page: the records button at 250,372 and the exit button at 250,448, both
// 300 x 56; the countdown number is centred on the exit button and lasts 3 seconds.
constexpr int kRecordsX = 400, kRecordsY = 400;
constexpr int kExitX = 400, kExitY = 476;

class RecordedLinks {
 public:
  RecordedLinks() {
    SetLinkOpener([this](const LinkRequest& request) { Requests.push_back(request); });
  }
  ~RecordedLinks() { SetLinkOpener(nullptr); }
  std::vector<LinkRequest> Requests;
};

// A data folder with the game's pictures and sounds but none of the exit page's files.
class BareDataFolder {
 public:
  BareDataFolder() : Root(fs::temp_directory_path() / ("bk-bare-" + std::to_string(::getpid()))) {
    fs::remove_all(Root);
    fs::create_directories(Root);
    for (const char* folder : {"Data", "Sounds"}) {
      LinkOrCopy(fs::current_path() / folder, Root / folder);
    }
  }
  ~BareDataFolder() { fs::remove_all(Root); }
  fs::path Root;
};

// The frames are written beside the other review scenes (build/scenes/).
fs::path SceneFile(const std::string& name) {
  const fs::path dir = fs::current_path() / ".." / "scenes";
  fs::create_directories(dir);
  return dir / name;
}

// Gold text pixels around the countdown's centre (the waiting plate under them is grey).
int CountdownPixels(const PixelImage& frame) {
  int count = 0;
  for (int y = kExitY - 25; y <= kExitY + 25; ++y) {
    for (int x = kExitX - 40; x <= kExitX + 40; ++x) {
      const uint8_t* p = frame.Pixel(x, y);
      if (p[0] > 200 && p[1] > 150 && p[2] < 160) ++count;
    }
  }
  return count;
}

TEST(ExitPage, CountsDownFrameByFrameAndClosesOnlyThroughTheExitButtonAfterwards) {
  RecordedLinks links;
  GameHarness game;
  TForm1& form = game.Form();
  ASSERT_TRUE(form.PromoScreen->Valid) << "the shipped exit page must load";
  game.MouseMove(kExitX, kExitY);
  form.GoTo(ScrExit);
  EXPECT_EQ(game.State().ScreenState, ScrExit);
  EXPECT_TRUE(form.KaltoScreen1.ShowMouseCursor);

  const PixelImage first = game.RenderFrame();
  game.SaveFrame(first, SceneFile("exit_page_countdown.png").string());
  EXPECT_GT(CountdownPixels(first), 30) << "the number is drawn over the waiting plate";

  // Each frame counts down before drawing: 3 for 10 frames, 2 for 100, 1 for 89.
  std::map<int, int> framesShowing{{form.PromoScreen->CountdownNumber(), 1}};
  for (int frame = 2; form.PromoScreen->Countdown > 0; ++frame) {
    if (frame == 50) {
      game.MouseDown(kExitX, kExitY);
      game.MouseUp(kExitX, kExitY);
      EXPECT_FALSE(form.Loop.QuitRequested());
    }
    game.StepFrame();
    ASSERT_FALSE(form.Loop.QuitRequested()) << "frame " << frame;
    EXPECT_EQ(form.PromoScreen->Countdown, 200 - frame);
    ++framesShowing[form.PromoScreen->CountdownNumber()];
    EXPECT_EQ(form.PromoScreen->PromoButtons.back().Enabled, form.PromoScreen->Countdown == 0);
  }
  EXPECT_EQ(framesShowing, (std::map<int, int>{{0, 1}, {1, 89}, {2, 100}, {3, 10}}));

  game.MouseMove(100, 100);  // off the buttons: the exit button shows its normal picture
  const PixelImage after = game.RenderFrame();
  game.SaveFrame(after, SceneFile("exit_page_ready.png").string());
  EXPECT_EQ(CountdownPixels(after), 0);
  // The game's pointer is drawn over the page where the pointer is: its square changes when
  // the pointer goes elsewhere.
  game.MouseMove(700, 100);
  const PixelImage away = game.RenderFrame();
  int pointerPixels = 0;
  for (int y = 102; y < 114; ++y) {
    for (int x = 102; x < 110; ++x) {
      pointerPixels += std::memcmp(after.Pixel(x, y), away.Pixel(x, y), 3) != 0;
    }
  }
  EXPECT_GT(pointerPixels, 20) << "the game's pointer sprite";

  // The records button opens the shipped shortcut's address, and the game goes on.
  // Hover is worked out each frame, so the pointer arrives a frame before the press.
  game.MouseMove(kRecordsX, kRecordsY);
  game.StepFrame();
  game.MouseDown(kRecordsX, kRecordsY);
  game.MouseUp(kRecordsX, kRecordsY);
  game.StepFrame();
  ASSERT_EQ(links.Requests.size(), 1u);
  EXPECT_EQ(links.Requests[0].Target, WorldHighScoresUrl(DefaultScoreServerAddress()));
  EXPECT_FALSE(form.Loop.QuitRequested());

  game.MouseMove(kExitX, kExitY);
  game.StepFrame();
  game.MouseDown(kExitX, kExitY);
  form.Loop.RunOnce();  // the press is handled; no frame follows a close
  EXPECT_TRUE(form.Loop.QuitRequested());
}

// After a device reset (full screen on or off, switching away and back) the GUI must not
// take the mouse back; and a press that arrives with the pointer's move onto the button,
// before any frame has seen the pointer there, still lands on it.
TEST(ExitPage, KeepsTheMouseThroughADeviceResetAndHitTestsThePressWhereItLands) {
  GameHarness game;
  TForm1& form = game.Form();
  game.MouseMove(100, 100);
  form.GoTo(ScrExit);
  game.StepFrames(form.PromoScreen->Countdown + 1);
  ASSERT_EQ(form.PromoScreen->Countdown, 0);
  ASSERT_EQ(form.KaltoScreen1.ResetDevice(), 0);
  EXPECT_EQ(form.MainWindow.GetInputHook(), nullptr);
  game.StepFrame();
  game.MouseMove(kExitX, kExitY);
  game.MouseDown(kExitX, kExitY);
  form.Loop.RunOnce();
  EXPECT_TRUE(form.Loop.QuitRequested());
}

TEST(ExitPage, WithoutItsDescriptionTheGameClosesAtOnceAndOpensTheShippedLinks) {
  RecordedLinks links;
  BareDataFolder data;
  std::ofstream(data.Root / "play.url") << "[InternetShortcut]\nURL=http://play.example/\n";
  fs::create_directory(data.Root / "fscommand");
  std::ofstream(data.Root / "fscommand" / "wgame.exe") << "program";
  {
    HarnessOptions options;
    options.DataRoot = data.Root;
    GameHarness game(options);
    EXPECT_FALSE(game.Form().PromoScreen->Valid);
    game.StepFrame();
    game.Form().GoTo(ScrExit);
    EXPECT_TRUE(game.Form().Loop.QuitRequested());
    EXPECT_TRUE(links.Requests.empty());
  }
  ASSERT_EQ(links.Requests.size(), 2u) << "the window's destruction opens both";
  EXPECT_EQ(links.Requests[0].Target, "http://play.example/");
  EXPECT_EQ(fs::path(links.Requests[1].Target), data.Root / "fscommand" / "wgame.exe");
  EXPECT_EQ(links.Requests[1].Parameters, "target=\"_blank\"");
}

}  // namespace
