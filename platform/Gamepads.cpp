#include "platform/Gamepads.h"

#include <SDL.h>

#include <cstdio>

namespace {

bool PadButtonOf(uint8_t sdlButton, PadButton& button) {
  switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_A:
      button = PadButton::A;
      return true;
    case SDL_CONTROLLER_BUTTON_B:
      button = PadButton::B;
      return true;
    case SDL_CONTROLLER_BUTTON_X:
      button = PadButton::X;
      return true;
    case SDL_CONTROLLER_BUTTON_Y:
      button = PadButton::Y;
      return true;
    case SDL_CONTROLLER_BUTTON_START:
      button = PadButton::Start;
      return true;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      button = PadButton::DpadUp;
      return true;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      button = PadButton::DpadDown;
      return true;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      button = PadButton::DpadLeft;
      return true;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      button = PadButton::DpadRight;
      return true;
    default:
      return false;
  }
}

bool PadAxisOf(uint8_t sdlAxis, PadAxis& axis) {
  switch (sdlAxis) {
    case SDL_CONTROLLER_AXIS_LEFTX:
      axis = PadAxis::LeftX;
      return true;
    case SDL_CONTROLLER_AXIS_LEFTY:
      axis = PadAxis::LeftY;
      return true;
    case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
      axis = PadAxis::TriggerLeft;
      return true;
    case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
      axis = PadAxis::TriggerRight;
      return true;
    default:
      return false;
  }
}

void Append(std::vector<InputEvent>& out, const std::vector<InputEvent>& events) {
  out.insert(out.end(), events.begin(), events.end());
}

}  // namespace

Gamepads::Gamepads() {
  // SDL drops pad events while another window has the focus; a release dropped that way
  // would leave its key held in the game's tables for good.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  available_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  if (!available_) std::fprintf(stderr, "gamepads: not available: %s\n", SDL_GetError());
}

Gamepads::~Gamepads() {
  for (const auto& [id, controller] : open_) SDL_GameControllerClose(controller);
  if (available_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool Gamepads::Translate(const SDL_Event& event, std::vector<InputEvent>& out) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: {
      SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which);
      if (controller == nullptr) {
        std::fprintf(stderr, "gamepads: cannot open a controller: %s\n", SDL_GetError());
        return true;
      }
      const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
      // A second announcement of a pad already open must not take a second reference.
      if (open_.count(id) != 0) {
        SDL_GameControllerClose(controller);
      } else {
        open_[id] = controller;
      }
      return true;
    }
    case SDL_CONTROLLERDEVICEREMOVED: {
      const int id = event.cdevice.which;
      Append(out, keys_.Unplugged(id));
      const auto it = open_.find(id);
      if (it != open_.end()) {
        SDL_GameControllerClose(it->second);
        open_.erase(it);
      }
      return true;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      PadButton button;
      if (PadButtonOf(event.cbutton.button, button)) {
        Append(out,
               keys_.Button(event.cbutton.which, button, event.type == SDL_CONTROLLERBUTTONDOWN));
      }
      return true;
    }
    case SDL_CONTROLLERAXISMOTION: {
      PadAxis axis;
      if (PadAxisOf(event.caxis.axis, axis)) {
        Append(out, keys_.Axis(event.caxis.which, axis, event.caxis.value));
      }
      return true;
    }
    default:
      return false;
  }
}
