#pragma once

// Where the game's fixed-size picture goes in a window (or screen) of any size: scaled as
// large as fits with its shape kept, centred, the rest left as black bars. All sizes in one
// unit (window coordinates or output pixels).
struct PictureFit {
  int X = 0;  // the picture's top-left corner in the area
  int Y = 0;
  int Width = 0;
  int Height = 0;
  // Scaled by a whole factor (1, 2, 3 ...): drawn with sharp pixels; any other scale is
  // smoothed.
  bool WholeMultiple = false;
};

// Areas or pictures without size give an empty fit.
PictureFit FitPicture(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight);

// A point of the area in picture coordinates (pixel of the picture under it). Points on
// the bars fall outside 0..pictureWidth-1 / 0..pictureHeight-1, so nothing is hit there.
void AreaToPicture(const PictureFit& fit, int pictureWidth, int pictureHeight, int areaX, int areaY,
                   int& pictureX, int& pictureY);
