// brindle-score-server: the world high-score table of Brindle Karts.
//   brindle-score-server --db FILE|postgresql://… [--host 127.0.0.1] [--port 8711] [--rate N]
//                        [--connections N] [--message TEXT]
// --db names an SQLite file (created when missing) or a PostgreSQL connection string, which
// any number of servers may share. --port 0 takes any free port (the serving line names it).
// --rate is the number of requests each client address may make per minute (0: no limit);
// --connections the connections it may hold open at once (32; 0: no limit).
// Each request is logged on standard error in one line: time, address, request, verdict.
// SIGTERM or SIGINT stops it after the requests in progress; the database keeps every report.
#include <pthread.h>
#include <signal.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

#include "online/ScoreProtocol.h"
#include "tools/score-server/ScoreServer.h"

namespace {

struct Options {
  std::string Host = "127.0.0.1";
  int Port = 8711;
  ScoreServerConfig Server;
};

int Usage() {
  std::cerr << "usage: brindle-score-server --db FILE|postgresql://... [--host ADDRESS] "
               "[--port N] [--rate N] [--connections N] [--message TEXT]\n";
  return 2;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (i + 1 >= argc) return false;
    const std::string value = argv[++i];
    if (flag == "--db") {
      options.Server.DatabasePath = value;
    } else if (flag == "--host") {
      options.Host = value;
    } else if (flag == "--port") {
      options.Port = std::atoi(value.c_str());
    } else if (flag == "--rate") {
      options.Server.RequestsPerMinute = std::atoi(value.c_str());
    } else if (flag == "--connections") {
      options.Server.ConnectionsPerAddress = std::atoi(value.c_str());
    } else if (flag == "--message") {
      options.Server.Message = value;
    } else {
      return false;
    }
  }
  return !options.Server.DatabasePath.empty() && options.Port >= 0 && options.Port < 65536;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) return Usage();

  // Block the stop signals before any thread starts, so only the waiting thread sees them.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  try {
    ScoreServer server(options.Server);
    const int port = server.Bind(options.Host, options.Port);
    std::thread stopper([&] {
      int signal = 0;
      sigwait(&stopSignals, &signal);
      server.Stop();
    });
    std::cout << "brindle-score-server: serving http://" << options.Host << ":" << port
              << kScriptPath << "?" << HighScoreTableQuery() << std::endl;
    server.Run();
    // Run also returns when listening fails; wake the waiting thread either way.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    std::cout << "brindle-score-server: stopped" << std::endl;
  } catch (const std::exception& error) {
    std::cerr << "brindle-score-server: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
