#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "race/Landscape.h"
#include "race/TrackFile.h"

// What makes a course hard: its turns (a wide curve half a quarter turn, a 45-degree bend onto
// or off a diagonal half), its narrowings and chicanes, the S-bends among the turns (two turns
// of opposite hand with at most one straight piece between), the walls, and how close scenery
// comes to the road; with its lap length in the catalogue's unit.
struct TrackStats {
  int Turns = 0;      // every turn, quarter turns and wide curves alike
  int WideTurns = 0;  // the wide curves among them, which weigh half a quarter turn
  int Bends = 0;      // 45-degree bends where the road joins a diagonal or leaves it
  int Narrowings = 0;
  int Chicanes = 0;
  int SBends = 0;
  int Walls = 0;
  std::optional<double> NarrowestGap;  // pixels between an obstacle and the road; none without
  double LapLength = 0;
  // One figure that grows with every hardship above.
  double Difficulty() const;
  // The road grid as text, the same for two tracks exactly when their road pieces are.
  std::string RoadSignature;
  Landscape Scenery = Landscape::Meadow;
  // How many pieces of each road-part kind the course uses ("straight", "turn",
  // "wide-curve", "narrowing", "chicane", "diagonal"); a wide curve counts once for its four
  // cells, a diagonal once a half cell.
  std::map<std::string, int> Pieces;
};

TrackStats MeasureTrack(const std::vector<TrackRecord>& records);
