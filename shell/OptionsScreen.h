#pragma once
#include <cstdint>

#include "core/Difficulty.h"
#include "shell/MenuScreenBase.h"

class TKaltoButton;

// Options (ScrOptions): full screen, music and sound switched on and off (music and sound
// at once, full screen on Apply), a free text and the computer cars' difficulty, which a
// click steps through its three levels. Cancel and Escape put back what the
// screen found when it opened.
class OptionsScreen : public MenuScreenBase {
 public:
  using MenuScreenBase::MenuScreenBase;

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

 private:
  void Apply();
  void Cancel(bool byKey);
  // Restores the options as they were when the screen opened.
  void RestoreBackup();
  // The toggle's picture for the value it now shows.
  void ShowToggle(TKaltoButton& toggle, bool on);
  TKaltoButton& AddToggle(int32_t x, int32_t y, bool& option, void (*onChange)(TForm1&, bool));
  void AddLevelSwitch(int32_t x, int32_t y);
  static const char* LevelPicture(Difficulty level);
};
