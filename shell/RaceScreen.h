#pragma once
#include <memory>
#include <utility>

#include "shell/GameScreen.h"

class MenuBackground;
class TForm1;
class TBegArrows;
struct RaceSession;

// The race (ScrRace): builds the race of the selected track and car, runs the start lights,
// gives the start signal at frame 250, moves the world one race step a frame, shows the
// texts, and opens the race-over screen 150 frames after the player's finish. Escape opens
// the quit panel, P or F1 the pause; both come back here without rebuilding. Leaving frees
// the race world's sprites.
class RaceScreen : public GameScreen {
 public:
  // The race ends the menus' background when it starts, and builds it again when its track
  // cannot be raced.
  RaceScreen(TForm1& form, RaceSession& session, std::shared_ptr<MenuBackground> menus)
      : form_(form), session_(session), menus_(std::move(menus)) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

  // The frame on which the start signal is given, counted from the race's first frame.
  static constexpr int kStartFrame = 250;

 private:
  // A track that cannot be raced: said in a message box, and back to the track selection
  // with a fresh menu background.
  void AbandonBrokenTrack(const char* problem);
  void RunStartLights();
  void GiveStartSignal();
  void ReadKeys();

  TForm1& form_;
  RaceSession& session_;
  std::shared_ptr<MenuBackground> menus_;
  TBegArrows* startArrows_ = nullptr;
};
