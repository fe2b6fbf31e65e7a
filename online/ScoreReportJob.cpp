#include "online/ScoreReportJob.h"

#include "online/ScoreClient.h"

ScoreReportJob::~ScoreReportJob() {
  Cancel();
  Join();
}

void ScoreReportJob::Start(const std::string& serverAddress, const GameState& state) {
  Join();
  cancel_ = false;
  done_ = false;
  message_.reset();
  worker_ = std::thread([this, serverAddress, state] {
    ScoreClient client(http_, serverAddress, [this](const std::string& text) {
      const std::lock_guard<std::mutex> lock(messageMutex_);
      message_ = text;
    });
    client.SubmitScore(state, &cancel_);
    done_ = true;
  });
}

void ScoreReportJob::Cancel() {
  cancel_ = true;
}

bool ScoreReportJob::Finished() const {
  return done_ || cancel_;
}

std::optional<std::string> ScoreReportJob::Message() const {
  if (cancel_ || !done_) return std::nullopt;
  const std::lock_guard<std::mutex> lock(messageMutex_);
  return message_;
}

void ScoreReportJob::Join() {
  if (worker_.joinable()) worker_.join();
}
