#include <algorithm>
#include <optional>
#include <string>

#include "core/GameTexts.h"
#include "race/Player.h"
#include "shell/RaceHud.h"
#include "shell/TimeTrial.h"
#include "shell/Unit_pr.h"

namespace {

constexpr const char* kNoLapText = "-:--:--";

constexpr int32_t kLabelX = 643;
constexpr int32_t kValueX = 740;
constexpr int32_t kRowY[4] = {30, 50, 70, 90};

}  // namespace

void DrawTimeTrialHud(TForm1& form) {
  const TPlayer* player = form.Race.Player;
  const GhostRecorder* recorder = form.RaceFlow.Trial.Recorder();
  if (!player || !recorder) return;
  const std::optional<RaceTime> last = recorder->LastLap();
  const std::optional<GhostLap>& best = recorder->Best();
  const std::string values[4] = {
      std::to_string(std::max(player->Lap, 1)),
      FormatRaceTime(player->LapTime),
      last ? FormatRaceTime(*last) : kNoLapText,
      best ? FormatRaceTime(FromHundredths(best->LapHundredths)) : kNoLapText,
  };
  const char* const labels[4] = {TextOf(GameText::Lap), TextOf(GameText::Time),
                                 TextOf(GameText::LastLap), TextOf(GameText::BestLap)};
  TKaltoFont& font = form.KaltoFont1;
  for (size_t row = 0; row < 4; ++row) {
    font.TextOut(kLabelX, kRowY[row], labels[row]);
    font.TextOut(kValueX, kRowY[row], values[row]);
  }
}
