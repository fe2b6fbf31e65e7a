#include "shell/RecordsScreen.h"

#include "online/GoToLink.h"
#include "online/ScoreServerAddress.h"
#include "shell/ButtonKeys.h"
#include "shell/MenuBackground.h"
#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/Unit_pr.h"

namespace {

constexpr int32_t kFirstRowY = 271;
constexpr int32_t kRowSpacing = 20;
constexpr int32_t kPlaceCentreX = 300;
constexpr int32_t kNameCentreX = 480;
constexpr int32_t kScoreCentreX = 680;

}  // namespace

void RecordsScreen::Enter() {
  ClearKeyReleased(form_.State);
  CreateMenuPage(form_, page_);
  AddMenuButton(form_, page_, "b_clrhiscr", 330, 495, [this] { form_.GoTo(ScrClearRecords); });
  AddMenuButton(form_, page_, "b_viewwhiscr", 290, 520,
                [] { OpenAddress(WorldHighScoresUrl(ConfiguredScoreServerAddress())); });
  AddMenuButton(form_, page_, "b_back", 390, 545, [this] {
    PlayCheck(form_);
    form_.GoTo(ScrMainMenu);
  });
  form_.KaltoFont1.SetFont("Staccato222 BT", 16, 0);
  form_.KaltoFont1.SetColor(0xFF0A0A0A);
  page_.Title = new TMenuScreen(form_, 266, 190, 20, "scr_hiscr", "scrHiscr", 255, true);
  StepMenuWorld(form_);
}

void RecordsScreen::RunFrame() {
  if (TakeKeyRelease(form_.State, vk::Escape)) {
    PlayCheck2(form_);
    form_.GoTo(ScrMainMenu);
    return;
  }
  if (TakeButtonKeys(form_)) return;
  BeginMenuFrame(form_);
  DrawSpritesBelowPointer(form_, *background_);
  form_.Cursor->Move(1);
  form_.KaltoGUI1.Draw();
  background_->DrawLamps();
  DrawTable();
  EndMenuFrame(form_);
}

void RecordsScreen::DrawTable() {
  for (size_t row = 0; row < form_.State.Records.size(); ++row) {
    const RecordRow& record = form_.State.Records[row];
    const int32_t y = kFirstRowY + kRowSpacing * static_cast<int32_t>(row);
    TextCentredOn(form_.KaltoFont1, kPlaceCentreX, y, record.Place);
    TextCentredOn(form_.KaltoFont1, kNameCentreX, y, record.Name);
    TextCentredOn(form_.KaltoFont1, kScoreCentreX, y, record.ScoreText);
  }
}

void RecordsScreen::Leave() {
  FreeMenuPage(form_, page_);
  KillSlot(page_.Title);
  form_.KaltoSprite1.KillDead();
}
