#include "platform/PictureFit.h"

#include <cstdint>

namespace {

// Division rounding towards minus infinity (points left of or above the picture).
int64_t FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

PictureFit FitPicture(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight) {
  PictureFit fit;
  if (areaWidth <= 0 || areaHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return fit;
  const int64_t aw = areaWidth, ah = areaHeight, pw = pictureWidth, ph = pictureHeight;
  if (aw * ph <= ah * pw) {  // the width is the tighter side: bars above and below
    fit.Width = areaWidth;
    fit.Height = static_cast<int>((aw * ph + pw / 2) / pw);
  } else {  // bars left and right
    fit.Height = areaHeight;
    fit.Width = static_cast<int>((ah * pw + ph / 2) / ph);
  }
  fit.X = (areaWidth - fit.Width) / 2;
  fit.Y = (areaHeight - fit.Height) / 2;
  fit.WholeMultiple = fit.Width % pictureWidth == 0 && fit.Height % pictureHeight == 0 &&
                      fit.Width / pictureWidth == fit.Height / pictureHeight;
  return fit;
}

void AreaToPicture(const PictureFit& fit, int pictureWidth, int pictureHeight, int areaX, int areaY,
                   int& pictureX, int& pictureY) {
  if (fit.Width <= 0 || fit.Height <= 0) {
    pictureX = areaX;
    pictureY = areaY;
    return;
  }
  pictureX = static_cast<int>(FloorDiv(int64_t{areaX - fit.X} * pictureWidth, fit.Width));
  pictureY = static_cast<int>(FloorDiv(int64_t{areaY - fit.Y} * pictureHeight, fit.Height));
}
