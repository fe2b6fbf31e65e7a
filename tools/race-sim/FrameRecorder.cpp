#include "tools/race-sim/FrameRecorder.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "engine/graphics/KaltoSprite.h"
#include "engine/graphics/PictureTable.h"
#include "engine/graphics/PngCodec.h"
#include "race/RaceContext.h"

namespace {

WindowConfig Hidden() {
  WindowConfig config;
  config.Headless = true;
  return config;
}

}  // namespace

FrameRecorder::FrameRecorder(std::filesystem::path folder, int64_t every)
    : folder_(std::move(folder)), every_(every), window_(Hidden()), screen_(&window_) {
  std::filesystem::create_directories(folder_);
  screen_.RenderMode = rmSoftware;
  screen_.Initialize();
  pictures_.SetKaltoScreen(&screen_);
  LoadPictureList(pictures_, kRaceList);
  pictures_.BuildTextures();
}

// Every frame is drawn, as in the game (the background catches up with the world's shifts
// as it draws), but only the saved ones are painted.
void FrameRecorder::Frame(RaceContext& race, int64_t frame) {
  const bool saved = frame % every_ == 0;
  screen_.Device()->SetRasterize(saved);
  screen_.Clear(0, 0, 0, 255);
  screen_.BeginScene();
  race.Engine.DrawAll();
  if (!saved) {
    screen_.EndScene();
    return;
  }
  const std::vector<uint8_t> png = EncodePng(screen_.Device()->ReadPixels());
  screen_.EndScene();
  char name[32];
  std::snprintf(name, sizeof name, "frame%06lld.png", static_cast<long long>(frame));
  std::ofstream out(folder_ / name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  if (!out) throw std::runtime_error("cannot write " + (folder_ / name).string());
  ++saved_;
}
