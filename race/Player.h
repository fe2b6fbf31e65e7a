#pragma once
#include "core/RaceTime.h"
#include "race/Car.h"

// The car driven with the keyboard. It stays centred on its screen point; its motion
// becomes the scroll by which every world object moves each frame, and bumps become a push
// that every world object applies once.
class TPlayer : public TCar {
 public:
  TPlayer(RaceContext& race, bool usesMenuImages, double startAngle, const std::string& name,
          int32_t carKind, double centreX, double centreY);
  void Move(int32_t moveCount) override;

  // Reads the held and released key tables of the state record.
  void ApplyControls();
  // Bumps off every opponent whose shape overlaps this car's.
  void CollideWithOpponents();
  // Pushes the world away from the other car, slows by 1 % and turns a little.
  void BumpFrom(const TCar& other);

  double ScrollX = 0;
  double ScrollY = 0;
  double PushX = 0;
  double PushY = 0;
  bool ControlsEnabled = false;
  int32_t NextCheckLine = 0;
  Vec2 RadarTarget;
  RaceTime LapTime;
  RaceTime BestLap = RaceTime::None();
  bool LapTimerRunning = false;
  bool RankingActive = true;
  int32_t FinalPlace = 0;
};
