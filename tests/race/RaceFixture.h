#pragma once
#include <filesystem>
#include <map>
#include <string>

#include "core/GameState.h"
#include "engine/graphics/KaltoSprite.h"
#include "race/Catalogue.h"
#include "race/RaceContext.h"

// A race world with no pictures: every sprite keeps the 10 x 10 box of a bare sprite.
// Track files come from a map of game names to paths.
struct RaceFixture {
  explicit RaceFixture(uint32_t seed = 1) : race(state, engine, seed) {
    InitTrackCatalogue(race.Tracks, state);
    InitCarCatalogue(race.Cars, state);
    race.DataFile = [this](const std::string& name) {
      const auto found = files.find(name);
      return found != files.end() ? found->second : std::filesystem::path("/nonexistent") / name;
    };
  }

  GameState state;
  TKaltoSprite engine;
  RaceContext race;
  std::map<std::string, std::filesystem::path> files;
};
