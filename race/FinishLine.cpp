#include "race/FinishLine.h"

#include <cmath>

#include "core/GameState.h"
#include "race/GameConstants.h"
#include "race/Opponent.h"
#include "race/Player.h"

TFinishLine::TFinishLine(RaceContext& race, double angle, double x, double centreY)
    : TWorldSprite(race) {
  SetImage(race.Picture(false, "fline"));
  SetName("fline");
  SetPatternIndex(0);
  OriginX = 0.5f;
  OriginY = 0.5f;
  SetX(static_cast<float>(x));
  SetY(static_cast<float>(centreY - Height() / 2.0));
  SetZ(race::depth::FinishLine);
  Angle = static_cast<float>(angle);
  Visible = false;  // the painted start line is a road paint
  cornerAngles_ = BoxCornerAngles(Width() / 2.0, Height() / 2.0);
}

void TFinishLine::Move(int32_t) {
  FollowScroll();
  const Vec2 centre{X() + Width() / 2.0, Y() + Height() / 2.0};
  Corners = TurnedCorners(centre, std::hypot(Width() / 2.0, Height() / 2.0), Angle, cornerAngles_);
  CountLaps();
}

void TFinishLine::CountLaps() {
  CountOpponentLaps();
  if (Race.Player) CountPlayerLap();
}

void TFinishLine::CountOpponentLaps() {
  const int32_t checkpoints = Race.Course.CheckpointCount;
  for (TOpponentCar* car : Race.Opponents) {
    // Opponents stay armed; the passed checkpoints keep a lap from counting twice.
    if (!QuadsOverlap(Corners, car->Corners) || !car->FinishArmed ||
        !car->PassedCheckpoints(checkpoints)) {
      continue;
    }
    if (car->Lap == Race.Course.Laps) {
      TakeFinishRow(car->OpponentIndex, car->RaceClock);
      car->Lap += 1;
      car->Driving = false;
    } else {
      car->Lap += 1;
      car->ClearPassed(checkpoints);
    }
  }
}

void TFinishLine::CountPlayerLap() {
  TPlayer& player = *Race.Player;
  if (!player.FinishArmed || !QuadsOverlap(Corners, player.Corners)) return;
  player.FinishArmed = false;
  if (player.NextCheckLine != 0 && player.NextCheckLine != 1) return;  // lines were skipped
  if (player.Lap == 0) {
    player.LapTimerRunning = true;
  } else {
    if (!IsNotSlower(player.LapTime, player.BestLap)) player.BestLap = player.LapTime;
    player.LapTime = RaceTime{};
  }
  if (player.Lap == Race.Course.Laps) {
    GameState& state = Race.State;
    player.FinalPlace = TakeFinishRow(kPlayerFinishId, player.RaceClock);
    player.ControlsEnabled = false;
    player.RankingActive = false;
    state.RaceFinished = true;
    state.PhaseCounter = 0;
  } else {
    player.Lap += 1;
  }
}

int32_t TFinishLine::TakeFinishRow(int32_t id, const RaceTime& time) {
  GameState& state = Race.State;
  const int32_t place = state.NextFinishPlace;
  if (place >= 1 && place <= kFinishRowCount) state.FinishRows[place] = {id, time};
  state.NextFinishPlace += 1;
  return place;
}
