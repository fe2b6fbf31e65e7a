#include "race/Unlocks.h"

#include "core/GameState.h"
#include "race/Catalogue.h"

namespace {

// Per step: catalogue entries FirstIndex..Available-1 of tracks or of cars open, and
// Available becomes the new count of that kind.
struct UnlockStepEffect {
  bool OpensTracks;
  int FirstIndex;
  int Available;
};

constexpr UnlockStepEffect kStepEffects[kUnlockStepCount] = {
    {true, 3, 5},  {false, 2, 3}, {true, 5, 7},   {false, 3, 4},  {true, 7, 9},
    {false, 4, 5}, {true, 9, 10}, {true, 10, 11}, {true, 11, 12},
};

}  // namespace

UnlockResult CheckUnlock(const GameState& state, int scoreBefore, int prize) {
  if (state.UnlockStep >= kUnlockStepCount) return UnlockResult::NothingLeft;
  if (state.UnlockStep < 0) return UnlockResult::None;
  if (static_cast<long long>(scoreBefore) + prize < state.PointsNeeded) return UnlockResult::None;
  return kStepEffects[state.UnlockStep].OpensTracks ? UnlockResult::NewTracks
                                                    : UnlockResult::NewCars;
}

void ApplyNextUnlock(GameState& state, TrackCatalogue& tracks, CarCatalogue& cars) {
  if (state.UnlockStep < 0 || state.UnlockStep >= kUnlockStepCount) return;
  const UnlockStepEffect& effect = kStepEffects[state.UnlockStep];
  for (int i = effect.FirstIndex; i < effect.Available; ++i) {
    if (effect.OpensTracks) {
      tracks.Tracks[i].Unlocked = true;
    } else {
      cars.Cars[i].Unlocked = true;
    }
  }
  (effect.OpensTracks ? state.TracksAvailable : state.CarsAvailable) = effect.Available;
  state.PointsNeeded += state.UnlockSteps[state.UnlockStep];
  state.UnlockStep += 1;
}
