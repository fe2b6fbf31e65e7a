#include "platform/AudioDevice.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A 16-bit mono wave of `frames` samples of `value` at `rate`.
std::vector<uint8_t> MonoWave(int rate, int frames, int16_t value) {
  std::vector<uint8_t> b;
  // The header and samples in one allocation (MinGW's GCC 12 also misreads inserts into an
  // empty vector as an overflow without it).
  b.reserve(44 + 2 * static_cast<size_t>(frames));
  auto tag = [&](const char* t) { b.insert(b.end(), t, t + 4); };
  auto u16 = [&](uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
  };
  auto u32 = [&](uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  tag("RIFF");
  u32(36 + 2 * frames);
  tag("WAVE");
  tag("fmt ");
  u32(16);
  u16(1);
  u16(1);
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  tag("data");
  u32(2 * frames);
  for (int i = 0; i < frames; ++i) u16(static_cast<uint16_t>(value));
  return b;
}

}  // namespace

TEST(DecodeWave, AMonoFileBecomesStereoAtTheAskedRate) {
  const auto wave = DecodeWave(MonoWave(22050, 2205, 16384), 44100);
  ASSERT_TRUE(wave.has_value());
  EXPECT_EQ(wave->SourceRate, 22050);
  EXPECT_NEAR(wave->Frames(), 4410, 8);
  const size_t middle = wave->Stereo.size() / 2 & ~size_t{1};
  EXPECT_NEAR(wave->Stereo[middle], 0.5f, 0.01);
  EXPECT_NEAR(wave->Stereo[middle + 1], 0.5f, 0.01);
}

TEST(DecodeWave, DamagedFilesGiveNothing) {
  std::vector<uint8_t> longData = MonoWave(22050, 100, 1);
  longData[40] = 0xFF;  // the data chunk claims more bytes than the file holds
  longData[43] = 0x7F;
  std::vector<uint8_t> absurdRate = MonoWave(22050, 100, 1);
  absurdRate[24] = 0x44;
  absurdRate[25] = 0xAC;
  absurdRate[26] = 0xFF;  // 16.7 MHz
  std::vector<uint8_t> notRiff = MonoWave(22050, 100, 1);
  std::memcpy(notRiff.data(), "RIFX", 4);
  const std::vector<uint8_t> truncated(notRiff.begin(), notRiff.begin() + 30);
  for (const auto& bytes : {longData, absurdRate, notRiff, truncated, std::vector<uint8_t>{}}) {
    EXPECT_FALSE(DecodeWave(bytes, 44100).has_value());
  }
}
