#include "shell/RaceScreen.h"

#include "platform/MessageBox.h"
#include "race/GameProcedures.h"
#include "race/Instruments.h"
#include "race/Opponent.h"
#include "race/Player.h"
#include "race/RaceStep.h"
#include "race/TrackFile.h"
#include "shell/GameSounds.h"
#include "shell/MenuBackground.h"
#include "shell/MenuSprites.h"
#include "shell/RaceFrame.h"
#include "shell/RaceHud.h"
#include "shell/RaceSession.h"
#include "shell/ScreenPicture.h"
#include "shell/Unit_pr.h"

namespace {

// The player's car stands at this point of the picture; the start arrows spin round it.
constexpr double kPlayerScreenX = 396;
constexpr double kPlayerScreenY = 321;
constexpr int kRedLightFrame = 50;
constexpr int kYellowLightFrame = 150;
constexpr int kLightsGoneFrame = 300;
// Frames between the player's finish and the race-over screen.
constexpr int kFinishDelayFrames = 150;

}  // namespace

void RaceScreen::Enter() {
  menus_->End();
  GameState& state = form_.State;
  state.KeyReleased.fill(0);
  form_.KaltoFont1.SetFont("Arial Black", 11, 0);
  form_.KaltoFont1.SetColor(0xFFFFFFFF);
  state.NextFinishPlace = 1;
  for (int row = 1; row <= kFinishRowCount; ++row) state.FinishRows[row] = FinishRow{};
  session_.Started = false;
  try {
    StartRace(form_.Race);
  } catch (const TrackFileError& error) {
    AbandonBrokenTrack(error.what());
    return;
  }
  if (form_.Race.TimeTrial) session_.Trial.Begin(state.SelectedTrack);
  state.PlaceBonus = 0;
  state.AnimCounter = 0;
  startArrows_ = new TBegArrows(form_.Race, kPlayerScreenX, kPlayerScreenY);
  form_.Cursor->Visible = false;
}

void RaceScreen::AbandonBrokenTrack(const char* problem) {
  ShowMessageBox("Brindle Karts", problem);
  SwitchMusic(form_, "gamemusic", "menumusic");
  form_.GoTo(ScrChooseTrack);
  menus_->Build();
}

void RaceScreen::RunFrame() {
  GameState& state = form_.State;
  form_.KaltoSprite1.KillDead();
  BeginRaceFrame(form_);
  RunRaceStep(form_.Race);
  RunStartLights();
  DrawRaceHud(form_);
  if (state.RaceFinished) {
    if (state.PhaseCounter == kFinishDelayFrames) {
      form_.Race.ClockRunning = false;
      form_.GoTo(ScrRaceOver);
    } else {
      state.PhaseCounter += 1;
    }
  }
  if (static_cast<int32_t>(form_.Race.Opponents.size()) + 2 == state.NextFinishPlace) {
    form_.Race.ClockRunning = false;  // every car has finished
  }
  EndRaceFrame(form_);
  if (state.ScreenState == ScrRace) ReadKeys();
}

void RaceScreen::RunStartLights() {
  GameState& state = form_.State;
  const int p = state.AnimCounter;
  const TKaltoImageList& pictures = form_.GameImageList;
  if (p > 0 && p < kStartFrame) DrawPicture(pictures, "svetophor", 300, 50);
  if (p == kRedLightFrame || p == kYellowLightFrame) PlayEffect(form_, "svet1");
  if (p == kStartFrame) PlayEffect(form_, "svet2");
  if (p > kRedLightFrame && p < kStartFrame) DrawPicture(pictures, "redlight", 265, 18);
  if (p > kYellowLightFrame && p < kStartFrame) DrawPicture(pictures, "yellowlight", 335, 18);
  if (p >= kStartFrame && p < kLightsGoneFrame) {
    const auto alpha = static_cast<uint8_t>(1505 - 5 * p);  // 255 down to 10
    DrawPicture(pictures, "svetophor", 300, 50, alpha);
    DrawPicture(pictures, "redlight", 265, 18, alpha);
    DrawPicture(pictures, "yellowlight", 335, 18, alpha);
    DrawPicture(pictures, "greenlight", 404, 18, alpha);
    if (startArrows_) startArrows_->SetAlpha(startArrows_->Alpha() - 5);
  }
  if (p < kStartFrame) {
    for (TOpponentCar* car : form_.Race.Opponents) {
      car->Speed = 0;
      car->Throttle = 0;
    }
  }
  if (p == kStartFrame) GiveStartSignal();
  if (p == kLightsGoneFrame && startArrows_) {
    startArrows_->Dead();
    startArrows_ = nullptr;
    form_.KaltoSprite1.KillDead();
  }
  if (p >= 0 && p <= kLightsGoneFrame) state.AnimCounter += 1;
}

void RaceScreen::GiveStartSignal() {
  ReleaseCarsAndClock(form_.Race);
  session_.Started = true;
}

void RaceScreen::ReadKeys() {
  auto& released = form_.State.KeyReleased;
  if (released[vk::Escape]) {
    form_.GoTo(ScrQuitRace);
    return;
  }
  if (released[vk::P] || released[vk::F1]) {
    form_.GoTo(ScrPause);
    return;
  }
  released[vk::Enter] = 0;
}

void RaceScreen::Leave() {
  TKaltoSprite& engine = form_.KaltoSprite1;
  for (int i = 0; i < engine.SpriteCount(); ++i) {
    TSprite* sprite = engine.Sprites(i);
    if (sprite != form_.Cursor) sprite->Dead();
  }
  engine.KillDead();
  form_.Race.ForgetCars();
  startArrows_ = nullptr;
  session_.Trial.End();
  session_.Started = false;
  form_.Race.ClockRunning = false;
}
