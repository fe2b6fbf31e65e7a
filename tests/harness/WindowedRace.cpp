#include "tests/harness/WindowedRace.h"

#include <filesystem>

#include "platform/GamePaths.h"
#include "shell/RaceStart.h"

WindowedRace::WindowedRace(int opponents, RendererChoice renderer) {
  const std::filesystem::path saves = data_.Path() / "saves";
  std::filesystem::create_directories(saves);
  SetGameRoots(GameRoots{data_.Path(), saves});
  form_ = std::make_unique<TForm1>(GameSetup{clock_, 1, /*Headless=*/false, renderer});
  TrackInfo& track = form_->Race.Tracks.Tracks[form_->State.SelectedTrack];
  track.Opponents = opponents;
  track.Laps = 20;
  BeginRace(*form_);
}
