#pragma once
#include <memory>
#include <string>
#include <vector>

#include "engine/gui/KaltoButton.h"
#include "engine/gui/KaltoEdit.h"

class TKaltoGUI;

// A page of widgets, made and freed with a screen of the game. Owns its widgets; owned by
// its GUI (see TKaltoGUI::CreatePage and FreePage).
class TKaltoGUIList {
 public:
  explicit TKaltoGUIList(TKaltoGUI& gui);
  ~TKaltoGUIList();
  TKaltoGUIList(const TKaltoGUIList&) = delete;
  TKaltoGUIList& operator=(const TKaltoGUIList&) = delete;

  std::vector<std::unique_ptr<TKaltoGUIComponent>> Widgets;  // drawn in this order
  std::string Name;
  TKaltoGUI* GUI = nullptr;
  bool Enabled = true;  // takes hover and keys
  bool Visible = true;  // drawn and hover-tested
  bool Freed = false;   // taken out of its GUI, waiting for the event in hand to finish

  TKaltoButton& CreateButton();
  TKaltoEdit& CreateEdit();
  // Moves the page to the end of its GUI's pages: drawn last, wins hover ties.
  void BringToFront();
  // Moves a widget of this page to the end of the page.
  void BringToFront(TKaltoGUIComponent& widget);

  // Sets the GUI's HoverId to every enabled, visible widget under the pointer (so the last
  // one wins) and fires enter and leave against the previous hover.
  void UpdateHover();
  void Draw();

 private:
  template <typename Widget>
  Widget& AddWidget();
};
