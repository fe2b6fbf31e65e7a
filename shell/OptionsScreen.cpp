#include "shell/OptionsScreen.h"

#include "core/GameTexts.h"
#include "shell/ButtonKeys.h"
#include "shell/MenuBackground.h"
#include "shell/MenuEdit.h"
#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/Unit_pr.h"

namespace {

constexpr int32_t kApplyRestX = 180;
constexpr int32_t kButtonRowY = 525;
constexpr int32_t kCancelRestX = 465;
constexpr int32_t kToggleRestX = 600;
constexpr int32_t kButtonStep = 20;
constexpr int32_t kToggleStep = 13;
constexpr int32_t kHeadingCentreX = 418;
constexpr int32_t kHeadingY = 60;
// Slots of the page's Buttons in the order the screen makes them.
constexpr size_t kApplySlot = 1;
constexpr size_t kCancelSlot = 2;
constexpr size_t kFirstToggleSlot = 3;
constexpr size_t kToggleCount = 4;  // with the difficulty switch

void SwitchMenuMusic(TForm1& form, bool on) {
  TModListItem* music = form.Sound3D.FindModule("menumusic");
  if (on) {
    music->Play();
  } else {
    music->Stop();
  }
}

}  // namespace

void OptionsScreen::Enter() {
  GameState& state = form_.State;
  ClearKeyReleased(state);
  CreateMenuPage(form_, page_);
  AddMenuButton(form_, page_, "b_apply", -180, kButtonRowY, [this] { Apply(); });
  AddMenuButton(form_, page_, "b_cancel", 820, kButtonRowY, [this] { Cancel(false); });
  AddToggle(820, 220, state.FullScreenWanted, nullptr);
  AddToggle(880, 279, state.MusicOn, SwitchMenuMusic);
  AddToggle(940, 338, state.SoundOn, nullptr);
  AddLevelSwitch(1000, 458);
  // Twelve of the widest letters do not fit the field at this size: the field refuses a
  // letter that would run past its edge (see KeepTextInside).
  BuildEditFont(form_.KaltoBitmapFont1, "Arial", 18, 220);
  TKaltoEdit& edit =
      AddMenuEdit(form_.KaltoImageList1, form_.KaltoBitmapFont1, page_, "Edit", 553, 399, ".");
  edit.OnClick = [this](TKaltoGUIComponent&) { page_.EditTouched = true; };
  state.ExtraText = WithoutPadding(state.ExtraText);
  edit.Text = state.ExtraText;
  edit.CursorPos = edit.TextLength();
  page_.Title = new TMenuScreen(form_, 50, 211, 500, "scr_opt", "scrOptions", 255, true);
  state.OptionsBackup = {state.SoundOn, state.MusicOn, state.FullScreenWanted, state.ExtraText,
                         state.DriverDifficulty};
  page_.EditTouched = false;
}

TKaltoButton& OptionsScreen::AddToggle(int32_t x, int32_t y, bool& option,
                                       void (*onChange)(TForm1&, bool)) {
  TKaltoButton& toggle = AddMenuButton(form_, page_, "b_on", x, y, {});
  toggle.OnClick = [this, &option, onChange, &toggle](TKaltoGUIComponent&) {
    option = !option;
    if (onChange) onChange(form_, option);
    PlayCheck(form_);
    ShowToggle(toggle, option);
  };
  toggle.SetImage(slHover, nullptr);
  ShowToggle(toggle, option);
  return toggle;
}

void OptionsScreen::AddLevelSwitch(int32_t x, int32_t y) {
  Difficulty& level = form_.State.DriverDifficulty;
  TKaltoButton& button = AddMenuButton(form_, page_, LevelPicture(level), x, y, {});
  button.OnClick = [this, &level, &button](TKaltoGUIComponent&) {
    level = NextDifficulty(level);
    PlayCheck(form_);
    ShowButtonPicture(form_, button, LevelPicture(level), 1);
  };
  button.SetImage(slHover, nullptr);
  ShowButtonPicture(form_, button, LevelPicture(level), 1);
}

const char* OptionsScreen::LevelPicture(Difficulty level) {
  switch (level) {
    case Difficulty::Easy:
      return "b_easy";
    case Difficulty::Normal:
      return "b_normal";
    case Difficulty::Hard:
      return "b_hard";
  }
  return "b_normal";
}

void OptionsScreen::ShowToggle(TKaltoButton& toggle, bool on) {
  ShowButtonPicture(form_, toggle, on ? "b_on" : "b_off", 1);
}

void OptionsScreen::RunFrame() {
  GameState& state = form_.State;
  TKaltoEdit& edit = *page_.Edit;
  if (page_.EditTouched) {
    edit.CursorPos = edit.TextLength();
    BlinkCaret(form_, page_, ".");
  }
  if (TakeKeyRelease(state, vk::Backspace)) RemoveLastCharacter(edit);
  if (TakeKeyRelease(state, vk::Escape)) {
    Cancel(true);
    return;
  }
  if (TakeButtonKeys(form_)) return;

  TKaltoButton& apply = *page_.Buttons[kApplySlot];
  if (apply.X < kApplyRestX) apply.X += kButtonStep;
  if (apply.X > kApplyRestX) apply.X = kApplyRestX;
  TKaltoButton& cancel = *page_.Buttons[kCancelSlot];
  cancel.X -= kButtonStep;
  if (cancel.X < kCancelRestX + 1) cancel.X = kCancelRestX;
  for (size_t slot = kFirstToggleSlot; slot < kFirstToggleSlot + kToggleCount; ++slot) {
    TKaltoButton& toggle = *page_.Buttons[slot];
    if (toggle.X > kToggleRestX) toggle.X -= kToggleStep;
    if (toggle.X < kToggleRestX) toggle.X = kToggleRestX;
  }

  BeginMenuFrame(form_);
  DrawSpritesBelowPointer(form_, *background_);
  DrawMenuPicture(form_, "spec_fon", 0, 0);
  StepMenuWorld(form_);
  form_.KaltoGUI1.Draw();
  background_->DrawLampsAndGreeting();
  TextCentredOn(form_.KaltoFont3, kHeadingCentreX, kHeadingY, TextOf(GameText::OptionsHeading));
  EndMenuFrame(form_);
}

void OptionsScreen::Leave() {
  form_.State.ExtraText = page_.Edit->Text;
  page_.Edit->Text.clear();
  form_.SaveConfigFile();
  FreeMenuPage(form_, page_);
  KillSlot(page_.Title);
  form_.KaltoSprite1.KillDead();
}

void OptionsScreen::Apply() {
  GameState& state = form_.State;
  if (state.FullScreenActive != state.FullScreenWanted) form_.KaltoScreen1.ToggleFullScreen();
  PlayCheck(form_);
  form_.GoTo(ScrMainMenu);
  state.FullScreenActive = state.FullScreenWanted;
}

// The options go back before the screen is left, so the "Config.cfg" its leave handler
// writes holds the restored values and not the cancelled ones.
void OptionsScreen::Cancel(bool byKey) {
  if (byKey) PlayCheck2(form_);
  RestoreBackup();
  PlayCheck(form_);
  form_.GoTo(ScrMainMenu);
}

void OptionsScreen::RestoreBackup() {
  GameState& state = form_.State;
  const OptionsBackupRecord& backup = state.OptionsBackup;
  state.FullScreenWanted = state.FullScreenActive;
  state.SoundOn = backup.SoundOn;
  if (backup.MusicOn != state.MusicOn) SwitchMenuMusic(form_, backup.MusicOn);
  state.MusicOn = backup.MusicOn;
  state.DriverDifficulty = backup.DriverDifficulty;
  state.FullScreenActive = backup.FullScreenWanted;
  // The edit's text is what the leave handler stores.
  page_.Edit->Text = backup.ExtraText;
}
