#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Cp1251.h"
#include "shell/Settings.h"
#include "tests/harness/GameHarness.h"

namespace fs = std::filesystem;

namespace {

// A save folder the test fills before the game starts.
struct SaveFolder {
  fs::path path;
  SaveFolder() {
    static int counter = 0;
    path = fs::temp_directory_path() /
           ("bk-start-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::create_directories(path);
  }
  ~SaveFolder() { fs::remove_all(path); }
  void Write(const std::string& name, const std::string& contents) const {
    std::ofstream(path / name, std::ios::binary) << contents;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(path / name, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
  }
};

}  // namespace

TEST(SettingsAtStart, TheGameStartsWithWhatTheFilesHold) {
  SaveFolder save;
  GameState saved;
  saved.FullScreenWanted = true;
  saved.MusicOn = false;
  saved.PlayerName = Utf8ToCp1251("Вася");
  saved.Records[9] = {"", "Ann", "150"};
  saved.Score = 2500;
  saved.TracksAvailable = 7;
  saved.CarsAvailable = 4;
  TrackSlotTimes times{};
  times[2] = RaceTime{5, 31, 1};
  save.Write("Config.cfg", ConfigFileText(saved));
  save.Write("Configdat.cfg", ProgressFileText(saved, times));

  GameHarness game(HarnessOptions{12345, {}, save.path});
  EXPECT_TRUE(game.State().FullScreenActive);
  EXPECT_TRUE(game.Form().KaltoScreen1.FullScreen);
  EXPECT_FALSE(game.State().MusicOn);
  EXPECT_EQ(game.State().PlayerName, Utf8ToCp1251("Вася"));
  EXPECT_EQ(game.State().Records[9].Name, "Ann");
  EXPECT_EQ(game.State().Records[9].Place, "10");  // not stored: from the default table
  EXPECT_EQ(game.State().Records[0].ScoreText, "1000");
  EXPECT_EQ(game.State().Score, 2500);
  EXPECT_EQ(game.State().TracksAvailable, 7);
  EXPECT_EQ(game.Form().TrackBestTimes[2], (RaceTime{5, 31, 1}));
  EXPECT_EQ(game.Form().TrackBestTimes[3], RaceTime{});  // as the file says
}

TEST(SettingsAtStart, NewGameAndDamagedProgressStartWithDefaultsAndSaySo) {
  {
    GameHarness fresh;
    EXPECT_FALSE(fresh.State().FullScreenActive);
    EXPECT_EQ(fresh.Form().TrackBestTimes[11], RaceTime::None());
    EXPECT_EQ(fresh.Form().TrackBestTimes[12], RaceTime{});
  }

  SaveFolder save;
  save.Write("Configdat.cfg", "NFTGG3DF\r\nnot a number\r\n");
  testing::internal::CaptureStderr();
  GameHarness game(HarnessOptions{12345, {}, save.path});
  const std::string shown = testing::internal::GetCapturedStderr();
  EXPECT_NE(shown.find("Configdat.cfg.damaged"), std::string::npos) << shown;
  EXPECT_EQ(game.State().Score, 0);
  EXPECT_EQ(game.State().TracksAvailable, 3);
  EXPECT_EQ(game.Form().TrackBestTimes[0], RaceTime::None());
  EXPECT_EQ(save.Read("Configdat.cfg.damaged"), "NFTGG3DF\r\nnot a number\r\n");
}
