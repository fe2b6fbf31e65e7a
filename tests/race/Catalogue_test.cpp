#include "race/Catalogue.h"

#include <gtest/gtest.h>

#include <set>

#include "core/GameState.h"
#include "platform/Cp1251.h"

TEST(Catalogue, StartsLockedWithNoRecordsAndMapsEveryTrackToItsOwnFile) {
  GameState state;
  state.SelectedTrack = 7;
  state.SelectedCar = 3;
  TrackCatalogue tracks;
  CarCatalogue cars;
  InitTrackCatalogue(tracks, state);
  InitCarCatalogue(cars, state);
  EXPECT_EQ(state.SelectedTrack, 0);
  EXPECT_EQ(state.SelectedCar, 0);
  EXPECT_EQ(tracks.HighestTrack, 11);
  EXPECT_EQ(cars.HighestCar, 4);
  std::set<std::string> files;
  std::set<std::string> previews;
  for (const TrackInfo& t : tracks.Tracks) {
    EXPECT_FALSE(t.Unlocked);
    EXPECT_EQ(t.BestTime, RaceTime::None());
    files.insert(t.DataFile);
    previews.insert(t.PreviewImage);
  }
  EXPECT_EQ(files.size(), 12u);
  EXPECT_EQ(previews.size(), 12u);
  EXPECT_EQ(files.count("Data\\data1.prd"), 0u);  // the menus' demo course
  EXPECT_EQ(tracks.Tracks[0].Name, Utf8ToCp1251("Трек 1"));
  EXPECT_EQ(tracks.Tracks[11].Name, Utf8ToCp1251("Трек 12"));
  EXPECT_EQ(tracks.Tracks[0].DataFile, "Data\\data4.prd");
  for (const CarInfo& c : cars.Cars) EXPECT_FALSE(c.Unlocked);
  EXPECT_EQ(cars.Cars[4].Name, Utf8ToCp1251("Зверь"));
}
