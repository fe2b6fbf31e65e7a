#include <gtest/gtest.h>

#include <vector>

#include "race/CheckLine.h"
#include "race/FinishLine.h"
#include "race/Opponent.h"
#include "race/Player.h"
#include "tests/race/RaceFixture.h"

namespace {

const Quad kFarAway = SquareAround({5000, 5000}, 5);

// Three check lines (0, 1, 2) and a finish line, each a bare 10 x 10 sprite.
struct LapFixture : RaceFixture {
  LapFixture() {
    race.Course.CheckLineCount = 3;
    race.Course.Laps = 3;
    player = new TPlayer(race, false, 0, "player", 0, 396, 321);
    race.Player = player;
    player->Corners = kFarAway;
    for (int i = 0; i < 3; ++i) lines.push_back(new TCheckLine(race, i, 100 + 100 * i, 100));
    finish = new TFinishLine(race, 0, 595, 100);
  }

  // The player's shape sits on the sprite for one of its moves.
  void Cross(TSprite& line) {
    player->Corners = SquareAround({line.X() + 5.0, line.Y() + 5.0}, 3);
    line.Move(0);
    player->Corners = kFarAway;
  }
  void CrossLines(std::initializer_list<int> order) {
    for (int i : order) Cross(*lines[i]);
  }

  TPlayer* player;
  std::vector<TCheckLine*> lines;
  TFinishLine* finish;
};

}  // namespace

TEST(CheckLines, OnlyTheNextLineCountsAndLineTwoArmsTheFinish) {
  struct Case {
    const char* what;
    std::vector<int> order;
    int32_t next;
    bool lapCounts;
  };
  const Case cases[] = {
      {"all in order", {0, 1, 2}, 0, true},
      {"line 2 skipped", {0, 1}, 2, false},
      {"line 2 before line 1", {0, 2}, 1, true},
  };
  for (const Case& c : cases) {
    LapFixture f;
    f.Cross(*f.finish);  // the start: Lap 0 -> 1, and disarmed
    ASSERT_EQ(f.player->Lap, 1) << c.what;
    ASSERT_FALSE(f.player->FinishArmed) << c.what;
    for (int i : c.order) f.Cross(*f.lines[i]);
    EXPECT_EQ(f.player->NextCheckLine, c.next) << c.what;
    f.Cross(*f.finish);
    EXPECT_EQ(f.player->Lap, c.lapCounts ? 2 : 1) << c.what;
    EXPECT_FALSE(f.player->FinishArmed) << c.what;  // disarmed either way
  }
}

TEST(CheckLines, ShowOnlyTheNextLineAndPointTheRadarAtIt) {
  LapFixture f;
  f.player->NextCheckLine = 1;
  for (TCheckLine* line : f.lines) line->Move(0);
  EXPECT_FALSE(f.lines[0]->Visible);
  EXPECT_TRUE(f.lines[1]->Visible);
  EXPECT_DOUBLE_EQ(f.player->RadarTarget.X, 200);
  EXPECT_DOUBLE_EQ(f.player->RadarTarget.Y, 100);
  // The pulse turns at the bounds: up by 2 from 100, down from above 230.
  EXPECT_EQ(f.lines[0]->Alpha(), 102);
  f.lines[0]->SetAlpha(232);
  f.lines[0]->Move(0);
  EXPECT_EQ(f.lines[0]->Alpha(), 230);
}

TEST(FinishLine, TimesLapsKeepsTheBestAndFinishesAfterTheLastLap) {
  LapFixture f;
  f.state.NextFinishPlace = 2;  // an opponent came in first
  f.Cross(*f.finish);
  EXPECT_TRUE(f.player->LapTimerRunning);
  EXPECT_EQ(f.player->BestLap, RaceTime::None());
  const RaceTime laps[] = {{0, 30, 0}, {50, 30, 0}, {0, 29, 0}};
  const RaceTime bestAfter[] = {{0, 30, 0}, {0, 30, 0}, {0, 29, 0}};
  for (int lap = 0; lap < 3; ++lap) {
    ASSERT_FALSE(f.state.RaceFinished) << lap;
    f.CrossLines({0, 1, 2});
    f.player->LapTime = laps[lap];
    f.player->RaceClock = {lap, lap, lap};
    f.Cross(*f.finish);
    EXPECT_EQ(f.player->BestLap, bestAfter[lap]) << lap;
    EXPECT_EQ(f.player->LapTime, RaceTime{}) << lap;
  }
  EXPECT_TRUE(f.state.RaceFinished);
  EXPECT_EQ(f.player->Lap, 3);
  EXPECT_EQ(f.player->FinalPlace, 2);
  EXPECT_FALSE(f.player->ControlsEnabled);
  EXPECT_FALSE(f.player->RankingActive);
  EXPECT_EQ(f.state.FinishRows[2].Id, kPlayerFinishId);
  EXPECT_EQ(f.state.FinishRows[2].Time, (RaceTime{2, 2, 2}));
  EXPECT_EQ(f.state.NextFinishPlace, 3);
}

TEST(FinishLine, OpponentsCountLapsOnlyWithEveryCheckpointAndFinishInOrder) {
  LapFixture f;
  f.race.Course.CheckpointCount = 4;  // checkpoints 2 and 3 must be passed
  for (int i = 0; i < 2; ++i) {
    auto* car = new TOpponentCar(f.race, false, 0, i, "enemy", 0, 100, 100);
    car->Driving = true;
    f.race.Opponents.push_back(car);
  }
  TOpponentCar& first = *f.race.Opponents[0];
  TOpponentCar& second = *f.race.Opponents[1];
  first.Corners = SquareAround({600, 100}, 3);
  second.Corners = SquareAround({600, 100}, 3);

  f.finish->Move(0);  // the start crossing: both flags were set at creation
  EXPECT_EQ(first.Lap, 1);
  EXPECT_EQ(second.Lap, 1);
  f.finish->Move(0);  // still on the line: the cleared flags stop a second count
  EXPECT_EQ(first.Lap, 1);
  first.MarkPassed(2);
  first.MarkPassed(1);   // below 2: marks nothing, and is not needed
  first.MarkPassed(99);  // beyond the flags: marks nothing
  f.finish->Move(0);
  EXPECT_EQ(first.Lap, 1) << "checkpoint 3 missing";
  first.MarkPassed(3);
  f.finish->Move(0);
  EXPECT_EQ(first.Lap, 2);
  EXPECT_TRUE(first.FinishArmed);

  // Lap == laps: the next counted crossing finishes, after a player in row 1.
  f.state.NextFinishPlace = 2;
  first.Lap = 3;
  second.Lap = 3;
  first.RaceClock = {1, 2, 3};
  second.RaceClock = {4, 5, 6};
  for (TOpponentCar* car : f.race.Opponents) {
    car->MarkPassed(2);
    car->MarkPassed(3);
  }
  f.finish->Move(0);
  EXPECT_EQ(f.state.FinishRows[2].Id, 0);
  EXPECT_EQ(f.state.FinishRows[2].Time, (RaceTime{1, 2, 3}));
  EXPECT_EQ(f.state.FinishRows[3].Id, 1);
  EXPECT_EQ(f.state.FinishRows[3].Time, (RaceTime{4, 5, 6}));
  EXPECT_EQ(first.Lap, 4);
  EXPECT_FALSE(first.Driving);
  EXPECT_EQ(f.state.NextFinishPlace, 4);
}

TEST(FinishLine, AFinisherBeyondTheLastRowIsNotWritten) {
  LapFixture f;
  f.state.NextFinishPlace = kFinishRowCount + 1;
  f.player->Lap = 3;
  f.Cross(*f.finish);
  EXPECT_TRUE(f.state.RaceFinished);
  EXPECT_EQ(f.state.NextFinishPlace, kFinishRowCount + 2);
  for (const FinishRow& row : f.state.FinishRows) EXPECT_EQ(row.Id, 0);
}
