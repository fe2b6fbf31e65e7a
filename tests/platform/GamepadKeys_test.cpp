// Gamepad controls to key events, without SDL: which key each control holds, the dead
// zone, several controls on one key, unplugging.
#include "platform/GamepadKeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/VirtualKeys.h"

namespace {

// The events as "+key" / "-key" / "'char", easy to compare whole.
std::string Describe(const std::vector<InputEvent>& events) {
  std::string s;
  for (const InputEvent& e : events) {
    if (!s.empty()) s += ' ';
    switch (e.Kind) {
      case InputKind::KeyDown:
        s += "+" + std::to_string(e.Key);
        break;
      case InputKind::KeyUp:
        s += "-" + std::to_string(e.Key);
        break;
      case InputKind::Char:
        s += "'" + std::to_string(e.Char);
        break;
      default:
        s += "?";
        break;
    }
  }
  return s;
}

std::string Plus(int key) {
  return "+" + std::to_string(key);
}
std::string Minus(int key) {
  return "-" + std::to_string(key);
}

TEST(GamepadKeys, EachButtonHoldsItsKey) {
  struct Case {
    PadButton Button;
    int Key;
    bool TypesChar;  // Enter and Escape also type their control character
  };
  const Case cases[] = {
      {PadButton::A, vk::Enter, true},          {PadButton::B, vk::Escape, true},
      {PadButton::X, vk::Space, false},         {PadButton::Y, vk::R, false},
      {PadButton::Start, vk::P, false},         {PadButton::DpadUp, vk::Up, false},
      {PadButton::DpadDown, vk::Down, false},   {PadButton::DpadLeft, vk::Left, false},
      {PadButton::DpadRight, vk::Right, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Key);
    GamepadKeys pad;
    const std::string down = Plus(c.Key) + (c.TypesChar ? " '" + std::to_string(c.Key) : "");
    EXPECT_EQ(Describe(pad.Button(0, c.Button, true)), down);
    EXPECT_EQ(Describe(pad.Button(0, c.Button, true)), "");  // no repeat
    EXPECT_EQ(Describe(pad.Button(0, c.Button, false)), Minus(c.Key));
    EXPECT_EQ(Describe(pad.Button(0, c.Button, false)), "");
  }
}

TEST(GamepadKeys, StickAndTriggersPressBeyondTheTravelAndReleaseInTheDeadZone) {
  struct Case {
    PadAxis Axis;
    int Direction;  // the sign of the push
    int Key;
  };
  const Case cases[] = {
      {PadAxis::LeftX, -1, vk::Left},      {PadAxis::LeftX, +1, vk::Right},
      {PadAxis::LeftY, -1, vk::Up},        {PadAxis::LeftY, +1, vk::Down},
      {PadAxis::TriggerRight, +1, vk::Up}, {PadAxis::TriggerLeft, +1, vk::Down},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Key);
    const int d = c.Direction;
    GamepadKeys pad;
    // A resting control and a slight touch do nothing.
    EXPECT_EQ(Describe(pad.Axis(0, c.Axis, 0)), "");
    EXPECT_EQ(Describe(pad.Axis(0, c.Axis, d * (GamepadKeys::kDeadZone - 1))), "");
    EXPECT_EQ(Describe(pad.Axis(0, c.Axis, d * GamepadKeys::kPressTravel)), "");
    // Past the travel: the key goes down once, however far the push goes.
    EXPECT_EQ(Describe(pad.Axis(0, c.Axis, d * (GamepadKeys::kPressTravel + 1))), Plus(c.Key));
    EXPECT_EQ(Describe(pad.Axis(0, c.Axis, d * 32767)), "");
    // Easing off between dead zone and travel keeps it; back in the dead zone lets go.
    EXPECT_EQ(Describe(pad.Axis(0, c.Axis, d * GamepadKeys::kDeadZone)), "");
    EXPECT_EQ(Describe(pad.Axis(0, c.Axis, d * (GamepadKeys::kDeadZone - 1))), Minus(c.Key));
    EXPECT_EQ(Describe(pad.Axis(0, c.Axis, 0)), "");
  }
}

TEST(GamepadKeys, StickSwingsFromOneSideToTheOther) {
  GamepadKeys pad;
  EXPECT_EQ(Describe(pad.Axis(0, PadAxis::LeftX, -32768)), Plus(vk::Left));
  EXPECT_EQ(Describe(pad.Axis(0, PadAxis::LeftX, 32767)), Minus(vk::Left) + " " + Plus(vk::Right));
  // A diagonal holds both of its keys.
  EXPECT_EQ(Describe(pad.Axis(0, PadAxis::LeftY, -32768)), Plus(vk::Up));
  EXPECT_EQ(Describe(pad.Axis(0, PadAxis::LeftX, 0)), Minus(vk::Right));
  EXPECT_EQ(Describe(pad.Axis(0, PadAxis::LeftY, 0)), Minus(vk::Up));
}

TEST(GamepadKeys, AKeyHeldByTwoControlsIsReleasedWithTheLast) {
  GamepadKeys pad;
  EXPECT_EQ(Describe(pad.Axis(0, PadAxis::TriggerRight, 32767)), Plus(vk::Up));
  EXPECT_EQ(Describe(pad.Button(0, PadButton::DpadUp, true)), "");
  EXPECT_EQ(Describe(pad.Axis(1, PadAxis::LeftY, -32768)), "");  // a second pad
  EXPECT_EQ(Describe(pad.Axis(0, PadAxis::TriggerRight, 0)), "");
  EXPECT_EQ(Describe(pad.Button(0, PadButton::DpadUp, false)), "");
  EXPECT_EQ(Describe(pad.Axis(1, PadAxis::LeftY, 0)), Minus(vk::Up));
}

TEST(GamepadKeys, UnpluggingReleasesWhatOnlyThatPadHeld) {
  GamepadKeys pad;
  pad.Button(7, PadButton::X, true);
  pad.Axis(7, PadAxis::LeftX, 32767);
  pad.Axis(7, PadAxis::TriggerLeft, 32767);
  pad.Button(8, PadButton::DpadDown, true);
  EXPECT_EQ(Describe(pad.Unplugged(7)), Minus(vk::Right) + " " + Minus(vk::Space));
  EXPECT_EQ(Describe(pad.Unplugged(7)), "");
  EXPECT_EQ(Describe(pad.Unplugged(8)), Minus(vk::Down));
  // A pad plugged in again under the same id starts from rest.
  EXPECT_EQ(Describe(pad.Button(7, PadButton::X, true)), Plus(vk::Space));
}

}  // namespace
