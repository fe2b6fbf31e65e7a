#include "shell/RaceOverScreen.h"

#include <algorithm>

#include "core/GameTexts.h"
#include "engine/graphics/PictureTable.h"
#include "race/Player.h"
#include "race/Unlocks.h"
#include "shell/ButtonKeys.h"
#include "shell/GameSounds.h"
#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/PageButton.h"
#include "shell/RaceFrame.h"
#include "shell/RaceHud.h"
#include "shell/RaceSession.h"
#include "shell/RecordsTable.h"
#include "shell/ScreenPicture.h"
#include "shell/Unit_pr.h"

namespace {

// PhaseCounter: counting the bonus while above this, then 0..100 frames of waiting, then
// kCountedUp for good.
constexpr int32_t kCountingBonus = 2000;
constexpr int32_t kCountedUp = 101;
// The rows appear at these AnimCounter values; the count-up starts after kCountStart.
constexpr int32_t kRowFrames = 70;
constexpr int32_t kCountStart = 350;
constexpr int32_t kResultsX = 518;

}  // namespace

void RaceOverScreen::Enter() {
  GameState& state = form_.State;
  SwitchMusic(form_, "gamemusic", "losemusic");
  state.KeyHeld.fill(0);
  state.KeyReleased.fill(0);
  form_.KaltoFont1.SetFont("Arial Black", 20, 0);
  form_.KaltoFont1.SetColor(0xFF1E1E1E);
  state.RecordStep = 0;
  page_.Gui = &form_.KaltoGUI1.CreatePage("GUI2");
  TKaltoImageList& pictures = form_.GameImageList;
  continueButton_ = &AddPageButton(*page_.Gui, RequirePicture(pictures, "bro_next"), 472, 411,
                                   [this](TKaltoGUIComponent&) { Continue(); });
  noButton_ = &AddPageButton(*page_.Gui, RequirePicture(pictures, "b_no1"), 511, 409,
                             [this](TKaltoGUIComponent&) { sending_.AnswerNo(answered_); });
  yesButton_ =
      &AddPageButton(*page_.Gui, RequirePicture(pictures, "b_yes1"), 375, 409,
                     [this](TKaltoGUIComponent&) { sending_.AnswerYes(*yesButton_, answered_); });
  for (TKaltoButton* button : {continueButton_, noButton_, yesButton_}) button->Visible = false;
  PlayEffect(form_, "finish");
  page_.Panel = new TGameMenuScreen(form_, 146, 129, 2000, "scr_raceover", "raceover", 255, true);
  const int32_t place = form_.Race.Player->FinalPlace;
  if (place >= 1 && place <= 3) {
    state.PlaceBonus = ScaledPrize(form_.Race.Tracks.Tracks[state.SelectedTrack].Prizes[place - 1],
                                   state.DriverDifficulty);
  }
  session_.BonusAtFinish = state.PlaceBonus;
  session_.GameCompleted = false;
  state.ScoreAtFinish = state.Score;
  state.AnimCounter = 0;
  state.PhaseCounter = kCountingBonus;
  form_.Cursor->Visible = true;
  state.NewTracksShown = state.NewCarsShown = false;
}

void RaceOverScreen::RunFrame() {
  GameState& state = form_.State;
  if (TakeButtonKeys(form_)) return;
  if (yesButton_->Visible && TakeYesKey(state)) sending_.AnswerYes(*yesButton_, answered_);
  if (noButton_->Visible && (TakeNoKey(state) || TakeKeyRelease(state, vk::Escape)) &&
      sending_.AnswerNo(answered_)) {
    return;
  }
  BeginRaceFrame(form_);
  form_.KaltoGUI1.Draw();
  form_.Cursor->Move(0);
  if (state.AnimCounter > 0 && state.AnimCounter % kRowFrames == 0 &&
      state.AnimCounter <= 4 * kRowFrames) {
    state.RecordStep = state.AnimCounter / kRowFrames;
  }
  CountBonus();
  CheckUnlocks();
  state.AnimCounter += 1;
  DrawResults();
  DrawUnlockMessage();
  sending_.Draw(398, 336);
  form_.Cursor->Draw();
  EndRaceFrame(form_);
  sending_.Update();
}

void RaceOverScreen::CountBonus() {
  GameState& state = form_.State;
  if (state.AnimCounter <= kCountStart || state.PhaseCounter <= 1000) return;
  if (state.PlaceBonus <= 0) {
    state.PhaseCounter = 0;
  } else {
    state.Score += 1;
    state.PlaceBonus -= 1;
  }
}

// One unlock step a frame for as long as the bonus crossed another threshold.
void RaceOverScreen::CheckUnlocks() {
  GameState& state = form_.State;
  if (state.PhaseCounter >= 0 && state.PhaseCounter < kCountedUp) {
    state.PhaseCounter += 1;
    return;
  }
  if (state.PhaseCounter != kCountedUp) return;
  if (continueButton_) continueButton_->Visible = true;
  const UnlockResult result = CheckUnlock(state, state.ScoreAtFinish, session_.BonusAtFinish);
  if (result != UnlockResult::NewTracks && result != UnlockResult::NewCars) return;
  // The message names what the latest step opened.
  state.NewTracksShown = result == UnlockResult::NewTracks;
  state.NewCarsShown = result == UnlockResult::NewCars;
  ApplyNextUnlock(state, form_.Race.Tracks, form_.Race.Cars);
  if (state.UnlockStep >= kUnlockStepCount) session_.GameCompleted = true;
}

void RaceOverScreen::DrawResults() {
  GameState& state = form_.State;
  TKaltoFont& font = form_.KaltoFont1;
  auto centred = [&font](int32_t y, const std::string& text) {
    font.TextOut(kResultsX - font.TextWidth(text) / 2, y, text);
  };
  const int32_t place = form_.Race.Player->FinalPlace;
  if (state.RecordStep >= 1) centred(224, std::to_string(place));
  if (state.RecordStep >= 2 && place >= 1 && place <= kFinishRowCount) {
    const RaceTime& time = state.FinishRows[place].Time;
    const std::string text = FormatRaceTime(time);
    centred(268, text);
    if (!IsNotSlower(time, form_.Race.Tracks.Tracks[state.SelectedTrack].BestTime)) {
      DrawPicture(form_.GameImageList, "newrecord", 403 + font.TextWidth(text) / 2, 298);
    }
  }
  if (state.RecordStep >= 3) centred(314, std::to_string(state.PlaceBonus));
  if (state.RecordStep >= 4) centred(361, std::to_string(state.Score));
}

void RaceOverScreen::DrawUnlockMessage() {
  const GameState& state = form_.State;
  if (!state.NewTracksShown && !state.NewCarsShown) return;
  const char* text =
      TextOf(state.NewTracksShown ? GameText::NewTracksAvailable : GameText::NewCarsAvailable);
  DrawPicture(form_.GameImageList, "scr_av", 150, 465);
  form_.KaltoFont1.TextOut(400 - form_.KaltoFont1.TextWidth(text) / 2, 480, text);
}

void RaceOverScreen::Continue() {
  GameState& state = form_.State;
  PlayEffect(form_, "check");
  const int32_t place = form_.Race.Player->FinalPlace;
  if (place >= 1 && place <= kFinishRowCount) {
    const RaceTime& time = state.FinishRows[place].Time;
    RaceTime& record = form_.Race.Tracks.Tracks[state.SelectedTrack].BestTime;
    if (!IsNotSlower(time, record)) record = time;
  }
  EnterScore(state.Records, state.PlayerName, state.Score);
  form_.SaveProgressAndRecordsFiles();
  state.RecordStep = 0;
  // The game-over screen that follows a completed game asks about the final score: ask once.
  if (session_.GameCompleted) {
    answered_();
    return;
  }
  page_.Panel->SetImage(&RequirePicture(form_.GameImageList, "scr_send"));
  yesButton_->Visible = true;
  noButton_->Visible = true;
  continueButton_->Visible = false;
  continueButton_->Enabled = false;
  continueButton_ = nullptr;
}

void RaceOverScreen::Leave() {
  if (page_.Panel) page_.Panel->Dead();
  page_.Panel = nullptr;
  form_.KaltoGUI1.FreePage(page_.Gui);
  page_.Gui = nullptr;
  continueButton_ = yesButton_ = noButton_ = nullptr;
}
