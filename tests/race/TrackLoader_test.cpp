#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <set>

#include "race/Background.h"
#include "race/GameProcedures.h"
#include "race/Opponent.h"
#include "race/Player.h"
#include "race/RoadSurface.h"
#include "tests/race/RaceFixture.h"

namespace {

namespace kind = track_kind;

TrackRecord Point(int x, int y, int order, int checkpoint = 0) {
  return {y, x, kind::PathPoint, checkpoint, order};
}
TrackRecord Slot(int slot, int x, int y, int angle) {
  return {y, x, kind::StartSlot, angle, slot};
}

std::vector<float> PaintAngles(const TKaltoSprite& engine) {
  std::vector<float> angles;
  for (int i = 0; i < engine.SpriteCount(); ++i) {
    if (auto* paint = dynamic_cast<TRoadPaint*>(engine.Sprites(i))) angles.push_back(paint->Angle);
  }
  return angles;
}

// A folder of this test process's own, removed when the process ends.
struct TrackFolder {
  TrackFolder() { std::filesystem::create_directories(dir); }
  ~TrackFolder() { std::filesystem::remove_all(dir); }
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("bk_track_loader-" + std::to_string(getpid()));
};

// Writes the records as a track file the fixture's data folder maps the name to.
void WriteTrack(RaceFixture& f, const std::string& gameName, const std::vector<uint8_t>& bytes) {
  static const TrackFolder folder;
  const std::filesystem::path& dir = folder.dir;
  const std::filesystem::path file = dir / (std::to_string(f.files.size()) + ".prd");
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  f.files[gameName] = file;
}

std::vector<TrackRecord> FiveSlots() {
  std::vector<TrackRecord> r;
  for (int s = 1; s <= 5; ++s) r.push_back(Slot(s, 1000 + 40 * s, 2000, 90));
  return r;
}

}  // namespace

TEST(LoadTrackFile, UnknownKindsOnlyGiveAnEmptyWorldWithItsBackground) {
  RaceFixture f;
  LoadTrackFile(f.race, {{1, 2, 15, 0, 0}, {1, 2, 89, 0, 0}, {1, 2, -1, 0, 0}, {1, 2, 1000, 0, 0}});
  EXPECT_EQ(f.race.Course.PointCount, 0);
  EXPECT_EQ(f.race.Course.CheckLineCount, 0);
  EXPECT_EQ(f.race.Course.CheckpointCount, 0);
  ASSERT_EQ(f.engine.SpriteCount(), 1);
  EXPECT_NE(dynamic_cast<TBackground*>(f.engine.Sprites(0)), nullptr);
}

TEST(LoadTrackFile, PathPointsAreDrivenInOrderNumberOrder) {
  RaceFixture f;
  LoadTrackFile(f.race, {Point(1, 0, 2, 1), Point(2, 0, 2), Point(3, 0, 1, 4)});
  EXPECT_EQ(f.race.Course.PointCount, 3);
  EXPECT_EQ(f.race.Course.CheckpointCount, 2);
  PrepareCourse(f.race.Course);
  EXPECT_EQ(f.race.Course.Points[1].X, 3);
  EXPECT_EQ(f.race.Course.Points[1].Checkpoint, 4);
  EXPECT_EQ(f.race.Course.Points[2].X, 2);
  EXPECT_EQ(f.race.Course.Points[3].X, 1);
}

TEST(LoadTrackFile, SlotsTakeTheLaterRecordAndIgnoreNumbersOutsideOneToNine) {
  RaceFixture f;
  f.race.Course.Slots[9] = {7, 7, 7};
  LoadTrackFile(f.race, {Slot(2, 10, 20, 30), Slot(0, 1, 1, 1), Slot(10, 1, 1, 1),
                         Slot(-5, 1, 1, 1), Slot(2, 40, 50, 60)});
  const StartSlot& two = f.race.Course.Slots[2];
  EXPECT_EQ(two.X, 40);
  EXPECT_EQ(two.Y, 50);
  EXPECT_EQ(two.Angle, 60);
  EXPECT_EQ(f.race.Course.Slots[9].X, 7);  // untouched
  EXPECT_EQ(f.race.Course.Slots[0].X, 0);
}

TEST(LoadTrackFile, PathPointsBeyondTheCapacityAreIgnored) {
  RaceFixture f;
  std::vector<TrackRecord> records;
  for (int i = 0; i < race::kPathPointCapacity + 5; ++i) records.push_back(Point(i, 0, i, 1));
  LoadTrackFile(f.race, records);
  EXPECT_EQ(f.race.Course.PointCount, race::kPathPointCapacity);
  EXPECT_EQ(f.race.Course.CheckpointCount, race::kPathPointCapacity);
}

TEST(LoadTrackFile, FlowerPaintsGetRandomAnglesDiamondsNone) {
  const std::vector<TrackRecord> flowers{{0, 0, 50, 0, 0}, {0, 0, 51, 0, 0}, {0, 0, 52, 0, 0}};
  std::set<float> seen;
  std::vector<float> firstLoad;
  for (uint32_t seed : {1u, 2u, 3u, 4u}) {
    RaceFixture f(seed);
    LoadTrackFile(f.race, flowers);
    for (float a : PaintAngles(f.engine)) {
      EXPECT_GE(a, -180);
      EXPECT_LE(a, 179);
      EXPECT_EQ(a, static_cast<int>(a));
      seen.insert(a);
    }
    if (seed == 1) firstLoad = PaintAngles(f.engine);
  }
  EXPECT_GT(seen.size(), 6u);
  RaceFixture again(1);  // the same seed draws the same angles
  LoadTrackFile(again.race, flowers);
  EXPECT_EQ(PaintAngles(again.engine), firstLoad);

  RaceFixture diamonds(5);
  LoadTrackFile(diamonds.race, {{0, 0, 53, 77, 0}, {0, 0, 54, 77, 0}, {0, 0, 160, 33, 0}});
  EXPECT_EQ(PaintAngles(diamonds.engine), (std::vector<float>{33, 0, 0}));
  // The diamonds and the in-place paint are road; the flower beds on the grass are not.
  EXPECT_EQ(diamonds.race.RoadSurface->size(), 3u);
  EXPECT_TRUE(again.race.RoadSurface->empty()) << "flower beds give no grip";
}

TEST(StartRace, ADamagedTrackFileGivesATypedErrorAndBuildsNothing) {
  std::vector<TrackRecord> tooFewSlots = FiveSlots();
  tooFewSlots.pop_back();  // track 0 races 4 opponents: slots 1..5 are needed
  std::vector<uint8_t> truncated = EncodeTrackRecords(FiveSlots());
  truncated.resize(truncated.size() - 3);
  struct Case {
    const char* what;
    bool write;
    std::vector<uint8_t> bytes;
    TrackFileError::Reason reason;
  };
  const Case cases[] = {
      {"missing", false, {}, TrackFileError::Reason::Missing},
      {"truncated", true, truncated, TrackFileError::Reason::TruncatedRecord},
      {"too few slots", true, EncodeTrackRecords(tooFewSlots),
       TrackFileError::Reason::TooFewStartSlots},
  };
  for (const Case& c : cases) {
    RaceFixture f;
    if (c.write) WriteTrack(f, "Data\\data4.prd", c.bytes);
    f.race.Course.PointCount = 2;
    try {
      StartRace(f.race);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const TrackFileError& e) {
      EXPECT_EQ(e.Why(), c.reason) << c.what;
      const std::string file = f.race.DataFile("Data\\data4.prd").string();
      EXPECT_EQ(e.FileName(), file);
      EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
    }
    EXPECT_EQ(f.engine.SpriteCount(), 0) << c.what;
    EXPECT_EQ(f.race.Player, nullptr) << c.what;
    EXPECT_EQ(f.race.Course.PointCount, 2) << c.what;
  }
}

TEST(StartRace, PutsThePlayersSlotUnderTheCarAndStartsTheOpponentsInTheirSlots) {
  RaceFixture f;
  f.state.CarsAvailable = 3;
  f.state.SelectedCar = 1;
  std::vector<TrackRecord> records = FiveSlots();  // slot s at (1000 + 40 s, 2000), angle 90
  records.push_back({2000, 1200, 1, 0, 0});        // road under the player's slot (1200, 2000)
  records.push_back(Point(1300, 2000, 2));
  records.push_back(Point(1200, 2000, 1));
  WriteTrack(f, "Data\\data4.prd", EncodeTrackRecords(records));
  std::vector<OpponentStart> starts;
  f.race.Parts.CreateOpponent = [&](const OpponentStart& s) {
    starts.push_back(s);
    return new TOpponentCar(f.race, s.UsesMenuImages, s.Slot.Angle, s.Index, "enemy", s.CarKind,
                            s.Slot.X, s.Slot.Y);
  };
  int instruments = 0;
  f.race.Parts.CreateInstruments = [&] { ++instruments; };

  StartRace(f.race);

  ASSERT_NE(f.race.Player, nullptr);
  EXPECT_EQ(f.race.Player->CarKind, 1);
  EXPECT_DOUBLE_EQ(f.race.Player->Heading, 90);
  EXPECT_EQ(instruments, 1);
  EXPECT_EQ(f.race.Course.Laps, 5);
  ASSERT_EQ(f.race.Opponents.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(starts[i].Index, i);
    EXPECT_LT(starts[i].CarKind, 3);
    // Opponent i starts in slot i + 1, moved with the world: 40 (i - 4) pixels from the player.
    EXPECT_FLOAT_EQ(f.race.Opponents[i]->Centre().X, 396 + 40 * (i + 1 - 5));
  }
  // The world moved by (396 - 1200, 321 - 2000): the road and the path lie under the player.
  bool roadUnderPlayer = false;
  for (int i = 0; i < f.engine.SpriteCount(); ++i) {
    if (auto* road = dynamic_cast<TRoadPart*>(f.engine.Sprites(i))) {
      roadUnderPlayer = road->X() == 396 && road->Y() == 321;
    }
  }
  EXPECT_TRUE(roadUnderPlayer);
  EXPECT_DOUBLE_EQ(f.race.Course.Points[1].X, 396);  // sorted: order 1 first
  EXPECT_DOUBLE_EQ(f.race.Course.Distance[2], 10);
  EXPECT_FALSE(f.state.RaceFinished);
}

TEST(StartDemoRace, ReadsOnlyThePathAndSlotsAndStartsFourDrivingCars) {
  RaceFixture f;
  f.state.CarsAvailable = 2;
  std::vector<TrackRecord> records = FiveSlots();
  records.push_back(Point(500, 600, 2, 3));
  records.push_back(Point(100, 200, 1));
  records.push_back({0, 0, 1, 0, 0});                      // road: not built for the demo
  records.push_back({0, 0, track_kind::CheckLine, 0, 0});  // nor check lines
  WriteTrack(f, "Data\\data1.prd", EncodeTrackRecords(records));
  std::vector<OpponentStart> starts;
  f.race.Parts.CreateOpponent = [&](const OpponentStart& s) {
    starts.push_back(s);
    return new TOpponentCar(f.race, s.UsesMenuImages, s.Slot.Angle, s.Index, "enemy", s.CarKind,
                            s.Slot.X, s.Slot.Y);
  };

  StartDemoRace(f.race);

  ASSERT_NE(f.race.Player, nullptr);
  EXPECT_FALSE(f.race.Player->Visible);
  EXPECT_FALSE(f.race.Player->ControlsEnabled);
  EXPECT_EQ(f.race.Player->CarKind, 2);
  EXPECT_TRUE(f.race.Player->UsesMenuImages);
  EXPECT_EQ(f.race.Course.Laps, 5);
  EXPECT_EQ(f.race.Course.CheckLineCount, 0);
  EXPECT_EQ(f.race.Course.CheckpointCount, 1);
  EXPECT_DOUBLE_EQ(f.race.Course.Points[1].X, 100);  // not shifted, sorted
  EXPECT_TRUE(f.race.RoadSurface->empty());
  ASSERT_EQ(starts.size(), 4u);
  for (const OpponentStart& s : starts) {
    EXPECT_TRUE(s.UsesMenuImages);
    EXPECT_TRUE(s.DrivesAtOnce);
    EXPECT_LT(s.CarKind, 2);
    EXPECT_DOUBLE_EQ(s.Slot.X, 1000 + 40 * (s.Index + 1));
  }
}
