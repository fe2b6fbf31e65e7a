#include "shell/RaceHud.h"

#include <algorithm>
#include <cstdio>

#include "race/Player.h"
#include "shell/TimeTrial.h"
#include "shell/Unit_pr.h"

namespace {

// "Круг:", "Позиция:", "Время:" and "Рекорд:", padded as they are drawn.
constexpr const char* kLapLabel = "\xCA\xF0\xF3\xE3:            ";
constexpr const char* kPlaceLabel = "\xCF\xEE\xE7\xE8\xF6\xE8\xFF:   ";
constexpr const char* kTimeLabel = "\xC2\xF0\xE5\xEC\xFF:      ";
constexpr const char* kBestLapLabel = "\xD0\xE5\xEA\xEE\xF0\xE4:    ";
constexpr const char* kNoBestLapText = "\xD0\xE5\xEA\xEE\xF0\xE4:      -:- -:- -";

constexpr int32_t kLabelX = 643;
constexpr int32_t kValueX = 750;

}  // namespace

std::string FormatRaceTime(const RaceTime& time) {
  char text[48];
  std::snprintf(text, sizeof text, "%d:%02d:%02d", time.Minutes, time.Seconds, time.Hundredths);
  return text;
}

void DrawRaceHud(TForm1& form) {
  const TPlayer* player = form.Race.Player;
  if (!player) return;
  if (form.Race.TimeTrial) {
    DrawTimeTrialHud(form);
    return;
  }
  TKaltoFont& font = form.KaltoFont1;
  const int32_t cars = static_cast<int32_t>(form.Race.Opponents.size()) + 1;
  font.TextOut(kLabelX, 30, kLapLabel);
  font.TextOut(
      kValueX, 30,
      std::to_string(std::max(player->Lap, 1)) + "/" + std::to_string(form.Race.Course.Laps));
  font.TextOut(kLabelX, 50, kPlaceLabel);
  font.TextOut(kValueX, 50, std::to_string(player->Place) + "/" + std::to_string(cars));
  font.TextOut(kLabelX, 70, kTimeLabel + FormatRaceTime(player->RaceClock));
  font.TextOut(kLabelX, 90,
               player->Lap < 2 ? std::string(kNoBestLapText)
                               : kBestLapLabel + FormatRaceTime(player->BestLap));
}
