// The exit page: a thank-you screen over a grass field, a button that opens the world
// records page and the exit button, which shows a dimmed plate while the game counts down.
#include "tools/assetgen/pictures/ExitPage.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "online/ExitPageFile.h"
#include "online/GoToLink.h"
#include "platform/GamePaths.h"
#include "tools/assetgen/pictures/Canvas.h"
#include "tools/assetgen/pictures/CarModels.h"
#include "tools/assetgen/pictures/Effects.h"
#include "tools/assetgen/pictures/RoadPieces.h"
#include "tools/assetgen/pictures/Text.h"
#include "tools/assetgen/pictures/UiKit.h"

using namespace palette;

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kButtonWidth = 300;
constexpr int kButtonHeight = 56;
constexpr int kButtonX = (kScreenWidth - kButtonWidth) / 2;
constexpr int kRecordsY = 372;
constexpr int kExitY = 448;
// Seconds the player waits before the exit button works.
constexpr int kCountdownSeconds = 3;
constexpr int kCountdownFontSize = 30;
// The shortcut the records button opens, next to the game.
constexpr const char* kRecordsShortcut = "website.url";

void paintBackground(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  paintGrassTile(cr, kScreenWidth, kScreenHeight);
  drawPanelPlate(cr, 150, 70, 500, 460, 24);
  drawHeadingRibbon(cr, 400, 52, 440, 52, "СПАСИБО ЗА ИГРУ!");
  TextStyle title;
  title.family = faces::kTitle;
  title.sizePx = 54;
  title.colour = kGold;
  title.outlineWidth = 3;
  title.shadowOpacity = 0.5;
  drawText(cr, "Brindle Karts", title, 400, 150, Align::Centre, Align::Centre);
  TextStyle body;
  body.family = faces::kBody;
  body.bold = false;
  body.sizePx = 19;
  body.colour = kCream;
  drawText(cr, "Двенадцать трасс, пять машин\nи рекорды, которые ждут вас.", body, 400, 228,
           Align::Centre, Align::Centre);
  TextStyle invite = body;
  invite.colour = kWhite;
  invite.bold = true;
  drawText(cr, "Сравните свои результаты\nс гонщиками всего мира!", invite, 400, 306, Align::Centre,
           Align::Centre);
  drawCarPlaced(cr, 92, 470, 0.62, CarKind::Roadster, -2.6);
  drawCarPlaced(cr, 708, 470, 0.62, CarKind::Turbo, 2.6);
  drawCarPlaced(cr, 92, 160, 0.62, CarKind::Hawk, -0.5);
  drawCarPlaced(cr, 708, 160, 0.62, CarKind::Volcano, 0.5);
}

// The exit button while it does not work yet: a dim plate; the game writes the seconds
// left over its middle.
void paintWaitingButton(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const PathFn plate = [](cairo_t* c) {
    roundedRect(c, 2, 2, kButtonWidth - 4, kButtonHeight - 4, 14);
  };
  fillLit(cr, plate, kSteel.shade(-0.35), 0, 0, kButtonWidth, kButtonHeight);
  outline(cr, plate, kNavyDeep, 2);
}

void writePicture(const std::filesystem::path& dir, const std::string& name, void (*paint)(Canvas&),
                  int width, int height) {
  Canvas canvas(width, height);
  paint(canvas);
  canvas.writePng((dir / name).string());
}

void writeButton(const std::filesystem::path& dir, const std::string& name,
                 const std::string& label, ButtonState state) {
  Canvas canvas(kButtonWidth, kButtonHeight);
  drawButton(canvas.cr(), kButtonWidth, kButtonHeight, label, state);
  canvas.writePng((dir / name).string());
}

void writeText(const std::filesystem::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

ExitPageButton Button(int y, const std::string& picture, const std::string& hoverPicture) {
  ExitPageButton button;
  button.HoverX = button.X = kButtonX;
  button.HoverY = button.Y = y;
  button.Width = kButtonWidth;
  button.Height = kButtonHeight;
  button.NormalPicture = picture;
  button.HoverPicture = hoverPicture;
  return button;
}

ExitPage Page() {
  ExitPage page;
  page.Background = "wdata\\exit_back.png";
  page.Links.push_back(Button(kRecordsY, "wdata\\records.png", "wdata\\records_hover.png"));
  page.Links.back().FileToOpen = kRecordsShortcut;
  ExitPageExitButton& exit = page.Exit.emplace();
  exit.Button = Button(kExitY, "wdata\\exit.png", "wdata\\exit_hover.png");
  exit.WaitX = kButtonX;
  exit.WaitY = kExitY;
  exit.WaitPicture = "wdata\\exit_wait.png";
  page.CountdownX = kScreenWidth / 2;
  page.CountdownY = kExitY + kButtonHeight / 2;
  page.CountdownSeconds = kCountdownSeconds;
  page.CountdownColour = {255, 214, 102};
  page.CountdownFontSize = kCountdownFontSize;
  return page;
}

}  // namespace

void writeExitPage(const std::string& gameDir, const std::string& recordsAddress) {
  const std::filesystem::path wdata = std::filesystem::path(gameDir) / "wdata";
  std::filesystem::create_directories(wdata);
  writePicture(wdata, "exit_back.png", paintBackground, kScreenWidth, kScreenHeight);
  writeButton(wdata, "records.png", "МИРОВЫЕ РЕКОРДЫ", ButtonState::Normal);
  writeButton(wdata, "records_hover.png", "МИРОВЫЕ РЕКОРДЫ", ButtonState::Hover);
  writeButton(wdata, "exit.png", "ВЫЙТИ", ButtonState::Normal);
  writeButton(wdata, "exit_hover.png", "ВЫЙТИ", ButtonState::Hover);
  writePicture(wdata, "exit_wait.png", paintWaitingButton, kButtonWidth, kButtonHeight);

  writeText(std::filesystem::path(gameDir) / kRecordsShortcut,
            InternetShortcutText(recordsAddress));
  writeText(std::filesystem::path(gameDir) / NativeRelative(kExitPageFile),
            ExitPageFileText(Page()));
}
