#include "shell/MenuEdit.h"

#include "engine/graphics/KaltoBitmapFont.h"
#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/PictureTable.h"
#include "engine/gui/KaltoEdit.h"
#include "engine/gui/KaltoGUIList.h"
#include "shell/MenuPage.h"

namespace {

constexpr int32_t kEditMaxLength = 12;
constexpr int32_t kEditTextMargin = 3;
constexpr uint16_t kBackspace = 8;

}  // namespace

TKaltoEdit& AddMenuEdit(const TKaltoImageList& pictures, const TKaltoBitmapFont& font,
                        MenuPage& page, const std::string& picture, int32_t x, int32_t y,
                        const std::string& caret) {
  TKaltoEdit& edit = page.Gui->CreateEdit();
  TImageListItem& item = RequirePicture(pictures, picture);
  edit.Name = picture;
  edit.SetImage(slNormal, &item);
  edit.SetWidth(item.TileWidth());
  edit.SetHeight(item.TileHeight());
  edit.SetX(x);
  edit.SetY(y);
  edit.CursorText = caret;
  edit.MaxLength = kEditMaxLength;
  edit.TextMargin = kEditTextMargin;
  edit.KeepTextInside = true;
  edit.TextColor = static_cast<uint32_t>(font.Alpha()) << 24 |
                   static_cast<uint32_t>(font.Red()) << 16 |
                   static_cast<uint32_t>(font.Green()) << 8 | static_cast<uint32_t>(font.Blue());
  edit.OnKeyPress = [](TKaltoGUIComponent&, uint16_t& key, uint8_t) {
    if (key == kBackspace) key = 0;
  };
  page.Edit = &edit;
  return edit;
}

std::string WithoutPadding(std::string text) {
  while (!text.empty() && text.back() == '%') text.pop_back();
  return text;
}

void RemoveLastCharacter(TKaltoEdit& edit) {
  if (!edit.Text.empty()) edit.Text.pop_back();
  edit.CursorPos = edit.TextLength();
}

void BuildEditFont(TKaltoBitmapFont& font, const std::string& face, int32_t size, uint8_t grey) {
  font.BuildFromSystemFont(face, TKaltoBitmapFont::DefaultCharacters(), 0, size);
  font.SetRed(grey);
  font.SetGreen(grey);
  font.SetBlue(grey);
}

void BuildNameFont(TKaltoBitmapFont& font) {
  BuildEditFont(font, "Verdana", 14, 10);
}
