// assetgen: writes the game's generated data files.
//   assetgen --sounds OUTDIR   the sound effects and music modules
#include <cstring>
#include <exception>
#include <iostream>

#include "tools/assetgen/sound/SoundAssets.h"

namespace {
int Usage() {
  std::cerr << "usage: assetgen --sounds OUTDIR\n";
  return 2;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  try {
    if (std::strcmp(argv[1], "--sounds") == 0) {
      WriteSoundAssets(argv[2]);
      return 0;
    }
  } catch (const std::exception& e) {
    std::cerr << "assetgen: " << e.what() << "\n";
    return 1;
  }
  return Usage();
}
