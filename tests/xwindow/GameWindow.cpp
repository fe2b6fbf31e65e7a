#include "tests/xwindow/GameWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "tests/xwindow/CommandOutput.h"

namespace {

// The number after "label" in xwininfo's report, -1 when absent.
int Field(const std::string& report, const std::string& label) {
  const size_t at = report.find(label);
  return at == std::string::npos ? -1 : std::atoi(report.c_str() + at + label.size());
}

WindowBox BoxOf(const std::string& report) {
  return {Field(report, "Absolute upper-left X:"), Field(report, "Absolute upper-left Y:"),
          Field(report, "Width:"), Field(report, "Height:")};
}

}  // namespace

bool RunCommand(const std::string& command) {
  const int status = std::system(command.c_str());
  EXPECT_EQ(status, 0) << command;
  return status == 0;
}

std::string FindGameWindow(pid_t pid) {
  const std::string found =
      CommandOutput("timeout 30 xdotool search --sync --onlyvisible --pid " + std::to_string(pid) +
                    " --name '^Brindle Karts$' | head -n 1");
  return found.substr(0, found.find('\n'));
}

WindowBox WindowGeometry(const std::string& window) {
  return BoxOf(CommandOutput("xwininfo -id " + window));
}

WindowBox ScreenGeometry() {
  return BoxOf(CommandOutput("xwininfo -root"));
}

bool ClickPicturePoint(const std::string& window, int x, int y) {
  const WindowBox box = WindowGeometry(window);
  if (box.Width <= 0 || box.Height <= 0) {
    ADD_FAILURE() << "no geometry for window " << window;
    return false;
  }
  const double scale = std::min(box.Width / 800.0, box.Height / 600.0);
  const int windowX = static_cast<int>((box.Width - 800 * scale) / 2 + (x + 0.5) * scale);
  const int windowY = static_cast<int>((box.Height - 600 * scale) / 2 + (y + 0.5) * scale);
  const std::string move = "xdotool mousemove --window " + window + " ";
  using namespace std::chrono_literals;
  if (!RunCommand(move + std::to_string(windowX + 1) + " " + std::to_string(windowY + 1))) {
    return false;
  }
  std::this_thread::sleep_for(150ms);
  if (!RunCommand(move + std::to_string(windowX) + " " + std::to_string(windowY))) return false;
  std::this_thread::sleep_for(150ms);
  return RunCommand("xdotool click 1");
}

bool PressKeys(const std::string& keys) {
  return RunCommand("xdotool key --delay 120 " + keys);
}

std::filesystem::path ShotFolder() {
  const char* chosen = std::getenv("BK_SHOT_DIR");
  return chosen && *chosen ? std::filesystem::path(chosen)
                           : std::filesystem::path(BK_SCREENSHOT_DIR);
}

void Shot(const std::string& window, const std::string& name) {
  const std::filesystem::path folder = ShotFolder();
  std::filesystem::create_directories(folder);
  RunCommand("import -silent -window " + window + " '" + (folder / (name + ".png")).string() + "'");
}
