#include "platform/MessageText.h"

#include <vector>

namespace {

// Where a word too long for a line is cut: after its last "/" that still fits, else at the
// line's end.
std::size_t CutOfLongWord(const std::string& word) {
  const std::size_t slash = word.rfind('/', kMessageColumns - 1);
  return slash != std::string::npos && slash > 0 ? slash + 1 : kMessageColumns;
}

void WrapParagraph(const std::string& paragraph, std::vector<std::string>& lines) {
  std::string line;
  std::size_t start = 0;
  while (start <= paragraph.size()) {
    std::size_t end = paragraph.find(' ', start);
    if (end == std::string::npos) end = paragraph.size();
    std::string word = paragraph.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.size() + 1 + word.size() > kMessageColumns) {
      lines.push_back(line);
      line.clear();
    }
    if (!line.empty()) line += ' ';
    line += word;
    while (line.size() > kMessageColumns) {
      const std::size_t cut = CutOfLongWord(line);
      lines.push_back(line.substr(0, cut));
      line.erase(0, cut);
    }
  }
  lines.push_back(line);
}

}  // namespace

std::string FitMessageText(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    WrapParagraph(text.substr(start, end == std::string::npos ? std::string::npos : end - start),
                  lines);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  if (lines.size() > kMessageLines) {
    const std::size_t more = lines.size() - (kMessageLines - 1);
    lines.resize(kMessageLines - 1);
    lines.push_back("... and " + std::to_string(more) + " more lines");
  }
  std::string fitted;
  for (const std::string& line : lines) {
    if (!fitted.empty()) fitted += '\n';
    fitted += line;
  }
  return fitted;
}
