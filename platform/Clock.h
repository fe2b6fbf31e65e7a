#pragma once
#include <cstdint>

// A monotonic tick source. The game reads time only through this interface, so a test or
// the headless harness can drive every timer from a VirtualClock.
class Clock {
 public:
  virtual ~Clock() = default;
  // Ticks per second; constant for the clock's lifetime.
  virtual int64_t Frequency() const = 0;
  // Current reading in ticks; never decreases.
  virtual int64_t Now() const = 0;
};

// The high-resolution counter of the machine.
class RealClock final : public Clock {
 public:
  RealClock();
  int64_t Frequency() const override { return frequency_; }
  int64_t Now() const override;

 private:
  int64_t frequency_;
};

// A clock that moves only when told to: microsecond ticks, starting at 0.
class VirtualClock final : public Clock {
 public:
  static constexpr int64_t kTicksPerSecond = 1'000'000;
  int64_t Frequency() const override { return kTicksPerSecond; }
  int64_t Now() const override { return now_; }
  void Advance(int64_t ticks) { now_ += ticks; }
  void AdvanceSeconds(double seconds) { now_ += static_cast<int64_t>(seconds * kTicksPerSecond); }

 private:
  int64_t now_ = 0;
};
