#pragma once
#include <cstdint>
#include <optional>
#include <string>

// How hard the computer cars drive. Normal is the game as it always was; the others change
// the computer cars' driving only, and scale the prizes so that scores stay comparable.
enum class Difficulty : uint8_t { Easy, Normal, Hard };

constexpr int kDifficultyCount = 3;

// The option's word in the settings file: "easy", "normal", "hard".
const char* DifficultyWord(Difficulty level);
// The level a word names; none for anything else.
std::optional<Difficulty> DifficultyFromWord(const std::string& word);
// The name the player reads (Windows-1251): "Лёгкая", "Обычная", "Трудная".
const char* DifficultyName(Difficulty level);
// A place's prize at this level: x0.5, x1, x1.5, rounded down.
int32_t ScaledPrize(int32_t prize, Difficulty level);
// The next level round the three, for a switch that steps through them.
Difficulty NextDifficulty(Difficulty level);
