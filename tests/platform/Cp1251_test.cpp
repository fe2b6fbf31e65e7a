#include "platform/Cp1251.h"

#include <gtest/gtest.h>

TEST(Cp1251, Utf8TextBecomesWindows1251BytesDroppingWhatHasNoCode) {
  struct Case {
    std::string Utf8;
    std::string Expected;
  };
  const Case cases[] = {
      {"Name 12", "Name 12"},
      {"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", "\xCF\xF0\xE8\xE2\xE5\xF2"},  // Привет
      {"\xD0\x81\xD1\x91", "\xA8\xB8"},                                                  // Ёё
      {"\xE2\x82\xAC\xE2\x84\x96", "\x88\xB9"},                                          // €№
      {"a\xF0\x9F\x98\x80"
       "b",
       "ab"},  // an emoji has no code
      {"a\xE4\xB8\xAD"
       "b",
       "ab"},  // nor has a Chinese character
      {"a\xFF"
       "b",
       "ab"},          // a broken byte
      {"a\xD0", "a"},  // a cut sequence at the end
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToCp1251(c.Utf8), c.Expected) << c.Utf8;
}

TEST(Cp1251, EveryAssignedByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) {
    if (b != 0x98) all.push_back(static_cast<char>(b));
  }
  const std::string utf8 = Cp1251ToUtf8(all);
  EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF"), "\xD0\x90\xD1\x8F");  // Ая
  EXPECT_EQ(Utf8ToCp1251(utf8), all);
}

TEST(Cp1251, MarkedConversionLeavesOneZeroForEachSequenceItCannotConvert) {
  struct Case {
    const char* Why;
    std::string Utf8;
    std::string Expected;
  };
  const Case cases[] = {
      {"a character the code page lacks",
       "a\xE2\x86\x92"
       "b",
       std::string("a\0b", 3)},
      {"an overlong 'A'", "\xC1\x81", std::string(1, '\0')},
      {"a surrogate", "\xED\xA0\x80", std::string(1, '\0')},
      {"a cut sequence before a letter",
       "\xD0"
       "A",
       std::string("\0A", 2)},
      {"a stray continuation byte", "\x80\xD0\x81", std::string("\0\xA8", 2)},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToCp1251Marked(c.Utf8), c.Expected) << c.Why;
}

TEST(Cp1251, ExactConversionRefusesTheUnassignedByteInsteadOfDroppingIt) {
  EXPECT_EQ(Cp1251ToUtf8Exact("\xC0\xFF"), std::optional<std::string>("\xD0\x90\xD1\x8F"));
  EXPECT_EQ(Cp1251ToUtf8Exact(""), std::optional<std::string>(""));
  EXPECT_EQ(Cp1251ToUtf8Exact("a\x98z"), std::nullopt);
  EXPECT_EQ(Cp1251ToUtf8("a\x98z"), "az");
}
