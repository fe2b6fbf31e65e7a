#include "core/Difficulty.h"

namespace {

struct LevelText {
  const char* Word;
  const char* Name;
};

constexpr LevelText kLevels[kDifficultyCount] = {
    {"easy", "\xCB\xB8\xE3\xEA\xE0\xFF"},
    {"normal", "\xCE\xE1\xFB\xF7\xED\xE0\xFF"},
    {"hard", "\xD2\xF0\xF3\xE4\xED\xE0\xFF"},
};

}  // namespace

const char* DifficultyWord(Difficulty level) {
  return kLevels[static_cast<int>(level)].Word;
}

std::optional<Difficulty> DifficultyFromWord(const std::string& word) {
  for (int i = 0; i < kDifficultyCount; ++i) {
    if (word == kLevels[i].Word) return static_cast<Difficulty>(i);
  }
  return std::nullopt;
}

const char* DifficultyName(Difficulty level) {
  return kLevels[static_cast<int>(level)].Name;
}

int32_t ScaledPrize(int32_t prize, Difficulty level) {
  switch (level) {
    case Difficulty::Easy:
      return prize / 2;
    case Difficulty::Normal:
      return prize;
    case Difficulty::Hard:
      return prize + prize / 2;
  }
  return prize;
}

Difficulty NextDifficulty(Difficulty level) {
  return static_cast<Difficulty>((static_cast<int>(level) + 1) % kDifficultyCount);
}
