#pragma once
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

// At most `perMinute` requests per client address in each minute (a fixed one-minute
// window per address); 0 lifts the limit. Safe to call from many threads. Memory stays
// bounded: addresses whose window has passed are forgotten when the table grows large.
class RateLimiter {
 public:
  explicit RateLimiter(int perMinute) : perMinute_(perMinute) {}

  // Counts the request and says whether it may be served; nowSeconds must not go back.
  bool Allow(const std::string& address, int64_t nowSeconds);

 private:
  struct Window {
    int64_t Start = 0;
    int Count = 0;
  };
  static constexpr size_t kForgetAbove = 10000;

  const int perMinute_;
  std::mutex mutex_;
  std::unordered_map<std::string, Window> windows_;
};
