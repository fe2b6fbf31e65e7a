#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/graphics/KaltoScreen.h"
#include "engine/gui/KaltoGUIList.h"
#include "platform/Clock.h"
#include "platform/InputEvent.h"

class TImageListItem;
class TKaltoBitmapFont;
class Window;

// Where the pointer is and what it is over; a copy is taken before every mouse event.
struct TGUIPointerState {
  int32_t MouseX = 0;  // screen pixels
  int32_t MouseY = 0;
  int32_t HoverId = -1;    // 0: nothing under the pointer
  int32_t PressedId = -1;  // the left press's target; -1: none
  int32_t FocusId = 0;     // the widget keys go to; 0 or -1: none
  bool LeftDown = false;
  bool RightDown = false;
  bool MiddleDown = false;
};

// The GUI of the main window: pages of image buttons and edit fields drawn over the scene.
// While active it is the window's input hook: it resolves hover, presses and clicks against
// the widgets and gives keys and typed characters to the focused widget. Registered with its
// screen, it lets go of the hook before a device reset and takes it again after.
class TKaltoGUI : public InputHook, public DeviceResourceOwner {
 public:
  // Mouse moves closer together than this (on the clock) are ignored.
  static constexpr int64_t kMoveIntervalMs = 10;

  explicit TKaltoGUI(const Clock& clock);
  ~TKaltoGUI() override;
  TKaltoGUI(const TKaltoGUI&) = delete;
  TKaltoGUI& operator=(const TKaltoGUI&) = delete;

  TKaltoScreen* KaltoScreen() const { return screen_; }
  void SetKaltoScreen(TKaltoScreen* screen);
  TKaltoBitmapFont* KaltoBitmapFont = nullptr;  // given to widgets as they are made

  std::vector<std::unique_ptr<TKaltoGUIList>> Pages;  // drawn in order
  // Indexed by widget Id; entry 0 stands for the GUI itself and a freed widget's entry is
  // null, so an Id is never reused.
  std::vector<TKaltoGUIComponent*> Registry;
  int32_t NextId = 1;
  bool Hooked = false;
  Window* WindowHandle = nullptr;
  TImageListItem* Background = nullptr;  // drawn whole at (0, 0) before the pages
  TGUIPointerState Pointer;
  TGUIPointerState Previous;
  float ScaleX = 1;
  float ScaleY = 1;

  // Takes the screen window's input hook (nothing without a screen or window) and
  // recomputes the scale factors.
  void Activate();
  void Deactivate();
  void Draw();

  TKaltoGUIList& CreatePage(const std::string& name);
  // Frees the page's widgets and the page. Hover, press and focus ids of its widgets are
  // cleared, so no later event reaches a freed widget. Called from a widget's event
  // handler (a click that leaves the screen), the page is taken out at once but destroyed
  // only when the event has been handled, so the widget that fired it is never freed under it.
  void FreePage(TKaltoGUIList* page);
  void BringToFront(TKaltoGUIList& page);
  // The live widget with that Id, or null.
  TKaltoGUIComponent* WidgetById(int32_t id) const;

  // Keys and pads move a focus between the buttons of the front-most page that has any.
  // The focus is the hover: the button shows its hover picture, and a pointer move takes
  // the hover back, so pointer and keys never disagree and the device used last wins.
  // Moves it to the nearest button whose centre lies in the direction (dx, dy), or onto the
  // page's first button when none is focused; (0, 0) gives the keys the button the pointer
  // is over. False when nothing moved.
  bool MoveFocus(int dx, int dy);
  void FocusButton(const TKaltoButton& button);
  // The button under the focus (hover), or null: a live, visible, enabled button with an
  // OnClick handler on a visible, enabled page.
  TKaltoButton* FocusedButton() const;
  // Whether the keys placed the focus (no pointer move since).
  bool KeysHaveFocus() const { return keysHaveFocus_ && FocusedButton(); }
  // Clicks the button the keys focused, as the pointer would; a page its handler frees is
  // destroyed only after the handler has returned. False when the keys focus none.
  bool PressFocused();

  // InputHook
  bool HookInput(const InputEvent& event) override;

  // DeviceResourceOwner
  Kind DeviceResourceKind() const override { return Kind::Gui; }
  void RestoreDeviceResources() override { Activate(); }
  void ReleaseDeviceResources() override { Deactivate(); }

 private:
  friend class TKaltoGUIComponent;  // registers itself as it is made
  int32_t Register(TKaltoGUIComponent* widget);

  void ComputeScale();
  // True when the move was accepted.
  bool MouseMoved(int32_t x, int32_t y, bool throttled);
  void MouseButtonEvent(const InputEvent& event);
  void DispatchButton(int button, bool down, bool doubleClick);
  void DispatchKey(uint16_t key, TGUIKeyKind kind);
  uint8_t ShiftState() const;

  bool HandleInput(const InputEvent& event);

  const Clock& clock_;
  TKaltoScreen* screen_ = nullptr;
  int handlingDepth_ = 0;
  std::vector<std::unique_ptr<TKaltoGUIList>> freedWhileHandling_;
  bool anyMoveAccepted_ = false;
  bool keysHaveFocus_ = false;
  int64_t lastMoveTicks_ = 0;
};
