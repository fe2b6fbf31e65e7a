#pragma once
#include <cstdint>
#include <vector>

// A RIFF wave file of 16-bit mono PCM.
std::vector<uint8_t> WriteWav(const std::vector<int16_t>& samples, int rate);
