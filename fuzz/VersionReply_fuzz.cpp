// Any bytes as a version reply: the client's parsing never crashes, the token it takes is a
// bar-free piece of the reply, and the report built with it stays a whole number of
// 5-character groups that encode to 8 symbols each.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "online/ScoreProtocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string reply(reinterpret_cast<const char*>(data), size);
  if (!VersionReplyAccepted(reply)) return 0;
  const std::string token = VersionReplyToken(reply);
  if (token.find('|') != std::string::npos) std::abort();
  if (!token.empty() && reply.find(token + "|") == std::string::npos) std::abort();

  const std::string report = BuildScoreReport("Ann", -1, token, reply);
  if (report.size() % 5 != 0) std::abort();
  if (EncodeScoreReport(report).size() != report.size() / 5 * 8) std::abort();
  return 0;
}
