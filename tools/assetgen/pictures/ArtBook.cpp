#include "tools/assetgen/pictures/ArtBook.h"

#include <stdexcept>

#include "tools/assetgen/pictures/Themes.h"

void ArtBook::add(const std::string& name, TilePainter painter) {
  if (!shared_.emplace(name, std::move(painter)).second) {
    throw std::logic_error("picture drawn twice: " + name);
  }
}

void ArtBook::addFor(PictureListMask list, const std::string& name, TilePainter painter) {
  if (!perList_.emplace(std::make_pair(list, name), std::move(painter)).second) {
    throw std::logic_error("picture drawn twice: " + name);
  }
}

const TilePainter* ArtBook::find(PictureListMask list, const std::string& name) const {
  if (auto it = perList_.find({list, name}); it != perList_.end()) return &it->second;
  if (auto it = shared_.find(name); it != shared_.end()) return &it->second;
  return nullptr;
}

ArtBook buildArtBook() {
  ArtBook book;
  addButtonArt(book);
  addCarArt(book);
  addRoadArt(book);
  addSceneryArt(book);
  addLandscapeSceneryArt(book);
  addHudArt(book);
  addRacePanelArt(book);
  addMenuSceneArt(book);
  addMenuPanelArt(book);
  addHelpArt(book);
  addTrackPreviewArt(book);
  addGlyphSheetArt(book);
  return book;
}
