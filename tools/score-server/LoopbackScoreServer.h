#pragma once
#include <string>
#include <thread>

#include "tools/score-server/ScoreServer.h"

// A score server on a free port of 127.0.0.1, serving from a thread of its own for as long
// as the object lives; for tests and benchmarks that run the real server in-process.
class LoopbackScoreServer {
 public:
  explicit LoopbackScoreServer(ScoreServerConfig config);
  ~LoopbackScoreServer();
  LoopbackScoreServer(const LoopbackScoreServer&) = delete;
  LoopbackScoreServer& operator=(const LoopbackScoreServer&) = delete;

  int Port() const { return port_; }
  // "http://127.0.0.1:<port>", the form the game's server setting takes.
  std::string Address() const;

 private:
  ScoreServer server_;
  int port_;
  std::thread thread_;
};
