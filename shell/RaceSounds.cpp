#include "shell/RaceSounds.h"

#include <algorithm>
#include <cmath>

#include "race/Opponent.h"
#include "race/Player.h"
#include "race/RaceContext.h"
#include "shell/RaceSoundLevels.h"

namespace {

namespace levels = race_sound_level;

// The flat-out loop of each engine fires this many times as fast as its idle loop.
constexpr double kEngineTopRatio = 9.0 / 4.0;
constexpr double kPi = 3.14159265358979323846;
// Below this linear level a loop is stopped rather than kept playing unheard.
constexpr double kInaudible = 0.003;
// Computer cars further than this (pixels) are not heard; panning is full at this distance
// to the side.
constexpr double kHearingRadius = 600;
constexpr double kPanWidth = 400;
// Walking pace in pixels per frame: slower cars do not squeal.
constexpr double kWalkingSpeed = 1.5;

int HundredthsDb(double level) {
  if (level <= 0) return -10000;
  return std::clamp(static_cast<int>(std::lround(2000.0 * std::log10(level))), -10000, 0);
}

// How far the car slides: the angle between where it points and where it moves, degrees.
double SlipDegrees(const TCar& car) {
  const double slip = std::fmod(std::fabs(car.Heading - car.MoveHeading), 360.0);
  return std::min(slip, 360.0 - slip);
}

double SpeedShare(const TCar& car) {
  return std::clamp(std::fabs(car.Speed) / std::max(car.MaxSpeed, 0.1), 0.0, 1.0);
}

}  // namespace

RaceSounds::RaceSounds(TKaltoSound3D& sound) : sound_(sound), mixer_(sound.Mixer()) {
  for (LoopVoice* voice : {&engineIdle_, &engineTop_, &squeal_, &grass_}) {
    voice->Path = mixer_.AddPath(PathLayout::Stereo, 1);
  }
  for (RivalVoice& rival : rivals_) rival.Loop.Path = mixer_.AddPath(PathLayout::Positional, 1);
  impactPath_ = mixer_.AddPath(PathLayout::Stereo, 2);
}

std::shared_ptr<const DecodedWave> RaceSounds::Clip(const std::string& name) {
  TSoundListItem* item = sound_.FindSound(name);
  return item ? item->LoadedClip() : nullptr;
}

std::string RaceSounds::EngineName(int carKind) const {
  return "engine" + std::to_string(std::clamp(carKind, 0, 4) + 1);
}

void RaceSounds::Hold(LoopVoice& voice, const std::shared_ptr<const DecodedWave>& clip,
                      double pitch) {
  if (!clip) return;
  if (voice.Playing != clip.get()) {
    mixer_.StopPath(voice.Path);
    mixer_.Play(voice.Path, clip, -1);
    voice.Playing = clip.get();
  }
  mixer_.SetPathVolume(voice.Path, HundredthsDb(voice.Level));
  mixer_.SetPathPlaybackRate(voice.Path, static_cast<int>(std::lround(clip->SourceRate * pitch)));
}

void RaceSounds::Glide(LoopVoice& voice, double target, double share,
                       const std::shared_ptr<const DecodedWave>& clip, double pitch) {
  voice.Level += (target - voice.Level) * share;
  if (voice.Level < kInaudible && target < kInaudible) {
    Release(voice);
  } else {
    Hold(voice, clip, pitch);
  }
}

void RaceSounds::Release(LoopVoice& voice) {
  if (voice.Playing) mixer_.StopPath(voice.Path);
  voice.Playing = nullptr;
  voice.Level = 0;
}

void RaceSounds::SilenceAll() {
  for (LoopVoice* voice : {&engineIdle_, &engineTop_, &squeal_, &grass_}) Release(*voice);
  for (RivalVoice& rival : rivals_) {
    Release(rival.Loop);
    rival.Car = nullptr;
  }
  mixer_.StopPath(impactPath_);
}

void RaceSounds::FollowRaceStep(const RaceContext& race, bool soundOn) {
  if (!soundOn || race.DemoRace || race.Player == nullptr) {
    SilenceAll();
    return;
  }
  raceStepHeard_ = true;
  FollowPlayerEngine(race);
  FollowRivals(race);
  FollowTyres(race);
  FollowImpacts(race);
}

void RaceSounds::EndStep() {
  if (!raceStepHeard_) SilenceAll();
  raceStepHeard_ = false;
}

// The revs follow the road speed; pulling they run a little ahead of it. Coasting (or
// braking) the note drops a little and gets lighter; reversing it is deeper still.
void RaceSounds::FollowPlayerEngine(const RaceContext& race) {
  const TPlayer& car = *race.Player;
  const bool reversing = car.Speed < 0;
  const bool pulling = car.Throttle > 0 && !reversing;
  const bool coasting = !pulling && car.Speed > 0.1;
  double target = SpeedShare(car);
  if (reversing) target *= 0.4;
  if (pulling) target = std::min(1.0, 0.9 * target + 0.12);
  revs_ += (target - revs_) * 0.08;

  double pitch = std::pow(kEngineTopRatio, revs_);
  if (reversing) pitch *= 0.8;
  if (coasting) pitch *= 0.94;
  double level = levels::kEngineIdle + levels::kEngineRise * revs_;
  if (coasting) level *= 0.6;
  // Equal-power cross-fade from the idle loop to the flat-out loop as the revs rise.
  const double angle = revs_ * kPi / 2;
  const std::string engine = EngineName(car.CarKind);
  Glide(engineIdle_, level * std::cos(angle), 1.0, Clip(engine), pitch);
  Glide(engineTop_, level * std::sin(angle), 1.0, Clip(engine + "top"), pitch / kEngineTopRatio);
}

void RaceSounds::FollowRivals(const RaceContext& race) {
  const Vec2 here = race.Player->Centre();
  const auto distance = [&](const TCar* car) {
    const Vec2 there = car->Centre();
    return std::hypot(there.X - here.X, there.Y - here.Y);
  };
  // The nearest computer cars within hearing.
  std::vector<const TCar*> heard;
  for (const TOpponentCar* car : race.Opponents) {
    if (distance(car) < kHearingRadius) heard.push_back(car);
  }
  std::sort(heard.begin(), heard.end(),
            [&](const TCar* a, const TCar* b) { return distance(a) < distance(b); });
  if (heard.size() > rivals_.size()) heard.resize(rivals_.size());

  // A car keeps its voice while heard; newly heard cars take the voices let go.
  for (RivalVoice& rival : rivals_) {
    if (rival.Car && std::find(heard.begin(), heard.end(), rival.Car) == heard.end()) {
      Release(rival.Loop);
      rival.Car = nullptr;
    }
  }
  for (const TCar* car : heard) {
    const auto has = [car](const RivalVoice& r) { return r.Car == car; };
    if (std::any_of(rivals_.begin(), rivals_.end(), has)) continue;
    const auto free = [](const RivalVoice& r) { return r.Car == nullptr; };
    std::find_if(rivals_.begin(), rivals_.end(), free)->Car = car;
  }

  for (RivalVoice& rival : rivals_) {
    if (!rival.Car) continue;
    const TCar& car = *rival.Car;
    const double nearness = 1.0 - distance(&car) / kHearingRadius;
    const double pan = std::clamp((car.Centre().X - here.X) / kPanWidth, -1.0, 1.0);
    mixer_.SetPathPosition(
        rival.Loop.Path,
        Position3{static_cast<float>(pan), 0, static_cast<float>(std::sqrt(1 - pan * pan))});
    rival.Loop.Level = levels::kNearestRival * nearness * nearness;
    Hold(rival.Loop, Clip(EngineName(car.CarKind)), std::pow(kEngineTopRatio, SpeedShare(car)));
  }
}

void RaceSounds::FollowTyres(const RaceContext& race) {
  const TPlayer& car = *race.Player;
  const double speed = std::fabs(car.Speed);
  const double sliding = std::clamp((SlipDegrees(car) - 4.0) / 10.0, 0.0, 1.0);
  const double fastEnough = std::clamp((speed - kWalkingSpeed) / 2.0, 0.0, 1.0);
  Glide(squeal_, levels::kSqueal * sliding * fastEnough, 0.12, Clip("squeal"),
        0.9 + 0.2 * SpeedShare(car));

  const int wheelsOff = (car.FrontSensor && !car.FrontSensor->OnRoad ? 1 : 0) +
                        (car.RearSensor && !car.RearSensor->OnRoad ? 1 : 0);
  const double rolling = std::clamp(speed / 3.0, 0.0, 1.0);
  Glide(grass_, levels::kGrass * wheelsOff / 2.0 * rolling, 0.2, Clip("grass"),
        0.7 + 0.6 * SpeedShare(car));
}

// The hardest bump of the step sounds, louder the faster the two met, unless the car was
// already in contact a moment ago.
void RaceSounds::FollowImpacts(const RaceContext& race) {
  const auto& impacts = race.StepImpacts;
  if (impacts.empty()) {
    stepsSinceContact_ = std::min(stepsSinceContact_ + 1, kImpactGuardSteps);
    return;
  }
  const bool fresh = stepsSinceContact_ >= kImpactGuardSteps;
  stepsSinceContact_ = 0;
  const auto hardest =
      std::max_element(impacts.begin(), impacts.end(),
                       [](const RaceImpact& a, const RaceImpact& b) { return a.Speed < b.Speed; });
  if (!fresh || hardest->Speed < 0.3) return;
  const bool againstCar = hardest->What == RaceImpact::Against::Car;
  const auto clip = Clip(againstCar ? "thud" : "crunch");
  if (!clip) return;
  const double loudness = std::clamp(levels::kSoftestImpact + hardest->Speed / 8.0,
                                     levels::kSoftestImpact, levels::kLoudestImpact);
  mixer_.SetPathVolume(impactPath_, HundredthsDb(loudness));
  mixer_.Play(impactPath_, clip, 0);
}
