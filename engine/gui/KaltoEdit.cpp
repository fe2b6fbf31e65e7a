#include "engine/gui/KaltoEdit.h"

#include <algorithm>
#include <cmath>

#include "engine/graphics/KaltoBitmapFont.h"
#include "engine/gui/KaltoGUI.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Single-byte Windows-1251 letters the filter knows: a..z plus four more of each case.
bool IsLower(uint8_t c) {
  return (c >= 97 && c <= 122) || c == 228 || c == 241 || c == 246 || c == 252;
}
bool IsUpper(uint8_t c) {
  return (c >= 65 && c <= 90) || c == 196 || c == 209 || c == 214 || c == 220;
}

enum EditKey {
  kBackspace = 8,
  kEnter = 13,
  kEnd = 35,
  kHome = 36,
  kLeft = 37,
  kRight = 39,
  kDelete = 46
};

}  // namespace

TKaltoEdit::TKaltoEdit(TKaltoGUIList& page) : TKaltoGUIComponent(page) {}

void TKaltoEdit::SetFocus() {
  GUI().Pointer.FocusId = Id;
}

void TKaltoEdit::ClearFocus() {
  GUI().Pointer.FocusId = -1;
}

void TKaltoEdit::Click() {
  TKaltoGUIComponent::Click();
  if (!Page->Freed) GUI().Pointer.FocusId = Id;
}

void TKaltoEdit::KeyPress(uint16_t& key, TGUIKeyKind kind) {
  TKaltoGUIComponent::KeyPress(key, kind);
  if (ReadOnly) return;
  // The shell may have set Text and CursorPos apart; never edit outside the text.
  CursorPos = std::clamp(CursorPos, 0, TextLength());
  if (kind == TGUIKeyKind::KeyDown) {
    EditKey(key);
  } else if (key == kBackspace) {
    if (CursorPos > 0) {
      Text.erase(static_cast<size_t>(CursorPos - 1), 1);
      --CursorPos;
    }
  } else if (key != kEnter && key < 256) {
    TypeCharacter(static_cast<uint8_t>(key));
  }
}

void TKaltoEdit::EditKey(int key) {
  switch (key) {
    case kEnd:
      CursorPos = TextLength();
      break;
    case kHome:
      CursorPos = 0;
      break;
    case kLeft:
      CursorPos = std::max(CursorPos - 1, 0);
      break;
    case kRight:
      CursorPos = std::min(CursorPos + 1, TextLength());
      break;
    case kDelete:
      if (!Text.empty() && CursorPos < TextLength()) Text.erase(static_cast<size_t>(CursorPos), 1);
      break;
    default:
      break;
  }
}

void TKaltoEdit::TypeCharacter(uint8_t ch) {
  if (MaxLength >= 0 && TextLength() >= MaxLength) return Refuse();
  const int filtered = ch == 0 ? -1 : FilteredCharacter(ch);
  if (filtered < 0 || !Font) return Refuse();
  const char c = static_cast<char>(filtered);
  if (Font->Characters().find(c) == std::string::npos) return Refuse();
  std::string longer = Text;
  longer.insert(static_cast<size_t>(CursorPos), 1, c);
  if (KeepTextInside && !FitsInside(longer)) return Refuse();
  Text = std::move(longer);
  ++CursorPos;
}

bool TKaltoEdit::FitsInside(const std::string& text) const {
  const int32_t drawn = gui_text::TextWidth(*Font, text + CursorText);
  return std::lround(drawn * TextScaleX) + 2 * TextMargin <= Width;
}

void TKaltoEdit::Refuse() {
  ShakeFrames = kShakeFrames;
  if (OnRefused) OnRefused(*this);
}

int TKaltoEdit::FilteredCharacter(uint8_t ch) const {
  switch (CharFilter) {
    case cfUpperOnly:
      return IsUpper(ch) ? ch : -1;
    case cfLowerOnly:
      return IsLower(ch) ? ch : -1;
    case cfDigitsOnly:
      return ch >= '0' && ch <= '9' ? ch : -1;
    case cfToUpper:
      return IsLower(ch) ? ch - 32 : ch;
    case cfToLower:
      return IsUpper(ch) ? ch + 32 : ch;
    default:
      return ch;
  }
}

void TKaltoEdit::Draw() {
  // A refused character: the field jumps 3 px left and right, every other frame.
  const int32_t shake = ShakeFrames > 0 ? (ShakeFrames % 2 == 0 ? 3 : -3) : 0;
  if (ShakeFrames > 0) --ShakeFrames;
  X += shake;
  DrawUnshaken();
  X -= shake;
}

void TKaltoEdit::DrawUnshaken() {
  TKaltoGUIComponent::Draw();
  if (Font) {
    const int32_t top =
        Y + Height / 2 - (static_cast<int32_t>(Font->CellHeight() * TextScaleY) >> 1);
    if (Angle != 0) {
      Font->CenterX = static_cast<float>(static_cast<int32_t>(Width * TextScaleX) >> 1);
      Font->CenterY = static_cast<float>(static_cast<int32_t>(Height * TextScaleY) >> 1);
    }
    DrawText(top);
    if (ShowCursor && HasFocus()) DrawCursor(top);
    if (Angle != 0) {
      Font->CenterX = 0;
      Font->CenterY = 0;
    }
  }
  if (Slots[slOverlay].Image && (Overlay || HasFocus())) DrawOverlaySlot(Angle);
}

void TKaltoEdit::DrawText(int32_t top) {
  if (CharAngle == 0) {
    Font->TextOut(X + TextMargin, top, Angle, TextScaleX, TextScaleY, TextColor, Text,
                  TextBlendMode);
    return;
  }
  // Each character alone, turned on its own, at its index times its own width.
  for (size_t i = 0; i < Text.size(); ++i) {
    const std::string one(1, Text[i]);
    const int32_t left = X + TextMargin +
                         static_cast<int32_t>(std::lround(gui_text::TextWidth(*Font, one) *
                                                          TextScaleX * static_cast<float>(i)));
    Font->TextOut(left, top, CharAngle, TextScaleX, TextScaleY, TextColor, one, TextBlendMode);
  }
}

void TKaltoEdit::DrawCursor(int32_t top) {
  const int32_t w = gui_text::TextWidth(*Font, Text.substr(0, static_cast<size_t>(CursorPos)));
  int32_t left = X + TextMargin + static_cast<int32_t>(std::lround(w * TextScaleX));
  if (Angle != 0) {
    // Along the turned text line.
    const double radians = Angle * kPi / 180.0;
    left = static_cast<int32_t>(std::lround(std::cos(radians) * w + X + TextMargin));
    top = Height / 2 + static_cast<int32_t>(std::lround(std::sin(radians) * w)) + Y -
          (static_cast<int32_t>(Font->CellHeight() * TextScaleY) >> 1);
  }
  Font->TextOut(left, top, Angle, TextScaleX, TextScaleY, TextColor, CursorText, TextBlendMode);
}
