#include "tools/assetgen/sound/WavWriter.h"

namespace {
void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v & 0xFF));
  out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutTag(std::vector<uint8_t>& out, const char* tag) {
  out.insert(out.end(), tag, tag + 4);
}
}  // namespace

std::vector<uint8_t> WriteWav(const std::vector<int16_t>& samples, int rate) {
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  std::vector<uint8_t> out;
  PutTag(out, "RIFF");
  Put32(out, 36 + dataBytes);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, static_cast<uint32_t>(rate));
  Put32(out, static_cast<uint32_t>(rate * 2));
  Put16(out, 2);   // block align
  Put16(out, 16);  // bits per sample
  PutTag(out, "data");
  Put32(out, dataBytes);
  for (int16_t s : samples) Put16(out, static_cast<uint16_t>(s));
  return out;
}
