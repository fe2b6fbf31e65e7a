#pragma once
#include "race/WorldSprite.h"

// The pieces the cars' ground sensors count as road. Both register themselves with the race
// for as long as they live.

// A piece of road, placed by its top-left corner; variant picks among the shaped kinds'
// pictures. Kinds without a picture keep the 10 x 10 box of a bare sprite, draw nothing and
// still count as road.
class TRoadPart : public TWorldSprite {
 public:
  TRoadPart(RaceContext& race, int32_t kind, double x, double y, int32_t variant = 0);
  ~TRoadPart() override;
  void Move(int32_t moveCount) override;

 private:
  std::shared_ptr<std::vector<RoadSurfacePiece>> surface_;
};

// Painted ground and flower beds, centred on a point and turned by an angle. Only the
// paint counts as road (the sensors ignore the turn: they test the unturned box); flower
// beds, on the grass, are drawn and nothing more.
class TRoadPaint : public TWorldSprite {
 public:
  TRoadPaint(RaceContext& race, int32_t type, double angle, double centreX, double centreY);
  ~TRoadPaint() override;
  void Move(int32_t moveCount) override;

 private:
  std::shared_ptr<std::vector<RoadSurfacePiece>> surface_;
};
