#include "online/ExitPageFile.h"

#include <charconv>

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kFontSizeFollows = "TRUE";

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

// A whole token as a 32-bit integer with an optional sign.
bool ParseInteger(std::string_view token, int32_t& value) {
  const char* first = token.data();
  const char* last = first + token.size();
  if (first != last && *first == '+') ++first;
  if (first == last) return false;
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last;
}

struct ReadFailure {
  std::string Problem;
};

// Hands out the lines of the text; the first line that is missing or unusable ends the
// reading with a ReadFailure naming it.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}

  // The line without its leading spaces and without a Windows line end.
  std::string Text() {
    ++number_;
    if (rest_.empty()) Fail("is missing: the file ends early");
    const size_t end = rest_.find('\n');
    std::string_view line = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string_view::npos) Fail("is empty");
    return std::string(line.substr(first));
  }

  // The first `count` integers separated by single spaces; anything after them is ignored.
  template <size_t count>
  std::array<int32_t, count> Integers() {
    std::array<int32_t, count> values{};
    const std::string line = Text();
    size_t start = 0;
    for (int32_t& value : values) {
      const size_t space = start <= line.size() ? line.find(' ', start) : line.size();
      const std::string_view token =
          start <= line.size() ? std::string_view(line).substr(start, space - start) : "";
      start = space == std::string::npos ? line.size() + 1 : space + 1;
      if (!ParseInteger(token, value)) {
        Fail("\"" + line + "\" does not start with " + std::to_string(count) +
             " whole numbers separated by single spaces");
      }
    }
    return values;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw ReadFailure{"line " + std::to_string(number_) + " " + what};
  }

  std::string_view rest_;
  int number_ = 0;
};

ExitPageButton ReadPlacement(LineReader& lines) {
  ExitPageButton button;
  const auto hover = lines.Integers<4>();
  button.HoverX = hover[0];
  button.HoverY = hover[1];
  const auto normal = lines.Integers<4>();
  button.X = normal[0];
  button.Y = normal[1];
  button.Width = normal[2];
  button.Height = normal[3];
  return button;
}

ExitPage ReadPage(LineReader& lines) {
  ExitPage page;
  const int32_t count = lines.Integers<1>()[0];
  page.Background = lines.Text();
  for (int32_t i = 1; i < count; ++i) {
    ExitPageButton link = ReadPlacement(lines);
    link.NormalPicture = lines.Text();
    link.HoverPicture = lines.Text();
    link.FileToOpen = lines.Text();
    page.Links.push_back(std::move(link));
  }
  if (count >= 1) {
    ExitPageExitButton exit;
    exit.Button = ReadPlacement(lines);
    const auto wait = lines.Integers<4>();
    exit.WaitX = wait[0];
    exit.WaitY = wait[1];
    exit.Button.NormalPicture = lines.Text();
    exit.Button.HoverPicture = lines.Text();
    exit.WaitPicture = lines.Text();
    page.Exit = std::move(exit);
  }
  const auto centre = lines.Integers<2>();
  page.CountdownX = centre[0];
  page.CountdownY = centre[1];
  page.CountdownSeconds = lines.Integers<1>()[0];
  page.CountdownColour = lines.Integers<3>();
  if (lines.Text() == kFontSizeFollows) page.CountdownFontSize = lines.Integers<1>()[0];
  return page;
}

}  // namespace

std::string ExitPageFileText(const ExitPage& page) {
  std::string text = Numbers({page.Exit ? static_cast<int32_t>(page.Links.size()) + 1 : 0});
  text += Line(page.Background);
  if (page.Exit) {
    for (const ExitPageButton& link : page.Links) {
      text += Placement(link) + Line(link.NormalPicture) + Line(link.HoverPicture) +
              Line(link.FileToOpen);
    }
    const ExitPageExitButton& exit = *page.Exit;
    text += Placement(exit.Button) + Numbers({exit.WaitX, exit.WaitY, 0, 0}) +
            Line(exit.Button.NormalPicture) + Line(exit.Button.HoverPicture) +
            Line(exit.WaitPicture);
  }
  text += Numbers({page.CountdownX, page.CountdownY});
  text += Numbers({page.CountdownSeconds});
  const std::array<int32_t, 3>& c = page.CountdownColour;
  text += Numbers({c[0], c[1], c[2]});
  if (page.CountdownFontSize) {
    text += Line(kFontSizeFollows) + Numbers({*page.CountdownFontSize});
  } else {
    text += Line("FALSE");
  }
  return text;
}

ExitPageReadResult ReadExitPage(std::string_view text) {
  LineReader lines(text);
  try {
    return {ReadPage(lines), {}};
  } catch (const ReadFailure& failure) {
    return {std::nullopt, failure.Problem};
  }
}
