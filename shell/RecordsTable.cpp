#include "shell/RecordsTable.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

int64_t ScoreOf(const RecordRow& row) {
  int64_t score = 0;
  const char* first = row.ScoreText.data();
  const char* last = first + row.ScoreText.size();
  const auto [end, error] = std::from_chars(first, last, score);
  if (error != std::errc() || end != last) return std::numeric_limits<int64_t>::min();
  return score;
}

void SortAndNumber(std::array<RecordRow, 10>& records) {
  std::stable_sort(records.begin(), records.end(),
                   [](const RecordRow& a, const RecordRow& b) { return ScoreOf(a) > ScoreOf(b); });
  for (size_t row = 0; row < records.size(); ++row) records[row].Place = std::to_string(row + 1);
}

}  // namespace

void EnterScore(std::array<RecordRow, 10>& records, const std::string& name, int32_t score) {
  const auto named = std::find_if(records.begin(), records.end(),
                                  [&](const RecordRow& row) { return row.Name == name; });
  if (named != records.end()) {
    if (score <= ScoreOf(*named)) return;
    named->ScoreText = std::to_string(score);
  } else {
    RecordRow& lastRow = records.back();
    if (score <= ScoreOf(lastRow)) return;
    lastRow.Name = name;
    lastRow.ScoreText = std::to_string(score);
  }
  SortAndNumber(records);
}

bool LimitPlayerRecords(std::array<RecordRow, 10>& records, const std::string& name,
                        int32_t score) {
  if (name == kDefaultRecordName) return false;
  bool changed = false;
  for (RecordRow& row : records) {
    if (row.Name == name && ScoreOf(row) > score) {
      row.ScoreText = std::to_string(score);
      changed = true;
    }
  }
  if (changed) SortAndNumber(records);
  return changed;
}
