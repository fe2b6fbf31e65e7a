// "Yes" to the send question reports the score to the score server named in "Server.cfg".
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "online/ScoreServerAddress.h"
#include "platform/HttpClient.h"
#include "tests/shell/RaceScenario.h"
#include "tools/score-server/LoopbackScoreServer.h"

TEST(ScoreReport, YesAfterTheRaceSendsTheScoreAndTheWorldPageListsThePlayer) {
  const std::filesystem::path database =
      std::filesystem::temp_directory_path() / ("bk-race-scores-" + std::to_string(getpid()));
  std::filesystem::remove(database);
  {
    ScoreServerConfig config;
    config.DatabasePath = database.string();
    LoopbackScoreServer server(config);
    RaceScenario scenario;
    std::ofstream(scenario.Game().Roots().Save / "Server.cfg") << server.Address() << "\n";
    GameState& state = scenario.State();
    state.PlayerName = "\xC8\xE2\xE0\xED";  // "Иван"
    state.Score = 4321;
    scenario.RaceAloneToTheCountUp();
    scenario.Game().StepFrame();
    scenario.ClickButton("bro_next");
    scenario.ClickButton("b_yes1");
    EXPECT_EQ(state.ScreenState, ScrChooseTrack);

    HttpClient http;
    const HttpResult page = http.Get(WorldHighScoresUrl(server.Address()));
    ASSERT_TRUE(page.Ok) << page.Error;
    EXPECT_NE(page.Body.find("Иван"), std::string::npos) << page.Body;
    EXPECT_NE(page.Body.find(std::to_string(state.Score)), std::string::npos);
  }
  std::filesystem::remove(database);
}
