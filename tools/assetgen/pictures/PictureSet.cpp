#include "tools/assetgen/pictures/PictureSet.h"

#include <stdexcept>

#include "engine/graphics/OilFormat.h"
#include "tools/assetgen/pictures/ArtBook.h"
#include "tools/assetgen/pictures/PictureRenderer.h"

std::vector<GeneratedPicture> generatePictures(PictureListMask list) {
  static const ArtBook book = buildArtBook();
  std::vector<GeneratedPicture> pictures;
  for (const PictureEntry& entry : PictureTable()) {
    if (!(entry.Lists & list)) continue;
    const TilePainter* painter = book.find(list, entry.Name);
    if (painter == nullptr) {
      throw std::logic_error(std::string("no drawing for the picture ") + entry.Name);
    }
    pictures.push_back({&entry, renderPicture(*painter, entry.TileWidth, entry.TileHeight,
                                              entry.Tiles, entry.Columns)});
  }
  return pictures;
}

std::vector<uint8_t> encodePictureList(const std::vector<GeneratedPicture>& pictures) {
  std::vector<OilItem> items;
  for (const GeneratedPicture& picture : pictures) {
    OilItem item;
    item.Name = picture.entry->Name;
    item.Picture.Kind = OilPictureKind::Png;
    item.Picture.FileBytes = picture.canvas->encodePng();
    item.TileWidth = picture.entry->TileWidth;
    item.TileHeight = picture.entry->TileHeight;
    items.push_back(std::move(item));
  }
  return WriteOil(items);
}

const PictureEntry& tableEntry(const std::string& name) {
  const PictureEntry* entry = FindPictureEntry(name);
  if (entry == nullptr) throw std::logic_error("no picture named " + name);
  return *entry;
}
