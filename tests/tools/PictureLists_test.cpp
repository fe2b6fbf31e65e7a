// The picture lists the asset generator writes into the game folder: complete against the
// picture table, and drawn pictures rather than placeholders.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/graphics/FileBytes.h"
#include "engine/graphics/KaltoBitmapFont.h"
#include "engine/graphics/OilFormat.h"
#include "engine/graphics/PictureTable.h"
#include "engine/graphics/RoadGrid.h"
#include "engine/graphics/StoredPicture.h"
#include "race/TrackFile.h"

namespace {

struct LoadedList {
  std::vector<OilItem> items;
  std::map<std::string, PixelImage> pixels;
  size_t fileSize = 0;
};

const LoadedList& List(PictureListMask which) {
  static const std::map<PictureListMask, LoadedList> lists = [] {
    std::map<PictureListMask, LoadedList> out;
    for (PictureListMask list : {kMenuList, kRaceList}) {
      const std::string path =
          std::string(BK_GAME_DIR) + "/Data/" + (list == kMenuList ? "data1.oil" : "data2.oil");
      std::vector<uint8_t> bytes;
      EXPECT_TRUE(ReadFileBytes(path, bytes)) << path;
      OilReadResult read = ReadOil(bytes.data(), bytes.size());
      EXPECT_TRUE(read.Ok) << read.Error;
      LoadedList& loaded = out[list];
      loaded.fileSize = bytes.size();
      loaded.items = std::move(read.Items);
      for (const OilItem& item : loaded.items) {
        std::string error;
        EXPECT_TRUE(DecodePicture(item.Picture, loaded.pixels[item.Name], &error))
            << item.Name << ": " << error;
      }
    }
    return out;
  }();
  return lists.at(which);
}

const PixelImage& Picture(PictureListMask list, const std::string& name) {
  static const PixelImage none;
  const auto& pixels = List(list).pixels;
  const auto it = pixels.find(name);
  return it == pixels.end() ? none : it->second;
}

std::array<int, 4> At(const PixelImage& image, int x, int y) {
  const uint8_t* p = image.Pixel(x, y);
  return {p[0], p[1], p[2], p[3]};
}

// Mean absolute difference per channel between two equal-sized tiles.
double TileDifference(const PixelImage& a, int ax, int ay, const PixelImage& b, int bx, int by,
                      int w, int h) {
  double sum = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const auto p = At(a, ax + x, ay + y), q = At(b, bx + x, by + y);
      for (int c = 0; c < 4; ++c) sum += std::abs(p[c] - q[c]);
    }
  }
  return sum / (4.0 * w * h);
}

// Mean difference between two lines of pixels given by their start and step.
double LineDifference(const PixelImage& a, int ax, int ay, const PixelImage& b, int bx, int by,
                      int dx, int dy, int length, int channel) {
  double sum = 0;
  for (int i = 0; i < length; ++i) {
    sum += std::abs(At(a, ax + dx * i, ay + dy * i)[channel] -
                    At(b, bx + dx * i, by + dy * i)[channel]);
  }
  return sum / length;
}

// The same across a joint of 45-degree pieces: one pixel row on, a marking along the road
// has moved one pixel one way along the edge and a stripe across it one pixel the other
// way, so each pixel is compared with the nearer match of B's two diagonal neighbours.
double DiagonalLineDifference(const PixelImage& a, int ax, int ay, const PixelImage& b, int bx,
                              int by, int dx, int dy, int length, int channel) {
  double sum = 0;
  for (int i = 1; i + 1 < length; ++i) {
    const int here = At(a, ax + dx * i, ay + dy * i)[channel];
    sum += std::min(std::abs(here - At(b, bx + dx * (i - 1), by + dy * (i - 1))[channel]),
                    std::abs(here - At(b, bx + dx * (i + 1), by + dy * (i + 1))[channel]));
  }
  return sum / (length - 2);
}

std::vector<std::pair<PictureListMask, const PictureEntry*>> AllPictures() {
  std::vector<std::pair<PictureListMask, const PictureEntry*>> all;
  for (const PictureEntry& e : PictureTable()) {
    for (PictureListMask list : {kMenuList, kRaceList}) {
      if (e.Lists & list) all.push_back({list, &e});
    }
  }
  return all;
}

TEST(PictureLists, HoldEveryPictureOfTheTableWithItsTilesInUnderTwelveMegabytes) {
  for (const auto& [list, entry] : AllPictures()) {
    const auto& items = List(list).items;
    const auto item = std::find_if(items.begin(), items.end(),
                                   [&](const OilItem& i) { return i.Name == entry->Name; });
    ASSERT_NE(item, items.end()) << entry->Name;
    EXPECT_EQ(item->TileWidth, entry->TileWidth) << entry->Name;
    EXPECT_EQ(item->TileHeight, entry->TileHeight) << entry->Name;
    const PixelImage& image = Picture(list, entry->Name);
    EXPECT_EQ(image.Width, entry->PictureWidth()) << entry->Name;
    EXPECT_EQ(image.Height, entry->PictureHeight()) << entry->Name;
  }
  EXPECT_EQ(List(kMenuList).items.front().Name, "font");
  EXPECT_LT(List(kMenuList).fileSize + List(kRaceList).fileSize, 12u * 1024 * 1024);
}

// A placeholder is empty or one flat colour; a drawing has many shades in every tile.
TEST(PictureLists, EveryTileIsADrawingNotAFlatPlaceholder) {
  for (const auto& [list, entry] : AllPictures()) {
    const PixelImage& image = Picture(list, entry->Name);
    if (image.Width == 0) continue;  // reported by the coverage test
    const bool glyphs = std::string(entry->Name) == "font";
    for (int tile = glyphs ? 1 : 0; tile < entry->Tiles; ++tile) {
      const int left = tile % entry->Columns * entry->TileWidth;
      const int top = tile / entry->Columns * entry->TileHeight;
      std::set<std::array<int, 4>> colours;
      int visible = 0;
      for (int y = top; y < top + entry->TileHeight; ++y) {
        for (int x = left; x < left + entry->TileWidth; ++x) {
          const auto p = At(image, x, y);
          if (p[3] == 0) continue;
          ++visible;
          colours.insert(p);
        }
      }
      EXPECT_GT(visible, 0) << entry->Name << " tile " << tile;
      EXPECT_GE(colours.size(), static_cast<size_t>(std::clamp(visible / 16, 2, 32)))
          << entry->Name << " tile " << tile;
    }
  }
}

// Road pieces on the road grid meet edge to edge: the pixels on both sides of a joint
// differ no more than neighbouring pixels inside a piece, and the road is not cut open.
// The ground wraps without a seam and is opaque (the race draws it first, under everything).
// The same for every landscape's road and ground.
TEST(PictureLists, RoadPiecesJoinAndGroundWrapsWithoutSeamsInEveryLandscape) {
  for (const std::string suffix : {"", "_autumn", "_coast", "_winter"}) {
    SCOPED_TRACE("landscape pictures \"" + suffix + "\"");
    const PixelImage& straight = Picture(kRaceList, "roadstr" + suffix);
    const PixelImage& vertical = Picture(kRaceList, "roadstrvert" + suffix);
    const PixelImage& turns = Picture(kRaceList, "roadroters" + suffix);
    const PictureEntry* turnEntry = FindPictureEntry("roadroters" + suffix);
    ASSERT_TRUE(straight.Width == kRoadTileSize && vertical.Width == kRoadTileSize && turnEntry);
    const int n = kRoadTileSize, last = n - 1;
    auto turnX = [&](int tile) { return tile % turnEntry->Columns * n; };
    auto turnY = [&](int tile) { return tile / turnEntry->Columns * n; };
    const PixelImage& wide = Picture(kRaceList, "roadwide" + suffix);
    const PixelImage& narrow = Picture(kRaceList, "roadnarrow" + suffix);
    const PictureEntry* wideEntry = FindPictureEntry("roadwide" + suffix);
    const PictureEntry* narrowEntry = FindPictureEntry("roadnarrow" + suffix);
    const PixelImage& chicane = Picture(kRaceList, "roadchicane" + suffix);
    const PixelImage& diagonal = Picture(kRaceList, "roaddiag" + suffix);
    const PictureEntry* chicaneEntry = FindPictureEntry("roadchicane" + suffix);
    const PictureEntry* diagonalEntry = FindPictureEntry("roaddiag" + suffix);
    ASSERT_TRUE(wideEntry && narrowEntry && chicaneEntry && diagonalEntry);
    // Wide curve cells by turn (0..3) and cell (0 top-left .. 3 bottom-right). The joints
    // tested cross the ring's edges; where the inner edge touches a joint it runs along it, and
    // the rows either side rightly differ.
    auto wideX = [&](int turn, int cell) { return (turn * 4 + cell) % wideEntry->Columns * n; };
    auto wideY = [&](int turn, int cell) { return (turn * 4 + cell) / wideEntry->Columns * n; };
    auto narrowX = [&](int tile) { return tile % narrowEntry->Columns * n; };
    auto narrowY = [&](int tile) { return tile / narrowEntry->Columns * n; };
    auto chicaneX = [&](int tile) { return tile % chicaneEntry->Columns * n; };
    auto chicaneY = [&](int tile) { return tile / chicaneEntry->Columns * n; };
    // Diagonal halves by the corner they hold (0 top-left .. 3 bottom-left, clockwise). Halves
    // meet halves whole-edge; a straight meets one at a bend, where the markings rightly turn.
    auto diagonalX = [&](int tile) { return tile % diagonalEntry->Columns * n; };
    auto diagonalY = [&](int tile) { return tile / diagonalEntry->Columns * n; };
    struct Joint {
      const char* what;
      const PixelImage* a;
      int ax, ay;  // first pixel of A's edge line
      const PixelImage* b;
      int bx, by;     // first pixel of B's facing edge line
      int dx, dy;     // direction along the edge
      bool diagonal;  // both sides are 45-degree pieces
    };
    const Joint joints[] = {
        {"straight to straight", &straight, last, 0, &straight, 0, 0, 0, 1, false},
        {"vertical to vertical", &vertical, 0, last, &vertical, 0, 0, 1, 0, false},
        {"turn 0 right to straight", &turns, turnX(0) + last, turnY(0), &straight, 0, 0, 0, 1,
         false},
        {"turn 0 bottom to vertical", &turns, turnX(0), turnY(0) + last, &vertical, 0, 0, 1, 0,
         false},
        {"straight to turn 1 left", &straight, last, 0, &turns, turnX(1), turnY(1), 0, 1, false},
        {"turn 1 bottom to vertical", &turns, turnX(1), turnY(1) + last, &vertical, 0, 0, 1, 0,
         false},
        {"straight to turn 2 left", &straight, last, 0, &turns, turnX(2), turnY(2), 0, 1, false},
        {"vertical to turn 2 top", &vertical, 0, last, &turns, turnX(2), turnY(2), 1, 0, false},
        {"turn 3 right to straight", &turns, turnX(3) + last, turnY(3), &straight, 0, 0, 0, 1,
         false},
        {"vertical to turn 3 top", &vertical, 0, last, &turns, turnX(3), turnY(3), 1, 0, false},
        {"turn 0 right to turn 1 left", &turns, turnX(0) + last, turnY(0), &turns, turnX(1),
         turnY(1), 0, 1, false},
        {"turn 0 bottom to turn 3 top", &turns, turnX(0), turnY(0) + last, &turns, turnX(3),
         turnY(3), 1, 0, false},
        {"wide 0 right to straight", &wide, wideX(0, 1) + last, wideY(0, 1), &straight, 0, 0, 0, 1,
         false},
        {"wide 0 bottom to vertical", &wide, wideX(0, 2), wideY(0, 2) + last, &vertical, 0, 0, 1, 0,
         false},
        {"wide 0 cell 0 to cell 1", &wide, wideX(0, 0) + last, wideY(0, 0), &wide, wideX(0, 1),
         wideY(0, 1), 0, 1, false},
        {"wide 0 cell 0 to cell 2", &wide, wideX(0, 0), wideY(0, 0) + last, &wide, wideX(0, 2),
         wideY(0, 2), 1, 0, false},
        {"straight to wide 1 left", &straight, last, 0, &wide, wideX(1, 0), wideY(1, 0), 0, 1,
         false},
        {"wide 1 bottom to vertical", &wide, wideX(1, 3), wideY(1, 3) + last, &vertical, 0, 0, 1, 0,
         false},
        {"vertical to wide 2 top", &vertical, 0, last, &wide, wideX(2, 1), wideY(2, 1), 1, 0,
         false},
        {"straight to wide 2 left", &straight, last, 0, &wide, wideX(2, 2), wideY(2, 2), 0, 1,
         false},
        {"vertical to wide 3 top", &vertical, 0, last, &wide, wideX(3, 0), wideY(3, 0), 1, 0,
         false},
        {"wide 3 right to straight", &wide, wideX(3, 3) + last, wideY(3, 3), &straight, 0, 0, 0, 1,
         false},
        {"wide 3 cell 0 to cell 2", &wide, wideX(3, 0), wideY(3, 0) + last, &wide, wideX(3, 2),
         wideY(3, 2), 1, 0, false},
        {"straight to narrowing", &straight, last, 0, &narrow, narrowX(0), narrowY(0), 0, 1, false},
        {"narrowing to straight", &narrow, narrowX(0) + last, narrowY(0), &straight, 0, 0, 0, 1,
         false},
        {"vertical to vertical narrowing", &vertical, 0, last, &narrow, narrowX(1), narrowY(1), 1,
         0, false},
        {"vertical narrowing to vertical", &narrow, narrowX(1), narrowY(1) + last, &vertical, 0, 0,
         1, 0, false},
        {"straight to chicane", &straight, last, 0, &chicane, chicaneX(0), chicaneY(0), 0, 1,
         false},
        {"chicane to straight", &chicane, chicaneX(0) + last, chicaneY(0), &straight, 0, 0, 0, 1,
         false},
        {"vertical to vertical chicane", &vertical, 0, last, &chicane, chicaneX(1), chicaneY(1), 1,
         0, false},
        {"vertical chicane to vertical", &chicane, chicaneX(1), chicaneY(1) + last, &vertical, 0, 0,
         1, 0, false},
        {"diagonal 2 bottom to diagonal 0 top", &diagonal, diagonalX(2), diagonalY(2) + last,
         &diagonal, diagonalX(0), diagonalY(0), 1, 0, true},
        {"diagonal 2 right to diagonal 0 left", &diagonal, diagonalX(2) + last, diagonalY(2),
         &diagonal, diagonalX(0), diagonalY(0), 0, 1, true},
        {"diagonal 3 bottom to diagonal 1 top", &diagonal, diagonalX(3), diagonalY(3) + last,
         &diagonal, diagonalX(1), diagonalY(1), 1, 0, true},
        {"diagonal 1 right to diagonal 3 left", &diagonal, diagonalX(1) + last, diagonalY(1),
         &diagonal, diagonalX(3), diagonalY(3), 0, 1, true},
    };
    // Neighbouring pixels inside a piece: the texture's own roughness.
    const double inside = LineDifference(straight, 127, 0, straight, 128, 0, 0, 1, n, 0);
    for (const Joint& j : joints) {
      auto difference = [&](int channel) {
        return (j.diagonal ? DiagonalLineDifference : LineDifference)(*j.a, j.ax, j.ay, *j.b, j.bx,
                                                                      j.by, j.dx, j.dy, n, channel);
      };
      for (int channel = 0; channel < 3; ++channel) {
        EXPECT_LE(difference(channel), 4 * inside + 1) << j.what << " channel " << channel;
      }
      EXPECT_LE(difference(3), 2.0) << j.what;
    }
    const PixelImage& ground = Picture(kRaceList, "grass" + suffix);
    ASSERT_GT(ground.Width, 2);
    const double groundInside = LineDifference(ground, ground.Width / 2 - 1, 0, ground,
                                               ground.Width / 2, 0, 0, 1, ground.Height, 1);
    EXPECT_LE(LineDifference(ground, ground.Width - 1, 0, ground, 0, 0, 0, 1, ground.Height, 1),
              4 * groundInside + 1);
    EXPECT_LE(LineDifference(ground, 0, ground.Height - 1, ground, 0, 0, 1, 0, ground.Width, 1),
              4 * groundInside + 1);
    int seeThrough = 0;
    for (int y = 0; y < ground.Height; ++y) {
      for (int x = 0; x < ground.Width; ++x) seeThrough += At(ground, x, y)[3] < 255;
    }
    EXPECT_EQ(seeThrough, 0);
  }
}

// Each landscape looks its own: its ground and its kerbs (the band along the straight's
// edge) differ plainly from the meadow's.
TEST(PictureLists, EveryLandscapeHasItsOwnGroundAndKerbs) {
  for (const std::string suffix : {"_autumn", "_coast", "_winter"}) {
    const struct {
      std::string base;
      int rows;
    } parts[] = {{"grass", 0}, {"roadstr", kRoadKerbWidth}};
    for (const auto& part : parts) {
      const PixelImage& meadow = Picture(kRaceList, part.base);
      const PixelImage& own = Picture(kRaceList, part.base + suffix);
      ASSERT_TRUE(own.Width == meadow.Width && own.Height == meadow.Height) << part.base + suffix;
      const int rows = part.rows > 0 ? part.rows : own.Height;
      EXPECT_GE(TileDifference(meadow, 0, 0, own, 0, 0, own.Width, rows), 12.0)
          << part.base + suffix;
    }
  }
}

double Luminance(const std::array<int, 4>& p) {
  auto linear = [](int c) {
    const double s = c / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(p[0]) + 0.7152 * linear(p[1]) + 0.0722 * linear(p[2]);
}

// Where the game writes text over a picture, the picture there is opaque and contrasts
// with the text colour at least 4.5 : 1; where an overlay must leave a text of the picture
// below it readable, it is fully transparent.
TEST(PictureLists, PicturesUnderGameTextsContrastWithTheText) {
  struct Area {
    PictureListMask list;
    const char* name;
    int x, y, w, h;           // in the picture
    std::array<int, 4> text;  // alpha 0: the area must be clear instead
  };
  const std::array<int, 4> white = {255, 255, 255, 255}, clear = {0, 0, 0, 0};
  std::vector<Area> areas = {
      {kMenuList, "mainback", 25, 12, 710, 22, {15, 15, 15, 255}},
      {kMenuList, "splash_back", 306, 312, 354, 78, white},
      {kMenuList, "spec_fon", 290, 52, 260, 46, {167, 9, 24, 255}},
      {kMenuList, "scr_choose", 300, 60, 240, 32, {14, 58, 69, 255}},
      {kMenuList, "scr_choose", 330, 383, 270, 139, white},
      {kMenuList, "scr_choosecar", 300, 60, 240, 32, {14, 58, 69, 255}},
      {kMenuList, "scr_hiscr", 270 - 266, 265 - 190, 460, 206, {10, 10, 10, 255}},
      {kMenuList, "e_name", 4, 4, 286, 26, {10, 10, 10, 255}},
      {kMenuList, "editname", 4, 4, 286, 26, {0, 0, 0, 255}},
      {kMenuList, "Edit", 4, 4, 180, 24, {220, 220, 220, 255}},
      {kRaceList, "panel", 638 - 560, 25 + 3, 160, 85, white},
      {kRaceList, "panel_trial", 638 - 560, 25 + 3, 160, 85, white},
      {kRaceList, "scr_av", 90, 14, 320, 28, {30, 30, 30, 255}},
      {kMenuList, "scr_title", 25, 12, 710, 22, clear},
      {kMenuList, "spec_fon", 25, 12, 710, 22, clear},
      {kMenuList, "scr_choose", 25, 12, 710, 22, clear},
      {kMenuList, "scr_choosecar", 25, 12, 710, 22, clear},
  };
  for (int row : {224, 268, 314, 361}) {  // race-over values, centred on x 518
    areas.push_back(
        {kRaceList, "scr_raceover", 518 - 146 - 70, row - 129, 140, 26, {30, 30, 30, 255}});
  }
  // The controls page lies over the key icons, so it is clear where each icon sits.
  const struct {
    const char* key;
    int x, y;
  } keys[] = {{"up_hb", 259, 233},    {"down_hb", 259, 279}, {"left_hb", 236, 325},
              {"right_hb", 282, 325}, {"p_hb", 259, 372},    {"ctrl_hb", 202, 419},
              {"space_hb", 336, 419}, {"esc_hb", 261, 463}};
  for (const auto& k : keys) {
    const PictureEntry* icon = FindPictureEntry(k.key);
    ASSERT_TRUE(icon);
    areas.push_back({kMenuList, "scr_help2", k.x - 96 - icon->TileWidth / 2 + 4,
                     k.y - 149 - icon->TileHeight / 2 + 4, icon->TileWidth - 8,
                     icon->TileHeight - 8, clear});
  }
  for (const Area& area : areas) {
    const PixelImage& image = Picture(area.list, area.name);
    ASSERT_GE(image.Width, area.x + area.w) << area.name;
    ASSERT_GE(image.Height, area.y + area.h) << area.name;
    int failing = 0;
    for (int y = area.y; y < area.y + area.h; ++y) {
      for (int x = area.x; x < area.x + area.w; ++x) {
        const auto p = At(image, x, y);
        if (area.text[3] == 0) {
          failing += p[3] != 0;
          continue;
        }
        const double a = Luminance(p), b = Luminance(area.text);
        const double ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
        failing += p[3] < 250 || ratio < 4.5;
      }
    }
    // A thin decoration may cross an area; the text must stay readable over all the rest.
    const int allowed = area.text[3] == 0 ? 0 : area.w * area.h / 50;
    EXPECT_LE(failing, allowed) << area.name << " at " << area.x << "," << area.y;
  }
}

TEST(PictureLists, ButtonsLightUpVisiblyUnderThePointer) {
  for (const auto& [list, entry] : AllPictures()) {
    const std::string name = entry->Name;
    const bool button = name.rfind("b_", 0) == 0 || name.rfind("bc_", 0) == 0 || name == "bro_next";
    const bool toggle = name == "b_on" || name == "b_off";  // shown in one state only
    if (!button || toggle || entry->Tiles != 2) continue;
    const PixelImage& image = Picture(list, name);
    if (image.Width == 0) continue;
    const int w = entry->TileWidth, h = entry->TileHeight;
    const int hoverX = 1 % entry->Columns * w, hoverY = 1 / entry->Columns * h;
    EXPECT_GE(TileDifference(image, 0, 0, image, hoverX, hoverY, w, h), 12.0) << name;
  }
}

TEST(PictureLists, TheFiveCarsDifferAndEachNameShowsTheSameKartInBothLists) {
  const PictureEntry* car = FindPictureEntry("car1");
  ASSERT_TRUE(car);
  const int w = car->TileWidth, h = car->TileHeight;
  for (PictureListMask list : {kMenuList, kRaceList}) {
    for (int a = 1; a <= 5; ++a) {
      for (int b = a + 1; b <= 5; ++b) {
        const PixelImage& first = Picture(list, "car" + std::to_string(a));
        const PixelImage& second = Picture(list, "car" + std::to_string(b));
        ASSERT_TRUE(first.Width >= w && second.Width >= w);
        EXPECT_GE(TileDifference(first, 0, 0, second, 0, 0, w, h), 15.0) << a << " vs " << b;
      }
    }
  }
  // The race list names the karts differently from the menu: race carN shows menu carM.
  const std::pair<int, int> sameKart[] = {{1, 3}, {2, 1}, {3, 2}, {4, 4}, {5, 5}};
  for (const auto& [race, menu] : sameKart) {
    const PixelImage& r = Picture(kRaceList, "car" + std::to_string(race));
    const PixelImage& m = Picture(kMenuList, "car" + std::to_string(menu));
    EXPECT_EQ(r.Rgba, m.Rgba) << "race car" << race << " vs menu car" << menu;
  }
}

// The bitmap font is built from the sheet: every character is its own white glyph, except
// that a Latin letter may share its picture with the Cyrillic letter drawn the same way.
TEST(PictureLists, TheGlyphSheetHoldsOneDistinctWhiteGlyphPerCharacter) {
  const PictureEntry* font = FindPictureEntry("font");
  ASSERT_TRUE(font);
  const std::string& characters = TKaltoBitmapFont::DefaultCharacters();
  ASSERT_EQ(characters.size(), static_cast<size_t>(font->Tiles));
  // Latin letter, Cyrillic look-alike (Windows-1251).
  const std::map<char, char> lookAlikes = {
      {'A', '\xC0'}, {'B', '\xC2'}, {'C', '\xD1'}, {'E', '\xC5'}, {'H', '\xCD'}, {'K', '\xCA'},
      {'M', '\xCC'}, {'O', '\xCE'}, {'P', '\xD0'}, {'T', '\xD2'}, {'X', '\xD5'}, {'a', '\xE0'},
      {'c', '\xF1'}, {'e', '\xE5'}, {'o', '\xEE'}, {'p', '\xF0'}, {'x', '\xF5'}, {'y', '\xF3'}};
  const PixelImage& sheet = Picture(kMenuList, "font");
  ASSERT_EQ(sheet.Width, font->PictureWidth());
  std::map<std::vector<uint8_t>, std::string> glyphs;  // picture -> its characters
  for (int tile = 0; tile < font->Tiles; ++tile) {
    std::vector<uint8_t> alpha;
    for (int y = 0; y < font->TileHeight; ++y) {
      for (int x = 0; x < font->TileWidth; ++x) {
        const auto p = At(sheet, tile % font->Columns * font->TileWidth + x,
                          tile / font->Columns * font->TileHeight + y);
        alpha.push_back(static_cast<uint8_t>(p[3]));
        if (p[3] > 0) {
          EXPECT_GE(std::min({p[0], p[1], p[2]}), 240) << "tile " << tile;
        }
      }
    }
    glyphs[alpha] += characters[static_cast<size_t>(tile)];
  }
  for (const auto& [picture, shared] : glyphs) {
    if (shared.size() == 1) continue;
    const auto pair = lookAlikes.find(shared.back());
    EXPECT_TRUE(shared.size() == 2 && pair != lookAlikes.end() && pair->second == shared[0])
        << "one picture for the characters of tiles " << shared;
  }
}

}  // namespace

// The menu background is drawn from the demo course the build compiled: the computer cars'
// path runs on road (no grass near any of its points), and each track preview shows a
// course of its own.
TEST(PictureLists, TheDemoPathRunsOnTheDrawnRoadAndEveryPreviewDiffers) {
  const PixelImage& back = Picture(kMenuList, "mainback");
  ASSERT_EQ(back.Width, 800);
  int points = 0;
  for (const TrackRecord& record : ReadTrackFile("Data/data1.prd")) {
    if (record.Kind != track_kind::PathPoint) continue;
    const int px = record.X, py = record.Y;
    ++points;
    int grass = 0;
    for (int dy = -40; dy <= 40; dy += 4) {
      for (int dx = -40; dx <= 40; dx += 4) {
        const int x = px + dx, y = py + dy;
        if (x < 0 || y < 0 || x >= back.Width || y >= back.Height) continue;
        const auto c = At(back, x, y);
        if (c[1] > c[0] + 20 && c[1] > c[2] + 20) ++grass;
      }
    }
    EXPECT_EQ(grass, 0) << "grass near the demo path point at " << px << ", " << py;
  }
  EXPECT_GE(points, 4);
  const PictureEntry* preview = FindPictureEntry("tr_track1");
  ASSERT_TRUE(preview);
  for (int a = 1; a <= 12; ++a) {
    for (int b = a + 1; b <= 12; ++b) {
      const PixelImage& first = Picture(kMenuList, "tr_track" + std::to_string(a));
      const PixelImage& second = Picture(kMenuList, "tr_track" + std::to_string(b));
      ASSERT_TRUE(first.Width >= preview->TileWidth && second.Width >= preview->TileWidth);
      EXPECT_GE(
          TileDifference(first, 0, 0, second, 0, 0, preview->TileWidth, preview->TileHeight - 40),
          5.0)
          << a << " vs " << b;
    }
  }
}
