#pragma once
#include <optional>

#include "race/Autopilot.h"

class TForm1;

// Holds the player's keys for the autopilot while a race runs (the race screen), through
// the form's key handlers as a keyboard would; everywhere else it lets go of every key it
// holds and leaves the menus to whoever else gives input. Call Frame() at the start of
// every step (TForm1::BeforeStep).
class RaceAutopilot {
 public:
  explicit RaceAutopilot(TForm1& form) : form_(form) {}
  void Frame();
  // Installs Frame() as the form's per-step hook; the autopilot must outlive the form's use.
  void Attach();
  // Races the autopilot has started driving.
  int RacesDriven() const { return races_; }

 private:
  void Apply(const AutopilotControls& controls);
  void Set(int key, bool& held, bool want);

  TForm1& form_;
  std::optional<Autopilot> pilot_;
  AutopilotControls held_;
  int races_ = 0;
};
