#include "online/ScoreClient.h"

#include <utility>

#include "online/ScoreProtocol.h"
#include "online/ScoreServerAddress.h"

ScoreClient::ScoreClient(HttpClient& http, std::string serverAddress,
                         InfoMessageBox showInformation)
    : http_(http),
      serverAddress_(std::move(serverAddress)),
      showInformation_(std::move(showInformation)) {}

void ScoreClient::SubmitScore(const GameState& state, const std::atomic<bool>* cancel) {
  // Any failure, an HTTP error status included, leaves the reply empty.
  const HttpResult version = http_.Get(VersionRequestUrl(serverAddress_), cancel);
  const std::string reply = version.Ok ? version.Body : std::string();
  if (!VersionReplyAccepted(reply)) {
    if (cancel == nullptr || !cancel->load()) showInformation_("Can't connect to server!");
    return;
  }
  const std::string report =
      BuildScoreReport(state.PlayerName, state.Score, VersionReplyToken(reply), state.ExtraText);
  // The report's reply carries nothing the game uses, and a failed report is silent.
  http_.Get(ScoreReportUrl(serverAddress_, EncodeScoreReport(report)), cancel);
}
