#include "tools/score-server/ReportDecoder.h"

#include <gtest/gtest.h>

#include "online/ScoreProtocol.h"

namespace {

constexpr size_t kMaxSymbols = 1600;
const std::string kToken = "00112233445566778899aabbccddeeff";

// Pads and encodes a report text the way the game does, whatever it holds.
std::string Encoded(std::string text) {
  while (text.size() % 5 != 0) text += '0';
  return EncodeScoreReport(text);
}

}  // namespace

TEST(ReportDecoder, FieldsComeOutExactlyAsSentEvenWithSeparatorsInThem) {
  const struct {
    std::string name;
    int32_t score;
    std::string extra;
    std::string utf8Name;
    std::string utf8Extra;
  } cases[] = {
      {"Ann", 0, "", "Ann", ""},
      {"\xC8\xE2\xE0\xED", -120, "\xEA\xEE\xEC", "Иван", "ком"},
      {"a|b=c", 2147483647, "x|z=", "a|b=c", "x|z="},
      {"x|score=5", -2147483647 - 1, "|add=|z=", "x|score=5", "|add=|z="},
      {"|key=X|p=", 1, "|key=X|p=", "|key=X|p=", "|key=X|p="},
      {"name0", 10, "text00", "name0", "text00"},
      {"<script>", 3, "=", "<script>", "="},
  };
  for (const auto& c : cases) {
    const ReportDecodeResult result = DecodeScoreReport(
        EncodeScoreReport(BuildScoreReport(c.name, c.score, kToken, c.extra)), kMaxSymbols);
    ASSERT_TRUE(result.Ok) << c.utf8Name << ": " << result.Error;
    EXPECT_EQ(result.Fields.Name, c.utf8Name);
    EXPECT_EQ(result.Fields.Score, c.score);
    EXPECT_EQ(result.Fields.Token, kToken);
    EXPECT_EQ(result.Fields.ExtraText, c.utf8Extra);
  }
}

TEST(ReportDecoder, MalformedReportsAreRefusedWithAReason) {
  const std::string field = "|key=X|p=" + kToken + "|add=";
  const struct {
    const char* what;
    std::string symbols;
    std::string reason;
  } cases[] = {
      {"empty", "", "empty report"},
      {"too long", std::string(1608, 'A'), "report too long"},
      {"cut short", "ABCDEFG", "report length is not a multiple of 8 symbols"},
      {"letter outside the alphabet", "ABCDEFGI", "unknown symbol at position 7"},
      {"lower case", "abcdefgh", "unknown symbol at position 0"},
      {"nothing but padding", Encoded("00000"), "bad padding"},
      {"zero bytes", "AAAAAAAA", "report does not have the form type=0|name=...|z="},
      {"too much padding", Encoded("type=0|name=a|score=1" + field + "|z=00000"), "bad padding"},
      {"other type", Encoded("type=1|name=a|score=1" + field + "|z="),
       "report does not have the form type=0|name=...|z="},
      {"no end field", Encoded("type=0|name=a|score=1" + field + "x"),
       "report does not have the form type=0|name=...|z="},
      {"no token", Encoded("type=0|name=a|score=1|key=X|p=|add=|z="), "no key=X|p=<token> field"},
      {"short token", Encoded("type=0|name=a|score=1|key=X|p=abc|add=|z="),
       "no key=X|p=<token> field"},
      {"two token fields", Encoded("type=0|name=a|score=1" + field + "b" + field + "|z="),
       "ambiguous report: more than one token field"},
      {"no score", Encoded("type=0|name=a" + field + "|z="), "no score field"},
      {"score with letters", Encoded("type=0|name=a|score=12a" + field + "|z="),
       "score is not a 32-bit decimal integer"},
      {"score too big", Encoded("type=0|name=a|score=2147483648" + field + "|z="),
       "score is not a 32-bit decimal integer"},
      {"empty score", Encoded("type=0|name=a|score=" + field + "|z="),
       "score is not a 32-bit decimal integer"},
      {"empty name", Encoded("type=0|name=|score=1" + field + "|z="), "empty name"},
      {"control character", Encoded("type=0|name=a\tb|score=1" + field + "|z="),
       "name holds a control character"},
      {"byte 1251 leaves undefined", Encoded("type=0|name=a|score=1" + field + "\x98|z="),
       "add text is not Windows-1251 text"},
  };
  for (const auto& c : cases) {
    const ReportDecodeResult result = DecodeScoreReport(c.symbols, kMaxSymbols);
    EXPECT_FALSE(result.Ok) << c.what;
    EXPECT_EQ(result.Error, c.reason) << c.what;
  }
}
