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

}  // namespace

void CreateMenuBackground(TForm1& form) {
  for (int lamp = 0; lamp < 3; ++lamp) {
    const LampPlace& place = kLampPlaces[lamp];
    form.MenuLights[lamp] = new TLight(form.Race, place.Kind, place.X, place.Y);
  }
  try {
    StartDemoRace(form.Race);
  } catch (const TrackFileError& error) {
    ShowMessageBox("Brindle Karts", error.what());
  }
  form.RunningText = new TRunningString(
      form.KaltoSprite1, form.State,
      [&form](const std::string& text) { return form.KaltoFont2.TextWidth(text); });
}
