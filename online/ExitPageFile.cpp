#include "online/ExitPageFile.h"

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string Numbers(std::initializer_list<int32_t> values) {
  std::string line;
  for (const int32_t value : values) {
    if (!line.empty()) line += ' ';
    line += std::to_string(value);
  }
  return line + kLineEnd;
}

std::string Line(const std::string& text) {
  return text + kLineEnd;
}

std::string Placement(const ExitPageButton& button) {
  return Numbers({button.HoverX, button.HoverY, 0, 0}) +
         Numbers({button.X, button.Y, button.Width, button.Height});
}

}  // namespace

std::string ExitPageFileText(const ExitPage& page) {
  std::string text = Numbers({static_cast<int32_t>(page.Links.size()) + 1});
  text += Line(page.Background);
  for (const ExitPageButton& link : page.Links) {
    text += Placement(link) + Line(link.NormalPicture) + Line(link.HoverPicture) +
            Line(link.FileToOpen);
  }
  const ExitPageExitButton& exit = page.Exit;
  text += Placement(exit.Button) + Numbers({exit.WaitX, exit.WaitY, 0, 0}) +
          Line(exit.Button.NormalPicture) + Line(exit.Button.HoverPicture) + Line(exit.WaitPicture);
  text += Numbers({page.CountdownX, page.CountdownY});
  text += Numbers({page.CountdownSeconds});
  const std::array<int32_t, 3>& c = page.CountdownColour;
  text += Numbers({c[0], c[1], c[2]});
  if (page.CountdownFontSize > 0) {
    text += Line("TRUE") + Numbers({page.CountdownFontSize});
  } else {
    text += Line("FALSE");
  }
  return text;
}
