#pragma once
#include <array>
#include <cstdint>

#include "core/GameTexts.h"

// Fixed numbers of the race world: the two catalogues, the screen point the player's car
// is drawn at, and the depths of the race sprites. Texts are Windows-1251 bytes.
namespace race {

constexpr int kTrackCount = 12;
constexpr int kCarCount = 5;
constexpr int kMaxOpponents = 8;  // start slots and contact flags leave room for eight
constexpr int kStartSlotCount = 9;
constexpr int kPathPointCapacity = 2048;

// The player's car never moves on screen: the world scrolls under this point.
constexpr double kPlayerScreenX = 396;
constexpr double kPlayerScreenY = 321;

// Car collision and sensing only look at objects whose centres are closer than this.
constexpr double kNearRadius = 200;
// A car's collision box is its picture shrunk by this on every side.
constexpr double kCarShapeInset = 3;
// A computer car that is not driving creeps on while its corner is this near path point 1.
constexpr double kIdleReach = 100;

namespace depth {
constexpr int Background = 0;
constexpr int RoadPart = 20;
constexpr int RoadPaint = 29;
constexpr int Obstacle = 30;
constexpr int CheckLine = 31;
constexpr int SkidMark = 49;
constexpr int Car = 50;
constexpr int GroundPoint = 52;
constexpr int FinishLine = 60;
constexpr int DirectionArrow = 510;
}  // namespace depth

// A track is named by its number (see NumberedTrackName).
struct TrackConstants {
  const char* PreviewImage;
  const char* DataFile;
  const char* LengthText;
  int32_t Laps;
  int32_t Opponents;
  std::array<int32_t, 3> Prizes;
};

struct CarConstants {
  GameText Name;
  const char* PreviewImage;  // the selection screen's picture
  const char* RacePicture;   // the car in a race
  const char* MenuPicture;   // the car in the demo race behind the menus
  double MaxSpeed;
  double Acceleration;
  double SteeringRate;
  double HeadingFollow;
};

extern const std::array<TrackConstants, kTrackCount> kTracks;
extern const std::array<CarConstants, kCarCount> kCars;

// The demo course behind the menus; it is not in the track catalogue.
constexpr const char* kDemoCourseFile = "Data\\data1.prd";
constexpr int kDemoLaps = 5;
constexpr int kDemoOpponents = 4;
constexpr int kDemoCarKind = 2;

}  // namespace race
