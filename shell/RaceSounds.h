#pragma once
#include <array>
#include <memory>
#include <string>

#include "engine/audio/KaltoSound3D.h"

struct RaceContext;
class TCar;

// The sounds of a race, set once per race step from the race world: the player's engine (its
// idle and flat-out loops cross-faded, pitch and level from speed and throttle, lighter when
// coasting, deeper in reverse), the engines of the nearest computer cars (faint, panned by
// where they are on screen, quieter further away), the tyres' squeal while the car slides,
// the rumble of wheels on the grass, and a thud or a crunch for a bump. Everything plays on
// mixer paths of its own. Silent in the demo race and with the sound option off; every loop
// stops when a step passes without a race step (pause, quit panel, the screens after).
class RaceSounds {
 public:
  explicit RaceSounds(TKaltoSound3D& sound);

  // The race step just run; soundOn is the player's sound-effects option.
  void FollowRaceStep(const RaceContext& race, bool soundOn);
  // The end of a fixed step of the game.
  void EndStep();

  // Computer cars heard at once, at most.
  static constexpr int kRivalVoices = 3;
  // Race steps after a bump before another bump sounds: a scrape sounds once.
  static constexpr int kImpactGuardSteps = 10;

 private:
  // A loop on a path of its own whose level glides toward a target step by step.
  struct LoopVoice {
    int Path = -1;
    const DecodedWave* Playing = nullptr;
    double Level = 0;  // linear amplitude
  };
  struct RivalVoice {
    LoopVoice Loop;
    const TCar* Car = nullptr;
  };

  std::shared_ptr<const DecodedWave> Clip(const std::string& name);
  std::string EngineName(int carKind) const;
  // Plays the clip on the voice's path (looping) unless it sounds there already, and sets
  // the path's level and pitch (1 = the clip's own).
  void Hold(LoopVoice& voice, const std::shared_ptr<const DecodedWave>& clip, double pitch);
  // Moves the voice's level toward the target by the share per step; stops it once inaudible.
  void Glide(LoopVoice& voice, double target, double share,
             const std::shared_ptr<const DecodedWave>& clip, double pitch);
  void Release(LoopVoice& voice);
  void SilenceAll();

  void FollowPlayerEngine(const RaceContext& race);
  void FollowRivals(const RaceContext& race);
  void FollowTyres(const RaceContext& race);
  void FollowImpacts(const RaceContext& race);

  TKaltoSound3D& sound_;
  AudioMixer& mixer_;
  LoopVoice engineIdle_;
  LoopVoice engineTop_;
  std::array<RivalVoice, kRivalVoices> rivals_;
  LoopVoice squeal_;
  LoopVoice grass_;
  int impactPath_ = -1;
  double revs_ = 0;  // 0 at rest .. 1 flat out, following the speed with a little lag
  int stepsSinceContact_ = kImpactGuardSteps;
  bool raceStepHeard_ = false;
};
