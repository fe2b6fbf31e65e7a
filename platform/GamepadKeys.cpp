#include "platform/GamepadKeys.h"

#include "base/VirtualKeys.h"
#include "platform/KeyEvents.h"

int GamepadKeys::KeyOf(Source source) {
  switch (source) {
    case StickLeft:
    case PadLeft:
      return vk::Left;
    case StickRight:
    case PadRight:
      return vk::Right;
    case StickUp:
    case PadUp:
    case TriggerRight:
      return vk::Up;
    case StickDown:
    case PadDown:
    case TriggerLeft:
      return vk::Down;
    case ButtonA:
      return vk::Enter;
    case ButtonB:
      return vk::Escape;
    case ButtonX:
      return vk::Space;
    case ButtonY:
      return vk::R;
    case ButtonStart:
      return vk::P;
    case kSourceCount:
      break;
  }
  return 0;
}

bool GamepadKeys::Holds(int key) const {
  for (const auto& [pad, sources] : held_) {
    for (int s = 0; s < kSourceCount; ++s) {
      if (sources[s] && KeyOf(static_cast<Source>(s)) == key) return true;
    }
  }
  return false;
}

void GamepadKeys::Set(int pad, Source source, bool on, std::vector<InputEvent>& out) {
  Sources& sources = held_[pad];
  if (sources[source] == on) return;
  const int key = KeyOf(source);
  const bool before = Holds(key);
  sources[source] = on;
  const bool after = Holds(key);
  if (before != after) AppendKeyEvents(out, key, after, 0);
}

void GamepadKeys::SetTravel(int pad, Source source, int travel, std::vector<InputEvent>& out) {
  if (travel > kPressTravel) {
    Set(pad, source, true, out);
  } else if (travel < kDeadZone) {
    Set(pad, source, false, out);
  }
}

std::vector<InputEvent> GamepadKeys::Button(int pad, PadButton button, bool down) {
  std::vector<InputEvent> out;
  switch (button) {
    case PadButton::A:
      Set(pad, ButtonA, down, out);
      break;
    case PadButton::B:
      Set(pad, ButtonB, down, out);
      break;
    case PadButton::X:
      Set(pad, ButtonX, down, out);
      break;
    case PadButton::Y:
      Set(pad, ButtonY, down, out);
      break;
    case PadButton::Start:
      Set(pad, ButtonStart, down, out);
      break;
    case PadButton::DpadUp:
      Set(pad, PadUp, down, out);
      break;
    case PadButton::DpadDown:
      Set(pad, PadDown, down, out);
      break;
    case PadButton::DpadLeft:
      Set(pad, PadLeft, down, out);
      break;
    case PadButton::DpadRight:
      Set(pad, PadRight, down, out);
      break;
  }
  return out;
}

std::vector<InputEvent> GamepadKeys::Axis(int pad, PadAxis axis, int value) {
  std::vector<InputEvent> out;
  switch (axis) {
    case PadAxis::LeftX:
      SetTravel(pad, StickLeft, -value, out);
      SetTravel(pad, StickRight, value, out);
      break;
    case PadAxis::LeftY:
      SetTravel(pad, StickUp, -value, out);
      SetTravel(pad, StickDown, value, out);
      break;
    case PadAxis::TriggerLeft:
      SetTravel(pad, TriggerLeft, value, out);
      break;
    case PadAxis::TriggerRight:
      SetTravel(pad, TriggerRight, value, out);
      break;
  }
  return out;
}

std::vector<InputEvent> GamepadKeys::Unplugged(int pad) {
  std::vector<InputEvent> out;
  const auto it = held_.find(pad);
  if (it == held_.end()) return out;
  for (int s = 0; s < kSourceCount; ++s) Set(pad, static_cast<Source>(s), false, out);
  held_.erase(pad);
  return out;
}
