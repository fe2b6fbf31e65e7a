#include "online/ExitPageFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ExitPage TwoButtonPage() {
  ExitPage page;
  page.Background = "wdata\\bg.png";
  page.Links.push_back({10, 20, 30, 40, 100, 50, "wdata\\n1.png", "wdata\\h1.png", "site.url"});
  page.Exit = ExitPageExitButton{{200, 210, 220, 230, 80, 40, "wdata\\n2.png", "wdata\\h2.png", ""},
                                 240,
                                 250,
                                 "wdata\\w2.png"};
  page.CountdownX = 400;
  page.CountdownY = -300;
  page.CountdownSeconds = 3;
  page.CountdownColour = {255, 214, 102};
  page.CountdownFontSize = 30;
  return page;
}

// Every value of a page, in one list, so that two pages compare field by field.
std::vector<std::string> Fields(const ExitPage& page) {
  std::vector<std::string> fields = {page.Background};
  const auto add = [&fields](std::initializer_list<int32_t> values) {
    for (const int32_t value : values) fields.push_back(std::to_string(value));
  };
  const auto addButton = [&](const ExitPageButton& b) {
    add({b.HoverX, b.HoverY, b.X, b.Y, b.Width, b.Height});
    fields.insert(fields.end(), {b.NormalPicture, b.HoverPicture, b.FileToOpen});
  };
  for (const ExitPageButton& link : page.Links) addButton(link);
  if (page.Exit) {
    addButton(page.Exit->Button);
    add({page.Exit->WaitX, page.Exit->WaitY});
    fields.push_back(page.Exit->WaitPicture);
  } else {
    fields.push_back("no exit button");
  }
  add({page.CountdownX, page.CountdownY, page.CountdownSeconds, page.CountdownColour[0],
       page.CountdownColour[1], page.CountdownColour[2]});
  fields.push_back(page.CountdownFontSize ? std::to_string(*page.CountdownFontSize) : "FALSE");
  return fields;
}

TEST(ExitPageFile, AWrittenPageReadsBackAsWritten) {
  ExitPage withoutFontSize = TwoButtonPage();
  withoutFontSize.CountdownFontSize.reset();
  ExitPage withZeroFontSize = TwoButtonPage();
  withZeroFontSize.CountdownFontSize = 0;
  ExitPage withoutButtons = TwoButtonPage();
  withoutButtons.Links.clear();
  withoutButtons.Exit.reset();
  ExitPage threeLinks = TwoButtonPage();
  threeLinks.Links.resize(3, threeLinks.Links[0]);
  threeLinks.Links[2].FileToOpen = "other.url";

  for (const ExitPage& written :
       {TwoButtonPage(), withoutFontSize, withZeroFontSize, withoutButtons, threeLinks}) {
    const std::string text = ExitPageFileText(written);
    const ExitPageReadResult read = ReadExitPage(text);
    ASSERT_TRUE(read.Page) << read.Problem << "\n" << text;
    EXPECT_EQ(Fields(*read.Page), Fields(written)) << text;
  }
}

TEST(ExitPageFile, TheWrittenFileHasCrLfLinesAndZerosForTheUnusedNumbers) {
  const std::string text = ExitPageFileText(TwoButtonPage());
  EXPECT_EQ(text.substr(0, 37), "2\r\nwdata\\bg.png\r\n10 20 0 0\r\n30 40 100");
  EXPECT_EQ(text.substr(text.size() - 10), "TRUE\r\n30\r\n");
}

TEST(ExitPageFile, ReadingToleratesLfLinesLeadingSpacesAndTextAfterTheNumbers) {
  const ExitPageReadResult read =
      ReadExitPage("0\n  bg.png\n400 300 centre\n+2\n1 2 3 4\nno\nignored after the end");
  ASSERT_TRUE(read.Page) << read.Problem;
  EXPECT_EQ(Fields(*read.Page), std::vector<std::string>({"bg.png", "no exit button", "400", "300",
                                                          "2", "1", "2", "3", "FALSE"}));
}

TEST(ExitPageFile, DamagedTextNamesTheLineAndIsNotRead) {
  const std::string good = ExitPageFileText(TwoButtonPage());
  const auto replaced = [&good](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const struct {
    const char* what;
    std::string text;
    const char* problem;
  } cases[] = {
      {"empty file", "", "line 1 is missing"},
      {"cut after the background", good.substr(0, good.find("10 20")), "line 3 is missing"},
      {"cut before the font size", good.substr(0, good.size() - 4), "line 18 is missing"},
      {"count beyond the lines", replaced("2\r\n", "2000000000\r\n"), "line 13"},
      {"empty line", replaced("wdata\\bg.png", "  "), "line 2 is empty"},
      {"letter for a number", replaced("30 40 100", "30 x 100"), "line 4 \"30 x 100 50\""},
      {"too few numbers", replaced("30 40 100 50", "30 40 100"), "line 4"},
      {"two spaces", replaced("30 40 100", "30  40 100"), "line 4"},
      {"beyond 32 bits", replaced("2\r\n", "2147483648\r\n"), "line 1"},
      {"sign alone", replaced("400 -300", "400 -"), "line 14"},
  };
  for (const auto& c : cases) {
    const ExitPageReadResult read = ReadExitPage(c.text);
    EXPECT_FALSE(read.Page) << c.what;
    EXPECT_NE(read.Problem.find(c.problem), std::string::npos) << c.what << ": " << read.Problem;
  }
}

}  // namespace
