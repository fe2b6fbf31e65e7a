#include "shell/MenuBackground.h"

#include "engine/graphics/KaltoFont.h"
#include "platform/MessageBox.h"
#include "race/GameProcedures.h"
#include "race/MenuDecorations.h"
#include "race/RaceContext.h"
#include "race/RunningString.h"
#include "race/TrackFile.h"

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
    lamps_[lamp] = new TLight(race_, place.Kind, place.X, place.Y);
  }
  try {
    StartDemoRace(race_);
  } catch (const TrackFileError& error) {
    ShowMessageBox("Brindle Karts", error.what());
  }
  TKaltoFont& font = greetingFont_;
  greeting_ = new TRunningString(race_.Engine, race_.State,
                                 [&font](const std::string& text) { return font.TextWidth(text); });
}

void MenuBackground::End() {
  TKaltoSprite& engine = race_.Engine;
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
  race_.ForgetCars();  // the demo race's cars are gone
}

void MenuBackground::DrawLamps() const {
  for (TLight* lamp : lamps_) {
    if (lamp) lamp->Draw();
  }
}

void MenuBackground::DrawGreeting() const {
  if (greeting_) {
    greetingFont_.TextOut(kGreetingX, kGreetingY, greeting_->TextWithin(kGreetingWidth));
  }
}

void MenuBackground::DrawLampsAndGreeting() const {
  DrawLamps();
  DrawGreeting();
}
