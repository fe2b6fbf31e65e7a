#include "shell/SettingsFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Cp1251.h"

namespace {

const std::string kCyrillicName = Utf8ToCp1251("Вася");

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

TrackSlotTimes DistinctTimes() {
  TrackSlotTimes times{};
  for (int i = 0; i < kTrackSlotCount; ++i) times[i] = RaceTime{i, 59 - i, i == 3 ? 1000 : i};
  return times;
}

}  // namespace

TEST(SettingsLines, PaddingDecidesLengthAndReadBack) {
  struct Case {
    std::string value;
    bool padded;
    std::size_t symbols;
    std::string readBack;
  };
  const Case cases[] = {
      {"Alice", true, 8, "Alice"},  {"Alicia", true, 16, "Alicia"},
      {"Ann%", true, 8, "Ann"},     {kCyrillicName, true, 8, kCyrillicName},
      {"-150", true, 8, "-150"},    {"true", false, 7, std::string(1, '\0') + "true"},
      {"false", false, 8, "false"}, {"", true, 0, ""},
  };
  for (const Case& c : cases) {
    const std::string line = EncodeSettingsLine(c.value, c.padded);
    EXPECT_EQ(line.size(), c.symbols) << c.value;
    EXPECT_EQ(DecodeSettingsLine(line, c.padded), c.readBack) << c.value;
  }
}

TEST(ConfigFile, RoundTripsOptionsNamesAndRecords) {
  GameState saved;
  saved.FullScreenWanted = true;
  saved.MusicOn = false;
  saved.SoundOn = false;
  saved.ExtraText = "hello | world=1";
  saved.PlayerName = kCyrillicName;
  for (int i = 0; i < 10; ++i) {
    saved.Records[i].Name = "Rider" + std::to_string(i) + kCyrillicName;
    saved.Records[i].ScoreText = std::to_string(5000 - 7 * i);
  }
  saved.DriverDifficulty = Difficulty::Hard;
  const std::string text = ConfigFileText(saved);
  EXPECT_EQ(Lines(text).size(), 26u);

  GameState loaded;
  ApplyConfigFileText(text, loaded);
  EXPECT_TRUE(loaded.FullScreenWanted);
  EXPECT_TRUE(loaded.FullScreenActive);
  EXPECT_FALSE(loaded.MusicOn);
  EXPECT_FALSE(loaded.SoundOn);
  EXPECT_EQ(loaded.ExtraText, saved.ExtraText);
  EXPECT_EQ(loaded.PlayerName, saved.PlayerName);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(loaded.Records[i].Name, saved.Records[i].Name);
    EXPECT_EQ(loaded.Records[i].ScoreText, saved.Records[i].ScoreText);
  }
  EXPECT_EQ(loaded.DriverDifficulty, Difficulty::Hard);
  EXPECT_EQ(ConfigFileText(loaded), text);

  // The default options come back as they were: windowed, music and sound on.
  GameState defaults, reloaded;
  ApplyConfigFileText(ConfigFileText(defaults), reloaded);
  EXPECT_FALSE(reloaded.FullScreenWanted);
  EXPECT_FALSE(reloaded.FullScreenActive);
  EXPECT_TRUE(reloaded.MusicOn);
  EXPECT_TRUE(reloaded.SoundOn);
}

// A forced renderer is one more line after the difficulty; a file without it (the game's own
// choice, or a file from before the setting) reads as the game's own choice.
TEST(ConfigFile, KeepsAForcedRendererAfterTheRecords) {
  GameState forced;
  forced.Renderer = "software";
  const std::string text = ConfigFileText(forced);
  EXPECT_EQ(Lines(text).size(), 27u);
  GameState loaded;
  loaded.Renderer = "opengl";
  ApplyConfigFileText(text, loaded);
  EXPECT_EQ(loaded.Renderer, "software");

  GameState chosen;
  chosen.Renderer = "opengl";
  ApplyConfigFileText(ConfigFileText(GameState{}), chosen);
  EXPECT_EQ(chosen.Renderer, "");
}

TEST(ConfigFile, ShortFileReadsAsFarAsItGoes) {
  GameState state;
  state.PlayerName = "before";
  state.Records[0].Name = "kept";
  ApplyConfigFileText("", state);
  EXPECT_TRUE(state.FullScreenWanted);
  EXPECT_TRUE(state.FullScreenActive);
  EXPECT_TRUE(state.MusicOn);
  EXPECT_EQ(state.PlayerName, "");
  EXPECT_EQ(state.Records[0].Name, "kept");

  // Windowed and silent, then the file ends; any line ending is accepted.
  GameState shortFile;
  const std::string no = EncodeSettingsLine("false", false);
  ApplyConfigFileText(no + "\n" + no + "\r" + no, shortFile);
  EXPECT_FALSE(shortFile.FullScreenWanted);
  EXPECT_FALSE(shortFile.MusicOn);
  EXPECT_FALSE(shortFile.SoundOn);
}

TEST(ConfigFile, TheDifficultyOfAFileWithoutOneOrWithAnUnknownWordIsNormal) {
  for (const Difficulty level : {Difficulty::Easy, Difficulty::Normal, Difficulty::Hard}) {
    GameState saved;
    saved.DriverDifficulty = level;
    std::vector<std::string> lines = Lines(ConfigFileText(saved));
    GameState loaded;
    ApplyConfigFileText(JoinLines(lines), loaded);
    EXPECT_EQ(loaded.DriverDifficulty, level) << DifficultyWord(level);

    const std::vector<std::string> older(lines.begin(), lines.begin() + 25);
    loaded.DriverDifficulty = Difficulty::Hard;
    ApplyConfigFileText(JoinLines(older), loaded);
    EXPECT_EQ(loaded.DriverDifficulty, Difficulty::Normal) << "file of an older game";
    EXPECT_EQ(loaded.Records[9].ScoreText, saved.Records[9].ScoreText);

    lines[25] = EncodeSettingsLine("insane", true);
    loaded.DriverDifficulty = Difficulty::Hard;
    ApplyConfigFileText(JoinLines(lines), loaded);
    EXPECT_EQ(loaded.DriverDifficulty, Difficulty::Normal) << "unknown word";
  }
}

TEST(ConfigFile, EmptyRecordLinesKeepTheRowAsItWas) {
  GameState saved;
  saved.Records[2] = {"3", "Ann", "800"};
  std::vector<std::string> lines = Lines(ConfigFileText(saved));
  lines[5 + 2 * 2] = "";      // row 3's name
  lines[6 + 2 * 2] = "%%%%";  // row 3's score: no symbols, so empty too

  GameState loaded;
  loaded.Records[2] = {"3", "Old", "100"};
  ApplyConfigFileText(JoinLines(lines), loaded);
  EXPECT_EQ(loaded.Records[2].Name, "Old");
  EXPECT_EQ(loaded.Records[2].ScoreText, "100");
}

TEST(ProgressFile, RoundTripsScoreUnlocksAndAllSlots) {
  GameState saved;
  saved.Score = 1500000;
  saved.TracksAvailable = 7;
  saved.CarsAvailable = 4;
  saved.PointsNeeded = 17700;  // after the last unlock step
  saved.UnlockStep = 9;
  const TrackSlotTimes times = DistinctTimes();
  const std::string text = ProgressFileText(saved, times);
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 80u);
  EXPECT_EQ(DecodeSettingsLine(lines[0], true), "1500000");
  EXPECT_EQ(DecodeSettingsLine(lines[5 + 3 * 3 + 2], true), "1000");  // slot 3's minutes

  GameState loaded;
  TrackSlotTimes loadedTimes{};
  ASSERT_TRUE(ApplyProgressFileText(text, loaded, loadedTimes));
  EXPECT_EQ(loaded.Score, 1500000);
  EXPECT_EQ(loaded.TracksAvailable, 7);
  EXPECT_EQ(loaded.CarsAvailable, 4);
  EXPECT_EQ(loaded.PointsNeeded, 17700);
  EXPECT_EQ(loaded.UnlockStep, 9);
  EXPECT_EQ(loadedTimes, times);
  EXPECT_EQ(ProgressFileText(loaded, loadedTimes), text);
}

TEST(ProgressFile, DamagedFileChangesNothing) {
  GameState saved;
  saved.Score = 900;
  const std::vector<std::string> good = Lines(ProgressFileText(saved, DistinctTimes()));
  auto replaced = [&good](std::size_t index, const std::string& value) {
    std::vector<std::string> lines = good;
    lines[index] = EncodeSettingsLine(value, true);
    return JoinLines(lines);
  };
  const std::vector<std::string> tooShort(good.begin(), good.end() - 1);

  const std::string damaged[] = {replaced(0, "12a"), replaced(40, ""), replaced(79, "2147483648"),
                                 replaced(3, "+5"), replaced(4, " 5"),
                                 // Numbers no game reaches: they would stall the unlocks.
                                 replaced(0, "-1"), replaced(1, "13"), replaced(1, "0"),
                                 replaced(2, "6"), replaced(3, "17701"), replaced(3, "-300"),
                                 replaced(4, "10"), replaced(4, "-1"), replaced(5, "100"),
                                 replaced(6, "60"), replaced(7, "1001"), JoinLines(tooShort), "",
                                 std::string(200, '\n'), std::string("\xFF\0garbage", 9)};
  for (const std::string& text : damaged) {
    GameState state;
    TrackSlotTimes times{};
    times[0] = RaceTime::None();
    EXPECT_FALSE(ApplyProgressFileText(text, state, times));
    EXPECT_EQ(state.Score, 0);
    EXPECT_EQ(state.TracksAvailable, 3);
    EXPECT_EQ(times[0], RaceTime::None());
    EXPECT_EQ(times[24], RaceTime{});
  }
}
