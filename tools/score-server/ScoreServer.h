#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace httplib {
struct Request;
struct Response;
}  // namespace httplib
class GatedHttpServer;
class ScoreStore;

struct ScoreServerConfig {
  // The path of an SQLite file, or a postgresql:// connection string.
  std::string DatabasePath;
  int RequestsPerMinute = 60;  // per client address; 0 lifts the limit
  std::string ServerVersion = "1.0";
  std::string MinClientVersion = "1.0";
  std::string Message = "Welcome to the Brindle Karts world table";  // must not hold "|"
  size_t MaxReportSymbols = 1600;
  int64_t TokenLifetimeSeconds = 3600;
  // Open connections one client address may hold at once; 0 lifts the cap.
  int ConnectionsPerAddress = 32;
  // Time a connection has to deliver a whole request before it is closed.
  int RequestReadMilliseconds = 5000;
  // Wall-clock seconds; tests pass their own.
  std::function<int64_t()> NowSeconds;
  // Receives one line per request (and one per fault); the default writes to standard error.
  std::function<void(const std::string&)> Log;
};

// The score server behind "/cgi/version.pl": version requests hand out a session cookie and
// a token, reports spend that token once, and the world high-score page lists the best
// score of each name; "/health" says whether the database answers. Each request is read in
// full before one of a pool of threads serves it, and is logged in one line.
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
  void HandleHealth(httplib::Response& response);
  void LogRequest(const httplib::Request& request, const httplib::Response& response);

  ScoreServerConfig config_;
  std::unique_ptr<ScoreStore> store_;
  std::unique_ptr<GatedHttpServer> http_;
};
