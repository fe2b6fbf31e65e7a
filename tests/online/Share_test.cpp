#include "online/Share.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "engine/graphics/KaltoFont.h"
#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/PngCodec.h"
#include "online/GoToLink.h"
#include "platform/GamePaths.h"

namespace fs = std::filesystem;

namespace {

// The lines of a valid page with a link button and the exit button.
std::vector<std::string> ValidLines() {
  return {
      "2",                // 0
      "wdata\\bg.png",    // 1
      "10 20 0 0",        // 2  link button: hover picture at 10,20
      "30 40 100 50",     // 3  normal picture and clickable box
      "wdata\\n1.png",    // 4
      "wdata\\h1.png",    // 5
      "website.url",      // 6  its file
      "  200 210 7 7",    // 7  exit button, with leading spaces
      "  220 230 80 40",  // 8
      "  240 250 9 9",    // 9  waiting picture at 240,250
      "wdata\\n2.png",    // 10
      "wdata\\h2.png",    // 11
      "wdata\\w2.png",    // 12
      "400 300 centre",   // 13 text after the numbers is ignored
      "3",                // 14 countdown length
      "255 0 0",          // 15 colour numbers
      "FALSE",            // 16 no font size line
  };
}

class ShareTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previousRoots_ = CurrentGameRoots();
    root_ = fs::temp_directory_path() / ("bk-share-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "wdata");
    SetGameRoots({root_, root_});
    for (const char* name : {"bg", "n1", "h1", "n2", "h2", "w2"}) WritePicture(name);
    std::ofstream(root_ / "website.url") << "[InternetShortcut]\nURL=http://records.example/\n";
  }
  void TearDown() override {
    SetLinkOpener(nullptr);
    SetGameRoots(previousRoots_);
    fs::remove_all(root_);
  }

  void WritePicture(const std::string& name) {
    PixelImage image{4, 3, std::vector<uint8_t>(4 * 3 * 4, 200)};
    const std::vector<uint8_t> png = EncodePng(image);
    std::ofstream(root_ / "wdata" / (name + ".png"), std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  }

  void WriteConfig(const std::vector<std::string>& lines, const char* lineEnd = "\n") {
    std::ofstream out(root_ / "wdata" / "config.ini", std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) out << line << lineEnd;
  }

  TShareScreen& Load(const std::vector<std::string>& lines, const char* lineEnd = "\n") {
    WriteConfig(lines, lineEnd);
    screen_.Load();
    return screen_;
  }

  GameRoots previousRoots_;
  fs::path root_;
  TKaltoImageList list_;
  TKaltoFont font_;
  TShareScreen screen_{list_, font_};
};

TEST_F(ShareTest, AValidFileGivesTheButtonsPicturesCountdownAndFont) {
  const TShareScreen& page = Load(ValidLines(), "\r\n");
  ASSERT_TRUE(page.Valid);
  ASSERT_EQ(page.PromoButtons.size(), 2u);

  const TShareScreen::TButton& link = page.PromoButtons[0];
  EXPECT_EQ(link.FileToOpen, "website.url");
  EXPECT_FALSE(link.IsExit());
  EXPECT_TRUE(link.Enabled);
  EXPECT_EQ(std::vector<int>({link.HoverX, link.HoverY, link.X, link.Y, link.Width, link.Height}),
            std::vector<int>({10, 20, 30, 40, 100, 50}));

  const TShareScreen::TButton& exit = page.PromoButtons[1];
  EXPECT_TRUE(exit.IsExit());
  EXPECT_FALSE(exit.Enabled);
  EXPECT_EQ(std::vector<int>({exit.HoverX, exit.HoverY, exit.X, exit.Y, exit.Width, exit.Height,
                              exit.WaitX, exit.WaitY}),
            std::vector<int>({200, 210, 220, 230, 80, 40, 240, 250}));

  // Pictures in load order: hover, normal, third per button, the background last.
  std::vector<std::string> names;
  for (int i = 0; i < list_.Count(); ++i) names.push_back(list_.Items(i)->Name);
  EXPECT_EQ(names, std::vector<std::string>({"wdata\\h1.png", "wdata\\n1.png", "wdata\\n1.png",
                                             "wdata\\h2.png", "wdata\\n2.png", "wdata\\w2.png",
                                             "wdata\\bg.png"}));
  EXPECT_EQ(exit.WaitImage, 5);
  EXPECT_EQ(page.BackgroundImage, 6);
  EXPECT_EQ(list_.Items(6)->TileWidth(), 4);
  EXPECT_EQ(list_.Items(6)->TileHeight(), 3);

  EXPECT_EQ(page.File.CountdownX, 400);
  EXPECT_EQ(page.File.CountdownY, 300);
  EXPECT_EQ(page.Countdown, 200);
  EXPECT_FALSE(page.File.CountdownFontSize);
  EXPECT_EQ(font_.FaceName(), "Verdana");
  EXPECT_EQ(font_.Size(), 24) << "0.6 of the exit button's height";
}

TEST_F(ShareTest, EachKindOfBadLineMakesThePageUnusable) {
  struct Case {
    const char* what;
    size_t line;
    std::string text;
  };
  // Existing files, named so that they lie outside the data folder or leave and re-enter it.
  const std::string outside = "..\\" + root_.filename().string() + "\\website.url";
  const Case cases[] = {
      {"absolute picture path", 4, (root_ / "wdata" / "n1.png").string()},
      {"picture path through ..", 5, "wdata\\..\\wdata\\h1.png"},
      {"file to open outside the folder", 6, outside},
      {"drive letter", 6, "C:website.url"},
      {"empty line", 1, ""},
      {"token that is not a number", 3, "30 x 100 50"},
      {"too few numbers", 3, "30 40 100"},
      {"two spaces between numbers", 3, "30  40 100 50"},
      {"number too large", 0, "99999999999"},
      {"missing picture", 4, "wdata\\none.png"},
      {"missing file to open", 6, "moregames.url"},
      {"picture that cannot be decoded", 5, "website.url"},
      {"missing waiting picture", 12, "wdata\\none.png"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines = ValidLines();
    lines[c.line] = c.text;
    list_.ImageList().Clear();
    TShareScreen page(list_, font_);
    WriteConfig(lines);
    page.Load();
    EXPECT_FALSE(page.Valid) << c.what;
    EXPECT_EQ(page.BackgroundImage, -1) << c.what;
  }
}

TEST_F(ShareTest, AMissingFileOrAFileThatEndsEarlyIsNotUsable) {
  screen_.Load();
  EXPECT_FALSE(screen_.Valid);

  std::vector<std::string> lines = ValidLines();
  lines.resize(16);  // the font line is missing
  EXPECT_FALSE(Load(lines).Valid);

  TShareScreen huge(list_, font_);
  std::ofstream(root_ / "wdata" / "config.ini", std::ios::trunc) << "2000000000\nwdata\\bg.png\n";
  huge.Load();
  EXPECT_FALSE(huge.Valid);
  EXPECT_TRUE(huge.PromoButtons.empty()) << "no buttons are made from lines that are not there";
}

TEST_F(ShareTest, AMissingPictureLoadsNoPictureWithoutAborting) {
  // The link button's hover picture, and the last picture the file names.
  for (const size_t line : {5u, 12u}) {
    std::vector<std::string> lines = ValidLines();
    lines[line] = "wdata\\none.png";
    list_.ImageList().Clear();
    TShareScreen page(list_, font_);
    WriteConfig(lines);
    page.Load();
    EXPECT_FALSE(page.Valid) << line;
    EXPECT_EQ(list_.Count(), 0) << line;
    ASSERT_EQ(page.PromoButtons.size(), 2u) << line;
    EXPECT_EQ(page.PromoButtons[1].NormalImage, -1) << line;
  }
}

TEST_F(ShareTest, CountdownLengthsBelowTwoLeaveTheExitButtonUsableAtOnce) {
  for (const char* length : {"1", "0", "-5", "-2147483648"}) {
    std::vector<std::string> lines = ValidLines();
    lines[14] = length;
    TShareScreen page(list_, font_);
    WriteConfig(lines);
    page.Load();
    EXPECT_TRUE(page.Valid) << length;
    EXPECT_EQ(page.Countdown, 0) << length;
    EXPECT_EQ(page.CountdownNumber(), 0) << length;
    page.Draw();
    EXPECT_TRUE(page.PromoButtons.back().Enabled) << length;
  }
}

TEST_F(ShareTest, WithNoButtonsThePageIsStillValid) {
  const TShareScreen& page = Load({"0", "wdata\\bg.png", "400 300", "2", "1 2 3", "no"});
  EXPECT_TRUE(page.Valid);
  EXPECT_TRUE(page.PromoButtons.empty());
  EXPECT_EQ(page.Countdown, 100);
  EXPECT_EQ(page.BackgroundImage, 0);
}

TEST_F(ShareTest, TheColourNumbersAreReadInTwoOrders) {
  struct Case {
    const char* colour;
    std::vector<const char*> fontLines;
    uint8_t red, green, blue;
    int32_t size;
  };
  const Case cases[] = {
      {"255 0 0", {"FALSE"}, 255, 0, 0, 24},
      {"255 0 0", {"TRUE", "30"}, 255, 0, 0, 30},
      {"0 255 0", {"TRUE", "30"}, 0, 255, 0, 30},
      {"0 255 0", {"true"}, 0, 0, 255, 24},  // only the exact "TRUE" counts
      {"10 20 30", {"FALSE"}, 10, 30, 20, 24},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines = ValidLines();
    lines[15] = c.colour;
    lines.resize(16);
    lines.insert(lines.end(), c.fontLines.begin(), c.fontLines.end());
    TShareScreen page(list_, font_);
    WriteConfig(lines);
    page.Load();
    EXPECT_TRUE(page.Valid) << c.colour << " " << c.fontLines[0];
    EXPECT_EQ(std::vector<int>({font_.Red, font_.Green, font_.Blue, font_.Size()}),
              std::vector<int>({c.red, c.green, c.blue, c.size}))
        << c.colour << " " << c.fontLines[0];
  }
}

TEST_F(ShareTest, HoverIncludesTheEdgesOfTheClickableBox) {
  TShareScreen::TButton button;
  button.X = 30;
  button.Y = 40;
  button.Width = 100;
  button.Height = 50;
  const struct {
    int x, y;
    bool hover;
  } points[] = {{30, 40, true},  {130, 90, true},  {80, 60, true},
                {29, 40, false}, {131, 90, false}, {130, 91, false}};
  for (const auto& p : points) {
    screen_.UpdateHover(button, p.x, p.y);
    EXPECT_EQ(button.Hover, p.hover) << p.x << "," << p.y;
  }
}

TEST_F(ShareTest, ActionsOpenTheShortcutOrAskToClose) {
  std::vector<LinkRequest> opened;
  SetLinkOpener([&](const LinkRequest& request) { opened.push_back(request); });
  int exits = 0;
  TShareScreen& page = Load(ValidLines());
  page.OnExit = [&] { ++exits; };

  page.RunAction(page.PromoButtons[0]);
  page.RunAction(page.PromoButtons[1]);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].Target, "http://records.example/");
  EXPECT_EQ(exits, 1);
}

TEST_F(ShareTest, TheNumberShownFollowsTheCountdown) {
  const struct {
    int32_t countdown, number;
  } steps[] = {{299, 4}, {290, 4}, {289, 3}, {190, 3}, {189, 2}, {90, 2}, {89, 1}, {1, 1}, {0, 0}};
  for (const auto& s : steps) {
    screen_.Countdown = s.countdown;
    EXPECT_EQ(screen_.CountdownNumber(), s.number) << s.countdown;
  }
}

}  // namespace
