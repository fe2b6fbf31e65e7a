#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "online/ExitPageFile.h"

class TKaltoImageList;
class TKaltoFont;

// The page shown when the player leaves: a background, buttons that open files shipped with
// the game, and an exit button that works only after a countdown, shown as a number.
// Everything on it comes from "wdata\config.ini", read once by Load through ReadExitPage
// (online/ExitPageFile.h). A missing file, a file ReadExitPage refuses (said on stderr), a
// path that does not exist or leaves the data folder, or a picture that cannot be decoded
// leaves the page not Valid: it is never shown.
class TShareScreen {
 public:
  static constexpr const char* kConfigFile = kExitPageFile;

  // A button as the file places it (X, Y, Width, Height: where the normal picture is drawn,
  // and the clickable rectangle, edges included), with what the page adds while shown.
  class TButton : public ExitPageButton {
   public:
    TButton() = default;
    explicit TButton(const ExitPageButton& placement) : ExitPageButton(placement) {}

    bool IsExit() const { return Exit; }

    // The exit button closes the window once enabled; any other opens FileToOpen.
    bool Exit = false;
    // Where the exit button's waiting picture is drawn.
    int32_t WaitX = 0;
    int32_t WaitY = 0;
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
  // The page as its file describes it.
  ExitPage File;
  // In file order; the last one is the exit button when the file has one.
  std::vector<TButton> PromoButtons;
  int BackgroundImage = -1;
  // Frames left before the exit button works.
  int32_t Countdown = 0;

 private:
  void MakeButtons();
  bool AllFilesExist() const;
  void LoadPictures();
  int LoadPicture(const std::string& path);
  void SetCountdownFont();

  TKaltoImageList& shareList_;
  TKaltoFont& font_;
};
