#pragma once
#include <cstdint>
#include <string>

#include "shell/GameScreen.h"

class TForm1;
struct RaceTime;

// The track selection (ScrChooseTrack): browse the twelve tracks with wrap-around; an
// unlocked one shows its preview, record, length, laps and opponents and may be raced; a
// locked one shows "tr_notav", its number and dashes.
class TrackScreen : public GameScreen {
 public:
  explicit TrackScreen(TForm1& form) : form_(form) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

  // "m:ss:hh", or "--:--:--" for a track without a record.
  static std::string RecordText(const RaceTime& time);

 private:
  void ShowSelectedTrack();
  void Browse(int32_t step);
  void GoToCars();
  void DrawTrackTexts();

  TForm1& form_;
};
