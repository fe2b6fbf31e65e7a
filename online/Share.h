#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "online/ExitPageFile.h"

class TKaltoImageList;
class TKaltoFont;

// The page shown when the player leaves: a background, buttons that open files shipped with
// the game, and an exit button that works only after a countdown, shown as a number.
// Everything on it comes from "wdata\config.ini", read once by Load; its lines are
// described in online/ExitPageFile.h.
// A missing file, a missing or empty line, a number that is not an integer, a path that does
// not exist or a picture that cannot be decoded leaves the page not Valid: it is never shown.
class TShareScreen {
 public:
  static constexpr const char* kConfigFile = kExitPageFile;
  static constexpr const char* kExitAction = "exit";

  class TButton {
   public:
    bool IsExit() const { return Action == kExitAction; }

    int32_t HoverX = 0;
    int32_t HoverY = 0;
    // Where the normal picture is drawn, and the clickable rectangle (edges included).
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t WaitX = 0;
    int32_t WaitY = 0;
    // "exit", or the game-relative path of a file to open.
    std::string Action;
    // Items of the share list; -1 when the picture was not loaded.
    int NormalImage = -1;
    int HoverImage = -1;
    int WaitImage = -1;
    bool Hover = false;
    // False only for the exit button until the countdown has run out.
    bool Enabled = true;
    bool Visible = true;
  };

  // The pictures go into shareList; the countdown number is drawn with countdownFont.
  TShareScreen(TKaltoImageList& shareList, TKaltoFont& countdownFont);

  // Reads kConfigFile under the data root, loads the pictures and sets the countdown font.
  void Load();
  // The pointer is in picture coordinates.
  void UpdateHover(TButton& button, int pointerX, int pointerY) const;
  // Background, buttons, then the countdown number; enables the exit button once the
  // countdown is 0.
  void Draw();
  // The exit button calls OnExit; any other button opens its file when it exists.
  void RunAction(const TButton& button) const;
  // The number the countdown shows this frame; 0 when none is shown.
  int32_t CountdownNumber() const;

  // Asked to close the window (the exit button's action).
  std::function<void()> OnExit;

  bool Valid = false;
  int32_t PromoButtonCount = 0;
  // In file order; the last one is the exit button when the file has one.
  std::vector<TButton> PromoButtons;
  std::string BackgroundFile;
  int BackgroundImage = -1;
  // Frames left before the exit button works.
  int32_t Countdown = 0;
  bool CustomFontSize = false;
  int32_t FontSize = 0;
  int32_t CountdownX = 0;
  int32_t CountdownY = 0;
  std::array<int32_t, 3> ColorValues{};

 private:
  class LineReader;

  void ReadButton(LineReader& lines, bool exitButton);
  int LoadPicture(const std::string& path);
  void SetCountdownFont();

  TKaltoImageList& shareList_;
  TKaltoFont& font_;
};
