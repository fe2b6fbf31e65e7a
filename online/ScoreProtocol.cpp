#include "online/ScoreProtocol.h"

#include "online/TextCodec.h"

std::string VersionReply(const std::string& serverVersion, const std::string& minClientVersion,
                         const std::string& message, const std::string& token) {
  return "OK|" + serverVersion + "|" + minClientVersion + "|" + message + "|" + token + "|";
}

bool VersionReplyAccepted(const std::string& reply) {
  return reply.rfind("OK", 0) == 0;
}

std::string VersionReplyToken(const std::string& reply) {
  std::string rest = reply;
  std::string field;
  for (int pass = 0; pass < 5; ++pass) {
    const size_t bar = rest.find('|');
    if (bar == std::string::npos) {
      field.clear();
      continue;
    }
    field = rest.substr(0, bar);
    rest.erase(0, bar + 1);
  }
  return field;
}

std::string BuildScoreReport(const std::string& playerName, int32_t score, const std::string& token,
                             const std::string& extraText) {
  std::string report = kReportHead + playerName + kReportScoreField + std::to_string(score) +
                       kReportTokenField + token + kReportExtraField + extraText + kReportTail;
  while (report.size() % kReportBlock != 0) report += kReportPadding;
  return report;
}

std::string EncodeScoreReport(const std::string& paddedReport) {
  return BitsToSymbols(TextToBits(paddedReport));
}
