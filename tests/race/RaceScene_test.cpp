// A short drive on a small track, drawn headless: the player follows the road through a
// corner with the handbrake and then drives into a tree, steered only through the key
// tables. Every tenth frame is saved under scenes/race-scene/ in the build folder for looking at.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>

#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/OilFormat.h"
#include "engine/graphics/PictureTable.h"
#include "engine/graphics/PngCodec.h"
#include "race/EffectSprites.h"
#include "race/GameProcedures.h"
#include "race/Player.h"
#include "race/RaceStep.h"
#include "race/RoadRock.h"
#include "race/RoadSurface.h"
#include "tests/race/RaceFixture.h"
#include "tests/support/HeadlessScreen.h"
#include "tests/support/PngFile.h"

namespace {

struct Rgba {
  uint8_t R, G, B, A;
};

// A picture of the size the picture table gives the name, painted pixel by pixel:
// paint(x, y, tile x, tile y, tile index).
OilItem FixturePicture(const std::string& name,
                       const std::function<Rgba(int, int, int, int, int)>& paint) {
  const PictureEntry* entry = FindPictureEntry(name);
  PixelImage image;
  image.Width = entry->PictureWidth();
  image.Height = entry->PictureHeight();
  image.Rgba.resize(static_cast<size_t>(image.Width) * image.Height * 4);
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x) {
      const int tile = (y / entry->TileHeight) * entry->Columns + x / entry->TileWidth;
      const Rgba c = paint(x, y, x % entry->TileWidth, y % entry->TileHeight, tile);
      uint8_t* p = &image.Rgba[(static_cast<size_t>(y) * image.Width + x) * 4];
      p[0] = c.R;
      p[1] = c.G;
      p[2] = c.B;
      p[3] = c.A;
    }
  }
  OilItem item;
  item.Name = name;
  item.Picture = {OilPictureKind::Png, EncodePng(image)};
  item.TileWidth = entry->TileWidth;
  item.TileHeight = entry->TileHeight;
  return item;
}

bool InDisc(int x, int y, int cx, int cy, int r) {
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

std::vector<uint8_t> FixtureImageList() {
  const Rgba clear{0, 0, 0, 0};
  std::vector<OilItem> items;
  items.push_back(FixturePicture("grass", [](int x, int y, int, int, int) {
    const bool patch = ((x / 16) + (y / 16)) % 2 == 0;
    return patch ? Rgba{52, 120, 40, 255} : Rgba{60, 132, 46, 255};
  }));
  auto road = [](bool vertical) {
    return [vertical](int, int, int tx, int ty, int) {
      const int across = vertical ? tx : ty;
      if (across < 10 || across > 245) return Rgba{220, 220, 220, 255};  // kerbs
      const int along = vertical ? ty : tx;
      if (std::abs(across - 128) < 3 && (along / 24) % 2 == 0) return Rgba{240, 220, 60, 255};
      return Rgba{90, 90, 96, 255};
    };
  };
  items.push_back(FixturePicture("roadstr", road(false)));
  items.push_back(FixturePicture("roadstrvert", road(true)));
  items.push_back(FixturePicture("roadroters", [](int, int, int tx, int ty, int) {
    const bool kerb = tx < 10 || ty < 10 || tx > 245 || ty > 245;
    return kerb ? Rgba{200, 60, 60, 255} : Rgba{90, 90, 96, 255};
  }));
  items.push_back(FixturePicture("threeflowers", [clear](int, int, int tx, int ty, int tile) {
    const uint8_t hue = static_cast<uint8_t>(120 + 40 * tile);
    if (InDisc(tx, ty, 20, 20, 9) || InDisc(tx, ty, 44, 28, 9) || InDisc(tx, ty, 28, 46, 9)) {
      return Rgba{230, hue, 60, 255};
    }
    return clear;
  }));
  items.push_back(FixturePicture("tree1", [clear](int, int, int tx, int ty, int) {
    if (InDisc(tx, ty, 48, 48, 10)) return Rgba{110, 70, 30, 255};
    if (InDisc(tx, ty, 48, 48, 44))
      return Rgba{20, static_cast<uint8_t>(90 + (tx * 3 + ty) % 40), 25, 255};
    return clear;
  }));
  for (const char* car : {"car1", "car2", "car3", "car4", "car5"}) {
    const uint8_t red = car[3] == '2' ? 210 : 40;
    items.push_back(FixturePicture(car, [clear, red](int, int, int tx, int ty, int tile) {
      if (tx < 3 || tx > 26 || ty < 2 || ty > 47) return clear;
      if (ty > 32 && ty < 40) return Rgba{150, 200, 240, 255};  // windscreen, at the front
      if (ty > 44 && (tx < 8 || tx > 21)) {                     // front wheels show the turn
        return Rgba{20, 20, 20, 255};
      }
      return Rgba{red, 40, static_cast<uint8_t>(tile == 0 ? 40 : 160), 255};
    }));
  }
  items.push_back(FixturePicture("dim", [clear](int, int, int tx, int ty, int) {
    return InDisc(tx, ty, 16, 16, 5) ? Rgba{25, 25, 25, 255} : clear;
  }));
  return WriteOil(items);
}

// Keys as the window would set them: a key let go is marked released.
void SetKey(GameState& state, int key, bool down) {
  if (state.KeyHeld[key] && !down) state.KeyReleased[key] = 1;
  state.KeyHeld[key] = down ? 1 : 0;
}

double AngleTo(Vec2 from, Vec2 to) {
  return std::atan2(to.Y - from.Y, to.X - from.X) * kDegreesPerRadian;
}

}  // namespace

TEST(RaceScene, DrivesThroughACornerAndIntoATree) {
  HeadlessScreen h{rmSoftware};
  TKaltoImageList images;
  images.SetKaltoScreen(&h.Screen);
  ASSERT_TRUE(images.LoadFromStream(FixtureImageList()));
  images.BuildTextures();

  RaceFixture f;
  f.race.GameImages = &images;
  f.race.MenuImages = &images;
  // A road along the top, a corner, a road down; flowers on the verge; a tree on the way.
  namespace kind = track_kind;
  std::vector<TrackRecord> records;
  for (int i = 0; i < 4; ++i) records.push_back({0, 256 * i, 1, 0, 0});
  records.push_back({0, 1024, 11, 0, 0});
  for (int j = 1; j < 5; ++j) records.push_back({256 * j, 1024, 2, 0, 0});
  for (int i = 0; i < 8; ++i) records.push_back({290, 80 + 110 * i, kind::Flowers, 0, 0});
  records.push_back({650, 1152, kind::Obstacle, 0, 1});
  records.push_back({-140, 700, kind::Obstacle, 0, 1});
  // The player starts in slot 5; the computer cars' slots stay empty here.
  for (int slot = 1; slot <= 5; ++slot) {
    records.push_back({128, 120 + 120 * slot, kind::StartSlot, 0, slot});
  }
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("bk_scene-" + std::to_string(getpid()) + ".prd");
  const std::vector<uint8_t> bytes = EncodeTrackRecords(records);
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  f.files["Data\\data4.prd"] = file;
  StartRace(f.race);
  std::filesystem::remove(file);
  TPlayer& player = *f.race.Player;
  player.ControlsEnabled = true;

  TRoadPart* corner = nullptr;
  TRoadRock* tree = nullptr;
  for (int i = 0; i < f.engine.SpriteCount(); ++i) {
    TSprite* s = f.engine.Sprites(i);
    if (s->Name() == "roadroters") corner = dynamic_cast<TRoadPart*>(s);
    if (auto* rock = dynamic_cast<TRoadRock*>(s); rock && rock->Y() > 500) tree = rock;
  }
  ASSERT_NE(corner, nullptr);
  ASSERT_NE(tree, nullptr);

  const std::filesystem::path frames =
      std::filesystem::path(BK_GAME_DIR) / ".." / "scenes" / "race-scene";
  std::filesystem::create_directories(frames);
  bool leftRoadBeforeCorner = false;
  bool droveThroughTheCorner = false;
  int skidMarksSeen = 0;
  int framesTouchingTree = 0;
  double speedBeforeTree = 0;
  for (int frame = 0; frame < 360; ++frame) {
    const Vec2 me = player.Centre();
    const Vec2 cornerCentre{corner->X() + 128.0, corner->Y() + 128.0};
    const Vec2 treeCentre{tree->X() + tree->Width() / 2.0, tree->Y() + tree->Height() / 2.0};
    const bool pastCorner = droveThroughTheCorner || cornerCentre.X - me.X < 60;
    droveThroughTheCorner = pastCorner;
    // Aim at the corner, then at the tree; keys only.
    const Vec2 target = pastCorner ? treeCentre : cornerCentre;
    double miss = AngleTo(me, target) - player.Heading;
    while (miss > 180) miss -= 360;
    while (miss <= -180) miss += 360;
    SetKey(f.state, vk::Right, miss > 2);
    SetKey(f.state, vk::Left, miss < -2);
    SetKey(f.state, vk::Space, pastCorner && std::fabs(miss) > 25 && player.Speed > 3);
    const double wanted = pastCorner ? 6 : (cornerCentre.X - me.X > 400 ? 9 : 5);
    SetKey(f.state, vk::Up, player.Speed < wanted);
    SetKey(f.state, vk::Down, player.Speed > wanted + 1.5);

    const bool saved = frame % 10 == 0;
    h.Screen.Device()->SetRasterize(saved);  // the other frames are drawn but not painted
    h.Screen.Clear(0, 0, 0, 255);
    h.Screen.BeginScene();
    f.engine.DrawAll();
    if (saved) {
      char name[32];
      std::snprintf(name, sizeof name, "frame%03d.png", frame);
      EXPECT_TRUE(SavePng(h.Screen.Device()->ReadPixels(), (frames / name).string()));
    }
    RunRaceStep(f.race);
    h.Screen.EndScene();
    f.engine.KillDead();

    if (!pastCorner && frame > 5 && player.SurfaceFactor != 1.0) leftRoadBeforeCorner = true;
    int marks = 0;
    for (int i = 0; i < f.engine.SpriteCount(); ++i) {
      if (dynamic_cast<TDim*>(f.engine.Sprites(i))) ++marks;
    }
    skidMarksSeen = std::max(skidMarksSeen, marks);
    if (tree->PlayerHit) {
      if (framesTouchingTree == 0) speedBeforeTree = player.Speed;
      ++framesTouchingTree;
    }
  }
  const Vec2 treeCentre{tree->X() + tree->Width() / 2.0, tree->Y() + tree->Height() / 2.0};
  std::cout << "frames saved in " << frames << "\n";
  EXPECT_FALSE(leftRoadBeforeCorner);
  EXPECT_TRUE(droveThroughTheCorner);
  EXPECT_GT(skidMarksSeen, 0);
  EXPECT_GT(framesTouchingTree, 0);
  // The tree holds the car: it is still ahead, and the car crawls against it.
  EXPECT_GT(treeCentre.Y, player.Centre().Y);
  EXPECT_LT(player.Speed, speedBeforeTree);
  std::filesystem::remove(file);
}
