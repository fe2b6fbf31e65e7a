#include "engine/gui/KaltoGUIComponent.h"

#include <cmath>

#include "engine/graphics/KaltoBitmapFont.h"
#include "engine/graphics/KaltoImageList.h"
#include "engine/gui/KaltoGUI.h"

void TGUISlot::ResetAnimation() {
  Pattern = Reverse ? PatternStart + PatternCount : PatternStart;
  Finished = false;
}

TKaltoGUIComponent::TKaltoGUIComponent(TKaltoGUIList& page) : Page(&page) {
  TKaltoGUI& gui = *page.GUI;
  Font = gui.KaltoBitmapFont;
  if (Font) {
    TextColor = static_cast<uint32_t>(Font->Alpha() & 0xFF) << 24 |
                static_cast<uint32_t>(Font->Red() & 0xFF) << 16 |
                static_cast<uint32_t>(Font->Green() & 0xFF) << 8 |
                static_cast<uint32_t>(Font->Blue() & 0xFF);
    TextScaleX = Font->ScaleX;
    TextScaleY = Font->ScaleY;
  }
  Id = gui.Register(this);
}

TKaltoGUI& TKaltoGUIComponent::GUI() const {
  return *Page->GUI;
}

void TKaltoGUIComponent::SetPattern(int slot, int32_t pattern) {
  TGUISlot& s = Slots[static_cast<size_t>(slot)];
  s.Pattern = pattern;
  s.PatternStart = pattern;
}

void TKaltoGUIComponent::BringToFront() {
  Page->BringToFront(*this);
}

void TKaltoGUIComponent::Click() {
  if (OnClick) OnClick(*this);
}

void TKaltoGUIComponent::DblClick() {
  if (OnDblClick) OnDblClick(*this);
}

void TKaltoGUIComponent::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(*this);
  ResetAnimations();
}

void TKaltoGUIComponent::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(*this);
  ResetAnimations();
}

void TKaltoGUIComponent::KeyPress(uint16_t& key, TGUIKeyKind /*kind*/) {
  if (OnKeyPress) OnKeyPress(*this, key, 0);
}

void TKaltoGUIComponent::ResetAnimations() {
  for (TGUISlot& slot : Slots) slot.ResetAnimation();
}

bool TKaltoGUIComponent::HasFocus() const {
  return GUI().Pointer.FocusId == Id;
}

void TKaltoGUIComponent::Draw() {
  const TGUIPointerState& pointer = GUI().Pointer;
  size_t index = slNormal;
  if (pointer.HoverId == Id) index = pointer.LeftDown ? slPressed : slHover;
  if (!Slots[index].Image) index = slNormal;
  TGUISlot& slot = Slots[index];
  if (slot.Image) {
    const uint32_t c = slot.Color;
    slot.Image->DrawStretched(TRect{0, 0, Width, Height}, X, Y, Angle, 0.5f, 0.5f, 1, 1,
                              static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8),
                              static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 24), MirrorY,
                              MirrorX, slot.Pattern, slot.BlendMode);
  }
  if (slot.Animate) AnimationStep(slot);
}

void TKaltoGUIComponent::DrawOverlaySlot(float angle) {
  TGUISlot& slot = Slots[slOverlay];
  slot.Image->DrawTinted(X, Y, angle, 0.5f, 0.5f, 1, 1, slot.Color, MirrorY, MirrorX, slot.Pattern,
                         slot.BlendMode);
  if (slot.Animate) AnimationStep(slot);
}

void TKaltoGUIComponent::AnimationStep(TGUISlot& slot) {
  if (slot.Finished) return;
  ++AnimStepCounter;
  if (AnimStepCounter < slot.FrameDelay / 10) return;
  AnimStepCounter = 0;
  const int32_t last = slot.PatternStart + slot.PatternCount;
  if (!slot.Reverse) {
    ++slot.Pattern;
    if (slot.Pattern > last) {
      if (slot.Loop) {
        slot.Pattern = slot.PatternStart;
      } else {
        slot.Finished = true;
        slot.Pattern = last;
      }
    }
  } else {
    --slot.Pattern;
    if (slot.Pattern < slot.PatternStart + 1) {
      if (slot.Loop) {
        slot.Pattern = last;
      } else {
        slot.Finished = true;
        slot.Pattern = slot.PatternStart;
      }
    }
  }
}

namespace gui_text {

int32_t TextWidth(const TKaltoBitmapFont& font, const std::string& text) {
  int32_t width = 0;
  for (const char c : text) {
    const int32_t glyph = font.GlyphOf(static_cast<uint8_t>(c));
    if (glyph < 0) continue;
    width += static_cast<int32_t>(std::lround(font.GlyphAt(glyph).Width * font.ScaleX));
  }
  return width < 1 ? 1 : width;
}

int32_t LineHeight(const TKaltoBitmapFont& font) {
  const auto height = static_cast<int32_t>(std::lround(font.CellHeight() * font.ScaleY));
  return height < 1 ? 1 : height;
}

}  // namespace gui_text
