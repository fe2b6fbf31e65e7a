#include "shell/MenuBackground.h"

#include "platform/MessageBox.h"
#include "race/GameProcedures.h"
#include "race/MenuDecorations.h"
#include "race/RunningString.h"
#include "race/TrackFile.h"
#include "shell/Unit_pr.h"

namespace {

struct LampPlace {
  int32_t Kind;
  double X;
  double Y;
};
constexpr LampPlace kLampPlaces[3] = {{0, 728, 4}, {1, -8, 565}, {1, 748, 565}};

constexpr int32_t kGreetingX = 30;
constexpr int32_t kGreetingY = 16;
// The greeting's light strip ends at x 735 and the corner lamp begins at 728.
constexpr int32_t kGreetingWidth = 690;

}  // namespace

void MenuBackground::Build() {
  for (int lamp = 0; lamp < 3; ++lamp) {
    const LampPlace& place = kLampPlaces[lamp];
    lamps_[lamp] = new TLight(form_.Race, place.Kind, place.X, place.Y);
  }
  try {
    StartDemoRace(form_.Race);
  } catch (const TrackFileError& error) {
    ShowMessageBox("Brindle Karts", error.what());
  }
  TForm1& form = form_;
  greeting_ = new TRunningString(form.KaltoSprite1, form.State, [&form](const std::string& text) {
    return form.KaltoFont2.TextWidth(text);
  });
}

void MenuBackground::End() {
  TKaltoSprite& engine = form_.KaltoSprite1;
  for (int i = 0; i < engine.SpriteCount(); ++i) {
    TSprite* sprite = engine.Sprites(i);
    if (sprite->Name() == "enemy") sprite->Dead();
  }
  for (TLight*& lamp : lamps_) {
    if (lamp) lamp->Dead();
    lamp = nullptr;
  }
  if (greeting_) greeting_->Dead();
  greeting_ = nullptr;
  engine.KillDead();
  form_.Race.ForgetCars();  // the demo race's cars are gone
}

void MenuBackground::DrawLamps() const {
  for (TLight* lamp : lamps_) {
    if (lamp) lamp->Draw();
  }
}

void MenuBackground::DrawGreeting() const {
  if (greeting_) {
    form_.KaltoFont2.TextOut(kGreetingX, kGreetingY, greeting_->TextWithin(kGreetingWidth));
  }
}

void MenuBackground::DrawLampsAndGreeting() const {
  DrawLamps();
  DrawGreeting();
}
