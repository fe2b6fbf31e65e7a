#include "engine/audio/KaltoSound3D.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "AudioTestSupport.h"
#include "engine/audio/Decibels.h"
#include "engine/audio/GameAudio.h"
#include "tests/support/ScopedEnvironment.h"

namespace {

// The game's configuration on a pulled mixer, reading the generated sounds.
class GameSound : public ::testing::Test {
 protected:
  GameSound() : sound(clock, kTestRate) {
    UseGeneratedSounds();
    ConfigureGameAudio(sound);
    sound.CreateAudioPaths();
  }

  // The mix of `first` alone, then `second` started after `gapSeconds`, over `seconds`.
  std::vector<float> Sequence(const char* first, const char* second, double gapSeconds,
                              double seconds) {
    TKaltoSound3D other(clock, kTestRate);
    ConfigureGameAudio(other);
    other.CreateAudioPaths();
    std::vector<float> out;
    if (first != nullptr) other.FindSound(first)->Play();
    out = PullMix(other, gapSeconds);
    if (second != nullptr) other.FindSound(second)->Play();
    const std::vector<float> rest = PullMix(other, seconds - gapSeconds);
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
  }

  VirtualClock clock;
  TKaltoSound3D sound;
};

}  // namespace

TEST_F(GameSound, NamesAreMatchedExactly) {
  ASSERT_NE(sound.FindSound("finish"), nullptr);
  EXPECT_EQ(sound.FindSound("finish")->FileName, "Sounds\\finish.wav");
  EXPECT_EQ(sound.FindSound("Finish"), nullptr);
  ASSERT_NE(sound.FindModule("losemusic"), nullptr);
  EXPECT_EQ(sound.FindModule("losemusic")->FileName, "Sounds\\3.xm");
  EXPECT_EQ(sound.FindModule("menumusic "), nullptr);
}

// "begin" sets the shared path to -5 dB; "finish" started while it still sounds sets -10 dB,
// and the rest of "begin" is heard 5 dB quieter than it would have been.
TEST_F(GameSound, TheLastEffectStartedSetsTheVolumeOfEverythingOnThePath) {
  TSoundListItem* begin = sound.FindSound("begin");
  begin->Play();
  EXPECT_EQ(sound.Mixer().PathVolume(0), -500);
  sound.FindSound("finish")->Play();
  EXPECT_EQ(sound.Mixer().PathVolume(0), -1000);

  constexpr double kGap = 0.5, kTotal = 1.5;
  const std::vector<float> beginAlone = Sequence("begin", nullptr, kGap, kTotal);
  const std::vector<float> finishAlone = Sequence(nullptr, "finish", kGap, kTotal);
  const std::vector<float> both = Sequence("begin", "finish", kGap, kTotal);
  const size_t gapSamples = 2 * static_cast<size_t>(kGap * kTestRate);
  const float quieter = GainFromHundredthsDb(-500);
  double worst = 0;
  double heard = 0;
  for (size_t i = gapSamples; i < both.size(); ++i) {
    const double beginPart = both[i] - finishAlone[i];
    worst = std::max(worst, std::abs(beginPart - beginAlone[i] * quieter));
    heard = std::max(heard, std::abs(beginPart));
  }
  EXPECT_GT(heard, 0.05) << "begin must still sound after finish starts";
  EXPECT_LT(worst, 1e-4);
}

TEST_F(GameSound, AModuleStoppedAndPlayedAgainRestartsZeroedAndContinuesWithoutRewinding) {
  TModListItem* music = sound.FindModule("menumusic");
  music->Play();
  const std::vector<float> first = PullMix(sound, 3.3);
  EXPECT_GT(Rms(first, 2 * kTestRate), 0.01) << "music plays after the first refill";
  music->Stop();
  const double renderedAtStop = music->Stream()->RenderedSeconds();
  EXPECT_EQ(Rms(PullMix(sound, 0.5)), 0.0) << "a stopped module is silent";

  music->Play();
  const std::vector<float> again = PullMix(sound, 3.0);
  // 3.3 s in, the play cursor is 0.7 s short of the next half: that much silence.
  EXPECT_EQ(Rms(again, 0, 2 * static_cast<size_t>(0.6 * kTestRate)), 0.0);
  EXPECT_GT(Rms(again, 2 * static_cast<size_t>(0.8 * kTestRate)), 0.01);
  // A rewound module would be about two seconds in; this one went on from where it was.
  EXPECT_GT(music->Stream()->RenderedSeconds(), renderedAtStop + 0.5);
}

TEST_F(GameSound, ALoopingModulePlaysOnPastItsEndAndAOneShotModuleStops) {
  const struct {
    bool Loop;
    bool PlayingAfterEnd;
  } cases[] = {{true, true}, {false, false}};
  for (const auto& c : cases) {
    TKaltoSound3D own(clock, kTestRate);
    ConfigureGameAudio(own);
    TModListItem* music = own.FindModule("gamemusic");
    music->Loop = c.Loop;
    music->Play();
    PullMix(own, 56.0);  // the tune lasts under 52 s
    const std::vector<float> after = PullMix(own, 1.0);
    EXPECT_EQ(music->Stream()->IsPlaying(), c.PlayingAfterEnd) << c.Loop;
    EXPECT_EQ(Rms(after) > 0.01, c.PlayingAfterEnd) << c.Loop;
  }
}

TEST_F(GameSound, AMissingFileIsReportedOnceAndThenStaysSilent) {
  TSoundListItem& effect = sound.AddSound();
  effect.Name = "ghost";
  effect.FileName = "Sounds\\no such sound.wav";
  TModListItem& module = sound.AddModule();
  module.Name = "ghostmusic";
  module.FileName = "Sounds\\no such tune.xm";

  testing::internal::CaptureStderr();
  for (int i = 0; i < 2; ++i) {
    effect.Play();
    module.Play();
  }
  const std::string report = testing::internal::GetCapturedStderr();
  EXPECT_EQ(report,
            "Error loading sound: Sounds\\no such sound.wav\n"
            "Error loading sound: Sounds\\no such tune.xm\n");
  EXPECT_FALSE(effect.Loaded());
  EXPECT_FALSE(module.Loaded());
  EXPECT_EQ(Rms(PullMix(sound, 0.2)), 0.0);

  sound.FindSound("check")->Play();  // the other sounds still work
  EXPECT_GT(Rms(PullMix(sound, 0.05)), 0.001);
}

TEST_F(GameSound, ADamagedModuleIsReportedAndLeavesTheOthersPlaying) {
  TModListItem& module = sound.AddModule();
  module.FileName = "Sounds\\Lighter 03.wav";  // a file, but no module
  testing::internal::CaptureStderr();
  module.Play();
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Error loading sound: Sounds\\Lighter 03.wav\n");
  sound.FindModule("losemusic")->Play();
  EXPECT_GT(Rms(PullMix(sound, 2.0)), 0.005);
}

TEST_F(GameSound, PooledEffectsTakeAFreePathOfTheirTypeElseTheLastBusyOne) {
  TKaltoSound3D pooled(clock, kTestRate);
  for (TAudioPathType type : {aptMono, aptStereo, aptStereo}) {
    TAudioPathListItem& path = pooled.AddAudioPath();
    path.AudioPathType = type;
    path.Pool = true;
  }
  pooled.CreateAudioPaths();
  auto effect = [&](const char* file) {
    TSoundListItem& item = pooled.AddSound();
    item.FileName = file;
    item.AudioPathPool = appStereo;
    return &item;
  };
  TSoundListItem* shortBeep = effect("Sounds\\svet1.wav");  // 0.3 s
  TSoundListItem* fanfare = effect("Sounds\\finish.wav");   // over 2 s
  TSoundListItem* goBeep = effect("Sounds\\svet2.wav");
  shortBeep->Play();
  fanfare->Play();
  ASSERT_NE(shortBeep->LastPath(), nullptr);
  ASSERT_NE(fanfare->LastPath(), nullptr);
  EXPECT_NE(shortBeep->LastPath(), fanfare->LastPath());
  EXPECT_EQ(shortBeep->LastPath()->AudioPathType, aptStereo);
  EXPECT_EQ(fanfare->LastPath()->AudioPathType, aptStereo);

  clock.AdvanceSeconds(1.0);
  PullMix(pooled, 1.0);  // the short beep has played out, the fanfare goes on
  goBeep->Play();
  EXPECT_EQ(goBeep->LastPath(), shortBeep->LastPath());

  shortBeep->Play();  // both stereo paths busy: one of them is taken all the same
  EXPECT_TRUE(shortBeep->LastPath() == goBeep->LastPath() ||
              shortBeep->LastPath() == fanfare->LastPath());
  EXPECT_EQ(shortBeep->LastPath()->CurrentSound, shortBeep);
}

// A nanosecond clock as the system's, after 200 days of uptime.
TEST(Sound3DWithoutDevice, ItsMillisecondsHoldAfterMonthsOfUptime) {
  class UptimeClock final : public Clock {
   public:
    int64_t Frequency() const override { return 1'000'000'000; }
    int64_t Now() const override { return 200LL * 86400 * 1'000'000'000 + 123'456'789; }
  } clock;
  const ScopedEnvironmentVariable noDevice("SDL_AUDIODRIVER", "no-such-driver");
  testing::internal::CaptureStderr();
  const TKaltoSound3D sound(clock);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(sound.Milliseconds(), 200LL * 86400 * 1000 + 123);
}

TEST(Sound3DWithoutDevice, EverythingPlaysSilentlyWithoutComplaint) {
  const ScopedEnvironmentVariable noDevice("SDL_AUDIODRIVER", "no-such-driver");
  VirtualClock clock;
  UseGeneratedSounds();
  testing::internal::CaptureStderr();
  {
    TKaltoSound3D sound(clock);
    EXPECT_FALSE(sound.HasDevice());
    ConfigureGameAudio(sound);
    sound.CreateAudioPaths();
    sound.FindModule("menumusic")->Play();
    sound.FindSound("begin")->Play();
    sound.FindModule("menumusic")->Stop();
    for (const char* name : {"losemusic", "gamemusic", "menumusic"}) {
      sound.FindModule(name)->Stop();
      sound.FindModule(name)->Unload();
    }
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
