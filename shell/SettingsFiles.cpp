#include "shell/SettingsFiles.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "online/TextCodec.h"
#include "race/GameConstants.h"
#include "race/Unlocks.h"

namespace {

constexpr char kPad = '%';
constexpr char kLineEnd[] = "\r\n";
constexpr int kRecordRows = 10;
constexpr int kProgressHeaderLines = 5;
constexpr int kProgressLines = kProgressHeaderLines + 3 * kTrackSlotCount;

// Lines end at CR LF, LF or a lone CR; a final line without an ending still counts.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      current.push_back(c);
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.push_back(std::move(current));
    current.clear();
  }
  if (!current.empty()) lines.push_back(std::move(current));
  return lines;
}

void AppendLine(std::string& text, const std::string& value, bool padded) {
  text += EncodeSettingsLine(value, padded);
  text += kLineEnd;
}

std::optional<int32_t> ParseInt32(const std::string& text) {
  int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// Visits the progress values in file order: the header fields, then per track slot its
// hundredths, seconds and minutes. Works on const and non-const state alike.
template <class State, class Times, class Visit>
void ForEachProgressField(State& state, Times& bestTimes, Visit visit) {
  visit(state.Score);
  visit(state.TracksAvailable);
  visit(state.CarsAvailable);
  visit(state.PointsNeeded);
  visit(state.UnlockStep);
  for (auto& time : bestTimes) {
    visit(time.Hundredths);
    visit(time.Seconds);
    visit(time.Minutes);
  }
}

}  // namespace

std::string EncodeSettingsLine(const std::string& value, bool padded) {
  if (value.empty()) return std::string();
  std::string stored = value;
  if (padded) stored.append((5 - stored.size() % 5) % 5, kPad);
  return BitsToSymbols(TextToBits(stored));
}

void RemoveTrailingPadding(std::string& value) {
  while (!value.empty() && value.back() == kPad) value.pop_back();
}

std::string DecodeSettingsLine(const std::string& line, bool padded) {
  std::string value = BitsToText(SymbolsToBits(line));
  if (padded) RemoveTrailingPadding(value);
  return value;
}

std::string ConfigFileText(const GameState& state) {
  std::string text;
  for (bool flag : {state.FullScreenWanted, state.MusicOn, state.SoundOn}) {
    AppendLine(text, flag ? "true" : "false", false);
  }
  AppendLine(text, state.ExtraText, true);
  AppendLine(text, state.PlayerName, true);
  for (const RecordRow& row : state.Records) {
    AppendLine(text, row.Name, true);
    AppendLine(text, row.ScoreText, true);
  }
  AppendLine(text, DifficultyWord(state.DriverDifficulty), true);
  // Only a forced renderer adds a line: the game's own choice leaves the file as it was.
  if (!state.Renderer.empty()) AppendLine(text, state.Renderer, true);
  return text;
}

void ApplyConfigFileText(const std::string& text, GameState& state) {
  const std::vector<std::string> lines = SplitLines(text);
  auto value = [&lines](std::size_t index, bool padded) {
    return index < lines.size() ? DecodeSettingsLine(lines[index], padded) : std::string();
  };

  if (value(0, false) != "false") {
    state.FullScreenWanted = true;
    state.FullScreenActive = true;
  }
  if (value(1, false) == "false") state.MusicOn = false;
  if (value(2, false) == "false") state.SoundOn = false;
  state.ExtraText = value(3, true);
  state.PlayerName = value(4, true);
  for (int row = 0; row < kRecordRows; ++row) {
    const std::string name = value(5 + 2 * row, true);
    const std::string score = value(6 + 2 * row, true);
    if (!name.empty()) state.Records[row].Name = name;
    if (!score.empty()) state.Records[row].ScoreText = score;
  }
  // Files written before these options existed end with the records: the normal level, and
  // the game chooses the renderer.
  state.DriverDifficulty =
      DifficultyFromWord(value(5 + 2 * kRecordRows, true)).value_or(Difficulty::Normal);
  state.Renderer = value(6 + 2 * kRecordRows, true);
}

std::string ProgressFileText(const GameState& state, const TrackSlotTimes& bestTimes) {
  std::string text;
  ForEachProgressField(state, bestTimes,
                       [&text](int32_t value) { AppendLine(text, std::to_string(value), true); });
  return text;
}

namespace {

// What a game can reach: a score never below 0, the catalogues' counts, the unlock steps
// and the threshold after the last one, real times or the "no time" mark. Anything else
// would stall the unlocks or show nonsense, so it counts as damage.
bool ProgressInRange(const GameState& state, const TrackSlotTimes& bestTimes) {
  const GameState fresh;
  int64_t lastThreshold = fresh.PointsNeeded;
  for (const int32_t step : fresh.UnlockSteps) lastThreshold += step;
  const auto within = [](int64_t value, int64_t low, int64_t high) {
    return value >= low && value <= high;
  };
  if (state.Score < 0 || !within(state.TracksAvailable, 1, race::kTrackCount) ||
      !within(state.CarsAvailable, 1, race::kCarCount) ||
      !within(state.PointsNeeded, 0, lastThreshold) ||
      !within(state.UnlockStep, 0, kUnlockStepCount)) {
    return false;
  }
  return std::all_of(bestTimes.begin(), bestTimes.end(), [&within](const RaceTime& time) {
    return within(time.Hundredths, 0, 99) && within(time.Seconds, 0, 59) &&
           within(time.Minutes, 0, RaceTime::kNoTimeMinutes);
  });
}

}  // namespace

bool ApplyProgressFileText(const std::string& text, GameState& state, TrackSlotTimes& bestTimes) {
  const std::vector<std::string> lines = SplitLines(text);
  if (lines.size() < static_cast<std::size_t>(kProgressLines)) return false;

  std::vector<int32_t> values;
  for (int i = 0; i < kProgressLines; ++i) {
    const std::optional<int32_t> value = ParseInt32(DecodeSettingsLine(lines[i], true));
    if (!value) return false;
    values.push_back(*value);
  }
  GameState loaded = state;
  TrackSlotTimes loadedTimes = bestTimes;
  std::size_t next = 0;
  ForEachProgressField(loaded, loadedTimes, [&](int32_t& field) { field = values[next++]; });
  if (!ProgressInRange(loaded, loadedTimes)) return false;
  state = std::move(loaded);
  bestTimes = loadedTimes;
  return true;
}
