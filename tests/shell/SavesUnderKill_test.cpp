// A process that saves finished races in a loop is killed at random moments; after every
// kill the two files must load and agree.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <random>
#include <thread>

#include "platform/GamePaths.h"
#include "shell/RecordsTable.h"
#include "shell/Settings.h"

namespace fs = std::filesystem;

namespace {

constexpr char kPlayer[] = "Ann";

int64_t PlayerRecord(const GameState& state) {
  for (const RecordRow& row : state.Records) {
    if (row.Name == kPlayer) return std::stoll(row.ScoreText);
  }
  return -1;
}

// The saving process: from the loaded state on, every pass adds to the score, enters it in
// the table and saves both files, then reports the score of the pair it completed.
// Its first report is the score it starts from, so the parent can tell a running saver from
// one still being forked.
[[noreturn]] void SaveInALoop(GameState state, int reportFd) {
  const TrackSlotTimes times{};
  if (::write(reportFd, &state.Score, sizeof state.Score) != sizeof state.Score) _exit(3);
  for (;;) {
    state.Score += 10;
    EnterScore(state.Records, kPlayer, state.Score);
    if (SaveProgressAndRecords(state, times)) _exit(2);
    if (::write(reportFd, &state.Score, sizeof state.Score) != sizeof state.Score) _exit(3);
  }
}

}  // namespace

TEST(SavesUnderKill, EveryKillLeavesFilesThatLoadAndAgree) {
  const GameRoots previous = CurrentGameRoots();
  // In memory where there is such a folder: flushing to a disk would make one pair of saves
  // take longer than the longest wait before a kill, and the kills would all land in the
  // first file of the first pair.
  const fs::path base =
      fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  const fs::path root = base / ("bk-kill-" + std::to_string(::getpid()));
  fs::create_directories(root);
  SetGameRoots(GameRoots{root, root});

  // A first pair on disk, with a score high enough for every later one to enter the table.
  GameState state;
  ResetRecords(state);
  state.PlayerName = kPlayer;
  state.Score = 2000;
  EnterScore(state.Records, kPlayer, state.Score);
  ASSERT_FALSE(SaveProgressAndRecords(state, TrackSlotTimes{}));

  // The kills fall within the first few pairs a saver writes, however fast this machine (or a
  // sanitizer build) saves: the longest wait is a few times what one pair takes here.
  const auto pairStart = std::chrono::steady_clock::now();
  constexpr int kTimedPairs = 10;
  for (int pair = 0; pair < kTimedPairs; ++pair) {
    ASSERT_FALSE(SaveProgressAndRecords(state, TrackSlotTimes{}));
  }
  const auto pairMicros = std::chrono::duration_cast<std::chrono::microseconds>(
                              std::chrono::steady_clock::now() - pairStart)
                              .count() /
                          kTimedPairs;
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int64_t> delayMicros(0, 4 * pairMicros + 20);
  int32_t lastCompleted = state.Score;
  int killsMidPair = 0;
  constexpr int kKills = 300;
  for (int kill = 0; kill < kKills; ++kill) {
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(report[0]);
      SaveInALoop(state, report[1]);
    }
    ::close(report[1]);
    int32_t started = 0;
    ASSERT_EQ(::read(report[0], &started, sizeof started), static_cast<ssize_t>(sizeof started))
        << "the saving process died before it started";
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process stopped by itself: " << status;
    int32_t completed = 0;
    while (::read(report[0], &completed, sizeof completed) == sizeof completed) {
      lastCompleted = completed;
    }
    ::close(report[0]);

    SCOPED_TRACE("kill " + std::to_string(kill) + ", last completed pair " +
                 std::to_string(lastCompleted));
    // The files as they lie on disk.
    GameState onDisk;
    ResetRecords(onDisk);
    TrackSlotTimes times{};
    ASSERT_FALSE(LoadConfig(onDisk));
    ASSERT_FALSE(LoadProgress(onDisk, times));
    EXPECT_LE(PlayerRecord(onDisk), onDisk.Score);
    EXPECT_GE(onDisk.Score, lastCompleted);
    EXPECT_GE(PlayerRecord(onDisk), lastCompleted);
    killsMidPair += onDisk.Score > lastCompleted;

    // A start reads them, leaving no debris; the next process goes on from there.
    state = GameState{};
    ResetRecords(state);
    ASSERT_TRUE(LoadSavedGame(state, times).empty());
    state.PlayerName = kPlayer;
    EXPECT_FALSE(fs::exists(root / "Config.cfg.tmp"));
    EXPECT_FALSE(fs::exists(root / "Configdat.cfg.tmp"));
    if (HasFatalFailure() || HasFailure()) break;
  }
  // Some kills must have hit a pair midway, or the test shows nothing.
  EXPECT_GT(killsMidPair, 0) << "no kill landed within a pair of saves";
  std::cout << killsMidPair << " of " << kKills
            << " kills landed after a new progress and before its pair was reported\n";

  SetGameRoots(previous);
  fs::remove_all(root);
}
