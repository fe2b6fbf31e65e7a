#include "engine/audio/AudioMixer.h"

#include <gtest/gtest.h>

#include "engine/audio/Decibels.h"

namespace {

std::shared_ptr<const DecodedWave> ConstantClip(float level, int frames) {
  auto clip = std::make_shared<DecodedWave>();
  clip->SourceRate = 44100;
  clip->Stereo.assign(2 * static_cast<size_t>(frames), level);
  return clip;
}

}  // namespace

TEST(PathVolume, PercentBecomesHundredthsOfADecibelClampedToTheRange) {
  const struct {
    int Percent, Expected;
  } cases[] = {{100, 0}, {95, -500}, {90, -1000}, {0, -10000}, {150, 0}, {-5, -10000}};
  for (const auto& c : cases) EXPECT_EQ(PathVolumeFromPercent(c.Percent), c.Expected) << c.Percent;
  EXPECT_FLOAT_EQ(GainFromHundredthsDb(0), 1.0f);
  EXPECT_NEAR(GainFromHundredthsDb(-2000), 0.1f, 1e-6);
  EXPECT_EQ(GainFromHundredthsDb(-10000), 0.0f);
}

TEST(AudioMixer, AVolumeSetLaterChangesAVoiceStillSoundingOnThatPath) {
  AudioMixer mixer(44100);
  const int path = mixer.AddPath(PathLayout::Stereo, 4);
  const int other = mixer.AddPath(PathLayout::Stereo, 4);
  auto clip = ConstantClip(0.5f, 1000);
  mixer.Play(path, clip, 0);
  float out[2 * 100];
  mixer.Mix(out, 100);
  EXPECT_FLOAT_EQ(out[0], 0.5f);

  mixer.SetPathVolume(other, -10000);  // another path leaves this one alone
  mixer.SetPathVolume(path, -600);     // -6 dB: about half
  mixer.Mix(out, 100);
  EXPECT_NEAR(out[0], 0.5f * GainFromHundredthsDb(-600), 1e-6);
  EXPECT_NEAR(out[1], 0.5f * 0.5012f, 1e-3);
}

TEST(AudioMixer, AFullPathDropsItsOldestVoiceAndFinishedVoicesEnd) {
  AudioMixer mixer(44100);
  const int path = mixer.AddPath(PathLayout::Stereo, 2);
  auto first = ConstantClip(0.1f, 50);
  auto second = ConstantClip(0.2f, 1000);
  auto third = ConstantClip(0.4f, 1000);
  mixer.Play(path, first, 0);
  mixer.Play(path, second, 0);
  mixer.Play(path, third, 0);
  EXPECT_FALSE(mixer.IsSounding(first.get()));
  float out[2 * 100];
  mixer.Mix(out, 100);
  EXPECT_FLOAT_EQ(out[0], 0.6f);

  auto once = ConstantClip(0.3f, 10);
  auto twice = ConstantClip(0.3f, 10);
  AudioMixer repeats(44100);
  const int p = repeats.AddPath(PathLayout::Stereo, 4);
  repeats.Play(p, once, 0);
  repeats.Play(p, twice, 1);
  repeats.Mix(out, 15);
  EXPECT_FLOAT_EQ(out[2 * 12], 0.3f);  // only the repeating voice is left
  repeats.Mix(out, 10);
  EXPECT_FALSE(repeats.IsSounding(once.get()));
  EXPECT_FALSE(repeats.IsSounding(twice.get()));
}

TEST(AudioMixer, MonoPathsCentreTheSoundAndPositionalPathsPanAndFade) {
  AudioMixer mixer(44100);
  const int mono = mixer.AddPath(PathLayout::Mono, 1);
  auto leftOnly = std::make_shared<DecodedWave>();
  leftOnly->SourceRate = 44100;
  leftOnly->Stereo = {1.0f, 0.0f, 1.0f, 0.0f};
  mixer.Play(mono, leftOnly, 0);
  float out[4];
  mixer.Mix(out, 2);
  EXPECT_FLOAT_EQ(out[0], 0.5f);
  EXPECT_FLOAT_EQ(out[1], 0.5f);

  AudioMixer spatial(44100);
  const int positional = spatial.AddPath(PathLayout::Positional, 1);
  spatial.SetPathPosition(positional, Position3{4.0f, 0.0f, 0.0f});  // to the listener's right
  spatial.Play(positional, ConstantClip(1.0f, 10), 0);
  spatial.Mix(out, 2);
  EXPECT_NEAR(out[0], 0.0f, 1e-6);
  EXPECT_NEAR(out[1], 0.25f * std::sqrt(2.0f), 1e-5);
}

// The race's sounds stop one loop by its path while the same clip may play on another.
TEST(AudioMixer, StoppingAPathEndsOnlyTheVoicesOnThatPath) {
  AudioMixer mixer(44100);
  const int stopped = mixer.AddPath(PathLayout::Stereo, 2);
  const int kept = mixer.AddPath(PathLayout::Stereo, 2);
  auto clip = ConstantClip(0.25f, 100);
  mixer.Play(stopped, clip, -1);
  mixer.Play(stopped, ConstantClip(0.5f, 100), -1);
  mixer.Play(kept, clip, -1);
  mixer.StopPath(stopped);
  float out[2 * 300];
  mixer.Mix(out, 300);
  EXPECT_FLOAT_EQ(out[0], 0.25f);
  EXPECT_FLOAT_EQ(out[2 * 299], 0.25f);  // the loop on the other path goes on
  EXPECT_TRUE(mixer.IsSounding(clip.get()));
}
