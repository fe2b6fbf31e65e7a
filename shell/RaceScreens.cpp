#include "shell/RaceScreens.h"

#include <memory>

#include "shell/GameCompletedScreen.h"
#include "shell/GameOverScreen.h"
#include "shell/GameSounds.h"
#include "shell/MenuBackground.h"
#include "shell/PauseScreen.h"
#include "shell/QuitRaceScreen.h"
#include "shell/RaceOverScreen.h"
#include "shell/RaceScreen.h"
#include "shell/Unit_pr.h"

namespace {

// The send question of the race-over or game-over screen answered, the score sent when
// asked: back to the track selection with the menus' music and background.
void ReturnToTrackSelection(TForm1& form, MenuBackground& menus) {
  SwitchMusic(form, "losemusic", "menumusic");
  PlayEffect(form, "check");
  form.GoTo(ScrChooseTrack);
  menus.Build();
  form.RaceFlow.StopGameOverFrames = true;
}

// Continue on the race-over screen of the race that completed the game: the race is left and
// the game-completed picture follows, the lose music playing on. The score is not offered
// here: the game-over screen after it asks.
void CompleteGame(TForm1& form) {
  form.GoTo(ScrGameCompleted);
}

}  // namespace

void RegisterRaceScreens(TForm1& form, const std::shared_ptr<MenuBackground>& menus) {
  RaceSession& session = form.RaceFlow;
  form.Race.AfterStep.push_back([&session](RaceContext& race) { session.Trial.AfterStep(race); });

  form.SetScreen(ScrRace, std::make_unique<RaceScreen>(form, session, menus));
  form.SetScreen(ScrQuitRace, std::make_unique<QuitRaceScreen>(form, menus));
  form.SetScreen(ScrPause, std::make_unique<PauseScreen>(form));
  MenuBackground& background = *menus;
  const auto backToTracks = [&form, &background] { ReturnToTrackSelection(form, background); };
  form.SetScreen(ScrRaceOver,
                 std::make_unique<RaceOverScreen>(form, session, [&form, backToTracks] {
                   if (form.RaceFlow.GameCompleted) {
                     CompleteGame(form);
                   } else {
                     backToTracks();
                   }
                 }));
  form.SetScreen(ScrGameCompleted, std::make_unique<GameCompletedScreen>(form));
  form.SetScreen(ScrGameOver, std::make_unique<GameOverScreen>(form, session, backToTracks));
}
