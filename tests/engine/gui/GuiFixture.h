#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/gui/KaltoGUI.h"
#include "platform/Clock.h"

// A GUI with no screen, driven straight through its input hook on a virtual clock. Widget
// events are written to Log as short lines ("click A", "down A 0 8", ...).
class GuiFixture : public ::testing::Test {
 protected:
  VirtualClock clock;
  TKaltoGUI gui{clock};
  std::vector<std::string> Log;

  TKaltoButton& AddButton(TKaltoGUIList& page, const std::string& name, int x, int y, int w,
                          int h) {
    TKaltoButton& b = page.CreateButton();
    b.Name = name;
    b.SetX(x);
    b.SetY(y);
    b.SetWidth(w);
    b.SetHeight(h);
    Record(b);
    return b;
  }

  void Record(TKaltoGUIComponent& w) {
    const std::string name = w.Name;
    w.OnClick = [this](TKaltoGUIComponent& s) { Log.push_back("click " + s.Name); };
    w.OnDblClick = [this](TKaltoGUIComponent& s) { Log.push_back("dbl " + s.Name); };
    w.OnMouseEnter = [this](TKaltoGUIComponent& s) { Log.push_back("enter " + s.Name); };
    w.OnMouseLeave = [this](TKaltoGUIComponent& s) { Log.push_back("leave " + s.Name); };
    w.OnMouseDown = [this, name](TKaltoGUI&, int button, uint8_t shift, int, int) {
      Log.push_back("down " + name + " " + std::to_string(button) + " " + std::to_string(shift));
    };
    w.OnMouseUp = [this, name](TKaltoGUI&, int button, uint8_t shift, int, int) {
      Log.push_back("up " + name + " " + std::to_string(button) + " " + std::to_string(shift));
    };
  }

  // A move 20 ms after the last event, so the throttle lets it through.
  bool Move(int x, int y, int64_t afterMs = 20) {
    clock.Advance(afterMs * 1000);
    InputEvent e;
    e.Kind = InputKind::MouseMove;
    e.X = x;
    e.Y = y;
    return gui.HookInput(e);
  }
  // A button event where the pointer rests.
  bool Button(InputKind kind, MouseButton button = MouseButton::Left) {
    InputEvent e;
    e.Kind = kind;
    e.Button = button;
    e.X = gui.Pointer.MouseX;
    e.Y = gui.Pointer.MouseY;
    return gui.HookInput(e);
  }
  bool Char(uint8_t c) {
    InputEvent e;
    e.Kind = InputKind::Char;
    e.Char = c;
    return gui.HookInput(e);
  }
  bool Key(int vk) {
    InputEvent e;
    e.Kind = InputKind::KeyDown;
    e.Key = vk;
    return gui.HookInput(e);
  }
};
