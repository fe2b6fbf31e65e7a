#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib
class RateLimiter;
class ScoreStore;

struct ScoreServerConfig {
  std::string DatabasePath;
  int RequestsPerMinute = 60;  // per client address; 0 lifts the limit
  std::string ServerVersion = "1.0";
  std::string MinClientVersion = "1.0";
  std::string Message = "Welcome to the Brindle Karts world table";  // must not hold "|"
  size_t MaxReportSymbols = 1600;
  int64_t TokenLifetimeSeconds = 3600;
  // Wall-clock seconds; tests pass their own.
  std::function<int64_t()> NowSeconds;
};

// The score server behind "/cgi/version.pl": version requests hand out a session cookie and
// a token, reports spend that token once, and the world high-score page lists the best
// score of each name. Requests are served on a pool of threads.
class ScoreServer {
 public:
  // Opens (or creates) the database; throws std::runtime_error when it cannot.
  explicit ScoreServer(ScoreServerConfig config);
  ~ScoreServer();
  ScoreServer(const ScoreServer&) = delete;
  ScoreServer& operator=(const ScoreServer&) = delete;

  // Binds the listening socket; port 0 picks a free one. Returns the port; throws on failure.
  int Bind(const std::string& host, int port);
  // Serves until Stop; requests in progress are finished before it returns.
  void Run();
  // Callable from any thread (a signal-waiting thread included).
  void Stop();

 private:
  void Handle(const httplib::Request& request, httplib::Response& response);
  void HandleVersion(const httplib::Request& request, httplib::Response& response);
  void HandleReport(const httplib::Request& request, httplib::Response& response);
  void HandlePage(const httplib::Request& request, httplib::Response& response);

  ScoreServerConfig config_;
  std::unique_ptr<ScoreStore> store_;
  std::unique_ptr<RateLimiter> limiter_;
  std::unique_ptr<httplib::Server> http_;
};
