// The game in a real window on an X display (make test runs these under Xvfb with openbox),
// driven the way a player and a window manager would: xdotool for keys, wmctrl for close.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/Clock.h"
#include "shell/Unit_pr.h"
#include "tests/xwindow/ChildProcess.h"
#include "tests/xwindow/CommandOutput.h"
#include "tests/xwindow/GameWindow.h"

namespace {

using namespace std::chrono_literals;

// Keeps the game's loop turning (as its own Run would) until `done` holds or time is up.
bool PumpUntil(TForm1& form, const std::function<bool()>& done,
               std::chrono::milliseconds limit = 5s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    form.Loop.RunOnce();
    if (done()) return true;
    std::this_thread::sleep_for(1ms);
  }
  return false;
}

// Runs a command beside the game's loop and waits for it while the loop keeps turning, so
// the game handles what the command sends as it arrives.
void RunBesideGame(TForm1& form, const std::vector<std::string>& command) {
  ChildProcess process(".", command);
  ASSERT_TRUE(process.Started()) << "cannot start " << command[0];
  std::optional<int> status;
  ASSERT_TRUE(PumpUntil(form, [&] { return (status = process.WaitExit(0ms)).has_value(); }))
      << command[0] << " did not finish";
  ASSERT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << command[0] << " failed";
}

class RealWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "these tests need an X display";
  }
};

TEST_F(RealWindow, TheGameOpensItsWindowAndRefusesTheWindowManagersClose) {
  ChildProcess game(".", {std::string(BK_GAME_DIR) + "/brindle-karts"});
  ASSERT_TRUE(game.Started());
  const std::string id = FindGameWindow(game.Pid());
  ASSERT_FALSE(id.empty()) << "no window titled \"Brindle Karts\"";

  const WindowBox box = WindowGeometry(id);
  EXPECT_EQ(box.Width, 800);
  EXPECT_EQ(box.Height, 600);

  ASSERT_TRUE(RunCommand("wmctrl -c 'Brindle Karts'"));
  EXPECT_FALSE(game.WaitExit(1500ms)) << "the game closed on the close request";
  EXPECT_FALSE(
      CommandOutput("xdotool search --onlyvisible --pid " + std::to_string(game.Pid())).empty());

  const int status = game.Stop();
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// The same game in this process, so the test can read its key tables and state.
class InProcessGame : public RealWindow {
 protected:
  void SetUp() override {
    RealWindow::SetUp();
    form_ = std::make_unique<TForm1>(GameSetup{clock_, 1, /*Headless=*/false});
    form_->FormShow();
    windowId_ = FindGameWindow(getpid());
    ASSERT_FALSE(windowId_.empty());
    RunBesideGame(*form_, {"xdotool", "windowactivate", "--sync", windowId_});
  }

  RealClock clock_;
  std::unique_ptr<TForm1> form_;
  std::string windowId_;
};

TEST_F(InProcessGame, KeysFromTheKeyboardReachTheKeyTables) {
  GameState& state = form_->State;
  RunBesideGame(*form_, {"xdotool", "keydown", "Left"});
  EXPECT_TRUE(PumpUntil(*form_, [&] { return state.KeyHeld[vk::Left] == 1; }));
  EXPECT_EQ(state.KeyReleased[vk::Left], 0);

  RunBesideGame(*form_, {"xdotool", "keyup", "Left"});
  EXPECT_TRUE(PumpUntil(*form_, [&] { return state.KeyReleased[vk::Left] == 1; }));
  EXPECT_EQ(state.KeyHeld[vk::Left], 0);

  RunBesideGame(*form_, {"xdotool", "key", "Escape", "p", "F1"});
  EXPECT_TRUE(PumpUntil(*form_, [&] {
    return state.KeyReleased[vk::Escape] && state.KeyReleased[vk::P] && state.KeyReleased[vk::F1];
  }));
}

TEST_F(InProcessGame, CloseFromTheWindowManagerIsRefusedUntilTheExitPageAllowsIt) {
  form_->GoTo(ScrMainMenu);
  RunBesideGame(*form_, {"wmctrl", "-c", "Brindle Karts"});
  EXPECT_FALSE(PumpUntil(
      *form_, [&] { return form_->Loop.QuitRequested(); }, 1s));

  form_->State.ScreenState = ScrExit;
  form_->PromoScreen->Countdown = 0;
  RunBesideGame(*form_, {"wmctrl", "-c", "Brindle Karts"});
  EXPECT_TRUE(PumpUntil(*form_, [&] { return form_->Loop.QuitRequested(); }));
}

// The pointer is scaled into the 800 x 600 picture both in the window and in full screen,
// where the picture is stretched and letterboxed: a click lands on the button under it.
TEST_F(InProcessGame, AClickOnAGuiButtonFiresItsOnClickWindowedAndInFullScreen) {
  TKaltoGUIList& page = form_->KaltoGUI1.CreatePage("GUI2");
  TKaltoButton& button = page.CreateButton();
  button.SetX(300);
  button.SetY(200);
  button.SetWidth(200);
  button.SetHeight(50);
  int clicks = 0;
  button.OnClick = [&clicks](TKaltoGUIComponent&) { ++clicks; };

  RunBesideGame(*form_, {"xdotool", "mousemove", "--window", windowId_, "400", "225"});
  RunBesideGame(*form_, {"xdotool", "click", "1"});
  EXPECT_TRUE(PumpUntil(*form_, [&] { return clicks == 1; }));
  RunBesideGame(*form_,
                {"xdotool", "mousemove", "--window", windowId_, "400", "300", "click", "1"});
  EXPECT_FALSE(PumpUntil(
      *form_, [&] { return clicks != 1; }, 500ms))
      << "a click beside it";

  form_->KaltoScreen1.ToggleFullScreen();
  ASSERT_TRUE(PumpUntil(*form_, [&] { return form_->MainWindow.FullScreen(); }));
  PumpUntil(
      *form_, [] { return false; }, 500ms);  // let the window manager settle
  const WindowBox box = WindowGeometry(windowId_);
  const int width = box.Width;
  const int height = box.Height;
  ASSERT_GT(width, 800);
  // The picture keeps its shape: scaled by the smaller factor and centred.
  const double scale = std::min(width / 800.0, height / 600.0);
  const int x = static_cast<int>((width - 800 * scale) / 2 + 400 * scale);
  const int y = static_cast<int>((height - 600 * scale) / 2 + 225 * scale);
  RunBesideGame(*form_, {"xdotool", "mousemove", "--window", windowId_, std::to_string(x),
                         std::to_string(y), "click", "1"});
  EXPECT_TRUE(PumpUntil(*form_, [&] { return clicks == 2; })) << width << "x" << height;
  form_->KaltoGUI1.FreePage(&page);
}

// The player enlarges the window: the picture is scaled into it, shape kept, and the pointer
// still lands where it is drawn. The window is resized as a window manager does it, the
// pointer moved and clicked by the X server.
TEST_F(InProcessGame, AClickLandsOnTheGuiButtonInAWindowEnlargedTo1600x1200And1000x600) {
  TKaltoGUIList& page = form_->KaltoGUI1.CreatePage("GUI2");
  TKaltoButton& button = page.CreateButton();
  button.SetX(300);
  button.SetY(200);
  button.SetWidth(200);
  button.SetHeight(50);
  int clicks = 0;
  button.OnClick = [&clicks](TKaltoGUIComponent&) { ++clicks; };

  struct Size {
    int Width, Height;
  };
  for (const Size size : {Size{1600, 1200}, Size{1000, 600}}) {
    SCOPED_TRACE(std::to_string(size.Width) + "x" + std::to_string(size.Height));
    RunBesideGame(*form_, {"xdotool", "windowsize", "--sync", windowId_, std::to_string(size.Width),
                           std::to_string(size.Height)});
    ASSERT_TRUE(PumpUntil(*form_, [&] {
      const PictureFit place = form_->MainWindow.PicturePlace();
      return place.X * 2 + place.Width == size.Width && place.Y * 2 + place.Height == size.Height;
    })) << CommandOutput("xwininfo -id " + windowId_);
    const WindowBox box = WindowGeometry(windowId_);
    ASSERT_EQ(box.Width, size.Width);
    ASSERT_EQ(box.Height, size.Height);
    // Where the picture point lies in the window, by the picture's expected place.
    const double scale = std::min(size.Width / 800.0, size.Height / 600.0);
    const auto windowPoint = [&](int x, int y) {
      return std::vector<std::string>{
          std::to_string(static_cast<int>((size.Width - 800 * scale) / 2 + (x + 0.5) * scale)),
          std::to_string(static_cast<int>((size.Height - 600 * scale) / 2 + (y + 0.5) * scale))};
    };
    const int before = clicks;
    const std::vector<std::string> inside = windowPoint(490, 245);  // near the corner
    RunBesideGame(*form_, {"xdotool", "mousemove", "--window", windowId_, inside[0], inside[1]});
    // The game draws its own pointer where the window says it is; the GUI hovers there too.
    const Window& window = form_->MainWindow;
    const TGUIPointerState& gui = form_->KaltoGUI1.Pointer;
    EXPECT_TRUE(PumpUntil(*form_,
                          [&] {
                            return window.PointerX() == 490 && window.PointerY() == 245 &&
                                   gui.MouseX == 490 && gui.MouseY == 245;
                          }))
        << window.PointerX() << "," << window.PointerY();
    RunBesideGame(*form_, {"xdotool", "click", "1"});
    EXPECT_TRUE(PumpUntil(*form_, [&] { return clicks == before + 1; }));
    const std::vector<std::string> outside = windowPoint(505, 225);  // just right of it
    RunBesideGame(*form_, {"xdotool", "mousemove", "--window", windowId_, outside[0], outside[1],
                           "click", "1"});
    EXPECT_FALSE(PumpUntil(
        *form_, [&] { return clicks != before + 1; }, 500ms))
        << "a click beside it";
  }
  form_->KaltoGUI1.FreePage(&page);
}

}  // namespace

namespace {

TEST_F(InProcessGame, TheExitPageIsLeftWithTheMouseOnceItsCountdownHasRunOut) {
  ASSERT_TRUE(form_->PromoScreen->Valid);
  form_->GoTo(ScrExit);
  // The shipped exit button spans 250..550 x 448..504.
  RunBesideGame(*form_, {"xdotool", "mousemove", "--window", windowId_, "400", "476"});
  RunBesideGame(*form_, {"xdotool", "click", "1"});
  EXPECT_FALSE(PumpUntil(
      *form_, [&] { return form_->Loop.QuitRequested(); }, 300ms))
      << "closed during the countdown";

  ASSERT_TRUE(PumpUntil(*form_, [&] { return form_->PromoScreen->Countdown == 0; }));
  PumpUntil(
      *form_, [] { return false; }, 100ms);  // a frame enables the exit button
  RunBesideGame(*form_, {"xdotool", "mousemove", "--window", windowId_, "402", "478"});
  PumpUntil(
      *form_, [] { return false; }, 100ms);  // and one sees the pointer over it
  RunBesideGame(*form_, {"xdotool", "click", "1"});
  EXPECT_TRUE(PumpUntil(*form_, [&] { return form_->Loop.QuitRequested(); }));
}

}  // namespace
