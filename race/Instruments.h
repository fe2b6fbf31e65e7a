#pragma once
#include "engine/graphics/KaltoSprite.h"
#include "race/RaceContext.h"

// The race screen's dashboard: panels, the speedometer needle, the radar arrow and the
// spinning start arrows. They stay on screen while the world scrolls.

enum class PanelType { Speedometer = 0, Radar = 1, Dashboard = 2 };

// A dashboard picture; the speedometer's dial shows its reverse face while reversing.
class TPanel : public TSprite {
 public:
  TPanel(RaceContext& race, PanelType type, double x, double y);
  void Move(int32_t moveCount) override;

 private:
  RaceContext& race_;
  PanelType type_;
};

// The speedometer needle: turns clockwise from its rest position with the player's speed,
// forward or reverse, each scaled to its own limit.
class TSpeedArrow : public TSprite {
 public:
  TSpeedArrow(RaceContext& race, double maxForward, double maxReverse, double x, double y);
  void Move(int32_t moveCount) override;

 private:
  RaceContext& race_;
  double maxForward_;
  double maxReverse_;
};

// Points from the player's car toward the next check line.
class TRadarArrow : public TSprite {
 public:
  TRadarArrow(RaceContext& race, double centreX, double centreY);
  void Move(int32_t moveCount) override;

 private:
  RaceContext& race_;
};

// The arrows that spin around the player's car before the start.
class TBegArrows : public TSprite {
 public:
  TBegArrows(RaceContext& race, double centreX, double centreY);
  void Move(int32_t moveCount) override;
};

// The dashboard of a race: speedometer, radar, panel, needle and radar arrow, placed for the
// player's car (which must exist).
void CreateRaceInstruments(RaceContext& race);
