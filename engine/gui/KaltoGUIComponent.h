#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

class TImageListItem;
class TKaltoBitmapFont;
class TKaltoGUI;
class TKaltoGUIList;
class TKaltoGUIComponent;

// One visual state of a widget: the image it shows and that image's tile animation.
struct TGUISlot {
  TImageListItem* Image = nullptr;
  int32_t Pattern = -1;  // -1: the whole image
  bool Animate = false;
  int32_t PatternStart = -1;
  int32_t PatternCount = 0;
  int32_t FrameDelay = 0;  // a step every FrameDelay div 10 frames, at least every frame
  bool Loop = true;
  bool Reverse = false;
  bool Finished = false;
  uint32_t Color = 0xFFFFFFFF;  // ARGB
  int32_t BlendMode = 0;        // -1 leaves the screen's blend mode alone

  // Back to the first pattern of the animation (the last one when Reverse).
  void ResetAnimation();
};

enum TGUISlotIndex { slNormal = 0, slHover = 1, slPressed = 2, slOverlay = 3 };

// Whether a key code came as a key press (virtual-key code) or as a typed character.
enum class TGUIKeyKind { KeyDown, Character };

// Shift bits of the mouse events: which buttons are held after the event's change.
enum TGUIShiftBits : uint8_t { ssLeft = 1 << 3, ssRight = 1 << 4, ssMiddle = 1 << 5 };

using TGUINotifyEvent = std::function<void(TKaltoGUIComponent& Sender)>;
// Button: 0 left, 1 right, 2 middle; X, Y in screen pixels.
using TGUIMouseEvent =
    std::function<void(TKaltoGUI& Sender, int Button, uint8_t Shift, int32_t X, int32_t Y)>;
// The handler may change Key; Shift is always empty.
using TGUIKeyEvent = std::function<void(TKaltoGUIComponent& Sender, uint16_t& Key, uint8_t Shift)>;

// The base of the GUI's widgets: a rectangle in screen pixels with four image slots and
// the events the GUI's input hook fires on it. Made only through a page (TKaltoGUIList),
// which owns it; its Id indexes the GUI's registry and is never reused.
class TKaltoGUIComponent {
 public:
  explicit TKaltoGUIComponent(TKaltoGUIList& page);
  virtual ~TKaltoGUIComponent() = default;
  TKaltoGUIComponent(const TKaltoGUIComponent&) = delete;
  TKaltoGUIComponent& operator=(const TKaltoGUIComponent&) = delete;

  int32_t Id = 0;
  TKaltoGUIList* Page = nullptr;
  std::string Name;
  bool Visible = true;
  bool Enabled = true;
  int32_t X = 0;
  int32_t Y = 0;
  int32_t Width = 20;
  int32_t Height = 15;
  std::array<TGUISlot, 4> Slots;
  bool MirrorY = false;
  bool MirrorX = false;
  TKaltoBitmapFont* Font = nullptr;  // the GUI's bitmap font when the widget was made
  uint32_t TextColor = 0xFFFFFFFF;   // ARGB
  float CharAngle = 0;
  float TextScaleX = 1;
  float TextScaleY = 1;
  float Angle = 0;  // degrees, about the widget's centre
  bool Overlay = false;
  int32_t AnimStepCounter = 0;

  TGUINotifyEvent OnClick;
  TGUINotifyEvent OnDblClick;
  TGUINotifyEvent OnMouseEnter;
  TGUINotifyEvent OnMouseLeave;
  TGUIMouseEvent OnMouseDown;
  TGUIMouseEvent OnMouseUp;
  TGUIKeyEvent OnKeyPress;

  TKaltoGUI& GUI() const;
  void SetImage(int slot, TImageListItem* item) { Slots[static_cast<size_t>(slot)].Image = item; }
  // Sets both the slot's Pattern and its PatternStart.
  void SetPattern(int slot, int32_t pattern);
  void SetX(int32_t value) { X = value; }
  void SetY(int32_t value) { Y = value; }
  void SetWidth(int32_t value) { Width = value; }
  void SetHeight(int32_t value) { Height = value; }
  // Moves the widget to the end of its page: drawn last, wins hover ties.
  void BringToFront();

  virtual void Click();
  virtual void DblClick();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void MouseMove() {}
  // Fires OnKeyPress (which may change the code).
  virtual void KeyPress(uint16_t& key, TGUIKeyKind kind);
  virtual void Draw();

 protected:
  void ResetAnimations();
  // One frame of a slot's animation; the frame counter is the widget's, shared by its slots.
  void AnimationStep(TGUISlot& slot);
  // Slot 3 drawn tile-sized at (X, Y), then its animation step.
  void DrawOverlaySlot(float angle);
  bool HasFocus() const;
};

// Text measures of a bitmap font as the widgets place their texts.
namespace gui_text {
// Sum of round(glyph width x font ScaleX) over the characters; at least 1.
int32_t TextWidth(const TKaltoBitmapFont& font, const std::string& text);
// round(cell height x font ScaleY); at least 1.
int32_t LineHeight(const TKaltoBitmapFont& font);
}  // namespace gui_text
