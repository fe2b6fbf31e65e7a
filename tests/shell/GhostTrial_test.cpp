// Time trials on a shipped track, the autopilot alone on the course: the best lap is kept as
// a ghost file in the save root and replayed step for step in the next trial; a faster lap
// replaces the file, a damaged file is ignored and replaced.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "platform/GamePaths.h"
#include "race/Autopilot.h"
#include "race/GhostRecorder.h"
#include "race/Player.h"
#include "race/RaceRunner.h"
#include "shell/GhostFiles.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t kTrack = 3;  // the catalogue's fourth track, "Data/data3.prd"
constexpr int kStepLimit = 90 * 60 * 5;

// One time trial: no computer cars, laps until it is left, the recorder after every step
// saving each new best lap as the player's game does.
struct Trial {
  explicit Trial(std::optional<GhostLap> ghost)
      : race(Setup()), pilot(race.Race), recorder(kTrack, std::move(ghost)) {
    race.Race.AfterStep.push_back([this](RaceContext& r) {
      recorder.AfterStep(r);
      if (recorder.TakeNewBest()) {
        EXPECT_EQ(SaveGhost(*recorder.Best()), std::nullopt);
        saves += 1;
      }
    });
  }

  static RaceSetup Setup() {
    RaceSetup setup;
    setup.TrackFile = "Data/data3.prd";
    setup.Opponents = 0;
    setup.Laps = 99;
    return setup;
  }

  // Drives on until `laps` laps are complete; `eachStep` looks at the world after each step.
  void DriveLaps(int32_t laps, const std::function<void()>& eachStep = {}) {
    for (int step = 0; step < kStepLimit && race.Race.Player->Lap <= laps; ++step) {
      pilot.PressKeys();
      race.Step();
      if (eachStep) eachStep();
    }
    ASSERT_GT(race.Race.Player->Lap, laps);
  }

  HeadlessRace race;
  Autopilot pilot;
  GhostRecorder recorder;
  int saves = 0;
};

class GhostTrialTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = CurrentGameRoots();
    root_ = fs::temp_directory_path() / ("bk-ghost-" + std::to_string(::getpid()));
    fs::create_directories(root_);
    SetGameRoots(GameRoots{previous_.Data, root_});
  }
  void TearDown() override {
    SetGameRoots(previous_);
    fs::remove_all(root_);
  }

  fs::path GhostFile() const { return root_ / GhostFileName(kTrack); }
  std::string FileBytes() const {
    std::ifstream in(GhostFile(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  void WriteFile(const std::string& bytes) const {
    std::ofstream(GhostFile(), std::ios::binary) << bytes;
  }

  GameRoots previous_;
  fs::path root_;
};

}  // namespace

TEST_F(GhostTrialTest, TheBestLapBecomesAGhostThatTheNextTrialReplaysStepForStep) {
  Trial first(std::nullopt);
  first.DriveLaps(3);
  ASSERT_TRUE(first.recorder.Best().has_value());
  EXPECT_GE(first.saves, 1);
  const GhostLap& best = *first.recorder.Best();
  EXPECT_EQ(best.Track, kTrack);
  const std::optional<GhostLap> loaded = LoadGhost(kTrack);
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ(loaded->LapHundredths, best.LapHundredths);
  ASSERT_EQ(loaded->Frames.size(), best.Frames.size());
  // About one step per 1/90 s of the lap's time.
  EXPECT_NEAR(static_cast<double>(best.Frames.size()), best.LapHundredths * 0.9, 2);

  // The second trial's first lap starts from a standstill, so the ghost finishes ahead and
  // every one of its steps is seen.
  Trial second(loaded);
  size_t compared = 0;
  second.DriveLaps(1, [&] {
    const TPlayer& player = *second.race.Race.Player;
    const TGhostCar* ghost = second.recorder.Ghost();
    if (player.Lap != 1 || !ghost || !ghost->Visible) return;
    const PathPoint& origin = second.race.Race.Course.Points[1];
    const GhostFrame& f = loaded->Frames[compared];
    EXPECT_NEAR(ghost->X() + ghost->Width() / 2.0 - origin.X, f.X, 1e-2) << compared;
    EXPECT_NEAR(ghost->Y() + ghost->Height() / 2.0 - origin.Y, f.Y, 1e-2) << compared;
    EXPECT_FLOAT_EQ(ghost->Angle, f.Heading - 90) << compared;
    compared += 1;
  });
  EXPECT_EQ(compared, loaded->Frames.size());
}

TEST_F(GhostTrialTest, AFasterLapReplacesTheFileAndADamagedOrForeignFileIsIgnoredAndReplaced) {
  GhostLap slow{kTrack, 1, 300000, std::vector<GhostFrame>(50)};
  GhostLap fast{kTrack, 1, 1, std::vector<GhostFrame>(50)};
  GhostLap otherTrack = slow;
  otherTrack.Track = kTrack + 1;
  std::string cut = EncodeGhostLap(slow);
  cut.resize(cut.size() - 7);
  const struct {
    const char* what;
    std::string file;
    bool ignored;   // one line on stderr, no ghost
    bool replaced;  // the trial's lap takes the file
  } cases[] = {
      {"a slower ghost", EncodeGhostLap(slow), false, true},
      {"a faster ghost", EncodeGhostLap(fast), false, false},
      {"a cut file", cut, true, true},
      {"another track's ghost", EncodeGhostLap(otherTrack), true, true},
      {"not a ghost at all", "Configdat.cfg by mistake\r\n", true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(c.file);
    testing::internal::CaptureStderr();
    const std::optional<GhostLap> loaded = LoadGhost(kTrack);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(!loaded.has_value(), c.ignored);
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), c.ignored ? 1 : 0) << errors;

    Trial trial(loaded);
    trial.DriveLaps(1);
    const std::string after = FileBytes();
    if (!c.replaced) {
      EXPECT_EQ(after, c.file);
      continue;
    }
    const GhostDecodeResult now = DecodeGhostLap(after, kTrack);
    ASSERT_TRUE(now.Lap.has_value()) << now.Problem;
    EXPECT_LT(now.Lap->LapHundredths, slow.LapHundredths);
    EXPECT_EQ(now.Lap->LapHundredths, TotalHundredths(*trial.recorder.LastLap()));
    EXPECT_EQ(now.Lap->CarKind, trial.race.Race.Player->CarKind);
  }
}
