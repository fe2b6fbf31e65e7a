#include "base/Windows1251.h"

#include <stdexcept>

namespace cp1251 {

void TextIsNotWindows1251() {
  throw std::invalid_argument("a text holds a character Windows-1251 lacks, or is not UTF-8");
}

}  // namespace cp1251
