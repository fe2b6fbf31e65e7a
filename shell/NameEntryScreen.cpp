#include "shell/NameEntryScreen.h"

#include "race/RunningString.h"
#include "shell/ButtonKeys.h"
#include "shell/MenuBackground.h"
#include "shell/MenuEdit.h"
#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/Unit_pr.h"

namespace {

constexpr int32_t kTitleRestX = 107;
constexpr int32_t kSlideStep = 40;
constexpr int32_t kSlideFirstFrame = 50;
constexpr int32_t kSlideEndFrame = 80;
constexpr size_t kGreetingVisibleLength = 100;

}  // namespace

void NameEntryScreen::Enter() {
  ClearKeyReleased(form_.State);
  CreateMenuPage(form_, page_);
  AddMenuButton(form_, page_, "b_ok", -290, 434, [this] { Confirm(); });
  BuildNameFont(form_.KaltoBitmapFont1);
  TKaltoEdit& edit =
      AddMenuEdit(form_.KaltoImageList1, form_.KaltoBitmapFont1, page_, "e_name", -547, 363, "_");
  edit.Text = WithoutPadding(form_.State.PlayerName);
  edit.CursorPos = edit.TextLength();
  edit.Click();
  page_.Title = new TMenuScreen(form_, -693, 104, 20, "scr_entername", "scr_NAMEenter", 255, true);
  StepMenuWorld(form_);
  form_.State.AnimCounter = 0;
}

void NameEntryScreen::RunFrame() {
  GameState& state = form_.State;
  TKaltoEdit& edit = *page_.Edit;
  // Typed characters go to the end of the name.
  edit.CursorPos = edit.TextLength();
  BlinkCaret(form_, page_, "_");
  if (TakeButtonKeys(form_, FocusArrows::All, true)) return;
  if (TakeKeyRelease(state, vk::Enter) && !edit.Text.empty()) {
    Confirm();
    return;
  }
  if (TakeKeyRelease(state, vk::Backspace)) RemoveLastCharacter(edit);

  TSprite& title = *page_.Title;
  if (state.AnimCounter > kSlideFirstFrame && state.AnimCounter < kSlideEndFrame &&
      title.X() < kTitleRestX) {
    page_.Buttons[1]->X += kSlideStep;
    edit.X += kSlideStep;
    title.SetX(title.X() + kSlideStep);
  }
  if (state.AnimCounter < kSlideEndFrame) state.AnimCounter += 1;

  BeginMenuFrame(form_);
  StepMenuWorld(form_);
  DrawSpritesBelowPointer(form_, *background_, {&title});
  DrawMenuPicture(form_, "scr_title", 0, 0);
  title.Draw();
  form_.KaltoGUI1.Draw();
  background_->DrawLamps();
  EndMenuFrame(form_);
}

void NameEntryScreen::Leave() {
  form_.SaveConfigFile();
  page_.Edit->Text.clear();
  FreeMenuPage(form_, page_);
  KillSlot(page_.Title);
  form_.KaltoSprite1.KillDead();
}

void NameEntryScreen::Confirm() {
  if (page_.Edit->Text.empty()) return;
  form_.State.PlayerName = page_.Edit->Text;
  if (TRunningString* greeting = background_->Greeting()) {
    greeting->Text = TRunningString::MarqueeText(form_.State);
    greeting->VisibleText = greeting->Text.substr(0, kGreetingVisibleLength);
  }
  PlayCheck(form_);
  form_.GoTo(ScrMainMenu);
}
