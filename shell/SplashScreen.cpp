#include "shell/SplashScreen.h"

#include "race/MenuDecorations.h"
#include "shell/MenuBackground.h"
#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/Unit_pr.h"

namespace {

constexpr int32_t kTitleDepth = 20;
constexpr int32_t kLastFrame = 484;
constexpr int32_t kCarRowMaxLead = 179;

}  // namespace

void SplashScreen::Enter() {
  if (form_.State.SoundOn) {
    if (TSoundListItem* begin = form_.Sound3D.FindSound("begin")) begin->Play();
  }
  TMenuScreen* logo = new TMenuScreen(form_, 0, 0, kTitleDepth, "logo", "logo", 0, true);
  logo->SetX(static_cast<float>(180 - logo->Width() / 2));
  logo->SetY(static_cast<float>(280 - logo->Height() / 2));
  page_.Title = logo;
  page_.Second = new TMenuScreen(form_, 0, 20, kTitleDepth, "name", "name", 0, true);
  RaceContext& race = form_.Race;
  new TSplashSquare(race, 0, 255, -103, 150);
  new TSplashSquare(race, 1, 255, -(10 + race.Random.Between(0, kCarRowMaxLead)), 6);
  new TSplashSquare(race, 1, 255, -(10 + race.Random.Between(0, kCarRowMaxLead)), 75);
  StepMenuWorld(form_);
}

void SplashScreen::RunFrame() {
  const int32_t frame = form_.State.AnimCounter;
  if (frame > 30 && frame < 115) page_.Title->SetAlpha(page_.Title->Alpha() + 3);
  if (frame > 200 && frame < 325) page_.Second->SetAlpha(page_.Second->Alpha() + 2);
  form_.KaltoScreen1.Clear(0, 0, 0, 0);
  form_.KaltoScreen1.BeginScene();
  form_.KaltoImageList1.BeginDraw();
  StepMenuWorld(form_);
  DrawMenuPicture(form_, "splash_back", 0, 0);
  DrawSpritesBelowPointer(form_, *background_);
  DrawMenuPicture(form_, "splash_image", 293, 167);
  EndMenuFrame(form_);
  form_.State.AnimCounter += 1;
  if (frame == kLastFrame) {
    form_.KaltoScreen1.SetColor(0xFFFFFFFF);
    form_.GoTo(ScrEnterName);
  }
}

void SplashScreen::Leave() {
  TKaltoSprite& sprites = form_.KaltoSprite1;
  for (int index = 0; index < sprites.SpriteCount(); ++index) {
    TSprite* sprite = sprites.Sprites(index);
    if (sprite->Name() == "square") sprite->Dead();
  }
  KillSlot(page_.Title);
  KillSlot(page_.Second);
  sprites.KillDead();
  background_->Build();
}
