#include "shell/PageButton.h"

#include "engine/graphics/KaltoImageList.h"
#include "engine/gui/KaltoGUIList.h"

TKaltoButton& AddPageButton(TKaltoGUIList& page, TImageListItem& picture, int32_t x, int32_t y,
                            TGUINotifyEvent onClick) {
  TKaltoButton& button = page.CreateButton();
  button.Caption.clear();
  button.Overlay = false;
  button.SetImage(slNormal, &picture);
  button.SetPattern(slNormal, 0);
  button.SetImage(slHover, &picture);
  button.SetPattern(slHover, 1);
  button.SetWidth(picture.TileWidth());
  button.SetHeight(picture.TileHeight());
  button.SetX(x);
  button.SetY(y);
  button.OnClick = std::move(onClick);
  return button;
}
