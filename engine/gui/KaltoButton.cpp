#include "engine/gui/KaltoButton.h"

#include <cmath>

#include "engine/graphics/KaltoBitmapFont.h"
#include "engine/gui/KaltoGUI.h"

TKaltoButton::TKaltoButton(TKaltoGUIList& page) : TKaltoGUIComponent(page) {
  Caption = std::to_string(Id);
  TextColor = 0xFFFFFFFF;
}

void TKaltoButton::KeyPress(uint16_t& key, TGUIKeyKind kind) {
  TKaltoGUIComponent::KeyPress(key, kind);
  if (Page->Freed) return;
  if (kind == TGUIKeyKind::KeyDown && (key == 13 || key == 32)) Click();
}

void TKaltoButton::Draw() {
  TKaltoGUIComponent::Draw();
  if (Overlay && Slots[slOverlay].Image) DrawOverlaySlot(0);
  if (!Font) return;
  const int32_t textWidth = gui_text::TextWidth(*Font, Caption);
  const int32_t lineHeight = gui_text::LineHeight(*Font);
  const int32_t left = CenterCaption
                           ? X + Width / 2 + CaptionOffsetX -
                                 (static_cast<int32_t>(std::lround(textWidth * TextScaleX)) >> 1)
                           : X + CaptionOffsetX + Width / 4;
  const int32_t top = Y + Height / 2 + CaptionOffsetY -
                      (static_cast<int32_t>(std::lround(lineHeight * TextScaleY)) >> 1);
  Font->TextOut(left, top, Angle, TextScaleX, TextScaleY, TextColor, Caption, 0);
}
