#pragma once
#include <atomic>
#include <functional>
#include <string>

#include "core/GameState.h"
#include "platform/HttpClient.h"

// Shows a modal information box with one OK button (the window passes the platform's).
using InfoMessageBox = std::function<void(const std::string& text)>;

// Sends the player's score to the score server: a version request first, whose reply proves
// the server is there and supplies the value the report must echo, then the report.
class ScoreClient {
 public:
  ScoreClient(HttpClient& http, std::string serverAddress, InfoMessageBox showInformation);

  // Reads PlayerName, Score and ExtraText; changes nothing in the state. An unusable
  // version reply (no server, an HTTP error, a time-out, a reply not starting with "OK")
  // shows "Can't connect to server!" and sends nothing; a failed report is silent. Once
  // `cancel` (when given) is true, the requests end early and nothing is shown.
  void SubmitScore(const GameState& state, const std::atomic<bool>* cancel = nullptr);

 private:
  HttpClient& http_;
  std::string serverAddress_;
  InfoMessageBox showInformation_;
};
