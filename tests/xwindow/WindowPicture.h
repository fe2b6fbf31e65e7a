#pragma once
#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/graphics/OilFormat.h"
#include "platform/PixelImage.h"

// Telling from outside which screen the game shows: a shipped picture is looked for at the
// place the game draws it, in the window's picture as the X server holds it.

// The pictures of a shipped image list (.oil), one pattern (tile) at a time.
class ShippedPictures {
 public:
  explicit ShippedPictures(const std::filesystem::path& oilFile);
  // Tile `pattern` of the named picture, with its colour key made transparent; an empty
  // image (and a test failure) when the list has no such picture.
  PixelImage Pattern(const std::string& name, int pattern = 0) const;

 private:
  std::map<std::string, OilItem> items_;
};

// A picture file (PNG or BMP) as pixels; empty (and a test failure) when unreadable.
PixelImage PictureFile(const std::filesystem::path& path);

// A picture and where the game draws it.
struct PlacedPicture {
  PixelImage Picture;
  int X = 0, Y = 0;
};

// A button's tile of the first pattern and its hover tile at the button's resting place:
// the window shows one of them.
std::vector<PlacedPicture> PlacedButton(const ShippedPictures& list, const std::string& name, int x,
                                        int y);
// The middle of the first placed picture.
struct PicturePoint {
  int X = 0, Y = 0;
};
PicturePoint MiddleOf(const std::vector<PlacedPicture>& placed);
// Clicks the middle of the first placed picture in the game's window.
bool ClickMiddleOf(const std::string& window, const std::vector<PlacedPicture>& placed);

// The game's 800 x 600 picture as the window shows it (in a larger window or full screen
// cut out of the bars and scaled back), read through a PNG file; empty when it fails.
PixelImage CaptureGamePicture(const std::string& window);

// The share (0..1) of the picture's opaque 8 x 8 blocks that the screen shows at the
// picture's place, by their mean colour within a small tolerance.
double ShownShare(const PixelImage& screen, const PlacedPicture& placed);

// Waits until the window shows one of `anyOf` (a share of at least 0.9), at most `limit`.
// When time runs out: a test failure naming `screen` with the best share seen, a
// screenshot "not-SCREEN" to look at, and false.
bool ScreenShows(const std::string& window, const std::vector<PlacedPicture>& anyOf,
                 const std::string& screen, std::chrono::seconds limit = std::chrono::seconds(20));

// The exit page's exit button as the game folder's wdata/config.ini places it: its normal and
// hover pictures (either means the countdown is over), the middle of its clickable box, and
// the page's background.
struct ShownExitButton {
  std::vector<PlacedPicture> Usable;
  PicturePoint Middle;
  PixelImage Background;
};
ShownExitButton ShippedExitButton(const std::filesystem::path& gameFolder);
