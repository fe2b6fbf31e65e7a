#include "race/GameProcedures.h"

#include <algorithm>
#include <array>
#include <limits>

#include "core/GameState.h"
#include "race/Background.h"
#include "race/GameConstants.h"
#include "race/Opponent.h"
#include "race/Player.h"
#include "race/RaceClock.h"
#include "race/RoadRock.h"
#include "race/RoadSurface.h"

namespace {

// Paint types by record kind.
constexpr int32_t kInPlacePaint = 0;
constexpr int32_t kStartLinePaint = 1;
constexpr int32_t kFirstFlowerPaint = 2;  // kinds 50..54 give types 2..6
constexpr int32_t kWaterPaint = 7;

void AddPathPoint(RaceCourse& course, int32_t& nextIndex, const TrackRecord& r) {
  if (nextIndex > race::kPathPointCapacity) return;
  course.Points[nextIndex] = {static_cast<double>(r.X), static_cast<double>(r.Y), r.B, r.A};
  nextIndex += 1;
  if (r.A > 0) course.CheckpointCount += 1;
}

void SetStartSlot(RaceCourse& course, const TrackRecord& r) {
  if (r.B < 1 || r.B > race::kStartSlotCount) return;
  course.Slots[r.B] = {static_cast<double>(r.X), static_cast<double>(r.Y),
                       static_cast<double>(r.A)};
}

void CreateSprite(RaceContext& race, const TrackRecord& r) {
  namespace kind = track_kind;
  const double x = r.X;
  const double y = r.Y;
  if (r.Kind >= kind::FirstRoadPart && r.Kind <= kind::LastRoadPart) {
    new TRoadPart(race, r.Kind, x, y, r.A);
    return;
  }
  switch (r.Kind) {
    case kind::Obstacle:
      new TRoadRock(race, r.B, x, y);
      break;
    case kind::Flowers:
    case kind::Flowers + 1:
    case kind::Flowers + 2: {
      const int angle = race.Random.Between(-180, 179);
      new TRoadPaint(race, kFirstFlowerPaint + (r.Kind - kind::Flowers), angle, x, y);
      break;
    }
    case kind::DiamondsAcross:
    case kind::DiamondsAlong:
      new TRoadPaint(race, kFirstFlowerPaint + (r.Kind - kind::Flowers), 0, x, y);
      break;
    case kind::Water:
      new TRoadPaint(race, kWaterPaint, 0, x, y);
      break;
    case kind::StartLine:
      new TRoadPaint(race, kStartLinePaint, r.A, x, y);
      break;
    case kind::InPlace:
      new TRoadPaint(race, kInPlacePaint, r.A, x, y);
      break;
    case kind::CheckLine:
      if (race.Parts.CreateCheckLine) race.Parts.CreateCheckLine(r.B, x, y);
      race.Course.CheckLineCount += 1;
      break;
    case kind::FinishLine:
      if (race.Parts.CreateFinishLine) race.Parts.CreateFinishLine(r.A, x, y);
      break;
    default:
      break;  // unknown kinds create nothing
  }
}

void LoadPathAndSlots(RaceContext& race, const std::vector<TrackRecord>& records,
                      bool withSprites) {
  RaceCourse& course = race.Course;
  int32_t nextIndex = 1;
  course.CheckLineCount = 0;
  course.CheckpointCount = 0;
  for (const TrackRecord& r : records) {
    if (r.Kind == track_kind::PathPoint) {
      AddPathPoint(course, nextIndex, r);
    } else if (r.Kind == track_kind::StartSlot) {
      SetStartSlot(course, r);
    } else if (withSprites) {
      CreateSprite(race, r);
    }
  }
  course.PointCount = nextIndex - 1;
}

// A race needs its own start slot for every car; slots the file does not name would keep
// whatever an earlier course left in them.
void RequireStartSlots(const std::vector<TrackRecord>& records, int slotsNeeded,
                       const std::string& fileName) {
  std::array<bool, race::kStartSlotCount + 1> given{};
  for (const TrackRecord& r : records) {
    if (r.Kind == track_kind::StartSlot && r.B >= 1 && r.B <= race::kStartSlotCount) {
      given[r.B] = true;
    }
  }
  for (int slot = 1; slot <= slotsNeeded; ++slot) {
    if (!given[slot]) {
      throw TrackFileError(TrackFileError::Reason::TooFewStartSlots, fileName,
                           "no start slot " + std::to_string(slot));
    }
  }
}

std::vector<TrackRecord> ReadCourseFile(const RaceContext& race, const std::string& gameName,
                                        int slotsNeeded) {
  const std::filesystem::path file = race.DataFile(gameName);
  std::vector<TrackRecord> records = ReadTrackFile(file);
  RequireStartSlots(records, slotsNeeded, file.string());
  return records;
}

void CreateOpponents(RaceContext& race, int count, bool usesMenuImages, bool drivesAtOnce) {
  const int carsAvailable = std::clamp(race.State.CarsAvailable, 1, race::kCarCount);
  for (int i = 0; i < count; ++i) {
    OpponentStart start;
    start.Index = i;
    start.Slot = race.Course.Slots[i + 1];
    start.CarKind = race.Random.Between(0, carsAvailable - 1);
    start.UsesMenuImages = usesMenuImages;
    start.DrivesAtOnce = drivesAtOnce;
    if (!race.Parts.CreateOpponent) continue;
    if (TOpponentCar* car = race.Parts.CreateOpponent(start)) race.Opponents.push_back(car);
  }
}

}  // namespace

void LoadTrackFile(RaceContext& race, const std::vector<TrackRecord>& records) {
  race.CourseLandscape = TrackLandscape(records);
  new TBackground(race);
  LoadPathAndSlots(race, records, true);
}

void LoadDemoCourse(RaceContext& race, const std::vector<TrackRecord>& records) {
  race.CourseLandscape = TrackLandscape(records);
  LoadPathAndSlots(race, records, false);
}

void ShiftWorld(RaceContext& race, double dx, double dy) {
  for (TOpponentCar* car : race.Opponents) {
    car->SetX(static_cast<float>(car->X() + dx));
    car->SetY(static_cast<float>(car->Y() + dy));
  }
  RaceCourse& course = race.Course;
  for (int32_t i = 1; i <= course.PointCount; ++i) {
    course.Points[i].X += dx;
    course.Points[i].Y += dy;
  }
  for (int i = 0; i < race.Engine.SpriteCount(); ++i) {
    if (auto* ground = dynamic_cast<TWorldSprite*>(race.Engine.Sprites(i))) {
      ground->SetX(static_cast<float>(ground->X() + dx));
      ground->SetY(static_cast<float>(ground->Y() + dy));
    }
  }
}

void MoveCourse(RaceContext& race) {
  const Vec2 scroll = race.Scroll();
  const Vec2 push = race.Push();
  RaceCourse& course = race.Course;
  for (int32_t i = 1; i <= course.PointCount; ++i) {
    PathPoint& p = course.Points[i];
    p.X += scroll.X;
    p.Y += scroll.Y;
    p.X += push.X;
    p.Y += push.Y;
  }
}

void StartRace(RaceContext& race) {
  GameState& state = race.State;
  const TrackInfo& track =
      race.Tracks.Tracks[std::clamp(state.SelectedTrack, 0, race::kTrackCount - 1)];
  const int opponents = race.TimeTrial ? 0 : std::clamp(track.Opponents, 0, race::kMaxOpponents);
  const std::vector<TrackRecord> records = ReadCourseFile(race, track.DataFile, opponents + 1);

  race.ForgetCars();
  LoadTrackFile(race, records);
  // The player's lap count never reaches this, so a time trial has no finish.
  race.Course.Laps = race.TimeTrial ? std::numeric_limits<int32_t>::max() : track.Laps;
  const StartSlot playerSlot = race.Course.Slots[opponents + 1];
  race.Player = new TPlayer(race, false, playerSlot.Angle, "player", state.SelectedCar,
                            race::kPlayerScreenX, race::kPlayerScreenY);
  if (race.Parts.CreateInstruments) race.Parts.CreateInstruments();
  CreateOpponents(race, opponents, false, false);
  ShiftWorld(race, race::kPlayerScreenX - playerSlot.X, race::kPlayerScreenY - playerSlot.Y);
  PrepareCourse(race.Course);
  state.RaceFinished = false;
  race.DemoRace = false;
  ResetRaceClock(race);
}

void ReleaseCarsAndClock(RaceContext& race) {
  race.Player->ControlsEnabled = true;
  for (TOpponentCar* car : race.Opponents) car->Driving = true;
  race.ClockRunning = true;
}

void StartDemoRace(RaceContext& race) {
  const std::vector<TrackRecord> records =
      ReadCourseFile(race, race::kDemoCourseFile, race::kDemoOpponents);

  race.ForgetCars();
  LoadDemoCourse(race, records);
  race.Course.Laps = race::kDemoLaps;
  race.Player = new TPlayer(race, true, 0, "player", race::kDemoCarKind, race::kPlayerScreenX,
                            race::kPlayerScreenY);
  race.Player->Visible = false;
  CreateOpponents(race, race::kDemoOpponents, true, true);
  PrepareCourse(race.Course);
  race.State.RaceFinished = false;
  race.DemoRace = true;
  ResetRaceClock(race);
}
