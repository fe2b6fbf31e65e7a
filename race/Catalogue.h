#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "core/RaceTime.h"
#include "race/GameConstants.h"

// One entry of the track catalogue as the selection screens and the settings files see it.
struct TrackInfo {
  std::string Name;
  std::string PreviewImage;
  std::string DataFile;
  bool Unlocked = false;
  RaceTime BestTime = RaceTime::None();
  std::string LengthText;
  int32_t Laps = 0;
  int32_t Opponents = 0;
  std::array<int32_t, 3> Prizes{};  // 1st, 2nd, 3rd
};

struct CarInfo {
  std::string Name;
  std::string PreviewImage;
  bool Unlocked = false;
  double MaxSpeed = 0;
  double Acceleration = 0;
  double SteeringRate = 0;
  double HeadingFollow = 0;
};

struct TrackCatalogue {
  std::array<TrackInfo, race::kTrackCount> Tracks;
  int32_t HighestTrack = 0;
};

struct CarCatalogue {
  std::array<CarInfo, race::kCarCount> Cars;
  int32_t HighestCar = 0;
};

struct GameState;

// A track's name, Windows-1251: the word for a track and its number, counted from 1.
std::string NumberedTrackName(int number);

// Fill the catalogue from the constants: everything locked, no best times, the first entry
// selected in the state record.
void InitTrackCatalogue(TrackCatalogue& catalogue, GameState& state);
void InitCarCatalogue(CarCatalogue& catalogue, GameState& state);
