#include "engine/gui/KaltoGUI.h"

#include <algorithm>
#include <cmath>

#include "engine/graphics/KaltoImageList.h"
#include "platform/Window.h"

TKaltoGUI::TKaltoGUI(const Clock& clock) : clock_(clock) {
  Registry.push_back(nullptr);  // entry 0: the GUI itself, never a widget
}

TKaltoGUI::~TKaltoGUI() {
  while (!Pages.empty()) FreePage(Pages.back().get());
  if (Hooked) Deactivate();
  SetKaltoScreen(nullptr);
}

void TKaltoGUI::SetKaltoScreen(TKaltoScreen* screen) {
  if (screen == screen_) return;
  if (screen_) screen_->UnregisterResourceOwner(this);
  screen_ = screen;
  if (screen_) screen_->RegisterResourceOwner(this);
}

void TKaltoGUI::Activate() {
  if (!screen_) return;
  Window* window = screen_->WindowHandle();
  if (!window) return;
  if (WindowHandle && WindowHandle != window && WindowHandle->GetInputHook() == this) {
    WindowHandle->SetInputHook(nullptr);
  }
  window->SetInputHook(this);
  Hooked = true;
  WindowHandle = window;
  ComputeScale();
}

void TKaltoGUI::Deactivate() {
  if (WindowHandle && WindowHandle->GetInputHook() == this) WindowHandle->SetInputHook(nullptr);
  Hooked = false;
}

// The window delivers pointer positions in the picture the device draws (the back buffer,
// however the window scales and letterboxes it); the factors map that to the screen size.
void TKaltoGUI::ComputeScale() {
  if (!screen_) return;
  const int backWidth = screen_->BackBufferWidth();
  const int backHeight = screen_->BackBufferHeight();
  ScaleX =
      screen_->Width == 0 || backWidth == 0 ? 1.0f : static_cast<float>(screen_->Width) / backWidth;
  ScaleY = screen_->Height == 0 || backHeight == 0
               ? 1.0f
               : static_cast<float>(screen_->Height) / backHeight;
}

void TKaltoGUI::Draw() {
  if (Background) Background->DrawPlain(0, 0, -1);
  // A handler may free or add pages while drawing; walk by index.
  for (size_t i = 0; i < Pages.size(); ++i) Pages[i]->Draw();
}

TKaltoGUIList& TKaltoGUI::CreatePage(const std::string& name) {
  Pages.push_back(std::make_unique<TKaltoGUIList>(*this));
  Pages.back()->Name = name;
  return *Pages.back();
}

void TKaltoGUI::FreePage(TKaltoGUIList* page) {
  const auto it =
      std::find_if(Pages.begin(), Pages.end(), [&](const auto& p) { return p.get() == page; });
  if (it == Pages.end()) return;
  for (const auto& widget : page->Widgets) {
    const int32_t id = widget->Id;
    Registry[static_cast<size_t>(id)] = nullptr;
    for (TGUIPointerState* state : {&Pointer, &Previous}) {
      if (state->HoverId == id) state->HoverId = 0;
      if (state->PressedId == id) state->PressedId = -1;
      if (state->FocusId == id) state->FocusId = 0;
    }
  }
  page->Freed = true;
  std::unique_ptr<TKaltoGUIList> owned = std::move(*it);
  Pages.erase(it);
  if (handlingDepth_ > 0) freedWhileHandling_.push_back(std::move(owned));
}

void TKaltoGUI::BringToFront(TKaltoGUIList& page) {
  const auto it =
      std::find_if(Pages.begin(), Pages.end(), [&](const auto& p) { return p.get() == &page; });
  if (it != Pages.end()) std::rotate(it, it + 1, Pages.end());
}

TKaltoGUIComponent* TKaltoGUI::WidgetById(int32_t id) const {
  if (id <= 0 || static_cast<size_t>(id) >= Registry.size()) return nullptr;
  return Registry[static_cast<size_t>(id)];
}

int32_t TKaltoGUI::Register(TKaltoGUIComponent* widget) {
  const int32_t id = NextId++;
  Registry.resize(static_cast<size_t>(id) + 1, nullptr);
  Registry[static_cast<size_t>(id)] = widget;
  return id;
}

bool TKaltoGUI::HookInput(const InputEvent& event) {
  ++handlingDepth_;
  const bool handled = HandleInput(event);
  if (--handlingDepth_ == 0) freedWhileHandling_.clear();
  return handled;
}

bool TKaltoGUI::HandleInput(const InputEvent& event) {
  switch (event.Kind) {
    case InputKind::MouseMove:
      return MouseMoved(event.X, event.Y, true);
    case InputKind::MouseDown:
    case InputKind::MouseUp:
    case InputKind::MouseDoubleClick:
      MouseButtonEvent(event);
      return true;
    case InputKind::Char:
      DispatchKey(event.Char, TGUIKeyKind::Character);
      return true;
    case InputKind::KeyDown:
      DispatchKey(static_cast<uint16_t>(event.Key), TGUIKeyKind::KeyDown);
      return false;
    case InputKind::KeyUp:
      return false;
  }
  return false;
}

bool TKaltoGUI::MouseMoved(int32_t x, int32_t y, bool throttled) {
  const int64_t now = clock_.Now();
  const int64_t interval = clock_.Frequency() * kMoveIntervalMs / 1000;
  if (throttled && anyMoveAccepted_ && now - lastMoveTicks_ < interval) return false;
  anyMoveAccepted_ = true;
  keysHaveFocus_ = false;
  lastMoveTicks_ = now;
  Previous = Pointer;
  Pointer.MouseX = static_cast<int32_t>(std::lround(x * ScaleX));
  Pointer.MouseY = static_cast<int32_t>(std::lround(y * ScaleY));
  Pointer.HoverId = 0;
  ComputeScale();
  for (size_t i = 0; i < Pages.size(); ++i) Pages[i]->UpdateHover();
  return true;
}

void TKaltoGUI::MouseButtonEvent(const InputEvent& event) {
  // A button pressed where the last accepted move did not leave the pointer (its last
  // moves fell inside the throttle interval) first takes that position, so the press
  // lands on the widget drawn under the pointer.
  if (std::lround(event.X * ScaleX) != Pointer.MouseX ||
      std::lround(event.Y * ScaleY) != Pointer.MouseY) {
    MouseMoved(event.X, event.Y, false);
  }
  Previous = Pointer;
  const bool down = event.Kind != InputKind::MouseUp;
  switch (event.Button) {
    case MouseButton::Left:
      Pointer.LeftDown = down;
      if (event.Kind == InputKind::MouseDoubleClick) {
        DispatchButton(0, true, true);
      } else if (down) {
        Pointer.PressedId = Pointer.HoverId;
        DispatchButton(0, true, false);
      } else {
        DispatchButton(0, false, false);
        Pointer.PressedId = -1;
      }
      break;
    case MouseButton::Right:
      Pointer.RightDown = down;
      DispatchButton(1, down, false);
      break;
    case MouseButton::Middle:
      Pointer.MiddleDown = down;
      DispatchButton(2, down, false);
      break;
  }
}

uint8_t TKaltoGUI::ShiftState() const {
  return static_cast<uint8_t>((Pointer.LeftDown ? ssLeft : 0) | (Pointer.RightDown ? ssRight : 0) |
                              (Pointer.MiddleDown ? ssMiddle : 0));
}

void TKaltoGUI::DispatchButton(int button, bool down, bool doubleClick) {
  if (Pages.empty()) return;
  TKaltoGUIComponent* widget = WidgetById(Pointer.HoverId);
  if (!widget) return;
  if (doubleClick) {
    widget->DblClick();
  } else if (down) {
    if (widget->OnMouseDown)
      widget->OnMouseDown(*this, button, ShiftState(), Pointer.MouseX, Pointer.MouseY);
  } else if (button == 0 && Pointer.PressedId == Pointer.HoverId) {
    widget->Click();
  } else if (widget->OnMouseUp) {
    widget->OnMouseUp(*this, button, ShiftState(), Pointer.MouseX, Pointer.MouseY);
  }
}

void TKaltoGUI::DispatchKey(uint16_t key, TGUIKeyKind kind) {
  if (Pointer.FocusId < 1) return;
  TKaltoGUIComponent* widget = WidgetById(Pointer.FocusId);
  if (!widget || !widget->Page->Enabled) return;
  widget->KeyPress(key, kind);
}
