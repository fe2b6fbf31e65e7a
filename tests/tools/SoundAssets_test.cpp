// Checks of the generated sounds and tunes in the game folder, as the game will load them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <libopenmpt/libopenmpt.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/AudioDevice.h"
#include "tests/support/SoundAnalysis.h"

namespace {

const std::filesystem::path kSounds = std::filesystem::path(BK_GAME_DIR) / "Sounds";

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
}

// A generated effect as the game decodes it, one channel.
std::vector<float> ReadMono(const std::string& file) {
  const auto wave = DecodeWave(ReadBytes(kSounds / file), 44100);
  std::vector<float> mono;
  if (!wave) return mono;
  for (int i = 0; i < wave->Frames(); ++i) mono.push_back(wave->Stereo[2 * i]);
  return mono;
}

// The loop played twice in a row, as the mixer repeats it.
std::vector<float> Twice(const std::vector<float>& loop) {
  std::vector<float> both(loop);
  both.insert(both.end(), loop.begin(), loop.end());
  return both;
}

double RmsDb(const std::vector<int16_t>& stereo, size_t from, size_t to) {
  double sum = 0;
  for (size_t i = from; i < to; ++i) sum += static_cast<double>(stereo[i]) * stereo[i];
  return 10.0 * std::log10(sum / static_cast<double>(to - from) / (32768.0 * 32768.0) + 1e-12);
}

// What a tune holds, read back through libopenmpt.
struct TuneFacts {
  std::string Log;
  double Duration = 0;
  int Channels = 0;
  int Tempo = 0;
  std::set<int> PatternsPlayed;
  std::set<std::set<int>> BassLines;  // the bass notes of each pattern played
  std::set<int> InstrumentsUsed;
  std::set<int> Pitches;
};

TuneFacts ReadTune(const std::vector<uint8_t>& bytes) {
  TuneFacts facts;
  std::ostringstream log;
  openmpt::module module(bytes, log);
  facts.Log = log.str();
  facts.Duration = module.get_duration_seconds();
  facts.Channels = module.get_num_channels();
  facts.Tempo = module.get_current_tempo();
  for (int order = 0; order < module.get_num_orders(); ++order) {
    const int pattern = module.get_order_pattern(order);
    facts.PatternsPlayed.insert(pattern);
    std::set<int> bass;
    for (int row = 0; row < module.get_pattern_num_rows(pattern); ++row) {
      for (int channel = 0; channel < facts.Channels; ++channel) {
        const int note = module.get_pattern_row_channel_command(pattern, row, channel,
                                                                openmpt::module::command_note);
        const int instrument = module.get_pattern_row_channel_command(
            pattern, row, channel, openmpt::module::command_instrument);
        if (instrument > 0) facts.InstrumentsUsed.insert(instrument);
        if (note < 1 || note > 120) continue;
        facts.Pitches.insert(note);
        if (instrument == 1) bass.insert(note);
      }
    }
    facts.BassLines.insert(bass);
  }
  return facts;
}

// Renders the tune across its loop point: `margin` seconds on each side of the seam.
std::vector<int16_t> RenderAcrossSeam(const std::vector<uint8_t>& bytes, double margin,
                                      size_t& seamFrame) {
  std::ostringstream log;
  openmpt::module module(bytes, log);
  module.set_repeat_count(-1);
  module.ctl_set_integer("dither", 0);
  constexpr int kRate = 22050;
  const double duration = module.get_duration_seconds();
  const size_t skip = static_cast<size_t>((duration - margin) * kRate);
  const size_t total = skip + static_cast<size_t>(2 * margin * kRate);
  std::vector<int16_t> all(2 * total);
  size_t done = 0;
  while (done < total) {
    const size_t got = module.read_interleaved_stereo(kRate, std::min<size_t>(4096, total - done),
                                                      all.data() + 2 * done);
    if (got == 0) break;
    done += got;
  }
  seamFrame = static_cast<size_t>(margin * kRate);
  return std::vector<int16_t>(all.begin() + static_cast<std::ptrdiff_t>(2 * skip), all.end());
}

// One pass of a tune as the game renders it, with the order position of every 10 ms.
struct TunePass {
  std::vector<int16_t> Stereo;
  std::vector<int> OrderOfBlock;
};

TunePass RenderPass(const std::vector<uint8_t>& bytes) {
  std::ostringstream log;
  openmpt::module module(bytes, log);
  module.ctl_set_integer("dither", 0);
  constexpr int kRate = 22050, kBlock = 220;
  TunePass pass;
  std::vector<int16_t> block(2 * kBlock);
  for (;;) {
    const int order = module.get_current_order();
    const size_t got = module.read_interleaved_stereo(kRate, kBlock, block.data());
    if (got == 0) break;
    pass.Stereo.insert(pass.Stereo.end(), block.begin(), block.begin() + 2 * got);
    pass.OrderOfBlock.push_back(order);
  }
  return pass;
}

}  // namespace

TEST(GeneratedSounds, TheGeneratorWritesTheSameBytesEveryTime) {
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("bk-sounds-" + std::to_string(::getpid()));
  const std::string command =
      std::string("\"") + BK_TOOLS_DIR + "/assetgen\" --sounds \"" + scratch.string() + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0);
  int compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kSounds)) {
    EXPECT_EQ(ReadBytes(entry.path()), ReadBytes(scratch / entry.path().filename()))
        << entry.path().filename();
    ++compared;
  }
  EXPECT_EQ(compared, 23);
  std::filesystem::remove_all(scratch);
}

TEST(GeneratedSounds, EachTuneIsARealLoopingPieceOfMusic) {
  std::set<int> tempos;
  for (const char* name : {"1.xm", "2.xm", "3.xm"}) {
    SCOPED_TRACE(name);
    const std::vector<uint8_t> bytes = ReadBytes(kSounds / name);
    const TuneFacts tune = ReadTune(bytes);
    EXPECT_EQ(tune.Log, "") << "libopenmpt complained";
    EXPECT_GE(tune.Duration, 45.0);
    EXPECT_LE(tune.Duration, 120.0);
    EXPECT_GE(tune.Channels, 6);
    EXPECT_LE(tune.Channels, 8);
    EXPECT_GE(tune.PatternsPlayed.size(), 4u);
    EXPECT_GE(tune.BassLines.size(), 2u) << "sections with different harmony";
    EXPECT_GE(tune.InstrumentsUsed.size(), 4u);
    EXPECT_GE(tune.Pitches.size(), 12u);
    tempos.insert(tune.Tempo);

    // The seam: no gap, no jump in level, no click larger than the music's own edges.
    size_t seam = 0;
    const std::vector<int16_t> around = RenderAcrossSeam(bytes, 2.0, seam);
    const size_t half = 2 * 22050 / 2;  // half a second of stereo samples
    const double before = RmsDb(around, 2 * seam - half, 2 * seam);
    const double after = RmsDb(around, 2 * seam, 2 * seam + half);
    EXPECT_GT(before, -35.0);
    EXPECT_GT(after, -35.0);
    EXPECT_LT(std::abs(before - after), 4.0) << before << " dB before, " << after << " dB after";
    int musicJump = 0, seamJump = 0;
    for (size_t i = 2; i < around.size(); ++i) {
      const int jump = std::abs(around[i] - around[i - 2]);
      const bool nearSeam = i + 2 * 110 >= 2 * seam && i <= 2 * seam + 2 * 110;  // +-5 ms
      if (nearSeam) {
        seamJump = std::max(seamJump, jump);
      } else if (i < 2 * seam) {
        musicJump = std::max(musicJump, jump);
      }
    }
    EXPECT_LE(seamJump, musicJump);
  }
  EXPECT_EQ(tempos.size(), 3u) << "each tune has its own tempo";
}

TEST(GeneratedSounds, EachEffectIsAnAudibleWaveOfAFittingLength) {
  const struct {
    const char* File;
    double MinSeconds, MaxSeconds;
  } effects[] = {{"Lighter 03.wav", 0.03, 0.25}, {"Switch 04.wav", 0.03, 0.25},
                 {"Car Start 01.wav", 1.5, 4.0}, {"finish.wav", 1.0, 3.5},
                 {"svet1.wav", 0.15, 0.6},       {"svet2.wav", 0.2, 1.2}};
  for (const auto& e : effects) {
    SCOPED_TRACE(e.File);
    const auto wave = DecodeWave(ReadBytes(kSounds / e.File), 44100);
    ASSERT_TRUE(wave.has_value());
    const double seconds = static_cast<double>(wave->Frames()) / 44100.0;
    EXPECT_GE(seconds, e.MinSeconds);
    EXPECT_LE(seconds, e.MaxSeconds);
    float peak = 0;
    for (float s : wave->Stereo) peak = std::max(peak, std::abs(s));
    EXPECT_GT(peak, 0.3f);
    EXPECT_LE(peak, 1.0f);
  }
}

TEST(GeneratedSounds, TheGoBeepIsHigherThanTheStartLightBeep) {
  auto pitch = [](const char* file) {
    const auto wave = DecodeWave(ReadBytes(kSounds / file), 44100);
    int crossings = 0;
    for (int i = 1; i < wave->Frames(); ++i) {
      crossings += (wave->Stereo[2 * i - 2] < 0) != (wave->Stereo[2 * i] < 0);
    }
    return crossings / 2.0 / (wave->Frames() / 44100.0);
  };
  const double red = pitch("svet1.wav");
  const double green = pitch("svet2.wav");
  EXPECT_GT(red, 300.0);
  EXPECT_GT(green, red * 1.5);
}

TEST(GeneratedSounds, EachRaceLoopRepeatsWithoutAClick) {
  std::vector<std::string> loops = {"squeal.wav", "grass.wav"};
  for (int model = 1; model <= 5; ++model) {
    loops.push_back("engine" + std::to_string(model) + ".wav");
    loops.push_back("engine" + std::to_string(model) + "top.wav");
  }
  for (const std::string& file : loops) {
    SCOPED_TRACE(file);
    const std::vector<float> loop = ReadMono(file);
    ASSERT_GT(loop.size(), 22050u);
    // The step from the last sample back to the first is no bigger than the sound's own
    // steps, and around the seam of the loop played twice there is no more crackle (energy
    // of the second difference, in 5 ms windows) than anywhere else in the loop.
    float ownJump = 0;
    for (size_t i = 1; i < loop.size(); ++i) {
      ownJump = std::max(ownJump, std::abs(loop[i] - loop[i - 1]));
    }
    EXPECT_LE(std::abs(loop.front() - loop.back()), ownJump);
    const std::vector<float> twice = Twice(loop);
    const auto crackle = [&twice](size_t centre) {
      double sum = 0;
      for (size_t i = centre - 110; i < centre + 110; ++i) {
        const double d = twice[i + 1] - 2.0 * twice[i] + twice[i - 1];
        sum += d * d;
      }
      return sum;
    };
    double loudestElsewhere = 0;
    for (size_t centre = 220; centre + 220 < loop.size(); centre += 110) {
      loudestElsewhere = std::max(loudestElsewhere, crackle(centre));
    }
    EXPECT_LE(crackle(loop.size()), loudestElsewhere);
  }
}

TEST(GeneratedSounds, EachCarHasItsOwnEngineAndFlatOutItRevsOverAnOctaveHigher) {
  std::vector<double> idles;
  for (int model = 1; model <= 5; ++model) {
    const std::string name = "engine" + std::to_string(model);
    SCOPED_TRACE(name);
    const double idle = Fundamental(Twice(ReadMono(name + ".wav")), 44100, 0, 8192);
    const double top = Fundamental(Twice(ReadMono(name + "top.wav")), 44100, 0, 8192);
    EXPECT_GE(idle, 30.0);
    EXPECT_GE(top, 2.0 * idle) << idle << " Hz at idle, " << top << " Hz flat out";
    // Flat out the engine is brighter: more of its sound above 1 kHz.
    const std::vector<float> idleLoop = ReadMono(name + ".wav");
    const std::vector<float> topLoop = ReadMono(name + "top.wav");
    const double idleBright =
        BandDb(idleLoop, 44100, 0, 1000, 4000, 8192) - BandDb(idleLoop, 44100, 0, 40, 1000, 8192);
    const double topBright =
        BandDb(topLoop, 44100, 0, 1000, 4000, 8192) - BandDb(topLoop, 44100, 0, 40, 1000, 8192);
    EXPECT_GT(topBright, idleBright);
    idles.push_back(idle);
  }
  std::sort(idles.begin(), idles.end());
  for (size_t i = 1; i < idles.size(); ++i) {
    EXPECT_GT(idles[i], idles[i - 1] * 1.08) << "two engines idle at nearly the same pitch";
  }
}

TEST(GeneratedSounds, TheImpactsAreShortADullThudAndABrightCrunch) {
  const std::vector<float> thud = ReadMono("thud.wav");
  const std::vector<float> crunch = ReadMono("crunch.wav");
  for (const auto* sound : {&thud, &crunch}) {
    ASSERT_GT(sound->size(), 4410u);
    EXPECT_LT(sound->size(), 44100u);
    // Loudest at once: the peak is in the first 30 ms.
    const auto loudest = std::max_element(
        sound->begin(), sound->end(), [](float a, float b) { return std::abs(a) < std::abs(b); });
    EXPECT_LT(loudest - sound->begin(), 1323);
  }
  const auto brightness = [](const std::vector<float>& s) {
    return BandDb(s, 44100, 0, 1000, 4000, 4096) - BandDb(s, 44100, 0, 40, 400, 4096);
  };
  EXPECT_LT(brightness(thud), -10.0) << "a thud is mostly low";
  EXPECT_GT(brightness(crunch), brightness(thud) + 10.0);
}

TEST(GeneratedSounds, EachTuneIsInStereoWithItsOwnColourQuietAndLoudSectionsAndItsLevel) {
  std::set<std::string> allInstruments;
  std::vector<std::set<std::string>> tuneInstruments;
  for (const char* name : {"1.xm", "2.xm", "3.xm"}) {
    SCOPED_TRACE(name);
    const std::vector<uint8_t> bytes = ReadBytes(kSounds / name);
    const TunePass pass = RenderPass(bytes);
    ASSERT_GT(pass.Stereo.size(), 22050u * 2 * 30);

    double lr = 0, ll = 0, rr = 0, all = 0;
    for (size_t i = 0; i + 1 < pass.Stereo.size(); i += 2) {
      const double l = pass.Stereo[i], r = pass.Stereo[i + 1];
      lr += l * r;
      ll += l * l;
      rr += r * r;
    }
    all = (ll + rr) / static_cast<double>(pass.Stereo.size());
    const double correlation = lr / std::sqrt(ll * rr);
    EXPECT_LT(correlation, 0.9) << "left/right correlation";
    const double rmsDb = 10 * std::log10(all / (32768.0 * 32768.0));
    EXPECT_GE(rmsDb, -20.0);
    EXPECT_LE(rmsDb, -18.0);

    // The level of each order position (a section); the quietest and the loudest differ.
    std::vector<double> energy, blocks;
    for (size_t b = 0; b < pass.OrderOfBlock.size(); ++b) {
      const size_t order = static_cast<size_t>(pass.OrderOfBlock[b]);
      if (order >= energy.size()) energy.resize(order + 1, 0), blocks.resize(order + 1, 0);
      for (size_t i = b * 440; i < (b + 1) * 440 && i < pass.Stereo.size(); ++i) {
        energy[order] += static_cast<double>(pass.Stereo[i]) * pass.Stereo[i];
      }
      blocks[order] += 1;
    }
    double quietest = 1e300, loudest = 0;
    for (size_t order = 0; order < energy.size(); ++order) {
      if (blocks[order] == 0) continue;
      quietest = std::min(quietest, energy[order] / blocks[order]);
      loudest = std::max(loudest, energy[order] / blocks[order]);
    }
    const double sectionsDb = 10 * std::log10(loudest / quietest);
    EXPECT_GE(sectionsDb, 3.0) << "sections' energy";
    std::cout << name << ": " << rmsDb << " dBFS RMS, correlation " << correlation
              << ", sections differ by " << sectionsDb << " dB\n";

    std::ostringstream log;
    openmpt::module module(bytes, log);
    const std::vector<std::string> names = module.get_instrument_names();
    tuneInstruments.emplace_back(names.begin(), names.end());
    allInstruments.insert(names.begin(), names.end());
  }
  EXPECT_GE(allInstruments.size(), 10u) << "three voices more than the seven shared ones";
  for (size_t t = 0; t < tuneInstruments.size(); ++t) {
    for (size_t other = 0; other < tuneInstruments.size(); ++other) {
      if (other != t) {
        EXPECT_NE(tuneInstruments[t], tuneInstruments[other]);
      }
    }
  }
}
