#include "tools/score-server/LoopbackScoreServer.h"

LoopbackScoreServer::LoopbackScoreServer(ScoreServerConfig config)
    : server_(std::move(config)),
      port_(server_.Bind("127.0.0.1", 0)),
      // The socket listens from Bind on, so clients may connect before the thread runs.
      thread_([this] { server_.Run(); }) {}

LoopbackScoreServer::~LoopbackScoreServer() {
  server_.Stop();
  thread_.join();
}

std::string LoopbackScoreServer::Address() const {
  return "http://127.0.0.1:" + std::to_string(port_);
}
