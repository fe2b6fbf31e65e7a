#include "platform/Clock.h"

#include <chrono>

// steady_clock is the machine's monotonic high-resolution counter on every target we build.
RealClock::RealClock()
    : frequency_(static_cast<int64_t>(std::chrono::steady_clock::period::den /
                                      std::chrono::steady_clock::period::num)) {}

int64_t RealClock::Now() const {
  return static_cast<int64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}
