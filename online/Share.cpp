#include "online/Share.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

#include "engine/graphics/KaltoFont.h"
#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/StoredPicture.h"
#include "online/GoToLink.h"
#include "platform/GamePaths.h"

namespace {

constexpr const char* kCountdownFace = "Verdana";
constexpr int32_t kFramesPerCountdownStep = 100;
// The size of the countdown number when the file names neither a size nor an exit button
// to take it from.
constexpr int32_t kFallbackFontSize = 20;

// The page names its files relative to the data folder and may not reach outside it: no
// absolute path, no drive, no ".." part.
bool StaysInDataFolder(std::string gameName) {
  std::replace(gameName.begin(), gameName.end(), '\\', '/');
  const std::filesystem::path path(gameName);
  if (path.has_root_path() || gameName.find(':') != std::string::npos) return false;
  return std::none_of(path.begin(), path.end(), [](const auto& part) { return part == ".."; });
}

bool FileExists(const std::string& gameName) {
  std::error_code ec;
  return StaysInDataFolder(gameName) && std::filesystem::is_regular_file(DataPath(gameName), ec);
}

// A whole token as a 32-bit integer with an optional sign.
bool ParseInteger(const std::string& token, int32_t& value) {
  const char* first = token.data();
  const char* last = first + token.size();
  if (first != last && *first == '+') ++first;
  if (first == last) return false;
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last;
}

}  // namespace

// Hands out the lines of the file; every line that is missing or unusable clears valid.
class TShareScreen::LineReader {
 public:
  LineReader(const std::filesystem::path& file, bool& valid)
      : in_(file, std::ios::binary), valid_(valid) {}

  bool AtEnd() { return in_.peek() == std::char_traits<char>::eof(); }

  // The line without its leading spaces and without a Windows line end.
  std::string Text() {
    std::string line;
    if (!std::getline(in_, line)) {
      valid_ = false;
      return {};
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t first = line.find_first_not_of(' ');
    line.erase(0, first == std::string::npos ? line.size() : first);
    if (line.empty()) valid_ = false;
    return line;
  }

  // The first `count` integers separated by single spaces; anything after them is ignored.
  // A token that is missing or not an integer reads as 0.
  template <size_t count>
  std::array<int32_t, count> Integers() {
    std::array<int32_t, count> values{};
    const std::string line = Text();
    size_t start = 0;
    for (int32_t& value : values) {
      std::string token;
      if (start <= line.size()) {
        const size_t space = line.find(' ', start);
        token = line.substr(start, space - start);
        start = space == std::string::npos ? line.size() + 1 : space + 1;
      }
      if (!ParseInteger(token, value)) {
        value = 0;
        valid_ = false;
      }
    }
    return values;
  }

  // A path that must name an existing file under the data root.
  std::string ExistingPath() {
    std::string path = Text();
    if (!path.empty() && !FileExists(path)) valid_ = false;
    return path;
  }

 private:
  std::ifstream in_;
  bool& valid_;
};

TShareScreen::TShareScreen(TKaltoImageList& shareList, TKaltoFont& countdownFont)
    : shareList_(shareList), font_(countdownFont) {}

void TShareScreen::Load() {
  const std::filesystem::path file = DataPath(kConfigFile);
  std::error_code ec;
  Valid = std::filesystem::is_regular_file(file, ec);
  if (!Valid) return;
  LineReader lines(file, Valid);

  PromoButtonCount = lines.Integers<1>()[0];
  BackgroundFile = lines.ExistingPath();
  // A file that ends early cannot be valid; stopping there keeps a huge count from making
  // buttons out of nothing.
  for (int32_t i = 1; i < PromoButtonCount && !lines.AtEnd(); ++i) ReadButton(lines, false);
  if (PromoButtonCount >= 1 && !lines.AtEnd()) ReadButton(lines, true);

  const auto centre = lines.Integers<2>();
  CountdownX = centre[0];
  CountdownY = centre[1];
  // A length below 1 would never run out and keep the player from leaving: it counts as 1.
  const int64_t steps = std::max<int64_t>(lines.Integers<1>()[0], 1) - 1;
  Countdown = static_cast<int32_t>(
      std::min<int64_t>(steps * kFramesPerCountdownStep, std::numeric_limits<int32_t>::max()));
  ColorValues = lines.Integers<3>();
  CustomFontSize = lines.Text() == "TRUE";
  if (CustomFontSize) FontSize = lines.Integers<1>()[0];

  if (Valid) {
    BackgroundImage = LoadPicture(BackgroundFile);
    shareList_.BuildTextures();
  }
  SetCountdownFont();
}

void TShareScreen::ReadButton(LineReader& lines, bool exitButton) {
  TButton button;
  const auto hover = lines.Integers<4>();
  button.HoverX = hover[0];
  button.HoverY = hover[1];
  const auto normal = lines.Integers<4>();
  button.X = normal[0];
  button.Y = normal[1];
  button.Width = normal[2];
  button.Height = normal[3];
  if (exitButton) {
    const auto wait = lines.Integers<4>();
    button.WaitX = wait[0];
    button.WaitY = wait[1];
  }
  const std::string normalFile = lines.ExistingPath();
  const std::string hoverFile = lines.ExistingPath();
  const std::string thirdFile = lines.ExistingPath();
  button.Action = exitButton ? kExitAction : thirdFile;

  button.HoverImage = LoadPicture(hoverFile);
  button.NormalImage = LoadPicture(normalFile);
  button.WaitImage = LoadPicture(exitButton ? thirdFile : normalFile);
  shareList_.BuildTextures();
  button.Enabled = !exitButton;
  PromoButtons.push_back(button);
}

// Once the page is known to be unusable nothing more is loaded; a picture that exists but
// cannot be decoded makes it unusable, rather than failing later as a texture.
int TShareScreen::LoadPicture(const std::string& path) {
  if (!Valid) return -1;
  const OilPicture picture = LoadPictureFile(DataPath(path).string());
  PixelImage pixels;
  if (picture.Empty() || !DecodePicture(picture, pixels)) {
    Valid = false;
    return -1;
  }
  TImageListItem& item = shareList_.ImageList().Add();
  item.Name = path;
  item.SetPicture(picture);
  item.Transparent = false;
  return shareList_.Count() - 1;
}

void TShareScreen::SetCountdownFont() {
  const auto byte = [](int32_t value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); };
  if (CustomFontSize) {
    font_.SetFont(kCountdownFace, FontSize, 0);
    font_.Red = byte(ColorValues[0]);
    font_.Green = byte(ColorValues[1]);
    font_.Blue = byte(ColorValues[2]);
    return;
  }
  const bool hasExitButton = !PromoButtons.empty() && PromoButtons.back().IsExit();
  const int32_t size = hasExitButton
                           ? static_cast<int32_t>(std::lround(0.6 * PromoButtons.back().Height))
                           : kFallbackFontSize;
  font_.SetFont(kCountdownFace, size, 0);
  // Without an explicit size the second and third numbers are blue and green.
  font_.Red = byte(ColorValues[0]);
  font_.Blue = byte(ColorValues[1]);
  font_.Green = byte(ColorValues[2]);
}

void TShareScreen::UpdateHover(TButton& button, int pointerX, int pointerY) const {
  const int64_t px = pointerX;
  const int64_t py = pointerY;
  button.Hover = button.X <= px && px <= int64_t{button.X} + button.Width && button.Y <= py &&
                 py <= int64_t{button.Y} + button.Height;
}

void TShareScreen::Draw() {
  const auto drawPicture = [this](int index, int32_t x, int32_t y) {
    if (TImageListItem* item = shareList_.Items(index)) item->DrawPlain(x, y, 0);
  };
  drawPicture(BackgroundImage, 0, 0);
  for (const TButton& button : PromoButtons) {
    if (!button.Enabled) {
      drawPicture(button.WaitImage, button.WaitX, button.WaitY);
    } else if (button.Hover) {
      drawPicture(button.HoverImage, button.HoverX, button.HoverY);
    } else {
      drawPicture(button.NormalImage, button.X, button.Y);
    }
  }
  if (Countdown == 0) {
    for (TButton& button : PromoButtons) {
      if (button.IsExit()) button.Enabled = true;
    }
    return;
  }
  const std::string text = std::to_string(CountdownNumber());
  const int32_t left = static_cast<int32_t>(std::lround(CountdownX - font_.TextWidth(text) / 2.0));
  const int32_t top = static_cast<int32_t>(std::lround(CountdownY - font_.TextHeight(text) / 2.0));
  font_.TextOut(left, top, text);
}

void TShareScreen::RunAction(const TButton& button) const {
  if (button.IsExit()) {
    if (OnExit) OnExit();
  } else {
    OpenFileIfExists(button.Action);
  }
}

int32_t TShareScreen::CountdownNumber() const {
  if (Countdown <= 0) return 0;
  return (Countdown / 10 + 1) / 10 + 1;
}
