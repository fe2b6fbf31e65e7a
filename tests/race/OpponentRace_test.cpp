// Four computer cars race a whole track built by the game's own parts: every one must pass
// its checkpoints lap after lap and finish in a results row of its own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "race/GameProcedures.h"
#include "race/Opponent.h"
#include "race/Player.h"
#include "race/RaceContext.h"
#include "race/RaceParts.h"
#include "race/RaceRunner.h"
#include "race/RaceStep.h"
#include "tests/race/RaceFixture.h"
#include "tests/race/SquareCourse.h"

namespace {

// The square course with start slots before the finish line. The player starts behind the
// others, or inside the square, out of the way.
std::vector<TrackRecord> SquareTrack(bool playerOnTrack) {
  std::vector<TrackRecord> records = SquareCourse();
  for (int32_t slot = 1; slot <= 4; ++slot) {
    records.push_back({0, 800 - 100 * slot, track_kind::StartSlot, 0, slot});
  }
  records.push_back(playerOnTrack ? TrackRecord{0, 300, track_kind::StartSlot, 0, 5}
                                  : TrackRecord{1000, 1000, track_kind::StartSlot, 0, 5});
  return records;
}

}  // namespace

TEST(OpponentRace, EveryComputerCarFinishesAndGetsItsOwnRow) {
  RaceFixture f;
  f.state.SelectedTrack = 0;  // five laps, four opponents
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("bk-opponent-race-" + std::to_string(getpid()) + ".prd");
  {
    const std::vector<uint8_t> bytes = EncodeTrackRecords(SquareTrack(false));
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  f.files["Data\\data4.prd"] = file;
  UseRaceWorldParts(f.race);
  StartRace(f.race);
  std::filesystem::remove(file);
  ASSERT_EQ(f.race.Opponents.size(), 4u);
  for (TOpponentCar* car : f.race.Opponents) car->Driving = true;

  const int32_t laps = f.race.Course.Laps;
  auto allFinished = [&] {
    return std::all_of(f.race.Opponents.begin(), f.race.Opponents.end(),
                       [laps](const TOpponentCar* car) { return car->Lap > laps; });
  };
  int frame = 0;
  for (; frame < 60000 && !allFinished(); ++frame) {
    RunRaceStep(f.race);
    f.engine.KillDead();
  }
  ASSERT_TRUE(allFinished()) << "after " << frame << " frames";
  // Five 8000-pixel laps at no more than 10 pixels a frame: no lap was skipped.
  EXPECT_GT(frame, laps * 800) << "frames";
  EXPECT_EQ(f.state.NextFinishPlace, 5);
  std::vector<int32_t> ids;
  for (int row = 1; row <= 4; ++row) ids.push_back(f.state.FinishRows[row].Id);
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(ids, (std::vector<int32_t>{0, 1, 2, 3}));
  for (const TOpponentCar* car : f.race.Opponents) EXPECT_FALSE(car->Driving);
}

TEST(RaceRunner, TheAutopilotAndFourComputerCarsAllFinishThreeLaps) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("bk-runner-race-" + std::to_string(getpid()) + ".prd");
  {
    const std::vector<uint8_t> bytes = EncodeTrackRecords(SquareTrack(true));
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  RaceSetup setup;
  setup.TrackFile = file;
  setup.Opponents = 4;
  setup.Laps = 3;
  setup.CarKind = 1;
  int64_t watched = 0;
  int32_t worldSprites = 0;
  setup.OnFrame = [&](RaceContext& race, int64_t frame) {
    EXPECT_EQ(frame, watched);  // every frame once, in order, before it runs
    ++watched;
    worldSprites = race.Engine.SpriteCount();
  };
  const RaceOutcome outcome = RunRace(setup);
  EXPECT_EQ(watched, outcome.Frames);
  EXPECT_GT(worldSprites, 0);
  std::filesystem::remove(file);
  EXPECT_TRUE(outcome.AllFinished) << outcome.Frames << " frames";
  ASSERT_EQ(outcome.Rows.size(), 5u);
  EXPECT_EQ(outcome.PlayerLaps.size(), 3u);
  const auto player = std::find_if(outcome.Rows.begin(), outcome.Rows.end(),
                                   [](const FinishRow& r) { return r.Id == kPlayerFinishId; });
  ASSERT_NE(player, outcome.Rows.end());
  EXPECT_EQ(outcome.RowCarKinds[static_cast<size_t>(player - outcome.Rows.begin())], 1);
  // Race times run with the clock: 90 frames are 100 hundredths.
  const RaceTime& last = outcome.Rows.back().Time;
  const int64_t hundredths = (last.Minutes * 60 + last.Seconds) * 100 + last.Hundredths;
  EXPECT_LE(hundredths, outcome.Frames * 10 / 9);
  EXPECT_GT(hundredths, 0);
  // Each computer car's three laps, none longer than the whole race; none got stuck.
  ASSERT_EQ(outcome.OpponentLapFrames.size(), 4u);
  for (const auto& laps : outcome.OpponentLapFrames) {
    ASSERT_EQ(laps.size(), 3u);
    for (int64_t frames : laps) {
      EXPECT_GT(frames, 0);
      EXPECT_LT(frames, outcome.Frames);
    }
  }
  EXPECT_LT(outcome.LongestStall, 90 * 5);
}
