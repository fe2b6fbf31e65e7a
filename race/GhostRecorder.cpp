#include "race/GhostRecorder.h"

#include "race/Car.h"
#include "race/GameConstants.h"
#include "race/Player.h"

namespace {

constexpr int32_t kGhostAlpha = 110;

Vec2 FirstPathPoint(const RaceContext& race) {
  const PathPoint& p = race.Course.Points[1];
  return {p.X, p.Y};
}

}  // namespace

TGhostCar::TGhostCar(RaceContext& race, int32_t carKind) : TSprite(race.Engine), CarKind(carKind) {
  SetImage(race.Picture(false, RaceCarPicture(carKind)));
  SetName("ghost");
  OriginX = 0.5f;
  OriginY = 0.5f;
  SetZ(race::depth::Car - 1);
  SetAlpha(kGhostAlpha);
  Visible = false;
}

int32_t TotalHundredths(const RaceTime& t) {
  return (t.Minutes * 60 + t.Seconds) * 100 + t.Hundredths;
}

RaceTime FromHundredths(int32_t hundredths) {
  RaceTime time;
  time.Minutes = hundredths / 6000;
  time.Seconds = hundredths / 100 % 60;
  time.Hundredths = hundredths % 100;
  return time;
}

GhostRecorder::GhostRecorder(int32_t track, std::optional<GhostLap> best)
    : track_(track), best_(std::move(best)) {}

bool GhostRecorder::TakeNewBest() {
  const bool taken = newBest_;
  newBest_ = false;
  return taken;
}

void GhostRecorder::AfterStep(RaceContext& race) {
  const TPlayer* player = race.Player;
  if (!player || race.Course.PointCount < 1) return;
  if (player->Lap != lap_) {
    // The crossing reset the lap clock in this step: the lap took what it showed before.
    if (lap_ >= 1) FinishLap(player->CarKind);
    lapFrames_.clear();
    lap_ = player->Lap;
  }
  if (lap_ >= 1 && lapFrames_.size() < kGhostFrameLimit) {
    const Vec2 centre = player->Centre();
    const Vec2 origin = FirstPathPoint(race);
    lapFrames_.push_back(
        {static_cast<float>(centre.X - origin.X), static_cast<float>(centre.Y - origin.Y),
         static_cast<float>(player->Heading), static_cast<uint8_t>(player->PatternIndex())});
  }
  lapTime_ = player->LapTime;
  ShowGhost(race);
}

void GhostRecorder::FinishLap(int32_t carKind) {
  lastLap_ = lapTime_;
  const int32_t hundredths = TotalHundredths(lapTime_);
  if (lapFrames_.empty() || lapFrames_.size() >= kGhostFrameLimit || hundredths <= 0) return;
  if (best_ && best_->LapHundredths <= hundredths) return;
  best_ = GhostLap{track_, carKind, hundredths, lapFrames_};
  newBest_ = true;
}

void GhostRecorder::ShowGhost(RaceContext& race) {
  const size_t step = lapFrames_.empty() ? 0 : lapFrames_.size() - 1;
  const bool shown = best_ && !lapFrames_.empty() && step < best_->Frames.size();
  if (!shown) {
    if (ghost_) ghost_->Visible = false;
    return;
  }
  if (ghost_ && ghost_->CarKind != best_->CarKind) {
    ghost_->Dead();
    ghost_ = nullptr;
  }
  if (!ghost_) ghost_ = new TGhostCar(race, best_->CarKind);
  const GhostFrame& f = best_->Frames[step];
  const Vec2 origin = FirstPathPoint(race);
  ghost_->SetX(static_cast<float>(origin.X + f.X - ghost_->Width() / 2.0));
  ghost_->SetY(static_cast<float>(origin.Y + f.Y - ghost_->Height() / 2.0));
  ghost_->Angle = f.Heading - 90;
  ghost_->SetPatternIndex(f.Pattern);
  ghost_->Visible = true;
}
