#include "tools/assetgen/pictures/PanelKit.h"

#include <algorithm>

#include "tools/assetgen/pictures/UiKit.h"

double drawHeadedPanel(cairo_t* cr, double w, double h, const std::string& heading) {
  const double ribbonH = std::clamp(h * 0.14, 30.0, 46.0);
  drawPanelPlate(cr, 4, ribbonH / 2 + 2, w - 12, h - ribbonH / 2 - 12);
  drawHeadingRibbon(cr, w / 2 - 4, 2, std::min(w - 40, std::max(w * 0.7, 260.0)), ribbonH, heading);
  return ribbonH + 8;
}

TextStyle panelBodyStyle(double sizePx, Rgb colour) {
  TextStyle style;
  style.family = faces::kBody;
  style.bold = false;
  style.sizePx = sizePx;
  style.colour = colour;
  return style;
}

TextStyle panelLabelStyle(double sizePx, Rgb colour) {
  TextStyle style;
  style.sizePx = sizePx;
  style.colour = colour;
  return style;
}
