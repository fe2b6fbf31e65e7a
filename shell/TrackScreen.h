#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "shell/MenuScreenBase.h"

struct RaceTime;

// The track selection (ScrChooseTrack): browse the twelve tracks with wrap-around; an
// unlocked one shows its preview, record (with the time trial's best lap beside it), length,
// laps and opponents and may be raced or driven as a time trial; a locked one shows
// "tr_notav", its number and dashes.
class TrackScreen : public MenuScreenBase {
 public:
  using MenuScreenBase::MenuScreenBase;

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

  // "m:ss:hh", or "--:--:--" for a track without a record.
  static std::string RecordText(const RaceTime& time);
  // The time trial's best lap on the selected track, in hundredths, as shown beside the
  // record; none without a ghost file.
  std::optional<int32_t> ShownBestLap() const { return bestLap_; }
  // The line below the record: "Лучший круг: m:ss:hh".
  static std::string BestLapText(int32_t hundredths);

 private:
  void ShowSelectedTrack();
  void Browse(int32_t step);
  void GoToCars();
  void DrawTrackTexts();

  // The selected track's best time-trial lap, from its ghost file.
  std::optional<int32_t> bestLap_;
};
