#pragma once
#include <string>

#include "engine/gui/KaltoGUIComponent.h"

// CharFilter modes.
enum TEditCharFilter : uint8_t {
  cfNone = 0,
  cfUpperOnly = 1,
  cfLowerOnly = 2,
  cfDigitsOnly = 3,
  cfToUpper = 4,
  cfToLower = 5,
};

// A one-line text field of Windows-1251 characters. Takes the focus when clicked; typed
// characters are inserted at the cursor only when the bitmap font can draw them. A typed
// character it cannot take (one the font cannot draw, one the filter refuses, one without
// a Windows-1251 code, any once the field is full, and with KeepTextInside one that would
// take the text and caret past the field's width less its margins) is refused visibly: the field
// shakes for kShakeFrames drawn frames and OnRefused fires.
class TKaltoEdit : public TKaltoGUIComponent {
 public:
  explicit TKaltoEdit(TKaltoGUIList& page);

  int32_t MaxLength = -1;  // -1: unlimited
  bool ReadOnly = false;
  uint8_t CharFilter = cfNone;
  std::string Text;
  int32_t CursorPos = 0;  // characters left of the cursor
  int32_t TextMargin = 5;
  std::string CursorText = "_";
  bool ShowCursor = true;
  int32_t TextBlendMode = 0;
  static constexpr int32_t kShakeFrames = 12;
  int32_t ShakeFrames = 0;  // drawn frames of shaking left
  TGUINotifyEvent OnRefused;
  bool KeepTextInside = false;

  void SetFocus();
  void ClearFocus();
  int32_t TextLength() const { return static_cast<int32_t>(Text.size()); }

  void Click() override;
  void KeyPress(uint16_t& key, TGUIKeyKind kind) override;
  void Draw() override;

 private:
  void EditKey(int key);
  void TypeCharacter(uint8_t ch);
  void Refuse();
  bool FitsInside(const std::string& text) const;
  void DrawUnshaken();
  // The character after the filter's case conversion, or -1 when the filter refuses it.
  int FilteredCharacter(uint8_t ch) const;
  void DrawText(int32_t top);
  void DrawCursor(int32_t top);
};
