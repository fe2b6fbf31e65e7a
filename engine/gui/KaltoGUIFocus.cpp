#include <cstdlib>

#include "engine/gui/KaltoGUI.h"

namespace {

bool Focusable(const TKaltoGUIComponent& widget) {
  return dynamic_cast<const TKaltoButton*>(&widget) && widget.Visible && widget.Enabled &&
         widget.OnClick && widget.Page->Visible && widget.Page->Enabled && !widget.Page->Freed;
}

// How far a centre lies from another along the direction (dx, dy), with the sideways
// distance counted double, so the nearest button roughly in line wins; -1 when it does not
// lie that way at all.
long DistanceTowards(const TKaltoGUIComponent& from, const TKaltoGUIComponent& to, int dx, int dy) {
  const long fromX = 2L * from.X + from.Width;  // doubled centres: exact for odd sizes
  const long fromY = 2L * from.Y + from.Height;
  const long x = 2L * to.X + to.Width - fromX;
  const long y = 2L * to.Y + to.Height - fromY;
  const long along = x * dx + y * dy;
  if (along <= 0) return -1;
  const long sideways = std::labs(dx != 0 ? y : x);
  return along + 2 * sideways;
}

}  // namespace

TKaltoButton* TKaltoGUI::FocusedButton() const {
  TKaltoGUIComponent* widget = WidgetById(Pointer.HoverId);
  return widget && Focusable(*widget) ? static_cast<TKaltoButton*>(widget) : nullptr;
}

void TKaltoGUI::FocusButton(const TKaltoButton& button) {
  Previous = Pointer;
  Pointer.HoverId = button.Id;
  keysHaveFocus_ = true;
}

bool TKaltoGUI::MoveFocus(int dx, int dy) {
  const TKaltoButton* current = FocusedButton();
  if (current && dx == 0 && dy == 0) {
    const bool moved = !keysHaveFocus_;
    FocusButton(*current);
    return moved;
  }
  for (auto page = Pages.rbegin(); page != Pages.rend(); ++page) {
    const TKaltoGUIComponent* best = nullptr;
    long bestDistance = 0;
    for (const auto& widget : (*page)->Widgets) {
      if (!Focusable(*widget) || widget.get() == current) continue;
      if (!current) {
        best = widget.get();
        break;
      }
      if (current->Page != page->get()) continue;
      const long distance = DistanceTowards(*current, *widget, dx, dy);
      if (distance >= 0 && (!best || distance < bestDistance)) {
        best = widget.get();
        bestDistance = distance;
      }
    }
    if (best) {
      FocusButton(static_cast<const TKaltoButton&>(*best));
      return true;
    }
    if (current && current->Page == page->get()) return false;
  }
  return false;
}

bool TKaltoGUI::PressFocused() {
  TKaltoButton* button = FocusedButton();
  if (!button || !keysHaveFocus_) return false;
  ++handlingDepth_;
  button->Click();
  if (--handlingDepth_ == 0) freedWhileHandling_.clear();
  return true;
}
