#pragma once
#include <cstdint>
#include <string>

#include "engine/graphics/KaltoSprite.h"

class TForm1;
class TKaltoImageList;

// A still picture of the menus' image list (titles, panels, track and car pictures, the
// car screen's bars), shown whole at its position with the given alpha.
class TMenuScreen : public TSprite {
 public:
  TMenuScreen(TForm1& form, double x, double y, int32_t z, const std::string& picture,
              const std::string& name, int32_t alpha, bool visible);

 protected:
  TMenuScreen(TKaltoSprite& engine, const TKaltoImageList& pictures, double x, double y, int32_t z,
              const std::string& picture, const std::string& name, int32_t alpha, bool visible);
};

// The same for a picture of the race list (the race screens' panels).
class TGameMenuScreen : public TMenuScreen {
 public:
  TGameMenuScreen(TForm1& form, double x, double y, int32_t z, const std::string& picture,
                  const std::string& name, int32_t alpha, bool visible);
};

// The mouse pointer the game draws itself, since the system's is hidden over the picture:
// an eight-picture animation that steps every tenth move. Its tip is drawn exactly at the
// pointer's position in the 800 x 600 picture, windowed and full screen alike, so the drawn
// pointer is where a click lands.
class TCursor : public TSprite {
 public:
  explicit TCursor(TForm1& form);
  void Move(int32_t moveCount) override;

 private:
  void FollowPointer();

  TForm1& form_;
  int32_t counter_ = 1;
};
