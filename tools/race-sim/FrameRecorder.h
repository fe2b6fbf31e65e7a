#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>

#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/KaltoScreen.h"
#include "platform/Window.h"

struct RaceContext;

// Draws the race on a hidden 800 x 600 software screen with the game's race pictures
// (Data/data2.oil) and saves every n-th frame as DIR/frameNNNNNN.png, for looking at.
class FrameRecorder {
 public:
  FrameRecorder(std::filesystem::path folder, int64_t every);
  TKaltoImageList& Pictures() { return pictures_; }
  // Draws the frame; saves it when its number is a multiple of `every`.
  void Frame(RaceContext& race, int64_t frame);
  int64_t Saved() const { return saved_; }

 private:
  std::filesystem::path folder_;
  int64_t every_;
  int64_t saved_ = 0;
  Window window_;
  TKaltoScreen screen_;
  TKaltoImageList pictures_;
};
