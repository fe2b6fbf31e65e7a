// Any bytes as "wdata\config.ini" beside one decodable picture: loading never crashes, and
// gives either an unusable page or a usable one whose countdown can run out and whose
// pictures were all loaded.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/graphics/KaltoFont.h"
#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/PngCodec.h"
#include "online/Share.h"
#include "platform/GamePaths.h"

namespace fs = std::filesystem;

namespace {

const fs::path& FuzzRoot() {
  static const fs::path root = [] {
    fs::path dir = fs::temp_directory_path() / ("bk-fuzz-share-" + std::to_string(::getpid()));
    fs::create_directories(dir / "wdata");
    const std::vector<uint8_t> png = EncodePng(PixelImage{2, 2, std::vector<uint8_t>(16, 90)});
    std::ofstream(dir / "wdata" / "p.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    SetGameRoots({dir, dir});
    return dir;
  }();
  return root;
}

}  // namespace

// Setting the countdown font looks the face up through fontconfig, which keeps its
// configuration for the life of the process.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::ofstream(FuzzRoot() / "wdata" / "config.ini", std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  TKaltoImageList list;
  TKaltoFont font;
  TShareScreen page(list, font);
  page.Load();
  if (!page.Valid) return 0;
  if (page.Countdown < 0 || page.BackgroundImage < 0) std::abort();
  for (const TShareScreen::TButton& button : page.PromoButtons) {
    if (!list.Items(button.NormalImage) || !list.Items(button.HoverImage) ||
        !list.Items(button.WaitImage)) {
      std::abort();
    }
  }
  return 0;
}
