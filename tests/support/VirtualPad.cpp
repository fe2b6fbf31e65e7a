#include "tests/support/VirtualPad.h"

#include <SDL.h>

#include <stdexcept>
#include <string>

namespace {

constexpr int kAxisCount = SDL_CONTROLLER_AXIS_MAX;
constexpr int kButtonCount = SDL_CONTROLLER_BUTTON_MAX;

bool IsTrigger(int axis) {
  return axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT || axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
}

// A trigger's raw axis spans the whole range; SDL's mapping folds it onto 0..32767.
Sint16 RawValue(int axis, int value) {
  return static_cast<Sint16>(IsTrigger(axis) ? value * 2 - 32768 : value);
}

void Check(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string(what) + ": " + SDL_GetError());
}

}  // namespace

VirtualPad::VirtualPad() {
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = kAxisCount;
  desc.nbuttons = kButtonCount;
  // Every standard control, in SDL's own order: raw axis i is controller axis i.
  desc.axis_mask = (1u << kAxisCount) - 1;
  desc.button_mask = (1u << kButtonCount) - 1;
  desc.name = "test pad";
  const int index = SDL_JoystickAttachVirtualEx(&desc);
  Check(index >= 0, "cannot attach a virtual pad");
  joystick_ = SDL_JoystickOpen(index);
  Check(joystick_ != nullptr, "cannot open the virtual pad");
  // Triggers rest at the bottom of their raw range.
  SetAxis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0);
  SetAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0);
}

VirtualPad::~VirtualPad() {
  Unplug();
}

void VirtualPad::SetAxis(int axis, int value) {
  Check(SDL_JoystickSetVirtualAxis(joystick_, axis, RawValue(axis, value)) == 0,
        "cannot move a virtual axis");
}

void VirtualPad::SetButton(int button, bool down) {
  Check(SDL_JoystickSetVirtualButton(joystick_, button, down ? SDL_PRESSED : SDL_RELEASED) == 0,
        "cannot press a virtual button");
}

void VirtualPad::Unplug() {
  if (joystick_ == nullptr) return;
  const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
  SDL_JoystickClose(joystick_);
  joystick_ = nullptr;
  for (int i = 0; i < SDL_NumJoysticks(); ++i) {
    if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
  }
}
