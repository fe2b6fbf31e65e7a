#include "tests/xwindow/WindowPicture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <thread>

#include "engine/graphics/FileBytes.h"
#include "engine/graphics/PngCodec.h"
#include "engine/graphics/StoredPicture.h"
#include "online/ExitPageFile.h"
#include "platform/GamePaths.h"
#include "platform/SafeFile.h"
#include "tests/xwindow/GameWindow.h"

namespace {

constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;
constexpr int kBlock = 8;
constexpr int kColourTolerance = 16;  // of a block's mean colour, per channel
constexpr double kShownShare = 0.9;

}  // namespace

ShippedPictures::ShippedPictures(const std::filesystem::path& oilFile) {
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(ReadFileBytes(oilFile.string(), bytes)) << oilFile;
  const OilReadResult read = ReadOil(bytes.data(), bytes.size());
  EXPECT_TRUE(read.Ok) << oilFile << ": " << read.Error;
  for (const OilItem& item : read.Items) items_[item.Name] = item;
}

PixelImage ShippedPictures::Pattern(const std::string& name, int pattern) const {
  const auto found = items_.find(name);
  PixelImage whole;
  if (found == items_.end() || !DecodePicture(found->second.Picture, whole)) {
    ADD_FAILURE() << "no picture \"" << name << "\"";
    return {};
  }
  const OilItem& item = found->second;
  const int columns = std::max(1, whole.Width / std::max(1, item.TileWidth));
  PixelImage tile;
  tile.Width = std::min(item.TileWidth, whole.Width);
  tile.Height = std::min(item.TileHeight, whole.Height);
  const int left = (pattern % columns) * item.TileWidth;
  const int top = (pattern / columns) * item.TileHeight;
  // The key is a platform colour: red in the low byte, blue in the high one.
  const uint8_t key[3] = {static_cast<uint8_t>(item.TransparentColor & 0xFF),
                          static_cast<uint8_t>((item.TransparentColor >> 8) & 0xFF),
                          static_cast<uint8_t>((item.TransparentColor >> 16) & 0xFF)};
  for (int y = 0; y < tile.Height; ++y) {
    for (int x = 0; x < tile.Width; ++x) {
      const bool inside = left + x < whole.Width && top + y < whole.Height;
      const uint8_t* source = inside ? whole.Pixel(left + x, top + y) : nullptr;
      uint8_t pixel[4] = {0, 0, 0, 0};
      if (source) std::copy(source, source + 4, pixel);
      if (source && item.Transparent && std::equal(key, key + 3, source)) pixel[3] = 0;
      tile.Rgba.insert(tile.Rgba.end(), pixel, pixel + 4);
    }
  }
  return tile;
}

PixelImage PictureFile(const std::filesystem::path& path) {
  PixelImage image;
  EXPECT_TRUE(DecodePicture(LoadPictureFile(path.string()), image)) << path;
  return image;
}

std::vector<PlacedPicture> PlacedButton(const ShippedPictures& list, const std::string& name, int x,
                                        int y) {
  return {{list.Pattern(name, 0), x, y}, {list.Pattern(name, 1), x, y}};
}

PicturePoint MiddleOf(const std::vector<PlacedPicture>& placed) {
  if (placed.empty()) return {};
  const PlacedPicture& first = placed.front();
  return {first.X + first.Picture.Width / 2, first.Y + first.Picture.Height / 2};
}

bool ClickMiddleOf(const std::string& window, const std::vector<PlacedPicture>& placed) {
  const PicturePoint middle = MiddleOf(placed);
  return ClickPicturePoint(window, middle.X, middle.Y);
}

PixelImage CaptureGamePicture(const std::string& window) {
  const WindowBox box = WindowGeometry(window);
  if (box.Width <= 0 || box.Height <= 0) return {};
  std::string fit;
  if (box.Width != kPictureWidth || box.Height != kPictureHeight) {
    // The picture as the game fits it into a larger window: scaled by the smaller factor
    // and centred; cut out of the bars and brought back to its own size.
    const double scale =
        std::min(box.Width / double(kPictureWidth), box.Height / double(kPictureHeight));
    const int width = static_cast<int>(kPictureWidth * scale);
    const int height = static_cast<int>(kPictureHeight * scale);
    fit = " -crop " + std::to_string(width) + "x" + std::to_string(height) + "+" +
          std::to_string((box.Width - width) / 2) + "+" +
          std::to_string((box.Height - height) / 2) + " +repage -resize 800x600!";
  }
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("bk-window-" + std::to_string(::getpid()) + ".png");
  std::filesystem::remove(file);
  PixelImage image;
  const std::string command =
      "import -silent -window " + window + fit + " 'png32:" + file.string() + "' 2>/dev/null";
  std::vector<uint8_t> bytes;
  if (std::system(command.c_str()) == 0 && ReadFileBytes(file.string(), bytes)) {
    DecodePng(bytes.data(), bytes.size(), image);
  }
  std::filesystem::remove(file);
  return image;
}

// The game may draw a picture resampled (its texture is padded and filtered), which blurs
// sharp edges; so the picture is compared in blocks, by their mean colour.
double ShownShare(const PixelImage& screen, const PlacedPicture& placed) {
  const PixelImage& picture = placed.Picture;
  int blocks = 0;
  int shown = 0;
  for (int top = 0; top + kBlock <= picture.Height; top += kBlock) {
    for (int left = 0; left + kBlock <= picture.Width; left += kBlock) {
      int opaque = 0;
      int expected[3] = {0, 0, 0};
      int seen[3] = {0, 0, 0};
      for (int y = top; y < top + kBlock; ++y) {
        for (int x = left; x < left + kBlock; ++x) {
          const uint8_t* want = picture.Pixel(x, y);
          const int sx = placed.X + x;
          const int sy = placed.Y + y;
          if (want[3] != 255 || sx < 0 || sy < 0 || sx >= screen.Width || sy >= screen.Height) {
            continue;
          }
          const uint8_t* got = screen.Pixel(sx, sy);
          ++opaque;
          for (int c = 0; c < 3; ++c) {
            expected[c] += want[c];
            seen[c] += got[c];
          }
        }
      }
      // Blocks mostly see-through or off the screen say nothing.
      if (opaque * 4 < kBlock * kBlock * 3) continue;
      ++blocks;
      bool same = true;
      for (int c = 0; c < 3; ++c) {
        same = same && std::abs(seen[c] - expected[c]) <= kColourTolerance * opaque;
      }
      if (same) ++shown;
    }
  }
  return blocks == 0 ? 0.0 : static_cast<double>(shown) / blocks;
}

bool ScreenShows(const std::string& window, const std::vector<PlacedPicture>& anyOf,
                 const std::string& screen, std::chrono::seconds limit) {
  double best = 0;
  const auto end = std::chrono::steady_clock::now() + limit;
  // Each look costs the game some of the machine; long waits look less often.
  const auto pause = std::clamp(std::chrono::duration_cast<std::chrono::milliseconds>(limit) / 100,
                                std::chrono::milliseconds(200), std::chrono::milliseconds(1000));
  do {
    const PixelImage seen = CaptureGamePicture(window);
    for (const PlacedPicture& placed : anyOf) best = std::max(best, ShownShare(seen, placed));
    if (best >= kShownShare) return true;
    std::this_thread::sleep_for(pause);
  } while (std::chrono::steady_clock::now() < end);
  std::string name = screen;
  std::replace(name.begin(), name.end(), ' ', '-');
  Shot(window, "not-" + name);
  ADD_FAILURE() << "not on the " << screen << " (best match " << best << ")";
  return false;
}

ShownExitButton ShippedExitButton(const std::filesystem::path& gameFolder) {
  const auto DataFile = [&](const std::string& gameName) {
    return gameFolder / NativeRelative(gameName);
  };
  ShownExitButton exit;
  const FileReadResult file = ReadWholeFile(DataFile(kExitPageFile));
  const ExitPageReadResult read = ReadExitPage(file.Contents);
  if (!read.Page || !read.Page->Exit) {
    ADD_FAILURE() << "the shipped exit page has no exit button: " << read.Problem;
    return exit;
  }
  const ExitPageButton& button = read.Page->Exit->Button;
  exit.Usable = {{PictureFile(DataFile(button.NormalPicture)), button.X, button.Y},
                 {PictureFile(DataFile(button.HoverPicture)), button.HoverX, button.HoverY}};
  exit.Middle = {button.X + button.Width / 2, button.Y + button.Height / 2};
  exit.Background = PictureFile(DataFile(read.Page->Background));
  return exit;
}
