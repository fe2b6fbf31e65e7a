#include "shell/Settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/GameTexts.h"
#include "platform/Cp1251.h"
#include "platform/GamePaths.h"
#include "shell/RecordsTable.h"

namespace fs = std::filesystem;

namespace {

// A fresh save root for each test; the process-wide roots are restored afterwards.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = CurrentGameRoots();
    static int counter = 0;
    root_ = fs::temp_directory_path() /
            ("bk-settings-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::create_directories(root_);
    SetGameRoots(GameRoots{root_, root_});
  }
  void TearDown() override {
    SetGameRoots(previous_);
    fs::remove_all(root_);
  }

  fs::path File(const std::string& name) const { return root_ / name; }
  static std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
  }
  static void Write(const fs::path& path, const std::string& contents) {
    std::ofstream(path, std::ios::binary) << contents;
  }

  // The player "Ann" with this score, entered into the default records table.
  static GameState Ann(int32_t score) {
    GameState state;
    ResetRecords(state);
    state.PlayerName = "Ann";
    state.Score = score;
    EnterScore(state.Records, "Ann", score);
    return state;
  }

  fs::path root_;
  GameRoots previous_;
};

}  // namespace

TEST(ResetRecords, GivesTheDefaultTable) {
  GameState state;
  state.Records[4] = {"x", "y", "z"};
  ResetRecords(state);
  for (int n = 1; n <= 10; ++n) {
    EXPECT_EQ(state.Records[n - 1].Place, std::to_string(n));
    EXPECT_EQ(state.Records[n - 1].Name, TextOf(GameText::DefaultRecordName));
    EXPECT_EQ(state.Records[n - 1].ScoreText, std::to_string(1100 - 100 * n));
  }
}

TEST(UnlockedFlags, MarksTheFirstAvailableEntriesWithinTheCatalogue) {
  EXPECT_EQ(UnlockedFlags(3, 5), (std::vector<bool>{true, true, true, false, false}));
  EXPECT_EQ(UnlockedFlags(0, 2), (std::vector<bool>{false, false}));
  EXPECT_EQ(UnlockedFlags(-4, 2), (std::vector<bool>{false, false}));
  EXPECT_EQ(UnlockedFlags(2147483647, 2), (std::vector<bool>{true, true}));
}

TEST_F(SettingsTest, BothFilesSurviveSaveAndLoad) {
  GameState saved;
  ResetRecords(saved);
  saved.MusicOn = false;
  saved.FullScreenWanted = true;
  saved.PlayerName = "Ann%%";
  saved.Records[0].Name = Utf8ToCp1251("Вася");
  saved.Score = 1234;
  saved.TracksAvailable = 5;
  TrackSlotTimes times{};
  times[0] = RaceTime{12, 34, 1};
  times[24] = RaceTime{1, 2, 3};
  ASSERT_EQ(SaveConfig(saved), std::nullopt);
  ASSERT_EQ(SaveProgress(saved, times), std::nullopt);
  EXPECT_EQ(saved.PlayerName, "Ann");  // the file cannot keep a trailing "%"
  EXPECT_FALSE(fs::exists(File("Config.cfg.tmp")));

  GameState loaded;
  ResetRecords(loaded);
  TrackSlotTimes loadedTimes{};
  EXPECT_EQ(LoadConfig(loaded), std::nullopt);
  EXPECT_EQ(LoadProgress(loaded, loadedTimes), std::nullopt);
  EXPECT_FALSE(loaded.MusicOn);
  EXPECT_TRUE(loaded.FullScreenActive);
  EXPECT_EQ(loaded.PlayerName, "Ann");
  EXPECT_EQ(loaded.Records[0].Name, Utf8ToCp1251("Вася"));
  EXPECT_EQ(loaded.Score, 1234);
  EXPECT_EQ(loaded.TracksAvailable, 5);
  EXPECT_EQ(loadedTimes, times);

  // Unchanged settings are written back byte for byte.
  const std::string config = Contents(File("Config.cfg"));
  const std::string progress = Contents(File("Configdat.cfg"));
  ASSERT_EQ(SaveConfig(loaded), std::nullopt);
  ASSERT_EQ(SaveProgress(loaded, loadedTimes), std::nullopt);
  EXPECT_EQ(Contents(File("Config.cfg")), config);
  EXPECT_EQ(Contents(File("Configdat.cfg")), progress);
}

TEST_F(SettingsTest, MissingFilesKeepDefaultsAndAnEmptyConfigMeansFullScreen) {
  GameState state;
  TrackSlotTimes times{};
  EXPECT_EQ(LoadConfig(state), std::nullopt);
  EXPECT_EQ(LoadProgress(state, times), std::nullopt);
  EXPECT_FALSE(state.FullScreenWanted);
  EXPECT_EQ(state.Score, 0);

  Write(File("Config.cfg"), "");
  EXPECT_EQ(LoadConfig(state), std::nullopt);
  EXPECT_TRUE(state.FullScreenWanted);
  EXPECT_TRUE(state.FullScreenActive);
}

TEST_F(SettingsTest, DamagedProgressIsKeptAsideAndDefaultsUsed) {
  const std::string damaged = "NFTGG3DF\r\n\r\nAAAA\r\n";
  GameState state;
  TrackSlotTimes times{};
  times[0] = RaceTime::None();

  Write(File("Configdat.cfg"), damaged);
  const SettingsProblem message = LoadProgress(state, times);
  ASSERT_TRUE(message.has_value());
  EXPECT_NE(message->find(File("Configdat.cfg").string()), std::string::npos) << *message;
  EXPECT_NE(message->find("Configdat.cfg.damaged"), std::string::npos) << *message;
  EXPECT_EQ(state.Score, 0);
  EXPECT_EQ(state.TracksAvailable, 3);
  EXPECT_EQ(times[0], RaceTime::None());
  EXPECT_FALSE(fs::exists(File("Configdat.cfg")));
  EXPECT_EQ(Contents(File("Configdat.cfg.damaged")), damaged);

  // Said once: the next start finds no file. A second damaged file keeps the first copy.
  EXPECT_EQ(LoadProgress(state, times), std::nullopt);
  Write(File("Configdat.cfg"), "other");
  ASSERT_TRUE(LoadProgress(state, times).has_value());
  EXPECT_EQ(Contents(File("Configdat.cfg.damaged")), damaged);
  EXPECT_EQ(Contents(File("Configdat.cfg.damaged.2")), "other");
}

TEST_F(SettingsTest, InterruptedOrFailedSaveLeavesThePreviousFile) {
  GameState state;
  state.Score = 100;
  const TrackSlotTimes times{};
  ASSERT_EQ(SaveProgress(state, times), std::nullopt);
  const std::string before = Contents(File("Configdat.cfg"));

  state.Score = 999;
  bool reachedGate = false;
  const SettingsProblem message = SaveProgress(state, times, [&] {
    reachedGate = true;
    return false;
  });
  EXPECT_TRUE(reachedGate);
  ASSERT_TRUE(message.has_value());
  EXPECT_NE(message->find("Configdat.cfg"), std::string::npos);
  EXPECT_EQ(Contents(File("Configdat.cfg")), before);
  EXPECT_TRUE(fs::exists(File("Configdat.cfg.tmp")));  // as a crash would leave it

  GameState loaded;
  TrackSlotTimes loadedTimes{};
  EXPECT_EQ(LoadProgress(loaded, loadedTimes), std::nullopt);
  EXPECT_EQ(loaded.Score, 100);

#ifndef _WIN32  // Windows has no device that is always full
  // A full disk: writing the temporary file fails (it leads to /dev/full here).
  fs::remove(File("Configdat.cfg.tmp"));
  fs::create_symlink("/dev/full", File("Configdat.cfg.tmp"));
  const SettingsProblem full = SaveProgress(state, times);
  ASSERT_TRUE(full.has_value());
  EXPECT_NE(full->find("No space left"), std::string::npos) << *full;
  EXPECT_EQ(Contents(File("Configdat.cfg")), before);
  EXPECT_FALSE(fs::exists(fs::symlink_status(File("Configdat.cfg.tmp"))));
#endif

  // The next save goes through.
  ASSERT_EQ(SaveProgress(state, times), std::nullopt);
  EXPECT_EQ(LoadProgress(loaded, loadedTimes), std::nullopt);
  EXPECT_EQ(loaded.Score, 999);
}

TEST_F(SettingsTest, UnusableFilesGiveAMessageNamingThemAndChangeNothing) {
  // A folder where the file should be: it can be neither read nor replaced.
  fs::create_directories(File("Config.cfg"));
  fs::create_directories(File("Configdat.cfg"));
  GameState state;
  TrackSlotTimes times{};

  for (const SettingsProblem& message : {LoadConfig(state), SaveConfig(state),
                                         LoadProgress(state, times), SaveProgress(state, times)}) {
    ASSERT_TRUE(message.has_value());
    EXPECT_TRUE(message->find(File("Config.cfg").string()) != std::string::npos ||
                message->find(File("Configdat.cfg").string()) != std::string::npos)
        << *message;
  }
  EXPECT_FALSE(state.FullScreenWanted);
  EXPECT_TRUE(fs::is_directory(File("Configdat.cfg")));
  EXPECT_FALSE(fs::exists(File("Configdat.cfg.damaged")));
  EXPECT_FALSE(fs::exists(File("Config.cfg.tmp")));
}

TEST_F(SettingsTest, AFinishedRaceSavesItsProgressBeforeItsRecords) {
  GameState state = Ann(980);
  const TrackSlotTimes times{};
  ASSERT_EQ(SaveProgressAndRecords(state, times), std::nullopt);
  const std::string oldTable = Contents(File("Config.cfg"));

  // Stopped at the second file: the progress is the new one, the table the old one.
  state.Score = 1080;
  EnterScore(state.Records, "Ann", 1080);
  int replaces = 0;
  ASSERT_TRUE(SaveProgressAndRecords(state, times, [&] { return ++replaces == 1; }));
  EXPECT_EQ(Contents(File("Config.cfg")), oldTable);
  GameState loaded;
  TrackSlotTimes loadedTimes{};
  EXPECT_TRUE(LoadSavedGame(loaded, loadedTimes).empty());
  EXPECT_EQ(loaded.Score, 1080);

  // A progress that cannot be saved keeps the table from being saved without it.
  fs::remove(File("Configdat.cfg"));
  fs::create_directories(File("Configdat.cfg"));
  fs::remove(File("Config.cfg"));
  const SettingsProblem failed = SaveProgressAndRecords(state, times);
  ASSERT_TRUE(failed.has_value());
  EXPECT_NE(failed->find("Configdat.cfg"), std::string::npos) << *failed;
  EXPECT_FALSE(fs::exists(File("Config.cfg")));
}

TEST_F(SettingsTest, AStartRemovesUnfinishedSavesAndLimitsTheRecordsToTheProgress) {
  // What the earlier order of saving left after a stop between the files: the table
  // claims 1080 while the progress holds 980.
  GameState saved = Ann(980);
  ASSERT_EQ(SaveProgress(saved, TrackSlotTimes{}), std::nullopt);
  EnterScore(saved.Records, "Ann", 1080);
  ASSERT_EQ(SaveConfig(saved), std::nullopt);
  Write(File("Config.cfg.tmp"), "half a file");
  Write(File("Configdat.cfg.tmp"), "half a file");

  GameState loaded;
  TrackSlotTimes times{};
  EXPECT_TRUE(LoadSavedGame(loaded, times).empty());
  EXPECT_FALSE(fs::exists(File("Config.cfg.tmp")));
  EXPECT_FALSE(fs::exists(File("Configdat.cfg.tmp")));
  EXPECT_EQ(loaded.Score, 980);
  EXPECT_EQ(loaded.Records[0].Name, kDefaultRecordName);
  EXPECT_EQ(loaded.Records[1].Name, "Ann");
  EXPECT_EQ(loaded.Records[1].ScoreText, "980");

  // A damaged progress is no measure: the table, the only trace of the old game, stays.
  Write(File("Configdat.cfg"), "damaged");
  GameState fresh;
  EXPECT_EQ(LoadSavedGame(fresh, times).size(), 1u);
  EXPECT_EQ(fresh.Score, 0);
  EXPECT_EQ(fresh.Records[0].Name, "Ann");
  EXPECT_EQ(fresh.Records[0].ScoreText, "1080");
  // Nor is a missing one: the damaged file was moved aside, and the next start keeps the row.
  ASSERT_FALSE(fs::exists(File("Configdat.cfg")));
  GameState next;
  EXPECT_TRUE(LoadSavedGame(next, times).empty());
  EXPECT_EQ(next.Records[0].Name, "Ann");
  EXPECT_EQ(next.Records[0].ScoreText, "1080");
}

TEST_F(SettingsTest, ASaveFolderThatCannotBeMadeIsNamedWithItsOwnReason) {
  GameState state;
  // Nobody may make folders in /sys, the superuser included: the reason is the folder's,
  // not the "No such file or directory" of the file inside it.
  SetGameRoots(GameRoots{root_, "/sys/brindle-karts-save"});
  const SettingsProblem refused = SaveConfig(state);
  ASSERT_TRUE(refused.has_value());
  EXPECT_NE(refused->find("its folder cannot be made: "), std::string::npos) << *refused;
  EXPECT_EQ(refused->find("No such file"), std::string::npos) << *refused;

  // A missing save folder that can be made is made, and the save goes through.
  SetGameRoots(GameRoots{root_, File("new") / "brindle-karts"});
  EXPECT_EQ(SaveConfig(state), std::nullopt);
  EXPECT_TRUE(fs::exists(File("new") / "brindle-karts" / "Config.cfg"));
}
