#pragma once
#include <atomic>
#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

// Outcome of one request. Ok only for a completed exchange with a 2xx status; a refused
// connection, a time-out or any other status is a failure with a readable Error.
struct HttpResult {
  bool Ok = false;
  long Status = 0;  // 0 when no HTTP reply arrived
  std::string Body;
  std::string Error;
};

struct HttpTimeouts {
  std::chrono::milliseconds Connect{5000};
  // The whole request, connection included: a server that accepts but never answers
  // cannot hold the caller longer than this.
  std::chrono::milliseconds Total{10000};
};

// A reply body longer than this ends the request as failed: no reply the game reads comes
// near it, and an endless one must not fill the memory.
constexpr std::size_t kMaxReplyBytes = 64 * 1024;

// The game's HTTP client: one connection handle for the whole run, so cookies set by a
// server stay in memory and go back with every later request. Every request carries the
// game's fixed headers and never goes through a proxy. Not thread-safe: one caller at a time.
class HttpClient {
 public:
  explicit HttpClient(HttpTimeouts timeouts = {});
  ~HttpClient();
  HttpClient(const HttpClient&) = delete;
  HttpClient& operator=(const HttpClient&) = delete;

  // Blocking GET; never throws. When `cancel` is given and becomes true, the request ends
  // as failed within about a second (libcurl checks it at least once a second).
  HttpResult Get(const std::string& url, const std::atomic<bool>* cancel = nullptr);

 private:
  struct Handle;
  std::unique_ptr<Handle> handle_;
};
