#include "engine/graphics/KaltoImageList.h"

#include <cstring>
#include <iostream>

#include "engine/graphics/FileBytes.h"
#include "engine/graphics/KaltoRenderer.h"
#include "engine/graphics/KaltoScreen.h"
#include "engine/graphics/StoredPicture.h"
#include "platform/MessageBox.h"

int32_t TextureSide(int32_t pictureSide) {
  int32_t powerOfTwo = 2;
  while (powerOfTwo < pictureSide && powerOfTwo < (1 << 30)) powerOfTwo *= 2;
  return pictureSide == powerOfTwo || pictureSide < 2 ? powerOfTwo : pictureSide + 1;
}

// ---- TImageListItem: stored state and tiles ----

TImageListItem::TImageListItem() {
  SetTileWidth(1);
  SetTileHeight(1);
}

TImageListItem::~TImageListItem() = default;

void TImageListItem::SetTileWidth(int32_t value) {
  tileWidth_ = value == 0 ? pictureWidth_ : value;
  RecomputeTiles();
}

void TImageListItem::SetTileHeight(int32_t value) {
  tileHeight_ = value == 0 ? pictureHeight_ : value;
  RecomputeTiles();
}

// A tile size still 0 (picture size unknown while loading) or negative gives no tiles
// instead of a division by zero; texture building settles the sizes.
void TImageListItem::RecomputeTiles() {
  columns_ = tileWidth_ > 0 ? pictureWidth_ / tileWidth_ : 0;
  rows_ = tileHeight_ > 0 ? pictureHeight_ / tileHeight_ : 0;
}

void TImageListItem::SetPicture(const OilPicture& picture) {
  Picture = picture;
  int width = 0;
  int height = 0;
  PictureSize(picture, width, height);
  pictureWidth_ = width;
  pictureHeight_ = height;
  tileWidth_ = width;
  tileHeight_ = height;
  RecomputeTiles();
  if (textureWidth_ < 2) {
    textureWidth_ = TextureSide(width);
    textureHeight_ = TextureSide(height);
  }
}

int32_t TImageListItem::PatternX(int32_t pattern) const {
  return columns_ > 0 ? (pattern % columns_) * tileWidth_ : 0;
}

int32_t TImageListItem::PatternY(int32_t pattern) const {
  return columns_ > 0 ? (pattern / columns_) * tileHeight_ : 0;
}

void TImageListItem::ReleaseDevice() {
  list_ = nullptr;
}

// ---- TImageListCollection ----

TImageListItem* TImageListCollection::Items(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<size_t>(index)].get();
}

TImageListItem& TImageListCollection::Add() {
  items_.push_back(std::make_unique<TImageListItem>());
  return *items_.back();
}

TImageListItem* TImageListCollection::Find(const std::string& name) const {
  for (const auto& item : items_) {
    if (item->Name == name) return item.get();
  }
  return nullptr;
}

void TImageListCollection::Assign(const TImageListCollection& other) {
  if (&other == this) return;
  items_.clear();
  for (const auto& source : other.items_) {
    TImageListItem& item = Add();
    item.Name = source->Name;
    item.Picture = source->Picture;
    item.SetTileHeight(source->TileHeight());
    item.SetTileWidth(source->TileWidth());
    item.TransparentColor = source->TransparentColor;
    item.Transparent = source->Transparent;
    item.Filepath = source->Filepath;
  }
}

// ---- TKaltoImageList: loading ----

TKaltoImageList::TKaltoImageList() : renderer_(std::make_unique<TKaltoRenderer>()) {}

TKaltoImageList::~TKaltoImageList() {
  SetKaltoScreen(nullptr);
}

void TKaltoImageList::SetKaltoScreen(TKaltoScreen* screen) {
  if (screen == screen_) return;
  if (screen_) screen_->UnregisterResourceOwner(this);
  screen_ = screen;
  if (screen_) screen_->RegisterResourceOwner(this);
}

void TKaltoImageList::ShowMessage(const std::string& caption, const std::string& text) const {
  if (sink_) {
    sink_(caption, text);
  } else {
    ShowMessageBox(caption, text);
  }
}

bool TKaltoImageList::LoadFromFile(const std::string& path) {
  fileName_ = path;
  std::vector<uint8_t> bytes;
  int error = 0;
  if (!ReadFileBytes(path, bytes, &error)) {
    ShowMessage("Brindle Karts",
                std::string(kFileErrorText) + "\n" + path + "\n(" + std::strerror(error) + ")");
    return false;
  }
  return LoadFromStream(bytes);
}

bool TKaltoImageList::LoadFromStream(const std::vector<uint8_t>& bytes) {
  const std::vector<uint8_t> decoded = list_.Decoder ? list_.Decoder(bytes) : bytes;
  OilReadResult read = ReadOil(decoded.data(), decoded.size());
  list_.Clear();
  for (const OilItem& stored : read.Items) {
    TImageListItem& item = list_.Add();
    item.Name = stored.Name;
    item.Picture = stored.Picture;
    item.SetTileHeight(stored.TileHeight);
    item.SetTileWidth(stored.TileWidth);
    item.TransparentColor = stored.TransparentColor;
    item.Transparent = stored.Transparent;
    item.Filepath = stored.Filepath;
  }
  if (!read.Ok) {
    std::cerr << "image list: " << read.Error << "\n";
    ShowMessage(kStreamErrorCaption, kStreamErrorText);
  }
  return read.Ok;
}
