#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The exit page's file, "wdata\config.ini": read by ReadExitPage (for TShareScreen,
// online/Share.cpp), written by ExitPageFileText (for the asset generator). Lines end in CR LF.
//
// The file, line by line (leading spaces ignored; numbers separated by single spaces, text
// after the last one ignored):
//   N                               number of buttons, the last is the exit button
//   background picture path
//   per button 1..N-1:  "hx hy - -", "x y width height", normal picture, hover picture,
//                       file to open
//   exit button:        "hx hy - -", "x y width height", "wx wy - -", normal picture,
//                       hover picture, waiting picture
//   "cx cy"                         centre of the countdown number
//   s                               countdown length: (s - 1) x 100 frames
//   "c1 c2 c3"                      colour numbers of the countdown number
//   "TRUE" and a font size line, or any other text
// A count below 1 means no buttons at all, not even the exit button.
// Paths are relative to the data folder, with "\" between their parts.
inline constexpr const char* kExitPageFile = "wdata\\config.ini";

struct ExitPageButton {
  int32_t HoverX = 0;
  int32_t HoverY = 0;
  int32_t X = 0;
  int32_t Y = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  std::string NormalPicture;
  std::string HoverPicture;
  std::string FileToOpen;  // a link button's
};

struct ExitPageExitButton {
  ExitPageButton Button;  // FileToOpen unused
  int32_t WaitX = 0;
  int32_t WaitY = 0;
  std::string WaitPicture;
};

struct ExitPage {
  std::string Background;
  std::vector<ExitPageButton> Links;  // only with an exit button
  std::optional<ExitPageExitButton> Exit;
  int32_t CountdownX = 0;
  int32_t CountdownY = 0;
  int32_t CountdownSeconds = 0;
  std::array<int32_t, 3> CountdownColour{};
  // Empty ("FALSE"): the size follows the exit button's height, and the second and third
  // colour numbers are blue and green.
  std::optional<int32_t> CountdownFontSize;
};

// The whole file for the page; the "- -" numbers are written as 0. Without an exit button
// the count is 0 and the links are not written: the file cannot hold links without it.
std::string ExitPageFileText(const ExitPage& page);

struct ExitPageReadResult {
  std::optional<ExitPage> Page;
  std::string Problem;  // the line and what is wrong with it, when Page is empty
};

// Reads the file's text (CR LF or LF line ends). A missing or empty line, a number that is
// not a whole 32-bit integer, too few numbers on a line or two spaces between them give no
// page. Whether the named files exist is the caller's question.
ExitPageReadResult ReadExitPage(std::string_view text);
