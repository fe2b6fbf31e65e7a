#include "tools/score-server/ReportDecoder.h"

#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "online/ScoreProtocol.h"
#include "online/TextCodec.h"
#include "platform/Cp1251.h"
#include "tools/score-server/SessionToken.h"

namespace {

constexpr std::string_view kHead = kReportHead;
constexpr std::string_view kScoreField = kReportScoreField;
constexpr std::string_view kTokenField = kReportTokenField;
constexpr std::string_view kExtraField = kReportExtraField;
constexpr std::string_view kTail = kReportTail;

ReportDecodeResult Refused(std::string reason) {
  ReportDecodeResult result;
  result.Error = std::move(reason);
  return result;
}

std::optional<std::string> FirstUnknownSymbol(const std::string& symbols) {
  if (SymbolsToBits(symbols).size() == symbols.size() * 5) return std::nullopt;
  for (size_t i = 0; i < symbols.size(); ++i) {
    if (SymbolsToBits(symbols.substr(i, 1)).empty()) {
      return "unknown symbol at position " + std::to_string(i);
    }
  }
  return std::nullopt;
}

std::optional<int32_t> ParseScore(const std::string& text) {
  const size_t digitsFrom = (!text.empty() && text[0] == '-') ? 1 : 0;
  if (text.size() == digitsFrom || text.size() > digitsFrom + 10) return std::nullopt;
  int64_t value = 0;
  for (size_t i = digitsFrom; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  if (digitsFrom == 1) value = -value;
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

// Every place where "|key=X|p=" is followed by a token and "|add=".
std::vector<size_t> TokenFieldPositions(const std::string& body) {
  std::vector<size_t> found;
  for (size_t at = body.find(kTokenField); at != std::string::npos;
       at = body.find(kTokenField, at + 1)) {
    const size_t tokenAt = at + kTokenField.size();
    if (IsSessionToken(body.substr(tokenAt, kSessionTokenLength)) &&
        body.compare(tokenAt + kSessionTokenLength, kExtraField.size(), kExtraField) == 0) {
      found.push_back(at);
    }
  }
  return found;
}

bool HasControlCharacter(const std::string& text) {
  for (unsigned char c : text) {
    if (c < 0x20 || c == 0x7F) return true;
  }
  return false;
}

// A free-text field, checked and converted to UTF-8.
std::optional<std::string> TextField(const std::string& raw, const std::string& what,
                                     std::string& error) {
  if (HasControlCharacter(raw)) {
    error = what + " holds a control character";
    return std::nullopt;
  }
  std::optional<std::string> utf8 = Cp1251ToUtf8Exact(raw);
  if (!utf8) error = what + " is not Windows-1251 text";
  return utf8;
}

}  // namespace

ReportDecodeResult DecodeScoreReport(const std::string& symbols, size_t maxSymbols) {
  if (symbols.empty()) return Refused("empty report");
  if (symbols.size() > maxSymbols) return Refused("report too long");
  if (symbols.size() % 8 != 0) return Refused("report length is not a multiple of 8 symbols");
  if (auto unknown = FirstUnknownSymbol(symbols)) return Refused(*unknown);

  std::string text = BitsToText(SymbolsToBits(symbols));
  // The text before the padding ends in "=", so every trailing "0" is padding.
  const size_t lastBeforePadding = text.find_last_not_of(kReportPadding);
  if (lastBeforePadding == std::string::npos ||
      text.size() - 1 - lastBeforePadding >= kReportBlock) {
    return Refused("bad padding");
  }
  text.resize(lastBeforePadding + 1);
  if (text.size() < kHead.size() + kTail.size() || text.compare(0, kHead.size(), kHead) != 0 ||
      text.compare(text.size() - kTail.size(), kTail.size(), kTail) != 0) {
    return Refused("report does not have the form type=0|name=...|z=");
  }
  const std::string body = text.substr(kHead.size(), text.size() - kHead.size() - kTail.size());

  const std::vector<size_t> tokenFields = TokenFieldPositions(body);
  if (tokenFields.empty()) return Refused("no key=X|p=<token> field");
  if (tokenFields.size() > 1) return Refused("ambiguous report: more than one token field");
  const size_t tokenField = tokenFields.front();

  const std::string nameAndScore = body.substr(0, tokenField);
  const size_t scoreField = nameAndScore.rfind(kScoreField);
  if (scoreField == std::string::npos) return Refused("no score field");
  const std::optional<int32_t> score =
      ParseScore(nameAndScore.substr(scoreField + kScoreField.size()));
  if (!score) return Refused("score is not a 32-bit decimal integer");

  const std::string rawName = nameAndScore.substr(0, scoreField);
  if (rawName.empty()) return Refused("empty name");
  const size_t tokenAt = tokenField + kTokenField.size();
  const std::string rawExtra = body.substr(tokenAt + kSessionTokenLength + kExtraField.size());

  ReportDecodeResult result;
  std::optional<std::string> name = TextField(rawName, "name", result.Error);
  if (!name) return result;
  std::optional<std::string> extra = TextField(rawExtra, "add text", result.Error);
  if (!extra) return result;
  result.Ok = true;
  result.Fields.Name = std::move(*name);
  result.Fields.Score = *score;
  result.Fields.Token = body.substr(tokenAt, kSessionTokenLength);
  result.Fields.ExtraText = std::move(*extra);
  return result;
}
