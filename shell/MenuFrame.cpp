#include "shell/MenuFrame.h"

#include <algorithm>

#include "engine/graphics/PictureTable.h"
#include "race/MenuDecorations.h"
#include "race/RaceStep.h"
#include "shell/MenuBackground.h"
#include "shell/MenuPage.h"
#include "shell/MenuSprites.h"
#include "shell/PageButton.h"
#include "shell/Unit_pr.h"

namespace {

constexpr int32_t kCaretHideFrames = 31;
constexpr int32_t kCaretShowFrames = 63;

void PlayEffect(TForm1& form, const char* name) {
  if (!form.State.SoundOn) return;
  if (TSoundListItem* effect = form.Sound3D.FindSound(name)) effect->Play();
}

}  // namespace

TKaltoButton& AddMenuButton(TForm1& form, MenuPage& page, const std::string& picture, int32_t x,
                            int32_t y, std::function<void()> action) {
  TKaltoButton& button =
      AddPageButton(*page.Gui, RequirePicture(form.KaltoImageList1, picture), x, y,
                    [action = std::move(action)](TKaltoGUIComponent&) { action(); });
  button.Name = picture;
  const auto freeSlot = std::find(page.Buttons.begin() + 1, page.Buttons.end(), nullptr);
  if (freeSlot != page.Buttons.end()) *freeSlot = &button;
  return button;
}

void ShowButtonPicture(TForm1& form, TKaltoButton& button, const std::string& picture,
                       int32_t pattern) {
  TImageListItem& item = RequirePicture(form.KaltoImageList1, picture);
  button.SetImage(slNormal, &item);
  button.SetPattern(slNormal, pattern);
  button.SetWidth(item.TileWidth());
  button.SetHeight(item.TileHeight());
}

void CreateMenuPage(TForm1& form, MenuPage& page) {
  page.Gui = &form.KaltoGUI1.CreatePage("GUI2");
}

void FreeMenuPage(TForm1& form, MenuPage& page) {
  if (page.Gui) form.KaltoGUI1.FreePage(page.Gui);
  page.Gui = nullptr;
  page.Buttons.fill(nullptr);
  page.Edit = nullptr;
}

void KillSlot(TSprite*& slot) {
  if (slot) slot->Dead();
  slot = nullptr;
}

void PlayCheck(TForm1& form) {
  PlayEffect(form, "check");
}

void PlayCheck2(TForm1& form) {
  PlayEffect(form, "check2");
}

void StepMenuWorld(TForm1& form) {
  RunRaceStep(form.Race);
}

void ClearKeyReleased(GameState& state) {
  state.KeyReleased.fill(0);
}

bool TakeKeyRelease(GameState& state, int key) {
  if (!state.KeyReleased[static_cast<size_t>(key)]) return false;
  state.KeyReleased[static_cast<size_t>(key)] = 0;
  return true;
}

void BeginMenuFrame(TForm1& form) {
  form.KaltoScreen1.Clear(0, 0, 0, 0);
  form.KaltoScreen1.BeginScene();
  form.KaltoImageList1.BeginDraw();
  DrawMenuPicture(form, "mainback", 0, 0);
}

void DrawSpritesBelowPointer(TForm1& form, const MenuBackground& background,
                             std::initializer_list<TSprite*> drawnLater) {
  std::vector<TSprite*> heldBack{drawnLater};
  heldBack.push_back(form.Cursor);
  for (TLight* lamp : background.Lamps()) heldBack.push_back(lamp);
  std::vector<TSprite*> hidden;
  for (TSprite* sprite : heldBack) {
    if (sprite && sprite->Visible) {
      sprite->Visible = false;
      hidden.push_back(sprite);
    }
  }
  form.KaltoSprite1.DrawAll();
  for (TSprite* sprite : hidden) sprite->Visible = true;
}

void EndMenuFrame(TForm1& form) {
  if (form.Cursor) form.Cursor->Draw();
  form.KaltoImageList1.EndDraw();
  form.KaltoScreen1.EndScene();
}

void DrawMenuPicture(TForm1& form, const std::string& picture, int32_t x, int32_t y) {
  RequirePicture(form.KaltoImageList1, picture).DrawPlain(x, y, -1);
}

void BlinkCaret(TForm1& form, const MenuPage& page, const std::string& caret) {
  int32_t& counter = form.State.CaretCounter;
  if (page.Edit) {
    if (counter % kCaretHideFrames == 0) {
      page.Edit->CursorText.clear();
    } else if (counter % kCaretShowFrames == 0) {
      page.Edit->CursorText = caret;
      counter = 0;
    }
  }
  counter += 1;
}

void TextCentredOn(TKaltoFont& font, int32_t centreX, int32_t y, const std::string& text) {
  font.TextOut(centreX - font.TextWidth(text) / 2, y, text);
}
