// A whole race driven from a game controller: the autopilot's wishes become a pad's
// trigger and stick movements, SDL reports them to the real window and form, and the car
// reads nothing but the key tables those events fill.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/GameState.h"
#include "race/RaceRunner.h"
#include "race/TrackFile.h"
#include "tests/harness/GameHarness.h"
#include "tests/race/SquareCourse.h"
#include "tests/support/VirtualPad.h"

namespace {

// The square course with its start slots before the finish line, the player's last.
std::filesystem::path WriteSquareTrack() {
  std::vector<TrackRecord> records = SquareCourse();
  for (int32_t slot = 1; slot <= 4; ++slot) {
    records.push_back({0, 800 - 100 * slot, track_kind::StartSlot, 0, slot});
  }
  records.push_back({0, 300, track_kind::StartSlot, 0, 5});
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("bk-pad-race-" + std::to_string(getpid()) + ".prd");
  const std::vector<uint8_t> bytes = EncodeTrackRecords(records);
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return file;
}

TEST(PadRace, TheCarFinishesTwoLapsSteeredByTheStickWithTheTriggersForThrottleAndBrake) {
  GameHarness game;
  // The race runs in RunRace's own world on the form's state record; the form's race screen
  // has no race of its own to show, so the frames stay blank.
  game.Form().SetScreen(ScrRace, nullptr);
  VirtualPad pad;
  game.StepFrame();  // the pad is noticed
  const std::filesystem::path track = WriteSquareTrack();

  RaceSetup setup;
  setup.TrackFile = track;
  setup.Opponents = 0;
  setup.Laps = 2;
  setup.FrameLimit = 90 * 60 * 5;
  setup.State = &game.State();
  int64_t frames = 0;
  int64_t steeredFrames = 0;
  int64_t brakedFrames = 0;
  int64_t keysNotAsWanted = 0;
  setup.Drive = [&](const AutopilotControls& want) {
    pad.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, want.Throttle ? 32767 : 0);
    pad.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, want.Brake ? 32767 : 0);
    pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, want.Left ? -32768 : want.Right ? 32767 : 0);
    game.StepFrame();  // SDL reports the pad; the window turns it into key events
    const auto& held = game.State().KeyHeld;
    const bool asWanted =
        (held[vk::Up] != 0) == want.Throttle && (held[vk::Down] != 0) == want.Brake &&
        (held[vk::Left] != 0) == want.Left && (held[vk::Right] != 0) == want.Right;
    keysNotAsWanted += asWanted ? 0 : 1;
    steeredFrames += want.Left || want.Right ? 1 : 0;
    brakedFrames += want.Brake ? 1 : 0;
    ++frames;
  };
  const RaceOutcome outcome = RunRace(setup);
  std::filesystem::remove(track);

  EXPECT_TRUE(outcome.AllFinished) << outcome.Frames << " frames";
  EXPECT_EQ(outcome.PlayerLaps.size(), 2u);
  EXPECT_EQ(frames, outcome.Frames);
  EXPECT_EQ(keysNotAsWanted, 0);
  // The square's corners need the stick; each lap has four of them.
  EXPECT_GT(steeredFrames, 8);
  std::printf("pad race: %lld frames, %lld steered, %lld braking\n",
              static_cast<long long>(outcome.Frames), static_cast<long long>(steeredFrames),
              static_cast<long long>(brakedFrames));
}

}  // namespace
