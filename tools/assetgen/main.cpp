// assetgen: writes the game's generated data files.
//   assetgen --sounds OUTDIR           the sound effects and music modules
//   assetgen --pictures DATADIR        DATADIR/data1.oil (menus) and DATADIR/data2.oil (race)
//   assetgen --contact-sheet FILE.png  every picture of both lists on one sheet, for review
//   assetgen --picture-pngs DIR        every picture as its own PNG file, for review
//   assetgen --tracks DATADIR          where the compiled tracks (dataN.prd) are read from for
//                                      the pictures drawn from them; DATADIR of --pictures
//                                      when not given
//   assetgen --exit-page GAMEDIR       GAMEDIR/wdata (the exit page) and GAMEDIR/website.url
//   assetgen --icons DIR               the application icon, DIR/<n>x<n>/apps/brindle-karts.png
// Options combine; each runs once.
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "online/ScoreServerAddress.h"
#include "tools/assetgen/pictures/CompiledTracks.h"
#include "tools/assetgen/pictures/ContactSheet.h"
#include "tools/assetgen/pictures/ExitPage.h"
#include "tools/assetgen/pictures/Icon.h"
#include "tools/assetgen/pictures/PictureSet.h"
#include "tools/assetgen/pictures/Text.h"
#include "tools/assetgen/sound/SoundAssets.h"

namespace {

int Usage() {
  std::cerr << "usage: assetgen [--sounds OUTDIR] [--pictures DATADIR] "
               "[--contact-sheet FILE.png] [--picture-pngs DIR] [--tracks DATADIR] "
               "[--exit-page GAMEDIR] [--icons DIR]\n";
  return 2;
}

// Written beside the target and renamed over it, so a failed run never leaves half a file
// where the game looks for its data.
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string temporary = path + ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + temporary);
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    throw std::runtime_error("cannot replace " + path);
  }
}

const char* ListLabel(PictureListMask list) {
  return list == kMenuList ? "menu" : "race";
}

struct PictureOutputs {
  std::string dataDir, contactSheet, pngDir;
  bool any() const { return !dataDir.empty() || !contactSheet.empty() || !pngDir.empty(); }
};

void WritePictures(const PictureOutputs& out) {
  std::vector<std::vector<GeneratedPicture>> lists;  // the sheet points into these
  std::vector<SheetEntry> sheet;
  for (PictureListMask list : {kMenuList, kRaceList}) {
    lists.push_back(generatePictures(list));
    if (!out.dataDir.empty()) {
      WriteFile(out.dataDir + (list == kMenuList ? "/data1.oil" : "/data2.oil"),
                encodePictureList(lists.back()));
    }
    for (const GeneratedPicture& p : lists.back()) {
      if (!out.pngDir.empty()) {
        p.canvas->writePng(out.pngDir + "/" + ListLabel(list) + "_" + p.entry->Name + ".png");
      }
      sheet.push_back({std::string(ListLabel(list)) + ": " + p.entry->Name, p.canvas.get(),
                       p.entry->TileWidth, p.entry->TileHeight});
    }
  }
  if (!out.contactSheet.empty()) writeContactSheet(sheet, out.contactSheet);
}

}  // namespace

int main(int argc, char** argv) {
  std::string soundDir;
  std::string exitPageDir;
  std::string iconDir;
  PictureOutputs pictures;
  std::string trackDir;
  for (int i = 1; i < argc; ++i) {
    if (i + 1 >= argc) return Usage();
    const char* option = argv[i];
    const std::string value = argv[++i];
    if (std::strcmp(option, "--sounds") == 0) {
      soundDir = value;
    } else if (std::strcmp(option, "--pictures") == 0) {
      pictures.dataDir = value;
    } else if (std::strcmp(option, "--contact-sheet") == 0) {
      pictures.contactSheet = value;
    } else if (std::strcmp(option, "--picture-pngs") == 0) {
      pictures.pngDir = value;
    } else if (std::strcmp(option, "--tracks") == 0) {
      trackDir = value;
    } else if (std::strcmp(option, "--exit-page") == 0) {
      exitPageDir = value;
    } else if (std::strcmp(option, "--icons") == 0) {
      iconDir = value;
    } else {
      return Usage();
    }
  }
  if (soundDir.empty() && exitPageDir.empty() && iconDir.empty() && !pictures.any()) {
    return Usage();
  }
  try {
    if (!soundDir.empty()) WriteSoundAssets(soundDir);
    if (!exitPageDir.empty()) {
      // The build's own server: a player's "Server.cfg" is not known when the game is built.
      writeExitPage(exitPageDir, WorldHighScoresUrl(DefaultScoreServerAddress()));
    }
    setCompiledTrackFolder(trackDir.empty() ? pictures.dataDir : trackDir);
    if (pictures.any()) WritePictures(pictures);
    if (!iconDir.empty()) writeIcons(iconDir);
    if (pictures.any() || !exitPageDir.empty()) releaseTextCaches();
  } catch (const std::exception& e) {
    std::cerr << "assetgen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
