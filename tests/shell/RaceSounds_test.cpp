// The race's sounds as a player hears them: a headless race with no audio device, whose mix
// is pulled from the game's mixer after every step (nothing else pulls it), music off.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <memory>
#include <vector>

#include "engine/audio/Decibels.h"
#include "engine/audio/ModuleStream.h"
#include "race/Opponent.h"
#include "race/Player.h"
#include "race/RoadRock.h"
#include "shell/RaceScreen.h"
#include "shell/RaceSoundLevels.h"
#include "tests/shell/RaceScenario.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/SoundAnalysis.h"

namespace {

constexpr int kRate = 44100;
constexpr int kFramesPerStep = kRate / 90;

// A race whose mixed output is recorded step by step.
class RaceListener {
 public:
  explicit RaceListener(int opponents = 0) {
    scenario_ = std::make_unique<RaceScenario>();
    TForm1& form = scenario_->Form();
    form.State.MusicOn = false;
    form.Sound3D.FindModule("menumusic")->Stop();
    scenario_->StartRace(1, opponents);
    // The splash's sound waited for a listener; this test listens to the race only.
    form.Sound3D.FindSound("begin")->Stop();
  }
  TForm1& Form() { return scenario_->Form(); }
  GameHarness& Game() { return scenario_->Game(); }
  TPlayer& Player() { return *Form().Race.Player; }

  // Runs steps, pulling each one's share of the mix.
  void Steps(int count) {
    std::vector<float> block(2 * kFramesPerStep);
    for (int i = 0; i < count; ++i) {
      Game().StepFrame();
      Form().Sound3D.Mixer().Mix(block.data(), kFramesPerStep);
      for (int f = 0; f < kFramesPerStep; ++f) {
        Mono.push_back(0.5f * (block[2 * f] + block[2 * f + 1]));
        Side.push_back(block[2 * f + 1] - block[2 * f]);
        Peak = std::max({Peak, std::fabs(block[2 * f]), std::fabs(block[2 * f + 1])});
      }
    }
  }
  // Runs until the race frame counter (which counts from the race's first frame) reaches it.
  void StepsUntilRaceFrame(int frame) {
    while (Form().State.AnimCounter < frame && Form().State.AnimCounter <= 300) Steps(1);
    if (frame > 301) Steps(frame - 301);
  }
  size_t Recorded() const { return Mono.size(); }
  int StepsRecorded() const { return static_cast<int>(Mono.size()) / kFramesPerStep; }

  std::vector<float> Mono;  // the two channels' mean, frame by frame
  std::vector<float> Side;  // right minus left: only what is panned off the centre
  float Peak = 0;

 private:
  // The mix is pulled by the test, not by a device; set before the scenario opens audio.
  ScopedEnvironmentVariable noDevice_{"SDL_AUDIODRIVER", "no-such-driver"};
  std::unique_ptr<RaceScenario> scenario_;
};

float StepPeak(const std::vector<float>& mono, int step) {
  float peak = 0;
  for (int f = 0; f < kFramesPerStep; ++f) {
    peak = std::max(peak, std::fabs(mono[static_cast<size_t>(step) * kFramesPerStep + f]));
  }
  return peak;
}

}  // namespace

TEST(RaceSounds, TheEnginePitchRisesWithTheCarsSpeedOverTheFirstSeconds) {
  RaceListener race;
  race.StepsUntilRaceFrame(310);  // the start beeps are over
  race.Steps(12);
  const double idle = Fundamental(race.Mono, kRate, race.Recorded() - 4096 - 1500);
  EXPECT_NEAR(idle, 48.0, 3.0) << "the roadster's engine at rest";

  race.Game().KeyDown(vk::Up);
  double lastPitch = idle, lastSpeed = 0;
  for (int halfSecond = 1; halfSecond <= 6; ++halfSecond) {
    race.Steps(45);
    const double pitch = Fundamental(race.Mono, kRate, race.Recorded() - 4096 - 1500);
    const double speed = race.Player().Speed;
    std::cout << halfSecond * 0.5 << " s: speed " << speed << ", engine " << pitch << " Hz\n";
    SCOPED_TRACE(testing::Message()
                 << halfSecond * 0.5 << " s: speed " << speed << ", " << pitch << " Hz");
    EXPECT_GT(speed, lastSpeed);
    EXPECT_GT(pitch, lastPitch * 1.01);
    lastPitch = pitch;
    lastSpeed = speed;
  }
  EXPECT_GT(lastPitch, idle * 1.5);
}

TEST(RaceSounds, LettingOffTheThrottleLightensTheNoteAndReversingDeepensIt) {
  RaceListener race;
  const auto measure = [&race](double& pitch, double& rmsDb) {
    const size_t from = race.Recorded() - 4096 - 1500;
    pitch = Fundamental(race.Mono, kRate, from);
    double sum = 0;
    for (size_t i = from; i < from + 4096; ++i) sum += race.Mono[i] * race.Mono[i];
    rmsDb = 10 * std::log10(sum / 4096);
  };
  race.StepsUntilRaceFrame(310);
  race.Steps(12);
  double idle, idleDb;
  measure(idle, idleDb);

  race.Game().KeyDown(vk::Up);
  race.Steps(135);
  double pulling, pullingDb;
  measure(pulling, pullingDb);
  race.Game().KeyUp(vk::Up);
  race.Steps(30);
  double coasting, coastingDb;
  measure(coasting, coastingDb);
  ASSERT_GT(race.Player().Speed, 2.0) << "still rolling";

  race.Game().KeyDown(vk::Down);
  for (int i = 0; i < 900 && race.Player().Speed > -1.5; ++i) race.Steps(1);
  ASSERT_LT(race.Player().Speed, -1.5) << "reversing";
  race.Steps(30);
  double reversing, reversingDb;
  measure(reversing, reversingDb);

  std::cout << "idle " << idle << " Hz " << idleDb << " dB, pulling " << pulling << " Hz "
            << pullingDb << " dB, coasting " << coasting << " Hz " << coastingDb
            << " dB, reversing " << reversing << " Hz " << reversingDb << " dB\n";
  EXPECT_LT(coasting, pulling);
  EXPECT_LT(coastingDb, pullingDb - 3.0);
  EXPECT_LT(reversing, idle * 0.95);
}

// The player's own sounds sit in the middle, so right minus left holds the computer car alone.
TEST(RaceSounds, AComputerCarNearbyIsHeardOnItsSideAndNotOnceFarAway) {
  RaceListener race(1);
  race.StepsUntilRaceFrame(240);
  const size_t from = race.Recorded();
  race.Steps(20);
  const double dx = race.Form().Race.Opponents[0]->Centre().X - race.Player().Centre().X;
  ASSERT_GT(std::fabs(dx), 20.0) << "the grid puts the car beside or ahead of the player";
  double rightOverLeft = 0;  // the sum of right squared minus left squared
  for (size_t i = from; i < race.Recorded(); ++i) rightOverLeft += race.Side[i] * race.Mono[i] * 2;
  EXPECT_GT(rightOverLeft * dx, 0.0) << "heard on the side it is, dx " << dx;

  // The computer car drives away while the player stands: once out of hearing, nothing is
  // off the centre any more.
  bool away = false;
  for (int i = 0; i < 2000 && !away; ++i) {
    race.Steps(1);
    const Vec2 a = race.Form().Race.Opponents[0]->Centre(), b = race.Player().Centre();
    away = std::hypot(a.X - b.X, a.Y - b.Y) > 700;
  }
  ASSERT_TRUE(away);
  race.Steps(2);
  const float sideNow =
      *std::max_element(race.Side.end() - kFramesPerStep, race.Side.end(),
                        [](float a, float b) { return std::fabs(a) < std::fabs(b); });
  EXPECT_EQ(sideNow, 0.0f);
}

// Driving flat out into a rock (a crunch) and into a computer car standing in the way (a
// thud): the bump is heard within two steps of the first contact, once, however long the
// cars scrape on.
TEST(RaceSounds, ABumpSoundsWithinTwoStepsOfTheContactAndOnlyOnce) {
  struct Case {
    const char* What;
    int Opponents;
    double Brightening = 0;  // dB the 1-4 kHz band rises in the bump's first 90 ms
  };
  Case cases[] = {{"rock", 0}, {"computer car", 1}};
  for (Case& c : cases) {
    SCOPED_TRACE(c.What);
    RaceListener race(c.Opponents);
    race.StepsUntilRaceFrame(310);
    race.Game().KeyDown(vk::Up);
    race.Steps(180);
    TPlayer& player = race.Player();
    const Vec2 centre = player.Centre();
    const Vec2 ahead = Direction(player.MoveHeading);
    const Vec2 target{centre.X + 90 * ahead.X, centre.Y + 90 * ahead.Y};
    std::function<bool()> touching;
    if (c.Opponents == 0) {
      auto* rock = new TRoadRock(race.Form().Race, 8, target.X, target.Y);
      touching = [rock] { return rock->PlayerHit; };
    } else {
      TOpponentCar& car = *race.Form().Race.Opponents[0];
      const Vec2 was = car.Centre();
      car.SetX(static_cast<float>(car.X() + target.X - was.X));
      car.SetY(static_cast<float>(car.Y() + target.Y - was.Y));
      car.Speed = 0;
      touching = [&player] { return player.ContactFlags[0]; };
    }

    int contactStep = -1;
    for (int i = 0; i < 60 && contactStep < 0; ++i) {
      race.Steps(1);
      if (touching()) contactStep = race.StepsRecorded() - 1;
    }
    ASSERT_GE(contactStep, 0) << "the car never reached it";
    race.Steps(40);  // the car scrapes along and off

    // The engine's own level just before, and where the mix first rises well above it.
    float before = 0;
    for (int s = contactStep - 20; s < contactStep; ++s) {
      before = std::max(before, StepPeak(race.Mono, s));
    }
    int onset = -1, onsets = 0;
    for (int s = contactStep - 5; s < race.StepsRecorded(); ++s) {
      const bool loud = StepPeak(race.Mono, s) > 1.5f * before;
      const bool wasLoud = StepPeak(race.Mono, s - 1) > 1.5f * before;
      if (loud && !wasLoud) {
        if (onset < 0) onset = s;
        ++onsets;
      }
    }
    std::cout << c.What << ": engine peak " << before << ", contact at step " << contactStep
              << ", sound at step " << onset << "\n";
    EXPECT_GE(onset, contactStep);
    EXPECT_LE(onset, contactStep + 2);
    EXPECT_EQ(onsets, 1) << "the scrape after the contact sounds no more";
    EXPECT_LT(race.Peak, 1.0f);
    const size_t at = static_cast<size_t>(std::max(onset, 0)) * kFramesPerStep;
    const size_t earlier = static_cast<size_t>(contactStep) * kFramesPerStep - 4096;
    c.Brightening =
        BandDb(race.Mono, kRate, at, 1000, 4000) - BandDb(race.Mono, kRate, earlier, 1000, 4000);
    std::cout << c.What << ": 1-4 kHz rise " << c.Brightening << " dB\n";
  }
  EXPECT_GT(cases[0].Brightening, cases[1].Brightening + 6)
      << "a crunch on the rock, a thud on the car";
}

TEST(RaceSounds, TheTyresSquealWhileTheCarDriftsAndFallQuietAfter) {
  RaceListener race;
  race.StepsUntilRaceFrame(310);
  race.Game().KeyDown(vk::Up);
  race.Steps(160);
  const double straight = BandDb(race.Mono, kRate, race.Recorded() - 4096, 1700, 2300);

  race.Game().KeyDown(vk::Right);
  race.Game().KeyDown(vk::Space);
  race.Steps(40);
  const double drifting = BandDb(race.Mono, kRate, race.Recorded() - 4096, 1700, 2300);
  race.Game().KeyUp(vk::Space);
  race.Game().KeyUp(vk::Right);
  race.Steps(120);
  const double after = BandDb(race.Mono, kRate, race.Recorded() - 4096, 1700, 2300);

  std::cout << "1.7-2.3 kHz: " << straight << " dB straight, " << drifting << " dB drifting, "
            << after << " dB after\n";
  EXPECT_GT(drifting, straight + 10);
  EXPECT_LT(after, drifting - 10);
}

TEST(RaceSounds, TheRaceIsSilentWithEffectsOffAndWhilePaused) {
  RaceListener race;
  race.StepsUntilRaceFrame(310);
  race.Game().KeyDown(vk::Up);
  race.Steps(90);
  ASSERT_GT(race.Peak, 0.05f);

  const auto silentFor = [&race](int steps) {
    race.Peak = 0;
    race.Steps(steps);
    return race.Peak == 0.0f;
  };
  race.Form().State.SoundOn = false;
  race.Steps(1);
  EXPECT_TRUE(silentFor(90)) << "effects off";
  race.Form().State.SoundOn = true;
  EXPECT_FALSE(silentFor(2)) << "effects back on";

  race.Game().PressKey(vk::P);
  race.Steps(1);
  ASSERT_EQ(race.Form().State.ScreenState, ScrPause);
  EXPECT_TRUE(silentFor(90)) << "paused";
}

// The worst a player hears at once: the engine flat out and the hardest bump, again and
// again at no fixed beat, over every passage of each tune, through the game's mixer.
TEST(RaceSounds, TheLoudestBumpOverTheMusicNeverReachesFullScale) {
  // The tests run from the game folder.
  const auto read = [](const std::string& file) {
    std::ifstream in("Sounds/" + file, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
  };
  const auto clip = [&read](const char* file) {
    auto wave = DecodeWave(read(file), kRate);
    return wave ? std::make_shared<const DecodedWave>(std::move(*wave)) : nullptr;
  };
  const auto crunch = clip("crunch.wav");
  const auto engine = clip("engine5top.wav");
  ASSERT_TRUE(crunch && engine);
  const auto hundredthsDb = [](double level) {
    return static_cast<int>(std::lround(2000 * std::log10(level)));
  };
  for (const char* tune : {"1.xm", "2.xm", "3.xm"}) {
    SCOPED_TRACE(tune);
    AudioMixer mixer(kRate);
    const int enginePath = mixer.AddPath(PathLayout::Stereo, 1);
    const int impactPath = mixer.AddPath(PathLayout::Stereo, 2);
    mixer.SetPathVolume(enginePath, hundredthsDb(race_sound_level::kEngineFlatOut));
    mixer.SetPathVolume(impactPath, hundredthsDb(race_sound_level::kLoudestImpact));
    mixer.Play(enginePath, engine, -1);
    const auto music = ModuleStream::Load(read(tune), kRate);
    ASSERT_NE(music, nullptr);
    music->Play(true);
    mixer.AddStream(music.get());

    constexpr int kBlock = 441;
    std::vector<float> block(2 * kBlock);
    float peak = 0;
    for (int b = 0; b < 90 * kRate / kBlock; ++b) {
      if (b % 37 == 0) mixer.Play(impactPath, crunch, 0);
      music->WaitUntilRefilled();
      mixer.Mix(block.data(), kBlock);
      for (float v : block) peak = std::max(peak, std::fabs(v));
    }
    mixer.RemoveStream(music.get());
    std::cout << tune << ": peak " << peak << " with the engine and bumps over it\n";
    EXPECT_LT(peak, 0.98f);
    EXPECT_GT(peak, 0.5f) << "the effects are heard above the music";
  }
}
