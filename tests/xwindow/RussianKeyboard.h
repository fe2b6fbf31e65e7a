#pragma once
#include <string>

// The X keyboard on the Russian layout while this lives, so xdotool finds the Cyrillic
// keysyms on keys of their own and presses them without remapping a key for each (which
// loses letters when the game reads an event after the temporary mapping is gone). The
// display's own rules, model, layout, variant and options come back afterwards.
class RussianKeyboard {
 public:
  RussianKeyboard();
  ~RussianKeyboard();
  RussianKeyboard(const RussianKeyboard&) = delete;
  RussianKeyboard& operator=(const RussianKeyboard&) = delete;
  bool Switched() const { return switched_; }

 private:
  std::string restore_;
  bool switched_ = false;
};
