#pragma once
// A headless game set up for race scenarios, on a data folder with the small square track in
// every track slot (or on the shipped tracks), racing from the real car selection screen.
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/gui/KaltoButton.h"
#include "tests/harness/GameHarness.h"
#include "tests/harness/RaceDataRoot.h"

class RaceScenario {
 public:
  // On the small square track in every slot, or on the tracks the game ships.
  enum class Tracks { Square, Shipped };
  explicit RaceScenario(Tracks tracks = Tracks::Square);

  GameHarness& Game() { return *game_; }
  TForm1& Form() { return game_->Form(); }
  GameState& State() { return game_->State(); }
  // The square tracks' folder (Tracks::Square only).
  RaceDataRoot& Data() { return *data_; }

  // The selected track gets this many laps and computer cars; then the car screen opens and
  // Enter starts the race there. Returns the picture shown meanwhile (the loading frame on
  // the first race).
  PixelImage StartRace(int laps, int opponents);
  // The autopilot drives until the race screen is left (the race-over screen opens 150
  // frames after the finish); false when the frame limit ran out first.
  bool DriveUntilRaceOver(int frameLimit = 20000);
  // A lone race on the selected track, which the player wins with the first prize, then the
  // race-over screen until the frame before its continue button shows (453 + bonus frames).
  void RaceAloneToTheCountUp();
  // Clicks the middle of the page's button showing that picture; fails the test when no
  // visible button shows it.
  void ClickButton(const std::string& picture);
  // The page's visible button showing that picture, or null.
  TKaltoButton* VisibleButton(const std::string& picture);
  // Renders a frame and writes it beside the other review scenes (build/scenes/).
  PixelImage SaveScene(const std::string& name);

  // The music modules playing now.
  std::set<std::string> PlayingMusic();
  // Whether the effect was started at the current moment of the game clock.
  bool EffectStartedNow(const std::string& effect);
  // How many live sprites carry the name.
  int CountSprites(const std::string& name);

 private:
  std::unique_ptr<RaceDataRoot> data_;
  std::unique_ptr<GameHarness> game_;
};
