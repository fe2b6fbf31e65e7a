#include <algorithm>
#include <optional>
#include <string>

#include "race/Player.h"
#include "shell/RaceHud.h"
#include "shell/TimeTrial.h"
#include "shell/Unit_pr.h"

namespace {

// "Круг:", "Время:", "Последний:" and "Лучший:".
constexpr const char* kLapLabel = "\xCA\xF0\xF3\xE3:";
constexpr const char* kLapTimeLabel = "\xC2\xF0\xE5\xEC\xFF:";
constexpr const char* kLastLapLabel = "\xCF\xEE\xF1\xEB\xE5\xE4\xED\xE8\xE9:";
constexpr const char* kBestLapLabel = "\xCB\xF3\xF7\xF8\xE8\xE9:";
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
  const char* const labels[4] = {kLapLabel, kLapTimeLabel, kLastLapLabel, kBestLapLabel};
  TKaltoFont& font = form.KaltoFont1;
  for (size_t row = 0; row < 4; ++row) {
    font.TextOut(kLabelX, kRowY[row], labels[row]);
    font.TextOut(kValueX, kRowY[row], values[row]);
  }
}
