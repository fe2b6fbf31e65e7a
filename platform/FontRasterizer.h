#pragma once
#include <memory>
#include <string>

#include "platform/PixelImage.h"

// A scalable font file opened at one size. It measures UTF-8 text and draws it as white
// pixels whose alpha is the glyphs' coverage (RGBA, rows top to bottom).
class FontRasterizer {
 public:
  enum Style : int { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

  // The file at `points` size and `dpi` dots per inch both ways, in the given Style flags.
  // Null, with the reason in *error, when it cannot be opened.
  static std::unique_ptr<FontRasterizer> Open(const std::string& file, int points, unsigned dpi,
                                              int style, std::string* error);
  ~FontRasterizer();
  FontRasterizer(const FontRasterizer&) = delete;
  FontRasterizer& operator=(const FontRasterizer&) = delete;

  // The size of the text set on one line (line breaks are not followed). An empty text has
  // width 0.
  void Measure(const std::string& utf8, int* width, int* height) const;
  // The height of a line of this font.
  int LineHeight() const;
  // The text on one line; an empty picture for an empty text or when drawing failed.
  PixelImage DrawLine(const std::string& utf8) const;
  // The text broken into lines at each LF, left-aligned; empty as above.
  PixelImage DrawLines(const std::string& utf8) const;

 private:
  struct Face;
  explicit FontRasterizer(std::unique_ptr<Face> face);
  std::unique_ptr<Face> face_;
};
