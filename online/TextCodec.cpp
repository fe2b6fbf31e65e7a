#include "online/TextCodec.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

constexpr char kSymbols[] = "ABCDEFGHJKLMNPQRSTUVWXY123456789";
constexpr int kSymbolCount = 32;
constexpr int kNoSymbol = -1;

// Index in kSymbols of every byte value, kNoSymbol for bytes outside the table.
const std::array<int, 256>& SymbolIndexTable() {
  static const std::array<int, 256> table = [] {
    std::array<int, 256> t;
    t.fill(kNoSymbol);
    for (int i = 0; i < kSymbolCount; ++i) t[static_cast<uint8_t>(kSymbols[i])] = i;
    return t;
  }();
  return table;
}

void AppendBits(std::string& out, unsigned value, int width) {
  for (int bit = width - 1; bit >= 0; --bit) out.push_back(((value >> bit) & 1u) ? '1' : '0');
}

std::string LeftPadded(const std::string& bits, std::size_t multiple) {
  const std::size_t rest = bits.size() % multiple;
  if (rest == 0) return bits;
  return std::string(multiple - rest, '0') + bits;
}

}  // namespace

std::string TextToBits(const std::string& text) {
  std::string bits;
  bits.reserve(text.size() * 8);
  for (char c : text) AppendBits(bits, static_cast<uint8_t>(c), 8);
  return bits;
}

std::string BitsToSymbols(const std::string& bits) {
  const std::string padded = LeftPadded(bits, 5);
  std::string symbols;
  symbols.reserve(padded.size() / 5);
  for (std::size_t i = 0; i < padded.size(); i += 5) {
    unsigned value = 0;
    for (std::size_t j = i; j < i + 5; ++j) value = (value << 1) | (padded[j] != '0' ? 1u : 0u);
    symbols.push_back(kSymbols[value]);
  }
  return symbols;
}

std::string SymbolsToBits(const std::string& symbols) {
  const auto& table = SymbolIndexTable();
  std::string bits;
  bits.reserve(symbols.size() * 5);
  for (char c : symbols) {
    const int index = table[static_cast<uint8_t>(c)];
    if (index != kNoSymbol) AppendBits(bits, static_cast<unsigned>(index), 5);
  }
  return bits;
}

std::string BitsToText(const std::string& bits) {
  const std::string padded = LeftPadded(bits, 8);
  std::string text;
  text.reserve(padded.size() / 8);
  for (std::size_t i = 0; i < padded.size(); i += 8) {
    unsigned value = 0;
    for (std::size_t j = i; j < i + 8; ++j) value = (value << 1) | (padded[j] == '1' ? 1u : 0u);
    text.push_back(static_cast<char>(value));
  }
  return text;
}
