#pragma once
#include <cairo.h>

#include <functional>
#include <map>
#include <string>
#include <utility>

#include "engine/graphics/PictureTable.h"

// One tile to paint: the context is translated to the tile's top-left corner and clipped
// to it.
struct TileRequest {
  int width;
  int height;
  int index;
  int count;
};

using TilePainter = std::function<void(cairo_t*, const TileRequest&)>;

// Every picture's drawing, found by list and name.
class ArtBook {
 public:
  // The same drawing wherever the name is looked up.
  void add(const std::string& name, TilePainter painter);
  // A drawing used only for the name in one list (the cars show different karts in the two
  // lists); it takes precedence over add().
  void addFor(PictureListMask list, const std::string& name, TilePainter painter);
  const TilePainter* find(PictureListMask list, const std::string& name) const;

 private:
  std::map<std::string, TilePainter> shared_;
  std::map<std::pair<PictureListMask, std::string>, TilePainter> perList_;
};

// The whole book: every theme's pictures.
ArtBook buildArtBook();

// The picture table's row for a name, for pictures that must line up with others (the
// speedometer hub sits where the needle's pivot falls). Throws when the table has no such
// picture.
const PictureEntry& tableEntry(const std::string& name);
