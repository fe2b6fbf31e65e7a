#pragma once
#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/GameState.h"
#include "platform/HttpClient.h"

// One score report (ScoreClient::SubmitScore) on a thread of its own, so the caller keeps
// running while the server is slow, silent or endless; the HTTP time-outs and reply cap
// bound the report itself. The HttpClient is used by the job's thread only, from Start
// until that thread ends: nothing else may use it meanwhile.
class ScoreReportJob {
 public:
  explicit ScoreReportJob(HttpClient& http) : http_(http) {}
  // Cancels a report still running and waits for its thread (about a second at most).
  ~ScoreReportJob();
  ScoreReportJob(const ScoreReportJob&) = delete;
  ScoreReportJob& operator=(const ScoreReportJob&) = delete;

  // Sends the name, score and options text of `state` (copied) to serverAddress. The thread
  // of an earlier, cancelled report is waited for first.
  void Start(const std::string& serverAddress, const GameState& state);
  // Stops waiting: the job is Finished at once and gives no message; its thread ends
  // within about a second.
  void Cancel();
  // Whether the last report ended: sent, failed or cancelled (true before any Start).
  bool Finished() const;
  // Once Finished: what to tell the player ("Can't connect to server!"), or nothing.
  std::optional<std::string> Message() const;

 private:
  void Join();

  HttpClient& http_;
  std::thread worker_;
  std::atomic<bool> cancel_{false};
  std::atomic<bool> done_{true};
  mutable std::mutex messageMutex_;
  std::optional<std::string> message_;
};
