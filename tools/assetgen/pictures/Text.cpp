#include "tools/assetgen/pictures/Text.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

#include "tools/assetgen/pictures/Effects.h"

namespace {

// Fixed font options so the same text rasterises the same way on every run.
void applyFontOptions(PangoContext* context) {
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(context, options);
  cairo_font_options_destroy(options);
}

PangoLayout* makeLayout(cairo_t* cr, const std::string& utf8, const TextStyle& style) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  applyFontOptions(pango_layout_get_context(layout));
  pango_layout_context_changed(layout);
  PangoFontDescription* font = pango_font_description_new();
  pango_font_description_set_family(font, style.family);
  pango_font_description_set_weight(font, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(font, style.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_font_description_set_absolute_size(font, style.sizePx * PANGO_SCALE);
  pango_layout_set_font_description(layout, font);
  pango_font_description_free(font);
  pango_layout_set_text(layout, utf8.c_str(), -1);
  return layout;
}

void paintLayout(cairo_t* cr, PangoLayout* layout, const TextStyle& style, double x, double y) {
  if (style.shadowOpacity > 0) {
    softShadow(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, x, y);
          pango_cairo_layout_path(c, layout);
        },
        style.sizePx * 0.06 + 1, style.sizePx * 0.08 + 1, style.sizePx * 0.12 + 1,
        style.shadowOpacity);
  }
  if (style.outlineWidth > 0) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    pango_cairo_layout_path(cr, layout);
    setColour(cr, style.outlineColour);
    cairo_set_line_width(cr, style.outlineWidth * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, x, y);
  setColour(cr, style.colour);
  pango_cairo_show_layout(cr, layout);
}

double anchorOffset(Align align, double extent) {
  switch (align) {
    case Align::Start:
      return 0;
    case Align::Centre:
      return extent / 2;
    case Align::End:
      return extent;
  }
  return 0;
}

}  // namespace

TextSize measureText(cairo_t* cr, const std::string& utf8, const TextStyle& style) {
  PangoLayout* layout = makeLayout(cr, utf8, style);
  PangoRectangle ink, logical;
  pango_layout_get_pixel_extents(layout, &ink, &logical);
  g_object_unref(layout);
  return {static_cast<double>(logical.width), static_cast<double>(logical.height)};
}

void drawText(cairo_t* cr, const std::string& utf8, const TextStyle& style, double x, double y,
              Align horizontal, Align vertical) {
  PangoLayout* layout = makeLayout(cr, utf8, style);
  if (utf8.find('\n') != std::string::npos) {
    pango_layout_set_alignment(layout, horizontal == Align::Centre ? PANGO_ALIGN_CENTER
                                       : horizontal == Align::End  ? PANGO_ALIGN_RIGHT
                                                                   : PANGO_ALIGN_LEFT);
  }
  PangoRectangle ink, logical;
  pango_layout_get_pixel_extents(layout, &ink, &logical);
  // Vertical centring uses the ink box so capitals sit visually in the middle.
  const double top = vertical == Align::Start    ? y - logical.y
                     : vertical == Align::Centre ? y - ink.y - ink.height / 2.0
                                                 : y - ink.y - ink.height;
  paintLayout(cr, layout, style, x - logical.x - anchorOffset(horizontal, logical.width), top);
  g_object_unref(layout);
}

TextStyle fitText(cairo_t* cr, const std::string& utf8, TextStyle style, double maxWidth) {
  while (style.sizePx > 6 && measureText(cr, utf8, style).width > maxWidth) style.sizePx -= 0.5;
  return style;
}

double drawParagraph(cairo_t* cr, const std::string& utf8, const TextStyle& style, double x,
                     double y, double width, double lineSpacing) {
  PangoLayout* layout = makeLayout(cr, utf8, style);
  pango_layout_set_width(layout, static_cast<int>(width * PANGO_SCALE));
  pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
  pango_layout_set_line_spacing(layout, static_cast<float>(lineSpacing));
  PangoRectangle ink, logical;
  pango_layout_get_pixel_extents(layout, &ink, &logical);
  paintLayout(cr, layout, style, x, y);
  g_object_unref(layout);
  return logical.height;
}

void releaseTextCaches() {
  pango_cairo_font_map_set_default(nullptr);
  cairo_debug_reset_static_data();
  FcFini();
}
