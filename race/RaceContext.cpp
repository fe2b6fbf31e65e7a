#include "race/RaceContext.h"

#include "engine/graphics/KaltoImageList.h"
#include "race/Player.h"

TImageListItem* RaceContext::Picture(bool fromMenuImages, const std::string& name) const {
  const TKaltoImageList* list = fromMenuImages ? MenuImages : GameImages;
  return list ? list->Find(name) : nullptr;
}

TImageListItem* RaceContext::CoursePicture(const std::string& base) const {
  return Picture(false, LandscapePicture(base, CourseLandscape));
}

Vec2 RaceContext::Scroll() const {
  return Player ? Vec2{Player->ScrollX, Player->ScrollY} : Vec2{};
}

Vec2 RaceContext::Push() const {
  return Player ? Vec2{Player->PushX, Player->PushY} : Vec2{};
}
