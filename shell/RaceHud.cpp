#include "shell/RaceHud.h"

#include <algorithm>
#include <cstdio>

#include "core/GameTexts.h"
#include "race/Player.h"
#include "shell/TimeTrial.h"
#include "shell/Unit_pr.h"

namespace {

// A label and the spaces after it, as it is drawn: a time follows it in the same text.
std::string Padded(GameText label, size_t spaces) {
  return TextOf(label) + std::string(spaces, ' ');
}

const std::string kLapLabel = Padded(GameText::Lap, 12);
const std::string kPlaceLabel = Padded(GameText::Place, 3);
const std::string kTimeLabel = Padded(GameText::Time, 6);
const std::string kBestLapLabel = Padded(GameText::Record, 4);
const std::string kNoBestLapText = Padded(GameText::Record, 6) + "-:- -:- -";

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
               player->Lap < 2 ? kNoBestLapText : kBestLapLabel + FormatRaceTime(player->BestLap));
}
