#pragma once
#include <string>

// The game's 8-bit/5-bit text codec, used by the score report and the saved files.
// Bit strings are texts of '0'/'1' characters; texts are Windows-1251 bytes.

// Each byte as its 8 bits, most significant first.
std::string TextToBits(const std::string& text);

// Left-pads the bits with '0' to a multiple of 5 and turns each group of 5 into one
// symbol of "ABCDEFGHJKLMNPQRSTUVWXY123456789". Any character but '0' counts as a 1 bit.
std::string BitsToSymbols(const std::string& bits);

// Each symbol as the 5 bits of its table index; characters outside the table give nothing.
std::string SymbolsToBits(const std::string& symbols);

// Left-pads the bits with '0' to a multiple of 8 and turns each group of 8 into one byte.
// Only '1' counts as a 1 bit.
std::string BitsToText(const std::string& bits);
