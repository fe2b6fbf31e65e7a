#include "online/ScoreProtocol.h"

#include <gtest/gtest.h>

#include <string>

TEST(ScoreProtocol, VersionReplyIsAcceptedOnlyWhenItStartsWithUpperCaseOk) {
  const struct {
    const char* reply;
    bool accepted;
  } cases[] = {
      {"OK|1.0|1.0|hi|p|", true},
      {"OK", true},
      {"OKAY", true},
      {"ok|1.0|1.0|hi|p|", false},
      {"Ok|", false},
      {" OK|", false},
      {"", false},
      {"<html>OK</html>", false},
  };
  for (const auto& c : cases) EXPECT_EQ(VersionReplyAccepted(c.reply), c.accepted) << c.reply;
}

TEST(ScoreProtocol, TokenIsTheFifthBarTerminatedField) {
  const struct {
    const char* reply;
    const char* token;
  } cases[] = {
      {"OK|2.0|1.0|Welcome|f00d|", "f00d"},
      {"OK|2.0|1.0|Welcome|f00d|more|fields|", "f00d"},
      {"OK||||", ""},
      {"OK", ""},
      // The fifth field has no closing bar: that pass finds none and yields nothing.
      {"OK|2.0|1.0|Welcome|f00d", ""},
      {"OK|2.0|", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(VersionReplyToken(c.reply), c.token) << c.reply;
}

TEST(ScoreProtocol, ReportHasTheFieldsInOrderUnescapedAndPaddedToAMultipleOfFive) {
  const struct {
    const char* name;
    int32_t score;
    const char* token;
    const char* extra;
    const char* report;
  } cases[] = {
      // 39 characters: one "0" makes 40.
      {"Al", 0, "", "", "type=0|name=Al|score=0|key=X|p=|add=|z=0"},
      {"Ann", -150, "7", "", "type=0|name=Ann|score=-150|key=X|p=7|add=|z=0"},
      {"Ann", -15, "7", "", "type=0|name=Ann|score=-15|key=X|p=7|add=|z=00"},
      {"a|b=c", 2147483647, "tok",
       "x|z=", "type=0|name=a|b=c|score=2147483647|key=X|p=tok|add=x|z=|z=00"},
      // Windows-1251 bytes go in as they are.
      {"\xC8\xE2\xE0\xED", 5, "", "", "type=0|name=\xC8\xE2\xE0\xED|score=5|key=X|p=|add=|z=0000"},
      {"Bobby12", 12345, "ab", "", "type=0|name=Bobby12|score=12345|key=X|p=ab|add=|z="},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BuildScoreReport(c.name, c.score, c.token, c.extra), c.report) << c.name;
  }
}

TEST(ScoreProtocol, EncodedReportHasEightSymbolsForEveryFiveCharacters) {
  const std::string report = BuildScoreReport("Ann", -150, "7", "");
  const std::string encoded = EncodeScoreReport(report);
  EXPECT_EQ(encoded.size(), report.size() / 5 * 8);
  EXPECT_EQ(encoded.substr(0, 8), EncodeScoreReport("type="));
}
