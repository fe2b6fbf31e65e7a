// "Yes" to the send question reports the score to the score server named in "Server.cfg".
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iostream>

#include "online/ScoreServerAddress.h"
#include "platform/Cp1251.h"
#include "platform/HttpClient.h"
#include "tests/shell/RaceScenario.h"
#include "tests/support/HostileServers.h"
#include "tools/score-server/LoopbackScoreServer.h"

namespace {

using Seconds = std::chrono::duration<double>;

// The race-over screen's send question answered "yes" on a race alone, sending to `address`.
// Races to the question whether to send the score to the server at `address`.
void RaceToTheSendQuestion(RaceScenario& scenario, const std::string& address) {
  std::ofstream(scenario.Game().Roots().Save / "Server.cfg") << address << "\n";
  scenario.RaceAloneToTheCountUp();
  scenario.Game().StepFrame();
  scenario.ClickButton("bro_next");
}

void AnswerYesToSending(RaceScenario& scenario, const std::string& address) {
  RaceToTheSendQuestion(scenario, address);
  scenario.ClickButton("b_yes1");
}

// Steps frames until the track selection opens or `limit` of wall time passed; returns the
// frames stepped.
int FramesUntilTrackSelection(RaceScenario& scenario, Seconds limit) {
  const auto start = std::chrono::steady_clock::now();
  int frames = 0;
  while (scenario.State().ScreenState != ScrChooseTrack &&
         std::chrono::steady_clock::now() - start < limit) {
    scenario.Game().StepFrame();
    ++frames;
  }
  return frames;
}

}  // namespace

TEST(ScoreReport, YesAfterTheRaceSendsTheScoreAndTheWorldPageListsThePlayer) {
  const std::filesystem::path database =
      std::filesystem::temp_directory_path() / ("bk-race-scores-" + std::to_string(getpid()));
  std::filesystem::remove(database);
  {
    ScoreServerConfig config;
    config.DatabasePath = database.string();
    LoopbackScoreServer server(config);
    RaceScenario scenario;
    GameState& state = scenario.State();
    state.PlayerName = Utf8ToCp1251("Иван");
    state.Score = 4321;
    AnswerYesToSending(scenario, server.Address());
    FramesUntilTrackSelection(scenario, Seconds(10));
    EXPECT_EQ(state.ScreenState, ScrChooseTrack);

    HttpClient http;
    const HttpResult page = http.Get(WorldHighScoresUrl(server.Address()));
    ASSERT_TRUE(page.Ok) << page.Error;
    EXPECT_NE(page.Body.find("Иван"), std::string::npos) << page.Body;
    EXPECT_NE(page.Body.find(std::to_string(state.Score)), std::string::npos);
  }
  std::filesystem::remove(database);
}

TEST(ScoreReport, WhileSendingTheGameDrawsOnAndEscOrNoCancels) {
  for (bool byKey : {true, false}) {
    SCOPED_TRACE(byKey ? "Esc" : "the no button");
    DeadEndSocket silent(true);
    RaceScenario scenario;
    AnswerYesToSending(scenario, silent.Address());
    const int64_t framesBefore = scenario.Game().FramesRun();
    scenario.Game().StepFrames(90);
    EXPECT_EQ(scenario.Game().FramesRun(), framesBefore + 90);
    EXPECT_EQ(scenario.State().ScreenState, ScrRaceOver) << "the answer came before the report";
    EXPECT_EQ(scenario.VisibleButton("b_yes1"), nullptr);
    if (byKey) {
      scenario.SaveScene("score-sending");
      scenario.Game().PressKey(vk::Escape);
    } else {
      scenario.ClickButton("b_no1");
    }
    scenario.Game().StepFrames(2);
    EXPECT_EQ(scenario.State().ScreenState, ScrChooseTrack);
  }
}

TEST(ScoreReport, AnEndlessReplyEndsInTheMessageWithoutFillingTheMemory) {
  EndlessReplyServer endless;
  RaceScenario scenario;
  RaceToTheSendQuestion(scenario, endless.Address());
  // Measured once the race's pictures are made, so only what the reply costs is counted.
  [[maybe_unused]] const long before = ResidentBytes();
  testing::internal::CaptureStderr();
  scenario.ClickButton("b_yes1");
  const int frames = FramesUntilTrackSelection(scenario, Seconds(12));
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(scenario.State().ScreenState, ScrChooseTrack);
  EXPECT_NE(said.find("Can't connect to server!"), std::string::npos) << said;
#if !defined(__SANITIZE_ADDRESS__)
  // The address sanitizer's quarantine holds freed memory back by design, so the bound is the
  // normal build's to check.
  EXPECT_LT(ResidentBytes() - before, 20L << 20);
#endif
  std::cout << frames << " frames drawn while sending\n";
}
