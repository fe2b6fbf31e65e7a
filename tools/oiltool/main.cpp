// oiltool: takes image-list files (.oil) apart and puts them back together.
//   oiltool list FILE             one line per item: index, name, sizes, tiles, transparency
//   oiltool extract FILE DIR      every picture as DIR/NNN_name.png plus DIR/manifest.txt
//   oiltool pack MANIFEST OUT     writes the items of a manifest as an image list
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "engine/graphics/FileBytes.h"
#include "engine/graphics/OilFormat.h"
#include "engine/graphics/PngCodec.h"
#include "engine/graphics/StoredPicture.h"
#include "platform/Cp1251.h"
#include "tools/oiltool/Manifest.h"

namespace fs = std::filesystem;

namespace {

int Usage() {
  std::cerr << "usage: oiltool list FILE\n"
               "       oiltool extract FILE DIR\n"
               "       oiltool pack MANIFEST OUT\n";
  return 2;
}

bool WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// Reads a list; a damaged file still yields the items before the damage, with a warning.
bool ReadList(const std::string& path, OilReadResult& read) {
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(path, bytes)) {
    std::cerr << path << ": cannot be read\n";
    return false;
  }
  read = ReadOil(bytes.data(), bytes.size());
  if (!read.Ok) {
    std::cerr << path << ": damaged after " << read.Items.size() << " item(s): " << read.Error
              << "\n";
  }
  return true;
}

int List(const std::string& path) {
  OilReadResult read;
  if (!ReadList(path, read)) return 1;
  std::printf("%5s  %-24s %11s %11s %6s  %s\n", "index", "name", "picture", "tile", "tiles",
              "transparency");
  for (size_t i = 0; i < read.Items.size(); ++i) {
    const OilItem& item = read.Items[i];
    int width = 0;
    int height = 0;
    PictureSize(item.Picture, width, height);
    const int tileWidth = item.TileWidth > 0 ? item.TileWidth : width;
    const int tileHeight = item.TileHeight > 0 ? item.TileHeight : height;
    const int tiles =
        tileWidth > 0 && tileHeight > 0 ? (width / tileWidth) * (height / tileHeight) : 0;
    const std::string picture = std::to_string(width) + "x" + std::to_string(height);
    const std::string tile = std::to_string(tileWidth) + "x" + std::to_string(tileHeight);
    char key[40];
    std::snprintf(key, sizeof key, "key 0x%06X", item.TransparentColor);
    std::printf("%5zu  %-24s %11s %11s %6d  %s%s%s\n", i, Cp1251ToUtf8(item.Name).c_str(),
                picture.c_str(), tile.c_str(), tiles, item.Transparent ? key : "none",
                item.Filepath.empty() ? "" : "  file ", item.Filepath.c_str());
  }
  return read.Ok ? 0 : 1;
}

std::string FileNameFor(size_t index, const std::string& name) {
  char prefix[32];
  std::snprintf(prefix, sizeof prefix, "%03zu_", index);
  std::string safe;
  for (unsigned char c : name) safe += (std::isalnum(c) || c == '-' || c == '_') ? char(c) : '_';
  return prefix + safe + ".png";
}

int Extract(const std::string& path, const fs::path& dir) {
  OilReadResult read;
  if (!ReadList(path, read)) return 1;
  std::error_code ec;
  fs::create_directories(dir, ec);
  std::vector<ManifestLine> manifest;
  for (size_t i = 0; i < read.Items.size(); ++i) {
    const OilItem& item = read.Items[i];
    if (item.Name.find_first_of("\t\r\n") != std::string::npos) {
      std::cerr << "item " << i
                << ": its name holds a tab or line break, which a manifest cannot\n";
      return 1;
    }
    ManifestLine line{
        item.Name,        "",           item.TileWidth, item.TileHeight, item.TransparentColor,
        item.Transparent, item.Filepath};
    if (!item.Picture.Empty()) {
      line.PictureFile = FileNameFor(i, item.Name);
      std::vector<uint8_t> png = item.Picture.FileBytes;  // PNG pictures leave untouched
      if (item.Picture.Kind != OilPictureKind::Png) {
        PixelImage image;
        std::string error;
        if (!DecodePicture(item.Picture, image, &error)) {
          std::cerr << "item " << i << " \"" << item.Name << "\": " << error << "\n";
          return 1;
        }
        png = EncodePng(image);
      }
      if (!WriteFile(dir / line.PictureFile, png)) {
        std::cerr << (dir / line.PictureFile).string() << ": cannot be written\n";
        return 1;
      }
    }
    manifest.push_back(line);
  }
  const std::string text = FormatManifest(manifest);
  if (!WriteFile(dir / "manifest.txt", std::vector<uint8_t>(text.begin(), text.end()))) {
    std::cerr << (dir / "manifest.txt").string() << ": cannot be written\n";
    return 1;
  }
  std::cout << read.Items.size() << " item(s) extracted to " << dir.string() << "\n";
  return read.Ok ? 0 : 1;
}

int Pack(const std::string& manifestPath, const std::string& outPath) {
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(manifestPath, bytes)) {
    std::cerr << manifestPath << ": cannot be read\n";
    return 1;
  }
  std::vector<ManifestLine> manifest;
  std::string error;
  if (!ParseManifest(std::string(bytes.begin(), bytes.end()), manifest, error)) {
    std::cerr << manifestPath << ": " << error << "\n";
    return 1;
  }
  const fs::path base = fs::path(manifestPath).parent_path();
  std::vector<OilItem> items;
  for (const ManifestLine& line : manifest) {
    OilItem item;
    item.Name = line.Name;
    item.TileWidth = line.TileWidth;
    item.TileHeight = line.TileHeight;
    item.TransparentColor = line.TransparentColor;
    item.Transparent = line.Transparent;
    item.Filepath = line.Filepath;
    if (!line.PictureFile.empty()) {
      item.Picture = LoadPictureFile((base / line.PictureFile).string());
      if (item.Picture.Empty()) {
        std::cerr << (base / line.PictureFile).string() << ": not a readable PNG or BMP file\n";
        return 1;
      }
    }
    items.push_back(std::move(item));
  }
  if (!WriteFile(outPath, WriteOil(items))) {
    std::cerr << outPath << ": cannot be written\n";
    return 1;
  }
  std::cout << items.size() << " item(s) packed into " << outPath << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "list") return List(args[1]);
  if (args.size() == 3 && args[0] == "extract") return Extract(args[1], args[2]);
  if (args.size() == 3 && args[0] == "pack") return Pack(args[1], args[2]);
  return Usage();
}
