#pragma once
#include <array>

#include "race/QuadGeometry.h"
#include "race/WorldSprite.h"

class TCar;

// The picture an obstacle type shows (its size is the obstacle's box); none for unknown types.
const char* ObstaclePicture(int32_t type);

// An obstacle: tree, fir, house, rock, arch or wall, centred on a point. It pushes an
// overlapping car out, turns and slows it, and marks the front sensors of computer cars
// that come near it.
class TRoadRock : public TWorldSprite {
 public:
  TRoadRock(RaceContext& race, int32_t type, double centreX, double centreY);
  void Move(int32_t moveCount) override;

  // The full turned sprite box.
  void UpdateObstacleShape();
  void CollideCars();
  // Pushes the car away along the line between the centres (the player by shifting the
  // world), then turns it by up to 8 degrees and slows it by how squarely it hit.
  void ObstacleResponse(TCar& car, bool isPlayer);
  void SenseForOpponents();

  int32_t ObstacleType;
  Quad Corners{};
  // Whether each opponent (and the player) overlapped when it was last near enough to test.
  std::array<bool, race::kMaxOpponents + 1> OpponentHit{};
  bool PlayerHit = false;

 private:
  Vec2 Centre() const;
  std::array<double, 4> cornerAngles_;
  // The turned corners relative to the centre, for the angle they were computed at:
  // obstacles never turn, so the trigonometry runs once.
  Quad cornerOffsets_{};
  float offsetsAngle_ = 0;
  bool offsetsValid_ = false;
};
