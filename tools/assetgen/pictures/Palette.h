#pragma once
#include <cairo.h>

#include <cstdint>

// One colour in linear 0..1 sRGB components (not premultiplied).
struct Rgb {
  double r = 0;
  double g = 0;
  double b = 0;

  static constexpr Rgb hex(uint32_t value) {
    return {((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0};
  }
  // Towards white (amount > 0) or black (amount < 0).
  Rgb shade(double amount) const;
  Rgb mix(Rgb other, double t) const;
};

void setColour(cairo_t* cr, Rgb colour, double alpha = 1.0);
void addStop(cairo_pattern_t* pattern, double offset, Rgb colour, double alpha = 1.0);

// The whole game's palette: every picture takes its colours from here so that menus, HUD
// and race pieces read as one set.
namespace palette {
// Interface
inline constexpr Rgb kNavyDeep = Rgb::hex(0x121a33);
inline constexpr Rgb kNavy = Rgb::hex(0x1f2f57);
inline constexpr Rgb kNavyLight = Rgb::hex(0x35508a);
inline constexpr Rgb kSteel = Rgb::hex(0x8a9bb8);
inline constexpr Rgb kCream = Rgb::hex(0xf6efdc);
inline constexpr Rgb kCreamShade = Rgb::hex(0xe3d6b5);
inline constexpr Rgb kGold = Rgb::hex(0xf3b324);
inline constexpr Rgb kOrange = Rgb::hex(0xf0701e);
inline constexpr Rgb kOrangeDeep = Rgb::hex(0xbf3d12);
inline constexpr Rgb kRed = Rgb::hex(0xd7263d);
inline constexpr Rgb kTeal = Rgb::hex(0x1d9a8e);
inline constexpr Rgb kButtonBlue = Rgb::hex(0x2b63b0);
inline constexpr Rgb kButtonBlueDeep = Rgb::hex(0x173b73);
inline constexpr Rgb kInk = Rgb::hex(0x101322);
inline constexpr Rgb kWhite = Rgb::hex(0xffffff);
inline constexpr Rgb kBlack = Rgb::hex(0x000000);
// Race world
inline constexpr Rgb kGrass = Rgb::hex(0x4f9a34);
inline constexpr Rgb kGrassDark = Rgb::hex(0x3a7d27);
inline constexpr Rgb kGrassLight = Rgb::hex(0x79c046);
inline constexpr Rgb kAsphalt = Rgb::hex(0x50545c);
inline constexpr Rgb kAsphaltDark = Rgb::hex(0x41444b);
inline constexpr Rgb kKerbRed = Rgb::hex(0xd2343a);
inline constexpr Rgb kKerbWhite = Rgb::hex(0xf1f0ea);
inline constexpr Rgb kPaint = Rgb::hex(0xf4f1e4);
inline constexpr Rgb kLeaf = Rgb::hex(0x2f7d2a);
inline constexpr Rgb kLeafLight = Rgb::hex(0x5eb33c);
inline constexpr Rgb kFir = Rgb::hex(0x1c5a34);
inline constexpr Rgb kBark = Rgb::hex(0x6b4424);
inline constexpr Rgb kStone = Rgb::hex(0x8d8a84);
inline constexpr Rgb kRoof = Rgb::hex(0xb4462c);
inline constexpr Rgb kConcrete = Rgb::hex(0xc9c6bd);
}  // namespace palette

// The one light of every picture: from the top left. Shadows fall down and to the right by
// kShadowOffset pixels per unit of an object's height above the ground.
namespace light {
inline constexpr double kShadowDx = 0.6;
inline constexpr double kShadowDy = 0.8;
inline constexpr double kShadowOpacity = 0.42;
}  // namespace light
