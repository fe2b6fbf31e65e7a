#include "shell/MenuSprites.h"

#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/PictureTable.h"
#include "shell/Unit_pr.h"

namespace {

constexpr int32_t kCursorDepth = 90000;
constexpr int32_t kCursorPatterns = 8;
constexpr int32_t kCursorStepFrames = 10;

}  // namespace

TMenuScreen::TMenuScreen(TForm1& form, double x, double y, int32_t z, const std::string& picture,
                         const std::string& name, int32_t alpha, bool visible)
    : TMenuScreen(form.KaltoSprite1, form.KaltoImageList1, x, y, z, picture, name, alpha, visible) {
}

TMenuScreen::TMenuScreen(TKaltoSprite& engine, const TKaltoImageList& pictures, double x, double y,
                         int32_t z, const std::string& picture, const std::string& name,
                         int32_t alpha, bool visible)
    : TSprite(engine) {
  SetX(static_cast<float>(x));
  SetY(static_cast<float>(y));
  SetZ(z);
  TImageListItem& item = RequirePicture(pictures, picture);
  SetWidth(item.PictureWidth());
  SetHeight(item.PictureHeight());
  SetImage(&item);
  SetAlpha(alpha);
  Visible = visible;
  SetName(name);
}

TGameMenuScreen::TGameMenuScreen(TForm1& form, double x, double y, int32_t z,
                                 const std::string& picture, const std::string& name, int32_t alpha,
                                 bool visible)
    : TMenuScreen(form.KaltoSprite1, form.GameImageList, x, y, z, picture, name, alpha, visible) {}

TCursor::TCursor(TForm1& form) : TSprite(form.KaltoSprite1), form_(form) {
  TImageListItem& item = RequirePicture(form.KaltoImageList1, "mousecursor");
  SetImage(&item);
  SetName("cursor");
  SetPatternIndex(0);
  Collide = true;
  PixelCheck = true;
  FollowPointer();
  SetZ(kCursorDepth);
  SetWidth(item.TileWidth());
  SetHeight(item.TileHeight());
}

void TCursor::Move(int32_t moveCount) {
  TSprite::Move(moveCount);
  if (counter_ % kCursorStepFrames == 0) {
    SetPatternIndex((PatternIndex() + 1) % kCursorPatterns);
    counter_ = 0;
  }
  counter_ += 1;
  FollowPointer();
}

void TCursor::FollowPointer() {
  SetX(static_cast<float>(form_.MainWindow.PointerX()));
  SetY(static_cast<float>(form_.MainWindow.PointerY()));
}
