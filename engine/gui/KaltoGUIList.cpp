#include "engine/gui/KaltoGUIList.h"

#include <algorithm>

#include "engine/gui/KaltoGUI.h"

TKaltoGUIList::TKaltoGUIList(TKaltoGUI& gui) : GUI(&gui) {}

TKaltoGUIList::~TKaltoGUIList() = default;

template <typename Widget>
Widget& TKaltoGUIList::AddWidget() {
  auto widget = std::make_unique<Widget>(*this);
  Widget& made = *widget;
  Widgets.push_back(std::move(widget));
  return made;
}

TKaltoButton& TKaltoGUIList::CreateButton() {
  return AddWidget<TKaltoButton>();
}

TKaltoEdit& TKaltoGUIList::CreateEdit() {
  return AddWidget<TKaltoEdit>();
}

void TKaltoGUIList::BringToFront() {
  GUI->BringToFront(*this);
}

void TKaltoGUIList::BringToFront(TKaltoGUIComponent& widget) {
  const auto it = std::find_if(Widgets.begin(), Widgets.end(),
                               [&](const auto& w) { return w.get() == &widget; });
  if (it != Widgets.end()) std::rotate(it, it + 1, Widgets.end());
}

void TKaltoGUIList::UpdateHover() {
  if (!Enabled || !Visible) return;
  TGUIPointerState& pointer = GUI->Pointer;
  const int32_t previousHover = GUI->Previous.HoverId;
  // A handler may add widgets to this page; walk by index.
  for (size_t i = 0; i < Widgets.size(); ++i) {
    TKaltoGUIComponent& w = *Widgets[i];
    if (!w.Enabled || !w.Visible) continue;
    const bool inside = w.X <= pointer.MouseX && pointer.MouseX <= w.X + w.Width &&
                        w.Y <= pointer.MouseY && pointer.MouseY <= w.Y + w.Height;
    if (inside) {
      pointer.HoverId = w.Id;
      w.MouseMove();
      if (previousHover != w.Id) w.MouseEnter();
    } else if (previousHover == w.Id) {
      w.MouseLeave();
    }
    if (Freed) return;  // a handler freed this page
  }
}

void TKaltoGUIList::Draw() {
  if (!Visible) return;
  for (const auto& widget : Widgets) {
    if (widget->Visible) widget->Draw();
  }
}
