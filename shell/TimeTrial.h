#pragma once
#include <cstdint>
#include <optional>

#include "race/GhostRecorder.h"

class TForm1;
struct RaceContext;

// The time trial being driven: its recorder follows every race step, and each lap that
// becomes the track's best is written at once as the track's ghost file. Inactive outside
// a time trial, when following the race steps does nothing.
class TimeTrialRun {
 public:
  // The trial of a catalogue track begins: the track's stored ghost, if any, is the best
  // lap to beat and replays from the first lap.
  void Begin(int32_t track);
  // The trial is left (its ghost sprite went with the race's sprites).
  void End() { recorder_.reset(); }
  // Called after every race step (hooked on the race's AfterStep once for the game).
  void AfterStep(RaceContext& race);
  // The recorder of the trial being driven; null outside a trial.
  const GhostRecorder* Recorder() const { return recorder_ ? &*recorder_ : nullptr; }

 private:
  std::optional<GhostRecorder> recorder_;
};

// From the track selection: a time trial on the selected track, when it is open, with the
// selected car, or the first car when that one is still locked.
void StartTimeTrial(TForm1& form);

// The time trial's texts at the top right, where the race's are: the lap being driven and
// its time, the last lap and the best lap.
void DrawTimeTrialHud(TForm1& form);
