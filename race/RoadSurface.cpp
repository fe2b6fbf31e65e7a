#include "race/RoadSurface.h"

#include <algorithm>

#include "race/GameConstants.h"
#include "race/RoadShape.h"

namespace {

struct PictureChoice {
  const char* Picture;  // null: no picture
  const char* Name;
  int32_t Pattern;      // fixed tile
  int32_t RandomTiles;  // > 0: a random tile 0..RandomTiles-1 instead
};

PictureChoice RoadPartPicture(int32_t kind, int32_t variant) {
  switch (kind) {
    case 1:
      return {"roadstr", "roadstr", 0, 0};
    case 2:
      return {"roadstrvert", "roadstrvert", 0, 0};
    case road_piece::WideCurve:
      return {"roadwide", "roadwide", std::clamp(variant, 0, road_piece::WideCurveVariants - 1), 0};
    case road_piece::Narrowing:
      return {"roadnarrow", "roadnarrow", std::clamp(variant, 0, road_piece::NarrowingVariants - 1),
              0};
    case road_piece::Chicane:
      return {"roadchicane", "roadchicane", std::clamp(variant, 0, road_piece::ChicaneVariants - 1),
              0};
    case road_piece::Diagonal:
      return {"roaddiag", "roaddiag", std::clamp(variant, 0, road_piece::DiagonalVariants - 1), 0};
    case 11:
      return {"roadroters", "roadroters", 3, 0};
    case 12:
      return {"roadroters", "roadroters", 2, 0};
    case 13:
      return {"roadroters", "roadroters", 1, 0};
    case 14:
      return {"roadroters", "roadroters", 0, 0};
    case 21:
      return {"koleso1", "shina", 0, 0};
    default:
      return {nullptr, "", 0, 0};
  }
}

constexpr int32_t kWaterPaint = 7;

// Flower beds and water lie on the ground beside the road: they are scenery, not road, and
// give no grip.
bool PaintIsRoad(int32_t type) {
  return type != 2 && type != 3 && type != 4 && type != kWaterPaint;
}

PictureChoice RoadPaintPicture(int32_t type) {
  switch (type) {
    case 0:
      return {"inplace", "inplace", 0, 0};
    case 1:
      return {"startline", "inplace", 0, 0};
    case 2:
      return {"threeflowers", "flowers", 0, 4};
    case 3:
      return {"monoflower", "flower", 0, 9};
    case 4:
      return {"rom", "flower", 0, 5};
    case 5:
      return {"romhor", "flower", 0, 5};
    case 6:
      return {"romver", "flower", 0, 5};
    case kWaterPaint:
      return {"water", "water", 0, 0};
    default:
      return {nullptr, "", 0, 0};
  }
}

void Forget(std::vector<RoadSurfacePiece>& surface, const TSprite* sprite) {
  const auto found =
      std::find_if(surface.begin(), surface.end(),
                   [sprite](const RoadSurfacePiece& p) { return p.Sprite == sprite; });
  if (found != surface.end()) surface.erase(found);
}

}  // namespace

TRoadPart::TRoadPart(RaceContext& race, int32_t kind, double x, double y, int32_t variant)
    : TWorldSprite(race), surface_(race.RoadSurface) {
  const PictureChoice choice = RoadPartPicture(kind, variant);
  if (choice.Picture) SetImage(race.CoursePicture(choice.Picture));
  SetName(choice.Name);
  SetPatternIndex(choice.Pattern);
  SetX(static_cast<float>(x));
  SetY(static_cast<float>(y));
  SetZ(race::depth::RoadPart);
  Angle = 0;
  surface_->push_back({this, IsShapedRoadPart(kind) ? kind : 0, variant});
}

TRoadPart::~TRoadPart() {
  Forget(*surface_, this);
}

void TRoadPart::Move(int32_t) {
  FollowScroll();
}

TRoadPaint::TRoadPaint(RaceContext& race, int32_t type, double angle, double centreX,
                       double centreY)
    : TWorldSprite(race), surface_(race.RoadSurface) {
  const PictureChoice choice = RoadPaintPicture(type);
  if (choice.Picture) SetImage(race.CoursePicture(choice.Picture));
  SetName(choice.Name);
  SetPatternIndex(choice.RandomTiles > 0 ? race.Random.Between(0, choice.RandomTiles - 1)
                                         : choice.Pattern);
  SetZ(race::depth::RoadPaint);
  OriginX = 0.5f;
  OriginY = 0.5f;
  Angle = static_cast<float>(angle);
  CentreOn(centreX, centreY);
  if (PaintIsRoad(type)) surface_->push_back({this, 0, 0});
}

TRoadPaint::~TRoadPaint() {
  Forget(*surface_, this);
}

void TRoadPaint::Move(int32_t) {
  FollowScroll();
}
