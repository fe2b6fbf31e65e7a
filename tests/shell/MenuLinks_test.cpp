#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "online/GoToLink.h"
#include "online/ScoreServerAddress.h"
#include "tests/shell/MenuPlayer.h"

namespace {

// Every link the game asks for, instead of the desktop opening it.
struct RecordedLinks {
  RecordedLinks() {
    SetLinkOpener([this](const LinkRequest& request) { Targets.push_back(request.Target); });
  }
  ~RecordedLinks() { SetLinkOpener(nullptr); }
  std::vector<std::string> Targets;
};

TEST(MenuLinks, LogoOpensTheShippedWebsiteMoreGamesOpensNothingRecordsOpenTheWorldTable) {
  RecordedLinks links;
  GameHarness game;
  ReachMainMenu(game);
  const std::string worldTable = WorldHighScoresUrl(ConfiguredScoreServerAddress());

  ClickButton(game, "b_logo");
  ASSERT_EQ(links.Targets.size(), 1u) << "website.url ships with the game";
  EXPECT_EQ(links.Targets[0], worldTable);

  ClickButton(game, "b_visit");
  EXPECT_EQ(links.Targets.size(), 1u) << "moregames.url does not ship: only the click is heard";
  EXPECT_EQ(game.State().ScreenState, ScrMainMenu);

  OpenRecords(game);
  game.StepFrames(kSettleFrames);
  ClickButton(game, "b_viewwhiscr");
  ASSERT_EQ(links.Targets.size(), 2u);
  EXPECT_EQ(links.Targets[1], worldTable);
}

}  // namespace
