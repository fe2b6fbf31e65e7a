#pragma once

struct GameState;
struct TrackCatalogue;
struct CarCatalogue;

// What a race's prize opens, as the race-over screen announces it.
enum class UnlockResult { None = 0, NewCars = 1, NewTracks = 2, NothingLeft = 3 };

constexpr int kUnlockStepCount = 9;

// Whether adding the prize to the score reaches the next threshold. A score that already
// stands at or above the threshold (a previous race landed exactly on it, or it was raised
// outside a race) unlocks on the next race, so the progression can never stall.
UnlockResult CheckUnlock(const GameState& state, int scoreBefore, int prize);

// Opens what the current step promises, raises the threshold by the step's increment and
// moves to the next step. Does nothing once every step is done.
void ApplyNextUnlock(GameState& state, TrackCatalogue& tracks, CarCatalogue& cars);
