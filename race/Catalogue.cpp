#include "race/Catalogue.h"

#include "core/GameState.h"
#include "core/GameTexts.h"

std::string NumberedTrackName(int number) {
  return TextOf(GameText::Track) + (" " + std::to_string(number));
}

void InitTrackCatalogue(TrackCatalogue& catalogue, GameState& state) {
  for (int i = 0; i < race::kTrackCount; ++i) {
    const race::TrackConstants& c = race::kTracks[i];
    TrackInfo& t = catalogue.Tracks[i];
    t = TrackInfo{};
    t.Name = NumberedTrackName(i + 1);
    t.PreviewImage = c.PreviewImage;
    t.DataFile = c.DataFile;
    t.LengthText = c.LengthText;
    t.Laps = c.Laps;
    t.Opponents = c.Opponents;
    t.Prizes = c.Prizes;
  }
  catalogue.HighestTrack = race::kTrackCount - 1;
  state.SelectedTrack = 0;
}

void InitCarCatalogue(CarCatalogue& catalogue, GameState& state) {
  for (int i = 0; i < race::kCarCount; ++i) {
    const race::CarConstants& c = race::kCars[i];
    CarInfo& car = catalogue.Cars[i];
    car = CarInfo{};
    car.Name = TextOf(c.Name);
    car.PreviewImage = c.PreviewImage;
    car.MaxSpeed = c.MaxSpeed;
    car.Acceleration = c.Acceleration;
    car.SteeringRate = c.SteeringRate;
    car.HeadingFollow = c.HeadingFollow;
  }
  catalogue.HighestCar = race::kCarCount - 1;
  state.SelectedCar = 0;
}
