#pragma once
#include "engine/graphics/KaltoSprite.h"
#include "race/RaceContext.h"

// A sprite fixed to the ground of the race world. The world scrolls under the player's car,
// so these sprites follow the player's scroll and push every frame, and ShiftWorld moves
// them all at once.
class TWorldSprite : public TSprite {
 public:
  explicit TWorldSprite(RaceContext& race) : TSprite(race.Engine), Race(race) {}

 protected:
  // Adds the scroll and then the push, one rounding to the sprite's position each.
  void FollowScroll();
  // Places the sprite so that its box is centred on the point.
  void CentreOn(double x, double y);

  RaceContext& Race;
};
