#include "tools/assetgen/pictures/LandscapeLooks.h"

#include <array>

using namespace palette;

namespace {

const std::array<LandscapeLook, kLandscapeCount> kLooks = {{
    {Landscape::Meadow,
     {kAsphalt, kAsphaltDark, kKerbRed, kKerbWhite, kPaint, 0},
     kGrassDark,
     kGrassLight,
     {kLeaf, Rgb::hex(0x3c8c2a), Rgb::hex(0xd98a1c), Rgb::hex(0x5aa04a)},
     kFir,
     kRoof,
     kStone,
     0,
     kWhite,
     0},
    {Landscape::Autumn,
     {Rgb::hex(0x4d4f55), Rgb::hex(0x3d3e43), Rgb::hex(0xe0761c), Rgb::hex(0xf3ead6), kPaint, 0},
     Rgb::hex(0x5c6a2a),
     Rgb::hex(0x9a8a3a),
     {Rgb::hex(0xd9661c), Rgb::hex(0xb8322a), Rgb::hex(0xe8b12c), Rgb::hex(0x9a5a22)},
     Rgb::hex(0x24523a),
     Rgb::hex(0x7a3a24),
     Rgb::hex(0x8a8276),
     0,
     Rgb::hex(0xffa040),
     0.08},
    {Landscape::Coast,
     {Rgb::hex(0x5c5a58), Rgb::hex(0x4c4a48), Rgb::hex(0x1f6fc8), Rgb::hex(0xf6f1e2),
      Rgb::hex(0xf6d24a), 0.35},
     Rgb::hex(0xcfae72),
     Rgb::hex(0xf0dba6),
     {Rgb::hex(0x4f9a2e), Rgb::hex(0x6aa83a), Rgb::hex(0x3f8a3a), Rgb::hex(0x7ab04a)},
     Rgb::hex(0x5a7a3a),
     Rgb::hex(0x2a8a9a),
     Rgb::hex(0xc9a46a),
     0,
     Rgb::hex(0xfff4d0),
     0.1},
    {Landscape::Winter,
     {Rgb::hex(0x56606c), Rgb::hex(0x454d58), Rgb::hex(0x2a5cc8), Rgb::hex(0xf4f8ff),
      Rgb::hex(0xf4f8ff), 0.5},
     Rgb::hex(0xc8d6e8),
     Rgb::hex(0xf6faff),
     {Rgb::hex(0x6a5a4a), Rgb::hex(0x4a6a52), Rgb::hex(0x7a6a5a), Rgb::hex(0x3f604a)},
     Rgb::hex(0x1f4f40),
     Rgb::hex(0x8a3a2c),
     Rgb::hex(0x8a8e96),
     0.7,
     Rgb::hex(0x9ab8e8),
     0.1},
}};

}  // namespace

const LandscapeLook& landscapeLook(Landscape landscape) {
  return kLooks[static_cast<size_t>(landscape)];
}

std::string landscapePictureName(const std::string& base, Landscape landscape) {
  return landscape == Landscape::Meadow ? base : base + "_" + LandscapeName(landscape);
}
