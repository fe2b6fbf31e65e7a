// The picture in windows of any size: scale, bars, filter choice and where a window point
// lands in the picture.
#include "platform/PictureFit.h"

#include <gtest/gtest.h>

namespace {

TEST(PictureFit, ScalesAsLargeAsFitsKeepsTheShapeAndCentres) {
  struct Case {
    int AreaWidth, AreaHeight;
    int X, Y, Width, Height;
    bool WholeMultiple;
  };
  const Case cases[] = {
      {800, 600, 0, 0, 800, 600, true},         // the window as it opens
      {1600, 1200, 0, 0, 1600, 1200, true},     // twice, no bars
      {1000, 600, 100, 0, 800, 600, true},      // wider: bars left and right, still 1:1
      {800, 1000, 0, 200, 800, 600, true},      // taller: bars above and below
      {1920, 1200, 160, 0, 1600, 1200, true},   // a 16:10 screen: twice, with bars
      {1920, 1080, 240, 0, 1440, 1080, false},  // a 16:9 screen: 1.8 times
      {1024, 768, 0, 0, 1024, 768, false},      // 1.28 times
      {2400, 1900, 0, 50, 2400, 1800, true},    // three times
      {801, 601, 0, 0, 801, 601, false},        // a pixel more is not a whole multiple
      {400, 300, 0, 0, 400, 300, false},        // smaller than the picture
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.AreaWidth) + "x" + std::to_string(c.AreaHeight));
    const PictureFit fit = FitPicture(c.AreaWidth, c.AreaHeight, 800, 600);
    EXPECT_EQ(fit.X, c.X);
    EXPECT_EQ(fit.Y, c.Y);
    EXPECT_EQ(fit.Width, c.Width);
    EXPECT_EQ(fit.Height, c.Height);
    EXPECT_EQ(fit.WholeMultiple, c.WholeMultiple);
  }
}

TEST(PictureFit, NoAreaOrNoPictureGivesAnEmptyFit) {
  for (const PictureFit& fit : {FitPicture(0, 600, 800, 600), FitPicture(800, -1, 800, 600),
                                FitPicture(800, 600, 0, 600)}) {
    EXPECT_EQ(fit.Width, 0);
    EXPECT_EQ(fit.Height, 0);
  }
}

TEST(PictureFit, AreaPointsMapToThePictureTheyShow) {
  struct Case {
    int AreaWidth, AreaHeight;
    int AreaX, AreaY;
    int PictureX, PictureY;
  };
  const Case cases[] = {
      {800, 600, 0, 0, 0, 0},           {800, 600, 799, 599, 799, 599},
      {1600, 1200, 800, 450, 400, 225}, {1600, 1200, 1599, 1199, 799, 599},
      {1000, 600, 100, 0, 0, 0},        {1000, 600, 500, 225, 400, 225},
      {1000, 600, 99, 10, -1, 10},    // on the left bar: outside the picture
      {1000, 600, 900, 10, 800, 10},  // on the right bar
      {1920, 1080, 240, 0, 0, 0},       {1920, 1080, 960, 405, 400, 225},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.AreaWidth) + "x" + std::to_string(c.AreaHeight) + " at " +
                 std::to_string(c.AreaX) + "," + std::to_string(c.AreaY));
    const PictureFit fit = FitPicture(c.AreaWidth, c.AreaHeight, 800, 600);
    int x = 0;
    int y = 0;
    AreaToPicture(fit, 800, 600, c.AreaX, c.AreaY, x, y);
    EXPECT_EQ(x, c.PictureX);
    EXPECT_EQ(y, c.PictureY);
  }
}

}  // namespace
