#include "shell/GameOverScreen.h"

#include "engine/graphics/PictureTable.h"
#include "shell/ButtonKeys.h"
#include "shell/GameSounds.h"
#include "shell/MenuEdit.h"
#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/PageButton.h"
#include "shell/RaceFrame.h"
#include "shell/RaceHud.h"
#include "shell/RaceSession.h"
#include "shell/Unit_pr.h"

namespace {

constexpr int32_t kNameLength = 12;
constexpr int32_t kBackdropShade = 80;

}  // namespace

void GameOverScreen::Enter() {
  GameState& state = form_.State;
  state.KeyReleased.fill(0);
  state.CaretCounter = 0;
  state.AnimCounter = 0;
  SwitchMusic(form_, "gamemusic", "losemusic");
  while (!state.PlayerName.empty() && state.PlayerName.back() == '%') state.PlayerName.pop_back();
  session_.StopGameOverFrames = false;
  TKaltoImageList& pictures = form_.GameImageList;
  page_.Gui = &form_.KaltoGUI1.CreatePage("GUI2");
  yesButton_ =
      &AddPageButton(*page_.Gui, RequirePicture(pictures, "b_yes1"), 195, 334,
                     [this](TKaltoGUIComponent&) { sending_.AnswerYes(*yesButton_, answered_); });
  noButton_ = &AddPageButton(*page_.Gui, RequirePicture(pictures, "b_no1"), 280, 334,
                             [this](TKaltoGUIComponent&) { sending_.AnswerNo(answered_); });
  yesButton_->Visible = noButton_->Visible = false;
  // The name is written as on the name entry screen, where the player first typed it: the
  // script face drawn glyph by glyph spaced its capitals apart from the rest of the word.
  BuildNameFont(form_.KaltoBitmapFont1);
  TImageListItem& field = RequirePicture(pictures, "editname");
  page_.Edit = &page_.Gui->CreateEdit();
  page_.Edit->Name = "NameEdit";
  page_.Edit->SetImage(slNormal, &field);
  page_.Edit->SetX(95);
  page_.Edit->SetY(351);
  page_.Edit->SetWidth(field.TileWidth());
  page_.Edit->SetHeight(field.TileHeight());
  page_.Edit->MaxLength = kNameLength;
  page_.Edit->Text = state.PlayerName;
  page_.Edit->Visible = false;
  page_.Panel = new TGameMenuScreen(form_, 25, 75, 2000, "scr_gameover", "yourscoreis", 255, true);
  // The race world is gone: the game-completed picture, dimmed, fills the screen behind
  // the panel.
  backdrop_ = new TGameMenuScreen(form_, 0, 0, 10, "gamecompl", "gameoverback", 255, true);
  backdrop_->SetRed(kBackdropShade);
  backdrop_->SetGreen(kBackdropShade);
  backdrop_->SetBlue(kBackdropShade);
  phase_ = Phase::Waiting;
  form_.KaltoSprite1.MoveAll(0);
}

void GameOverScreen::RunFrame() {
  GameState& state = form_.State;
  if (phase_ == Phase::Waiting) {
    if (state.AnimCounter < kWaitFrames) state.AnimCounter += 1;
    if (state.AnimCounter == kWaitFrames) {
      page_.Panel->SetImage(&RequirePicture(form_.GameImageList, "scr_youlose"));
      page_.Edit->Visible = true;
      page_.Edit->Click();
      phase_ = Phase::Name;
    }
  } else if (phase_ == Phase::Name) {
    RunNamePhase();
  } else if (RunQuestionKeys()) {
    return;
  }
  if (session_.StopGameOverFrames) return;
  BeginRaceFrame(form_);
  DrawPageAndPointer(form_);
  if (phase_ == Phase::Name) {
    const std::string score = std::to_string(state.Score);
    form_.KaltoFont1.TextOut(255 - form_.KaltoFont1.TextWidth(score) / 2, 177, score);
  }
  sending_.Draw(277, 274);
  DrawRaceHud(form_);
  EndRaceFrame(form_);
  sending_.Update();
}

void GameOverScreen::RunNamePhase() {
  BlinkCaret();
  auto& released = form_.State.KeyReleased;
  // The focused field takes Backspace and typing itself.
  released[vk::Backspace] = 0;
  if (released[vk::Enter]) {
    released[vk::Enter] = 0;
    if (!page_.Edit->Text.empty()) ConfirmName();
  }
}

// True when an answer left the screen.
bool GameOverScreen::RunQuestionKeys() {
  GameState& state = form_.State;
  if (TakeButtonKeys(form_)) return true;
  if (yesButton_->Visible && TakeYesKey(state)) sending_.AnswerYes(*yesButton_, answered_);
  return (TakeNoKey(state) || TakeKeyRelease(state, vk::Escape)) && sending_.AnswerNo(answered_);
}

// Typing always goes to the end of the name.
void GameOverScreen::BlinkCaret() {
  page_.Edit->CursorPos = page_.Edit->TextLength();
  ::BlinkCaret(form_, page_, "_");
}

void GameOverScreen::ConfirmName() {
  form_.State.PlayerName = page_.Edit->Text;
  page_.Edit->ClearFocus();
  yesButton_->Visible = noButton_->Visible = true;
  page_.Edit->Visible = false;
  page_.Panel->SetImage(&RequirePicture(form_.GameImageList, "scr_send"));
  phase_ = Phase::Question;
}

void GameOverScreen::Leave() {
  if (page_.Panel) page_.Panel->Dead();
  page_.Panel = nullptr;
  KillSlot(backdrop_);
  form_.KaltoGUI1.FreePage(page_.Gui);
  page_.Gui = nullptr;
  page_.Edit = nullptr;
  yesButton_ = noButton_ = nullptr;
}
