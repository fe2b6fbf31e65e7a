#pragma once
#include <atomic>
#include <string>
#include <thread>

// Loopback servers that misbehave, for the failure paths of the score report.

// A loopback socket that is bound but, as asked, either refuses connections or accepts
// them into its backlog and never says a word.
class DeadEndSocket {
 public:
  explicit DeadEndSocket(bool listens);
  ~DeadEndSocket();
  DeadEndSocket(const DeadEndSocket&) = delete;
  DeadEndSocket& operator=(const DeadEndSocket&) = delete;
  std::string Address() const;
  int Fd() const { return fd_; }

 private:
  int fd_;
  int port_ = 0;
};

// Answers every request with a 200 status and a body that never ends, for as long as the
// client reads.
class EndlessReplyServer {
 public:
  EndlessReplyServer();
  ~EndlessReplyServer();
  EndlessReplyServer(const EndlessReplyServer&) = delete;
  EndlessReplyServer& operator=(const EndlessReplyServer&) = delete;
  std::string Address() const { return socket_.Address(); }

 private:
  DeadEndSocket socket_;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

// The resident memory of this process, in bytes.
long ResidentBytes();
