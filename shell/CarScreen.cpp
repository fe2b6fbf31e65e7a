#include "shell/CarScreen.h"

#include "core/GameTexts.h"
#include "engine/graphics/PictureTable.h"
#include "shell/MenuBackground.h"
#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/RaceStart.h"
#include "shell/SelectionScreen.h"
#include "shell/Unit_pr.h"

namespace {

constexpr size_t kRaceSlot = 4;
constexpr SlidingButton kSliding[4] = {{1, -20, 685}, {2, 20, 107}, {3, 20, 9}, {4, -20, 642}};
constexpr int32_t kNameCentreX = 419;
constexpr int32_t kNameY = 68;
constexpr int32_t kBarX = 380;
constexpr int32_t kBarY[4] = {392, 437, 482, 528};
constexpr int32_t kLockedGrey = 85;

// The bars' lengths as fractions of the bar picture: top speed / 12, acceleration x 10,
// steering rate / 2, heading follow.
std::array<double, 4> BarScales(const CarInfo& car) {
  return {car.MaxSpeed / 12, car.Acceleration * 10, car.SteeringRate / 2, car.HeadingFollow};
}

}  // namespace

void CarScreen::Enter() {
  form_.KaltoFont1.SetFont("Arial", 13, 0);
  form_.KaltoFont1.SetColor(0xFF1E1E1E);
  CreateMenuPage(form_, page_);
  AddMenuButton(form_, page_, "bc_next", 900, 123, [this] { Browse(1); });
  AddMenuButton(form_, page_, "bc_prev", -200, 313, [this] { Browse(-1); });
  AddMenuButton(form_, page_, "b_back", -200, 524, [this] {
    PlayCheck(form_);
    form_.GoTo(ScrChooseTrack);
  });
  AddMenuButton(form_, page_, "bc_race", 900, 524, [this] { BeginRace(form_); });
  page_.Title = new TMenuScreen(form_, 0, 0, 500, "scr_choosecar", "choosetrack", 255, true);
  page_.Second = new TMenuScreen(form_, 230, 137, 522, "blik", "blik", 155, true);
  const CarInfo& car = form_.Race.Cars.Cars[static_cast<size_t>(form_.State.SelectedCar)];
  page_.Picture = new TMenuScreen(form_, 265, 133, 521, car.PreviewImage, "carimage", 255, true);
  for (size_t bar = 0; bar < bars_.size(); ++bar) {
    bars_[bar] = new TMenuScreen(form_, kBarX, kBarY[bar], 522, "bar",
                                 "bar" + std::to_string(bar + 1), 255, true);
  }
  ShowSelectedCar();
  form_.State.PhaseCounter = 0;
  ClearKeyReleased(form_.State);
  form_.State.AnimCounter = 0;
}

bool CarScreen::SelectedCarUnlocked() const {
  return form_.Race.Cars.Cars[static_cast<size_t>(form_.State.SelectedCar)].Unlocked;
}

void CarScreen::ShowSelectedCar() {
  const CarInfo& car = form_.Race.Cars.Cars[static_cast<size_t>(form_.State.SelectedCar)];
  TSprite& picture = *page_.Picture;
  TImageListItem& preview = RequirePicture(form_.KaltoImageList1, car.PreviewImage);
  picture.SetImage(&preview);
  picture.SetWidth(preview.PictureWidth());
  picture.SetHeight(preview.PictureHeight());
  const int32_t shade = car.Unlocked ? 255 : kLockedGrey;
  picture.SetRed(shade);
  picture.SetGreen(shade);
  picture.SetBlue(shade);
  const std::array<double, 4> scales = BarScales(car);
  for (size_t bar = 0; bar < bars_.size(); ++bar) {
    bars_[bar]->ScaleX = static_cast<float>(scales[bar]);
    bars_[bar]->Visible = car.Unlocked;
  }
  page_.Buttons[kRaceSlot]->Visible = car.Unlocked;
}

void CarScreen::Browse(int32_t step) {
  BrowseSelection(form_, form_.State.SelectedCar, static_cast<int32_t>(form_.Race.Cars.Cars.size()),
                  step);
  ShowSelectedCar();
}

void CarScreen::RunFrame() {
  GameState& state = form_.State;
  const bool taken = TakeSelectionKeys(
      form_, ScrChooseTrack,
      [this] {
        if (SelectedCarUnlocked()) BeginRace(form_);
      },
      [this](int32_t step) { Browse(step); });
  if (taken) return;
  SlideSelectionButtons(form_, page_, kSliding);
  BeginMenuFrame(form_);
  StepMenuWorld(form_);
  DrawSpritesBelowPointer(form_, *background_);
  const CarInfo& car = form_.Race.Cars.Cars[static_cast<size_t>(state.SelectedCar)];
  TextCentredOn(form_.KaltoFont3, kNameCentreX, kNameY,
                car.Unlocked ? car.Name : TextOf(GameText::Unavailable));
  background_->DrawGreeting();
  form_.KaltoGUI1.Draw();
  EndMenuFrame(form_);
}

void CarScreen::Leave() {
  FreeMenuPage(form_, page_);
  KillSlot(page_.Title);
  KillSlot(page_.Second);
  KillSlot(page_.Picture);
  for (TSprite*& bar : bars_) KillSlot(bar);
  form_.KaltoSprite1.KillDead();
}
