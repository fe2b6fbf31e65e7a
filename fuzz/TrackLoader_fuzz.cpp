// Any bytes as a track file: the race builder either refuses the file with a typed error
// and builds nothing, or builds a world that then runs frame by frame without fault.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/GameState.h"
#include "engine/graphics/KaltoSprite.h"
#include "race/GameProcedures.h"
#include "race/Player.h"
#include "race/RaceStep.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                            ("bk_fuzz_track_" + std::to_string(getpid()) + ".prd");
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  GameState state;
  state.SelectedTrack = size % 12;
  state.SelectedCar = static_cast<int32_t>(size % 5);
  state.KeyHeld[vk::Up] = 1;
  state.KeyHeld[size % 2 ? vk::Left : vk::Right] = 1;
  TKaltoSprite engine;
  RaceContext race(state, engine, static_cast<uint32_t>(size));
  InitTrackCatalogue(race.Tracks, state);
  InitCarCatalogue(race.Cars, state);
  race.DataFile = [](const std::string&) { return file; };
  try {
    StartRace(race);
  } catch (const TrackFileError&) {
    if (engine.SpriteCount() != 0 || race.Player != nullptr) std::abort();
    return 0;
  }
  if (race.Player == nullptr || race.Course.PointCount > race::kPathPointCapacity) std::abort();
  race.Player->ControlsEnabled = true;
  for (int frame = 0; frame < 20; ++frame) {
    RunRaceStep(race);
    engine.KillDead();
  }
  return 0;
}
