#include "online/Share.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <limits>

#include "engine/graphics/KaltoFont.h"
#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/StoredPicture.h"
#include "online/GoToLink.h"
#include "platform/GamePaths.h"
#include "platform/SafeFile.h"

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

}  // namespace

TShareScreen::TShareScreen(TKaltoImageList& shareList, TKaltoFont& countdownFont)
    : shareList_(shareList), font_(countdownFont) {}

void TShareScreen::Load() {
  Valid = false;
  const std::filesystem::path file = DataPath(kConfigFile);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return;
  const FileReadResult contents = ReadWholeFile(file);
  const ExitPageReadResult read = contents.Outcome == FileReadResult::Status::Read
                                      ? ReadExitPage(contents.Contents)
                                      : ExitPageReadResult{std::nullopt, contents.Error};
  if (read.Page) {
    File = *read.Page;
    MakeButtons();
    Valid = AllFilesExist();
  } else {
    std::cerr << kConfigFile << ": " << read.Problem << ", the exit page is not shown\n";
  }
  // A length below 1 would never run out and keep the player from leaving: it counts as 1.
  const int64_t steps = std::max<int64_t>(File.CountdownSeconds, 1) - 1;
  Countdown = static_cast<int32_t>(
      std::min<int64_t>(steps * kFramesPerCountdownStep, std::numeric_limits<int32_t>::max()));
  if (Valid) LoadPictures();
  SetCountdownFont();
}

void TShareScreen::MakeButtons() {
  for (const ExitPageButton& link : File.Links) PromoButtons.emplace_back(link);
  if (!File.Exit) return;
  TButton& exit = PromoButtons.emplace_back(File.Exit->Button);
  exit.Exit = true;
  exit.Enabled = false;
  exit.WaitX = File.Exit->WaitX;
  exit.WaitY = File.Exit->WaitY;
}

bool TShareScreen::AllFilesExist() const {
  std::vector<const std::string*> files = {&File.Background};
  for (const ExitPageButton& link : File.Links) {
    files.insert(files.end(), {&link.NormalPicture, &link.HoverPicture, &link.FileToOpen});
  }
  if (File.Exit) {
    const ExitPageExitButton& exit = *File.Exit;
    files.insert(files.end(),
                 {&exit.Button.NormalPicture, &exit.Button.HoverPicture, &exit.WaitPicture});
  }
  return std::all_of(files.begin(), files.end(),
                     [](const std::string* name) { return FileExists(*name); });
}

// Per button its hover, normal and waiting picture (a link waits with its normal one), then
// the background.
void TShareScreen::LoadPictures() {
  for (TButton& button : PromoButtons) {
    button.HoverImage = LoadPicture(button.HoverPicture);
    button.NormalImage = LoadPicture(button.NormalPicture);
    button.WaitImage = LoadPicture(button.IsExit() ? File.Exit->WaitPicture : button.NormalPicture);
    shareList_.BuildTextures();
  }
  BackgroundImage = LoadPicture(File.Background);
  shareList_.BuildTextures();
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
  const std::array<int32_t, 3>& colour = File.CountdownColour;
  if (File.CountdownFontSize) {
    font_.SetFont(kCountdownFace, *File.CountdownFontSize, 0);
    font_.Red = byte(colour[0]);
    font_.Green = byte(colour[1]);
    font_.Blue = byte(colour[2]);
    return;
  }
  const bool hasExitButton = !PromoButtons.empty() && PromoButtons.back().IsExit();
  const int32_t size = hasExitButton
                           ? static_cast<int32_t>(std::lround(0.6 * PromoButtons.back().Height))
                           : kFallbackFontSize;
  font_.SetFont(kCountdownFace, size, 0);
  // Without an explicit size the second and third numbers are blue and green.
  font_.Red = byte(colour[0]);
  font_.Blue = byte(colour[1]);
  font_.Green = byte(colour[2]);
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
  const int32_t left =
      static_cast<int32_t>(std::lround(File.CountdownX - font_.TextWidth(text) / 2.0));
  const int32_t top =
      static_cast<int32_t>(std::lround(File.CountdownY - font_.TextHeight(text) / 2.0));
  font_.TextOut(left, top, text);
}

void TShareScreen::RunAction(const TButton& button) const {
  if (button.IsExit()) {
    if (OnExit) OnExit();
  } else {
    OpenFileIfExists(button.FileToOpen);
  }
}

int32_t TShareScreen::CountdownNumber() const {
  if (Countdown <= 0) return 0;
  return (Countdown / 10 + 1) / 10 + 1;
}
