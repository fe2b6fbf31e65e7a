#include "tests/xwindow/RussianKeyboard.h"

#include "tests/xwindow/CommandOutput.h"
#include "tests/xwindow/GameWindow.h"

RussianKeyboard::RussianKeyboard() {
  const std::string query = CommandOutput("setxkbmap -query");
  restore_ = "setxkbmap -option ''";
  for (const char* field : {"rules", "model", "layout", "variant", "options"}) {
    const std::string label = std::string("\n") + field + ":";
    const size_t at = ("\n" + query).find(label);
    if (at == std::string::npos) continue;
    const size_t start = query.find_first_not_of(' ', at + label.size() - 1);
    const std::string value = query.substr(start, query.find('\n', start) - start);
    restore_ += std::string(" -") + (field == std::string("options") ? "option" : field) + " '" +
                value + "'";
  }
  switched_ = query.find("layout:") != std::string::npos && RunCommand("setxkbmap -layout ru");
}

RussianKeyboard::~RussianKeyboard() {
  if (switched_) RunCommand(restore_);
}
