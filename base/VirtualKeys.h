#pragma once

// Virtual-key codes the game reads: the platform layer maps its keys and gamepad buttons to
// these, and the game's key tables (GameState::KeyHeld, KeyReleased) are indexed by them.
// Plain constants with no dependency, so every layer, the platform layer included, can
// share them.
namespace vk {
constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Alt = 18;
constexpr int Pause = 19;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Insert = 45;
constexpr int Delete = 46;
constexpr int Digit0 = 48;   // '0'..'9' are 48..57
constexpr int LetterA = 65;  // 'A'..'Z' are 65..90
constexpr int P = 80;
constexpr int R = 82;
constexpr int Z = 90;
constexpr int F1 = 112;  // F1..F12 are 112..123
}  // namespace vk
