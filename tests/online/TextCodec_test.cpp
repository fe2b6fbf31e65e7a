#include "online/TextCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string Encode(const std::string& text) {
  return BitsToSymbols(TextToBits(text));
}
std::string Decode(const std::string& symbols) {
  return BitsToText(SymbolsToBits(symbols));
}
}  // namespace

TEST(TextCodec, WorkedExampleAndCyrillicBytes) {
  EXPECT_EQ(TextToBits("abcde"), "0110000101100010011000110110010001100101");
  EXPECT_EQ(Encode("abcde"), "NFTGG3DF");
  EXPECT_EQ(Decode("NFTGG3DF"), "abcde");

  // "Пилот" in Windows-1251: each letter is its single byte above 127.
  const std::string pilot = "\xCF\xE8\xEB\xEE\xF2";
  EXPECT_EQ(TextToBits(pilot).substr(0, 8), "11001111");
  EXPECT_EQ(Encode(pilot), "39WQ151U");
  EXPECT_EQ(Decode("39WQ151U"), pilot);
}

TEST(TextCodec, ReportOfThirtyNineCharactersPaddedToForty) {
  const std::string report = "type=0|name=Ann|score=-150|key=X|p=7|z=";
  ASSERT_EQ(report.size(), 39u);

  const std::string padded = report + "0";
  const std::string symbols = Encode(padded);
  EXPECT_EQ(symbols.size(), 64u);
  EXPECT_EQ(Decode(symbols), padded);

  // Unpadded, the 312 bits get three leading zero bits and come back with a leading NUL.
  EXPECT_EQ(Encode(report).size(), 63u);
  EXPECT_EQ(Decode(Encode(report)), std::string(1, '\0') + report);
}

TEST(TextCodec, EveryByteValueRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  all += "%%%%";  // 260 bytes: a multiple of 5, so nothing is added in front
  EXPECT_EQ(Decode(Encode(all)), all);

  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(Decode(Encode(one)), std::string(1, '\0') + one) << "byte " << b;
  }
}

TEST(TextCodec, UnknownSymbolsAndBitCharacters) {
  // I, O, Z, 0, lower case and bytes above 127 are not symbols: they map to nothing.
  EXPECT_EQ(SymbolsToBits("NIFOZ0n\xC0"), SymbolsToBits("NF"));
  EXPECT_EQ(SymbolsToBits("A9"), "0000011111");

  // Grouping reads any non-'0' as a one, decoding only '1'.
  EXPECT_EQ(BitsToSymbols("x0000"), "S");
  EXPECT_EQ(BitsToSymbols("1"), "B");
  EXPECT_EQ(BitsToText("x1000001"), "A");
  EXPECT_EQ(BitsToText(""), "");
  EXPECT_EQ(BitsToSymbols(""), "");
}
