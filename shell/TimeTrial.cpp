#include "shell/TimeTrial.h"

#include <cstdio>
#include <string>

#include "shell/GhostFiles.h"
#include "shell/MenuFrame.h"
#include "shell/RaceStart.h"
#include "shell/Unit_pr.h"

void TimeTrialRun::Begin(int32_t track) {
  recorder_.emplace(track, LoadGhost(track));
}

void TimeTrialRun::AfterStep(RaceContext& race) {
  if (!recorder_ || !race.TimeTrial) return;
  recorder_->AfterStep(race);
  if (!recorder_->TakeNewBest()) return;
  // A ghost that cannot be written costs only the ghost: the trial goes on.
  if (const std::optional<std::string> problem = SaveGhost(*recorder_->Best())) {
    std::fprintf(stderr, "brindle-karts: best lap not kept: %s\n", problem->c_str());
  }
}

void StartTimeTrial(TForm1& form) {
  GameState& state = form.State;
  const TrackInfo& track = form.Race.Tracks.Tracks[static_cast<size_t>(state.SelectedTrack)];
  if (!track.Unlocked) return;
  if (!form.Race.Cars.Cars[static_cast<size_t>(state.SelectedCar)].Unlocked) state.SelectedCar = 0;
  form.Race.TimeTrial = true;
  PlayCheck(form);
  BeginRace(form);
}
