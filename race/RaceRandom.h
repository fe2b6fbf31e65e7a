#pragma once
#include <cstdint>
#include <random>

// The one random source of the race world. Its owner seeds it (from the clock in the game,
// with a fixed number in tests), so a seeded race is repeatable draw for draw.
class RaceRandom {
 public:
  explicit RaceRandom(uint32_t seed) : engine_(seed) {}

  // Uniform integer in low..high, both included (low <= high).
  int Between(int low, int high) {
    const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(high) - low + 1);
    return static_cast<int>(low + static_cast<int64_t>((engine_() * span) >> 32));
  }

 private:
  std::mt19937 engine_;
};
