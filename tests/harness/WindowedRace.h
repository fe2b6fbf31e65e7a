#pragma once
#include <memory>

#include "platform/Clock.h"
#include "platform/RendererChoice.h"
#include "shell/Unit_pr.h"
#include "tests/harness/RaceDataRoot.h"

// The real game in a real window on the real clock, for measurements: the race of the
// largest track against `opponents` computer cars, long enough to outlast any measurement,
// entered through the race screen with the start lights still to come. Its saves go into
// the race data folder.
class WindowedRace {
 public:
  WindowedRace(int opponents, RendererChoice renderer);

  TForm1& Form() { return *form_; }
  const Clock& GameClock() const { return clock_; }
  const RaceDataRoot& Data() const { return data_; }

 private:
  RaceDataRoot data_{RaceDataRoot::Track::Largest};
  RealClock clock_;
  std::unique_ptr<TForm1> form_;
};
