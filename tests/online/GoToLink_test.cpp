#include "online/GoToLink.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/GamePaths.h"

namespace fs = std::filesystem;

namespace {

class GoToLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previousRoots_ = CurrentGameRoots();
    root_ = fs::temp_directory_path() / ("bk-links-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "fscommand");
    SetGameRoots({root_, root_});
    SetLinkOpener([this](const LinkRequest& request) { opened_.push_back(request); });
  }
  void TearDown() override {
    SetLinkOpener(nullptr);
    SetGameRoots(previousRoots_);
    fs::remove_all(root_);
  }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(root_ / name, std::ios::binary) << text;
  }

  GameRoots previousRoots_;
  fs::path root_;
  std::vector<LinkRequest> opened_;
};

TEST_F(GoToLinkTest, WithNoFilesPresentNothingIsOpened) {
  OpenPlayLink();
  OpenCompanionProgram();
  EXPECT_FALSE(OpenFileIfExists("website.url"));
  EXPECT_FALSE(OpenFileIfExists("moregames.url"));
  EXPECT_TRUE(opened_.empty());
}

TEST_F(GoToLinkTest, ShortcutsOpenTheAddressOnTheirUrlLine) {
  Write("play.url", "[InternetShortcut]\r\nURL=http://play.example/start \r\nIconIndex=0\r\n");
  Write("website.url", "[InternetShortcut]\nurl=https://karts.example/records\n");
  Write("empty.URL", "[InternetShortcut]\nIconIndex=0\n");

  OpenPlayLink();
  EXPECT_TRUE(OpenFileIfExists("website.url"));
  EXPECT_FALSE(OpenFileIfExists("empty.URL")) << "a shortcut without an address opens nothing";

  ASSERT_EQ(opened_.size(), 2u);
  EXPECT_EQ(opened_[0].Target, "http://play.example/start");
  EXPECT_EQ(opened_[1].Target, "https://karts.example/records");
  EXPECT_EQ(opened_[1].Parameters, "");
}

TEST_F(GoToLinkTest, AWrittenShortcutOpensItsAddress) {
  Write("website.url", InternetShortcutText("http://localhost:8711/cgi/version.pl?show&type=0"));
  EXPECT_TRUE(OpenFileIfExists("website.url"));
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0].Target, "http://localhost:8711/cgi/version.pl?show&type=0");
}

TEST_F(GoToLinkTest, OtherFilesAndAddressesAreHandedOnAsTheyAre) {
  Write("fscommand/wgame.exe", "program");
  Write("readme.txt", "text");

  EXPECT_TRUE(OpenFileIfExists("readme.txt"));
  OpenCompanionProgram();
  OpenAddress("http://offline.invalid/cgi/version.pl?prg=Brindle&show&type=0");

  ASSERT_EQ(opened_.size(), 3u);
  EXPECT_EQ(fs::path(opened_[0].Target), root_ / "readme.txt");
  EXPECT_EQ(fs::path(opened_[1].Target), root_ / "fscommand" / "wgame.exe");
  EXPECT_EQ(opened_[1].Parameters, "target=\"_blank\"");
  EXPECT_EQ(opened_[2].Target, "http://offline.invalid/cgi/version.pl?prg=Brindle&show&type=0");
}

}  // namespace
