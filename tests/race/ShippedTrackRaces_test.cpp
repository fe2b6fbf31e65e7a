// Whole races on the twelve shipped courses (compiled by the build into the game folder,
// where the tests run), the autopilot at the wheel: every car gets round, none sticks, and
// the autopilot keeps up with the computer cars.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "race/GameConstants.h"
#include "race/Opponent.h"
#include "race/Player.h"
#include "race/RaceContext.h"
#include "race/RaceRunner.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// The sanitizer build runs several times slower: it races fewer laps.
int32_t LapsFor(int32_t catalogueLaps) {
  return kSanitized ? 2 : catalogueLaps;
}

constexpr int64_t kFramesPerSecond = 90;
constexpr int64_t kLongestStall = 5 * kFramesPerSecond;

std::string DataFile(const char* gameName) {
  std::string path = gameName;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

int64_t Hundredths(const RaceTime& t) {
  return (static_cast<int64_t>(t.Minutes) * 60 + t.Seconds) * 100 + t.Hundredths;
}

double Seconds(int64_t frames) {
  return static_cast<double>(frames) / kFramesPerSecond;
}

double BestLapSeconds(const std::vector<RaceTime>& laps) {
  int64_t best = -1;
  for (const RaceTime& t : laps) best = best < 0 ? Hundredths(t) : std::min(best, Hundredths(t));
  return best / 100.0;
}

RaceSetup SetupRace(size_t track, int32_t carKind, uint32_t seed, int32_t opponents) {
  const race::TrackConstants& t = race::kTracks[track];
  RaceSetup setup;
  setup.TrackFile = DataFile(t.DataFile);
  setup.Opponents = opponents;
  setup.Laps = LapsFor(t.Laps);
  setup.CarKind = carKind;
  setup.Seed = seed;
  setup.FrameLimit = 90 * 60 * 10;
  return setup;
}

RaceOutcome Race(size_t track, int32_t carKind, uint32_t seed, int32_t opponents) {
  return RunRace(SetupRace(track, carKind, seed, opponents));
}

}  // namespace

TEST(ShippedTrackRaces, EveryCarFinishesEveryTrackAndNoneSticks) {
  std::set<int32_t> kinds;
  std::printf("%-6s %-7s %9s %13s %14s %6s\n", "track", "file", "lap", "autopilot best",
              "opponents mean", "place");
  for (size_t i = 0; i < race::kTracks.size(); ++i) {
    const race::TrackConstants& t = race::kTracks[i];
    SCOPED_TRACE(t.DataFile);
    const RaceOutcome outcome = Race(i, static_cast<int32_t>(i % race::kCarCount),
                                     static_cast<uint32_t>(700 + i), t.Opponents);
    ASSERT_TRUE(outcome.AllFinished) << outcome.Frames << " frames";
    ASSERT_EQ(outcome.Rows.size(), static_cast<size_t>(t.Opponents + 1));
    const auto player = std::find_if(outcome.Rows.begin(), outcome.Rows.end(),
                                     [](const FinishRow& r) { return r.Id == kPlayerFinishId; });
    ASSERT_NE(player, outcome.Rows.end());
    for (const FinishRow& row : outcome.Rows) {
      EXPECT_LE(Hundredths(row.Time), 3 * Hundredths(player->Time)) << "car " << row.Id;
    }
    EXPECT_LT(outcome.LongestStall, kLongestStall);
    int64_t lapFrames = 0, laps = 0;
    for (const auto& car : outcome.OpponentLapFrames) {
      EXPECT_EQ(car.size(), static_cast<size_t>(LapsFor(t.Laps)));
      lapFrames = std::accumulate(car.begin(), car.end(), lapFrames);
      laps += static_cast<int64_t>(car.size());
    }
    kinds.insert(outcome.RowCarKinds.begin(), outcome.RowCarKinds.end());
    std::printf("%-6zu %-7s %9s %13.2f %14.2f %6td\n", i + 1, t.DataFile + 5, t.LengthText,
                BestLapSeconds(outcome.PlayerLaps), Seconds(lapFrames) / std::max<int64_t>(laps, 1),
                player - outcome.Rows.begin() + 1);
  }
  EXPECT_EQ(kinds.size(), static_cast<size_t>(race::kCarCount)) << "every car kind raced";
}

// With each of the five cars on each track (one car a track in the sanitizer build): the
// autopilot's best lap is within 10 % of the best lap of a computer car of the same kind
// (optimised build), and it finishes on the podium in most races.
TEST(ShippedTrackRaces, TheAutopilotKeepsUpWithTheComputerCars) {
  int races = 0, podiums = 0, compared = 0;
  for (size_t i = 0; i < race::kTracks.size(); ++i) {
    const race::TrackConstants& t = race::kTracks[i];
    for (int32_t kind = 0; kind < race::kCarCount; ++kind) {
      if (kSanitized && static_cast<size_t>(kind) != i % race::kCarCount) continue;
      SCOPED_TRACE(std::string(t.DataFile) + " car " + std::to_string(kind));
      const RaceOutcome outcome = Race(
          i, kind, static_cast<uint32_t>(900 + 5 * i + static_cast<size_t>(kind)), t.Opponents);
      ASSERT_TRUE(outcome.AllFinished);
      ++races;
      for (size_t row = 0; row < outcome.Rows.size() && row < 3; ++row) {
        if (outcome.Rows[row].Id == kPlayerFinishId) ++podiums;
      }
      const double mine = BestLapSeconds(outcome.PlayerLaps);
      for (size_t car = 0; car < outcome.OpponentKinds.size(); ++car) {
        if (outcome.OpponentKinds[car] != kind) continue;
        const auto& laps = outcome.OpponentLapFrames[car];
        ASSERT_FALSE(laps.empty());
        const double theirs = Seconds(*std::min_element(laps.begin(), laps.end()));
        // The pace is the optimised build's to check, over every car on every track; the
        // sanitizer build races one car a track for memory errors, not for lap times.
        if (!kSanitized) {
          EXPECT_LE(mine, theirs * 1.10) << "computer car " << car;
        }
        ++compared;
      }
    }
  }
  std::printf("autopilot on the podium in %d of %d races (%.0f %%); %d lap comparisons\n", podiums,
              races, 100.0 * podiums / races, compared);
  EXPECT_GT(compared, races / 2);
  EXPECT_GT(podiums * 2, races);
}

// The places are ranked by each car's course total (laps and progress along the path). It
// must run on smoothly over the finish line: where a car's lap is counted at another spot
// than where its progress wraps round, the total is a whole lap out for the stretch between
// them and the places shown are wrong there. Progress is measured as a car starts its move
// and the lap counted as it ends it, so the two may be a few steps apart, but the total may
// run on no further meanwhile than the fastest car drives in one step.
TEST(ShippedTrackRaces, CourseTotalsRunOnSmoothlyOverTheFinishLine) {
  double fastest = 0;
  for (const race::CarConstants& car : race::kCars) fastest = std::max(fastest, car.MaxSpeed);
  const double mostDistanceALapOut = fastest;
  for (size_t i = 0; i < race::kTracks.size(); ++i) {
    SCOPED_TRACE(race::kTracks[i].DataFile);
    RaceSetup setup =
        SetupRace(i, static_cast<int32_t>(i % race::kCarCount), static_cast<uint32_t>(300 + i), 3);
    setup.Laps = 2;
    struct Watch {
      double Total = 0;
      double DrivenSinceLeap = 0;  // along the course since the total last leapt by a lap
      int LeapSign = 0;            // that leap's direction, 0 once undone
    };
    std::map<const TCar*, Watch> watches;
    double longestLapOut = 0;
    int leaps = 0;
    setup.OnFrame = [&](RaceContext& race, int64_t frame) {
      if (frame == 0) return;  // no car has measured its place yet
      const double lap = race.Course.LapLength();
      const auto watch = [&](const TCar& car, bool ranked) {
        const auto seen = watches.find(&car);
        if (!ranked) {
          if (seen != watches.end()) watches.erase(seen);
          return;
        }
        if (seen == watches.end()) {
          watches[&car].Total = car.CourseTotal;
          return;
        }
        Watch& w = seen->second;
        const double step = car.CourseTotal - w.Total;
        w.Total = car.CourseTotal;
        if (std::fabs(step) < lap / 2) {
          if (w.LeapSign != 0) w.DrivenSinceLeap += std::fabs(step);
          return;
        }
        ++leaps;
        const int sign = step > 0 ? 1 : -1;
        if (w.LeapSign == -sign) {
          longestLapOut = std::max(longestLapOut, w.DrivenSinceLeap + std::fabs(step - sign * lap));
          w.LeapSign = 0;
        } else {
          w.LeapSign = sign;
          w.DrivenSinceLeap = std::fabs(step - sign * lap);
        }
      };
      watch(*race.Player, race.Player->RankingActive && race.Player->ControlsEnabled);
      for (const TOpponentCar* car : race.Opponents) watch(*car, car->Driving);
    };
    ASSERT_TRUE(RunRace(setup).AllFinished);
    EXPECT_GT(leaps, 0) << "the laps were seen";
    EXPECT_LE(longestLapOut, mostDistanceALapOut);
    std::printf("%s: a course total a lap out for %.1f px at most (%d leaps)\n",
                race::kTracks[i].DataFile + 5, longestLapOut, leaps);
  }
}
