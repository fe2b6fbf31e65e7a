#pragma once
#include <cstdint>
#include <vector>

#include "tools/trackc/lib/RoadLayout.h"

// The ground an obstacle may take up: its picture's box, turned by any angle for the kinds
// the game turns at random (so a circle round the box), unturned for walls.
struct Footprint {
  double X = 0;  // centre
  double Y = 0;
  double HalfWidth = 0;
  double HalfHeight = 0;
  bool Round = false;

  double Radius() const;
};

// Obstacle types whose pictures are walls.
bool IsWallType(int32_t type);
// The footprint of an obstacle of the type centred on (x, y); a 10 x 10 box for a type
// with no picture.
Footprint ObstacleFootprint(int32_t type, double x, double y);
// Distance from the footprint's edge to the nearest road surface of the pieces; 0 or less
// when it covers road.
double GapToRoad(const Footprint& f, const std::vector<GridTile>& road, const GridFrame& frame);
// Whether two footprints may touch (their round bounds overlap).
bool Overlap(const Footprint& a, const Footprint& b, double margin);
