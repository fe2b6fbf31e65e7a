// A course's landscape, read from its track file: which pictures the race shows for it, and
// the ponds beside the road, which the cars' ground sensors do not count as road.
#include "race/Landscape.h"

#include <gtest/gtest.h>

#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/PictureTable.h"
#include "race/Background.h"
#include "race/Car.h"
#include "race/GameProcedures.h"
#include "race/RoadRock.h"
#include "race/RoadSurface.h"
#include "tests/race/RaceFixture.h"

namespace {

namespace kind = track_kind;

TrackRecord LandscapeRecord(int32_t number) {
  return {0, 0, kind::LandscapeChoice, number, 0};
}

template <typename Sprite>
std::string PictureOf(const TKaltoSprite& engine) {
  for (int i = 0; i < engine.SpriteCount(); ++i) {
    if (auto* s = dynamic_cast<Sprite*>(engine.Sprites(i)))
      return s->Image() ? s->Image()->Name : "";
  }
  return "(no sprite)";
}

}  // namespace

TEST(TrackLandscape, ComesFromTheLastLandscapeRecordAndIsAMeadowOtherwise) {
  struct Case {
    const char* what;
    std::vector<TrackRecord> records;
    Landscape expected;
  };
  const Case cases[] = {
      {"an older file without the record", {{0, 0, kind::PathPoint, 0, 1}}, Landscape::Meadow},
      {"autumn", {LandscapeRecord(1)}, Landscape::Autumn},
      {"coast", {LandscapeRecord(2)}, Landscape::Coast},
      {"winter", {LandscapeRecord(3)}, Landscape::Winter},
      {"the later record", {LandscapeRecord(3), LandscapeRecord(1)}, Landscape::Autumn},
      {"a number past the last landscape", {LandscapeRecord(4)}, Landscape::Meadow},
      {"a negative number", {LandscapeRecord(-1)}, Landscape::Meadow},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TrackLandscape(c.records), c.expected) << c.what;
    RaceFixture f;
    f.race.CourseLandscape = Landscape::Coast;  // left over from an earlier course
    LoadTrackFile(f.race, c.records);
    EXPECT_EQ(f.race.CourseLandscape, c.expected) << c.what;
  }
  for (int n = 0; n < kLandscapeCount; ++n) {
    Landscape named = Landscape::Meadow;
    const Landscape landscape = static_cast<Landscape>(n);
    EXPECT_TRUE(LandscapeByName(LandscapeName(landscape), named));
    EXPECT_EQ(named, landscape);
  }
  Landscape unchanged = Landscape::Winter;
  EXPECT_FALSE(LandscapeByName("jungle", unchanged));
  EXPECT_EQ(unchanged, Landscape::Winter);
}

// The ground, the road and the trees take the landscape's own pictures; what every
// landscape shares (walls) keeps its one picture.
TEST(TrackLandscape, TheRaceShowsTheLandscapesOwnGroundRoadAndScenery) {
  struct Case {
    int32_t number;
    const char* ground;
    const char* road;
    const char* tree;
  };
  const Case cases[] = {{-7, "grass", "roadstr", "tree1"},
                        {0, "grass", "roadstr", "tree1"},
                        {1, "grass_autumn", "roadstr_autumn", "tree1_autumn"},
                        {2, "grass_coast", "roadstr_coast", "tree1_coast"},
                        {3, "grass_winter", "roadstr_winter", "tree1_winter"}};
  TKaltoImageList pictures;
  FillSizedPictureList(pictures, kRaceList);
  for (const Case& c : cases) {
    RaceFixture f;
    f.race.GameImages = &pictures;
    LoadTrackFile(f.race,
                  {LandscapeRecord(c.number), {0, 0, 1, 0, 0}, {500, 500, kind::Obstacle, 0, 1}});
    EXPECT_EQ(PictureOf<TBackground>(f.engine), c.ground) << c.number;
    EXPECT_EQ(PictureOf<TRoadPart>(f.engine), c.road) << c.number;
    EXPECT_EQ(PictureOf<TRoadRock>(f.engine), c.tree) << c.number;
    RaceFixture walled;
    walled.race.GameImages = &pictures;
    LoadTrackFile(walled.race, {LandscapeRecord(c.number), {500, 500, kind::Obstacle, 0, 10}});
    EXPECT_EQ(PictureOf<TRoadRock>(walled.engine), "horwall") << c.number;
  }
}

// A ground sensor over a pond is off the road, as over grass or flowers; over painted road
// it is on it.
TEST(Water, IsOffTheRoadForTheGroundSensors) {
  struct Case {
    const char* what;
    int32_t kind;
    bool onRoad;
  };
  const Case cases[] = {{"pond", kind::Water, false},
                        {"flower bed", kind::Flowers, false},
                        {"painted diamonds", kind::DiamondsAcross, true},
                        {"road piece", 1, true}};
  TKaltoImageList pictures;
  FillSizedPictureList(pictures, kRaceList);
  for (const Case& c : cases) {
    for (const int32_t landscape : {0, 3}) {
      RaceFixture f;
      f.race.GameImages = &pictures;
      LoadTrackFile(f.race, {LandscapeRecord(landscape), {300, 300, c.kind, 0, 0}});
      // The point lies inside the sprite's box: a road piece is placed by its corner, the
      // others by their centre.
      auto* sensor = new TGroundPoint(f.race, false, 0);
      sensor->SetX(c.kind == 1 ? 310 : 300);
      sensor->SetY(c.kind == 1 ? 310 : 300);
      sensor->Move(0);
      EXPECT_EQ(sensor->OnRoad, c.onRoad) << c.what << " in landscape " << landscape;
    }
  }
  RaceFixture pond;
  pond.race.GameImages = &pictures;
  LoadTrackFile(pond.race, {LandscapeRecord(3), {300, 300, kind::Water, 0, 0}});
  EXPECT_EQ(PictureOf<TRoadPaint>(pond.engine), "water_winter");  // a frozen pond
}

// The compiler places obstacles by the meadow picture's size and the race takes tiles by
// number: a landscape's own picture must match its meadow picture in both.
TEST(TrackLandscape, EveryLandscapePictureHasTheShapeOfTheMeadowPicture) {
  int own = 0;
  for (const PictureEntry& entry : PictureTable()) {
    const std::string name = entry.Name;
    for (int n = 1; n < kLandscapeCount; ++n) {
      const std::string suffix = std::string("_") + LandscapeName(static_cast<Landscape>(n));
      if (name.size() <= suffix.size() ||
          name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        continue;
      ++own;
      const PictureEntry* base = FindPictureEntry(name.substr(0, name.size() - suffix.size()));
      ASSERT_NE(base, nullptr) << name;
      EXPECT_EQ(LandscapePicture(base->Name, static_cast<Landscape>(n)), name);
      EXPECT_EQ(entry.TileWidth, base->TileWidth) << name;
      EXPECT_EQ(entry.TileHeight, base->TileHeight) << name;
      EXPECT_EQ(entry.Tiles, base->Tiles) << name;
      EXPECT_EQ(entry.Lists, base->Lists) << name;
    }
  }
  EXPECT_GT(own, 0);
}
