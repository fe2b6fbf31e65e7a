#include "tools/score-server/RateLimiter.h"

bool RateLimiter::Allow(const std::string& address, int64_t nowSeconds) {
  if (perMinute_ <= 0) return true;
  std::lock_guard<std::mutex> lock(mutex_);
  if (windows_.size() > kForgetAbove) {
    for (auto it = windows_.begin(); it != windows_.end();) {
      it = nowSeconds - it->second.Start >= 60 ? windows_.erase(it) : std::next(it);
    }
  }
  Window& window = windows_[address];
  if (nowSeconds - window.Start >= 60) window = {nowSeconds, 0};
  if (window.Count >= perMinute_) return false;
  ++window.Count;
  return true;
}
