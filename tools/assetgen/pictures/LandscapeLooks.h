#pragma once
#include <string>

#include "race/Landscape.h"
#include "tools/assetgen/pictures/Palette.h"

// The colours a road piece is painted in: asphalt, the kerb's two stripes and the paint.
struct RoadLook {
  Rgb Asphalt;
  Rgb AsphaltDark;
  Rgb KerbStripe;  // the coloured block of the kerb
  Rgb KerbPlain;   // the block between
  Rgb Paint;       // edge lines and centre dashes
  double Frost;    // 0..1: pale specks of salt, sand or frost on the asphalt
};

// Everything a landscape's pictures take their colours from. Every colour passes through
// Lit(), the landscape's lighting tone (a warm low sun in autumn, a bright glare on the
// coast, a cold blue light in winter); the meadow has none, so its pictures stay as they are.
struct LandscapeLook {
  Landscape Which;
  RoadLook Road;
  Rgb GroundDark;
  Rgb GroundLight;
  Rgb Leaves[4];  // the crowns of tree1..tree4
  Rgb Needles;    // firs
  Rgb Roof;
  Rgb Stone;
  double Snow;  // 0..1: how much snow lies on scenery
  Rgb Tone;
  double ToneAmount;

  Rgb Lit(Rgb colour) const { return colour.mix(Tone, ToneAmount); }
};

const LandscapeLook& landscapeLook(Landscape landscape);
// The picture table's name of `base` drawn for the landscape ("grass", "grass_winter").
std::string landscapePictureName(const std::string& base, Landscape landscape);
