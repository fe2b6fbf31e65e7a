#include "core/Difficulty.h"

#include "core/GameTexts.h"

namespace {

struct LevelText {
  const char* Word;
  GameText Name;
};

constexpr LevelText kLevels[kDifficultyCount] = {
    {"easy", GameText::DifficultyEasy},
    {"normal", GameText::DifficultyNormal},
    {"hard", GameText::DifficultyHard},
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
  return TextOf(kLevels[static_cast<int>(level)].Name);
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
