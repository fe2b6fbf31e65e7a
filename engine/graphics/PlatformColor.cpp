#include "engine/graphics/PlatformColor.h"

#include <strings.h>

#include <array>

namespace {

struct NamedColor {
  const char* Name;
  uint32_t Value;
};

constexpr uint32_t kSystemColor = 0xFF000000u;

constexpr NamedColor kNamedColors[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", kSystemColor | 0},
    {"clBackground", kSystemColor | 1},
    {"clActiveCaption", kSystemColor | 2},
    {"clInactiveCaption", kSystemColor | 3},
    {"clMenu", kSystemColor | 4},
    {"clWindow", kSystemColor | 5},
    {"clWindowFrame", kSystemColor | 6},
    {"clMenuText", kSystemColor | 7},
    {"clWindowText", kSystemColor | 8},
    {"clCaptionText", kSystemColor | 9},
    {"clActiveBorder", kSystemColor | 10},
    {"clInactiveBorder", kSystemColor | 11},
    {"clAppWorkSpace", kSystemColor | 12},
    {"clHighlight", kSystemColor | 13},
    {"clHighlightText", kSystemColor | 14},
    {"clBtnFace", kSystemColor | 15},
    {"clBtnShadow", kSystemColor | 16},
    {"clGrayText", kSystemColor | 17},
    {"clBtnText", kSystemColor | 18},
    {"clInactiveCaptionText", kSystemColor | 19},
    {"clBtnHighlight", kSystemColor | 20},
    {"cl3DDkShadow", kSystemColor | 21},
    {"cl3DLight", kSystemColor | 22},
    {"clInfoText", kSystemColor | 23},
    {"clInfoBk", kSystemColor | 24},
    {"clHotLight", kSystemColor | 26},
    {"clGradientActiveCaption", kSystemColor | 27},
    {"clGradientInactiveCaption", kSystemColor | 28},
    {"clMenuHighlight", kSystemColor | 29},
    {"clMenuBar", kSystemColor | 30},
};

constexpr uint32_t Bgr(uint32_t r, uint32_t g, uint32_t b) {
  return (b << 16) | (g << 8) | r;
}

// The classic desktop scheme, indexed by system-colour number.
constexpr std::array<uint32_t, 31> kClassicScheme = {
    Bgr(212, 208, 200), Bgr(58, 110, 165),  Bgr(10, 36, 106),   Bgr(128, 128, 128),
    Bgr(212, 208, 200), Bgr(255, 255, 255), Bgr(0, 0, 0),       Bgr(0, 0, 0),
    Bgr(0, 0, 0),       Bgr(255, 255, 255), Bgr(212, 208, 200), Bgr(212, 208, 200),
    Bgr(128, 128, 128), Bgr(10, 36, 106),   Bgr(255, 255, 255), Bgr(212, 208, 200),
    Bgr(128, 128, 128), Bgr(128, 128, 128), Bgr(0, 0, 0),       Bgr(212, 208, 200),
    Bgr(255, 255, 255), Bgr(64, 64, 64),    Bgr(212, 208, 200), Bgr(0, 0, 0),
    Bgr(255, 255, 225), Bgr(0, 0, 0),       Bgr(0, 0, 128),     Bgr(166, 202, 240),
    Bgr(192, 192, 192), Bgr(49, 106, 197),  Bgr(212, 208, 200),
};

}  // namespace

bool ColorFromIdentifier(const std::string& name, uint32_t& color) {
  for (const NamedColor& c : kNamedColors) {
    if (strcasecmp(c.Name, name.c_str()) == 0) {
      color = c.Value;
      return true;
    }
  }
  return false;
}

uint32_t ResolvePlatformColor(uint32_t color) {
  if ((color & 0xFF000000u) == kSystemColor) {
    const uint32_t index = color & 0xFFu;
    return index < kClassicScheme.size() ? kClassicScheme[index] : 0;
  }
  return color & 0xFFFFFFu;
}
