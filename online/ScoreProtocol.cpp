#include "online/ScoreProtocol.h"

#include "online/TextCodec.h"

namespace {

std::string ProgramParam() {
  return std::string(kProgramParam) + "=" + kProgramName;
}

}  // namespace

std::string VersionRequestQuery() {
  return std::string(kVersionRequest) + "&" + ProgramParam();
}

std::string ScoreReportQuery(const std::string& encodedReport) {
  return std::string(kReportRequest) + "&" + ProgramParam() + "&" + kReportParam + "=" +
         encodedReport;
}

std::string HighScoreTableQuery(int64_t page) {
  std::string query =
      ProgramParam() + "&" + kTableRequest + "&" + kTableTypeParam + "=" + kTableType;
  if (page > 0) query += std::string("&") + kTablePageParam + "=" + std::to_string(page);
  return query;
}

std::string ShortReply(const char* verdict, const std::string& field) {
  return std::string(verdict) + "|" + field + "|";
}

std::string VersionReply(const std::string& serverVersion, const std::string& minClientVersion,
                         const std::string& message, const std::string& token) {
  return std::string(kAccepted) + "|" + serverVersion + "|" + minClientVersion + "|" + message +
         "|" + token + "|";
}

bool VersionReplyAccepted(const std::string& reply) {
  return reply.rfind(kAccepted, 0) == 0;
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
