#include "online/ScoreProtocol.h"

#include "online/TextCodec.h"

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
  std::string report = "type=0|name=" + playerName + "|score=" + std::to_string(score) +
                       "|key=X|p=" + token + "|add=" + extraText + "|z=";
  while (report.size() % 5 != 0) report += '0';
  return report;
}

std::string EncodeScoreReport(const std::string& paddedReport) {
  return BitsToSymbols(TextToBits(paddedReport));
}
