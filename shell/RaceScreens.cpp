#include "shell/RaceScreens.h"

#include <memory>

#include "online/ScoreClient.h"
#include "online/ScoreServerAddress.h"
#include "platform/MessageBox.h"
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

// An answer to the send question of the race-over or game-over screen (`from`): back to the
// track selection with the menus' music and background, then the score sent when asked.
void ReturnToTrackSelection(TForm1& form, uint8_t from, bool sendScore) {
  SwitchMusic(form, "losemusic", "menumusic");
  PlayEffect(form, "check");
  form.LeaveScreen(from);
  if (from == ScrRaceOver) form.LeaveScreen(ScrRace);
  form.EnterScreen(ScrChooseTrack);
  CreateMenuBackground(form);
  form.RaceFlow.StopGameOverFrames = true;
  if (sendScore) form.RaceFlow.SubmitScore();
}

// Continue on the race-over screen of the race that completed the game: the race is left and
// the game-completed picture follows, the lose music playing on. The score is not offered
// here: the game-over screen after it asks.
void CompleteGame(TForm1& form) {
  form.LeaveScreen(ScrRaceOver);
  form.LeaveScreen(ScrRace);
  form.EnterScreen(ScrGameCompleted);
}

}  // namespace

void RegisterRaceScreens(TForm1& form) {
  RaceSession& session = form.RaceFlow;
  session.SubmitScore = [&form] {
    ScoreClient client(form.IdHTTP1, ConfiguredScoreServerAddress(),
                       [](const std::string& text) { ShowMessageBox("Brindle Karts", text); });
    client.SubmitScore(form.State);
  };

  form.SetScreen(ScrRace, std::make_unique<RaceScreen>(form, session));
  form.SetScreen(ScrQuitRace, std::make_unique<QuitRaceScreen>(form));
  form.SetScreen(ScrPause, std::make_unique<PauseScreen>(form));
  form.SetScreen(ScrRaceOver,
                 std::make_unique<RaceOverScreen>(form, session, [&form](bool sendScore) {
                   if (form.RaceFlow.GameCompleted) {
                     CompleteGame(form);
                   } else {
                     ReturnToTrackSelection(form, ScrRaceOver, sendScore);
                   }
                 }));
  form.SetScreen(ScrGameCompleted, std::make_unique<GameCompletedScreen>(form));
  form.SetScreen(ScrGameOver,
                 std::make_unique<GameOverScreen>(form, session, [&form](bool sendScore) {
                   ReturnToTrackSelection(form, ScrGameOver, sendScore);
                 }));
}
