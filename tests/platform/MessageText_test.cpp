// Message texts broken into lines that fit the screen.
#include "platform/MessageText.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

TEST(MessageText, LinesWrapAtSpacesAndLongPathsBreakAfterASlash) {
  const struct {
    const char* What;
    std::string Text;
    std::vector<std::string> Lines;
  } cases[] = {
      {"short lines stay", "Could not read\nthe file.", {"Could not read", "the file."}},
      {"a long sentence wraps at spaces",
       "The game goes on with the default options, name and records, as if it were the first "
       "start.",
       {"The game goes on with the default options, name and records,",
        "as if it were the first start."}},
      {"a long path breaks after its last slash that fits",
       "/home/player/.local/share/brindle-karts/some/deeper/folder/Configdat.cfg.damaged",
       {"/home/player/.local/share/brindle-karts/some/deeper/folder/", "Configdat.cfg.damaged"}},
      {"a word without slashes is cut at the line's end",
       std::string(70, 'x'),
       {std::string(60, 'x'), std::string(10, 'x')}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    EXPECT_EQ(Lines(FitMessageText(c.Text)), c.Lines);
  }
}

TEST(MessageText, PastFifteenLinesTheLastSaysHowManyMore) {
  std::string text;
  for (int n = 1; n <= 40; ++n) text += "line " + std::to_string(n) + "\n";
  const std::vector<std::string> lines = Lines(FitMessageText(text));
  ASSERT_EQ(lines.size(), kMessageLines);
  EXPECT_EQ(lines[13], "line 14");
  EXPECT_EQ(lines[14], "... and 26 more lines");
  for (const std::string& line : Lines(FitMessageText(std::string(5000, 'y')))) {
    EXPECT_LE(line.size(), kMessageColumns);
  }
  EXPECT_EQ(FitMessageText(text.substr(0, text.find("line 3"))), "line 1\nline 2");
}
