// Any request value as a score report: the server's decoder never crashes, and what it
// accepts has a name and one of the server's tokens. An even first byte sends the rest as
// raw symbols; an odd one encodes the rest first, so the field parser sees arbitrary text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "online/ScoreProtocol.h"
#include "tools/score-server/ReportDecoder.h"
#include "tools/score-server/SessionToken.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (data[0] % 2 == 1) {
    while (input.size() % 5 != 0) input += '0';
    input = EncodeScoreReport(input);
  }
  const ReportDecodeResult result = DecodeScoreReport(input, 1600);
  if (result.Ok == !result.Error.empty()) std::abort();
  if (result.Ok && (result.Fields.Name.empty() || !IsSessionToken(result.Fields.Token))) {
    std::abort();
  }
  return 0;
}
