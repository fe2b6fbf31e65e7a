#include "shell/HelpScreen.h"

#include "core/GameTexts.h"
#include "engine/graphics/PictureTable.h"
#include "race/MenuDecorations.h"
#include "shell/ButtonKeys.h"
#include "shell/MenuBackground.h"
#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/Unit_pr.h"

namespace {

constexpr int32_t kButtonRestY = 520;
constexpr int32_t kSlideStep = 20;
constexpr int32_t kHeadingCentreX = 418;
constexpr int32_t kHeadingY = 60;
constexpr int32_t kIconPage = 2;
constexpr int32_t kHelpButtonCount = 3;
// The version, small, in the bottom left corner.
constexpr int32_t kVersionX = 12;
constexpr int32_t kVersionY = 578;

struct IconCentre {
  double X;
  double Y;
};
// In the order of the icon kinds: up, down, left, right, ctrl, P, space, Escape.
constexpr IconCentre kIconCentres[8] = {{259, 233}, {259, 279}, {236, 325}, {282, 325},
                                        {202, 419}, {259, 372}, {336, 419}, {261, 463}};
const char* const kPagePictures[HelpScreen::kPageCount] = {"scr_help", "scr_help2", "scr_help3"};

}  // namespace

void HelpScreen::Enter() {
  ClearKeyReleased(form_.State);
  helpPage_ = 1;
  CreateMenuPage(form_, page_);
  AddMenuButton(form_, page_, "b_back", 335, 650, [this] {
    PlayCheck(form_);
    form_.GoTo(ScrMainMenu);
  });
  AddMenuButton(form_, page_, "b_next", 615, 710, [this] { NextPage(); });
  AddMenuButton(form_, page_, "b_prev", 50, 770, [this] { PreviousPage(); });
  for (int32_t kind = 0; kind < 8; ++kind) {
    const IconCentre& centre = kIconCentres[kind];
    icons_[static_cast<size_t>(kind)] = new THelpButton(form_.Race, kind, centre.X, centre.Y);
  }
  page_.Title = new TMenuScreen(form_, 96, 149, 500, "scr_help", "scr_Help", 255, true);
  StepMenuWorld(form_);
  form_.State.AnimCounter = 0;
}

void HelpScreen::RunFrame() {
  if (TakeKeyRelease(form_.State, vk::Escape)) {
    PlayCheck2(form_);
    form_.GoTo(ScrMainMenu);
    return;
  }
  if (TakeButtonKeys(form_)) return;
  for (size_t slot = 1; slot <= kHelpButtonCount; ++slot) {
    TKaltoButton& button = *page_.Buttons[slot];
    if (button.Y > kButtonRestY) button.Y -= kSlideStep;
    if (button.Y < kButtonRestY) button.Y = kButtonRestY;
  }

  BeginMenuFrame(form_);
  DrawSpritesBelowPointer(form_, *background_);
  DrawMenuPicture(form_, "spec_fon", 0, 0);
  form_.KaltoGUI1.Draw();
  StepMenuWorld(form_);
  background_->DrawLampsAndGreeting();
  TextCentredOn(form_.KaltoFont3, kHeadingCentreX, kHeadingY, TextOf(GameText::HelpHeading));
  form_.KaltoFont1.TextOut(kVersionX, kVersionY, "Brindle Karts " BK_VERSION);
  EndMenuFrame(form_);
}

void HelpScreen::Leave() {
  FreeMenuPage(form_, page_);
  for (THelpButton*& icon : icons_) {
    if (icon) icon->Dead();
    icon = nullptr;
  }
  KillSlot(page_.Title);
  form_.KaltoSprite1.KillDead();
}

void HelpScreen::NextPage() {
  PlayCheck(form_);
  if (helpPage_ == kPageCount) return;
  ShowPage(helpPage_ + 1);
}

void HelpScreen::PreviousPage() {
  if (helpPage_ == 1) return;
  ShowPage(helpPage_ - 1);
  PlayCheck(form_);
}

void HelpScreen::ShowPage(int32_t page) {
  helpPage_ = page;
  for (THelpButton* icon : icons_) icon->Visible = page == kIconPage;
  TImageListItem& picture =
      RequirePicture(form_.KaltoImageList1, kPagePictures[static_cast<size_t>(page - 1)]);
  page_.Title->SetImage(&picture);
  page_.Title->SetWidth(picture.PictureWidth());
  page_.Title->SetHeight(picture.PictureHeight());
}
