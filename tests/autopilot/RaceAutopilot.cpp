#include "tests/autopilot/RaceAutopilot.h"

#include "core/GameState.h"
#include "shell/Unit_pr.h"

void RaceAutopilot::Attach() {
  form_.BeforeStep = [this] { Frame(); };
}

void RaceAutopilot::Frame() {
  const GameState& state = form_.State;
  const bool racing = state.ScreenState == ScrRace && form_.Race.Player != nullptr &&
                      form_.Race.Course.PointCount > 0;
  if (!racing) {
    pilot_.reset();
    Apply({});
    return;
  }
  if (state.AnimCounter == 0) ++races_;  // the race screen's first frame: the lights to come
  if (!pilot_) pilot_.emplace(form_.Race);
  Apply(pilot_->Decide());
}

void RaceAutopilot::Apply(const AutopilotControls& want) {
  Set(vk::Up, held_.Throttle, want.Throttle);
  Set(vk::Down, held_.Brake, want.Brake);
  Set(vk::Left, held_.Left, want.Left);
  Set(vk::Right, held_.Right, want.Right);
}

void RaceAutopilot::Set(int key, bool& held, bool want) {
  if (held == want) return;
  held = want;
  if (want) {
    form_.FormKeyDown(key);
  } else {
    form_.FormKeyUp(key);
  }
}
