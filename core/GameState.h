#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "base/VirtualKeys.h"  // the codes that index the key tables, for every user of them
#include "core/Difficulty.h"
#include "core/RaceTime.h"

// Screen states of the game's state machine. Values 2, 5, 11, 17 and 18 are unused.
enum ScreenStateValue : uint8_t {
  ScrQuitRace = 0,
  ScrEnterName = 1,
  ScrSplash = 3,
  ScrMainMenu = 4,
  ScrHelp = 6,
  ScrOptions = 7,
  ScrRecords = 8,
  ScrClearRecords = 9,
  ScrExitConfirm = 10,
  ScrRace = 12,
  ScrGameOver = 13,
  ScrChooseTrack = 14,
  ScrChooseCar = 15,
  ScrRaceOver = 16,
  ScrGameCompleted = 19,
  ScrPause = 20,
  ScrExit = 21,
};

// One row of the local records table. Texts are Windows-1251 bytes.
struct RecordRow {
  std::string Place;
  std::string Name;
  std::string ScoreText;
};

// One finisher of a race: Id 100 for the player, else the opponent's index.
struct FinishRow {
  int32_t Id = 0;
  RaceTime Time;
};

constexpr int32_t kPlayerFinishId = 100;
constexpr int32_t kFinishRowCount = 8;

struct OptionsBackupRecord {
  bool SoundOn = true;
  bool MusicOn = true;
  bool FullScreenWanted = false;
  std::string ExtraText;
  Difficulty DriverDifficulty = Difficulty::Normal;
};

// The game-wide state record: the one record that the shell, the race world and the
// online code read and write. Owned by TForm1 and handed by reference to whoever needs it,
// so tests can build as many independent games as they like. Texts are Windows-1251 bytes.
struct GameState {
  uint8_t ScreenState = ScrSplash;
  int32_t AnimCounter = 0;
  int32_t PhaseCounter = 0;
  int32_t CaretCounter = 0;
  std::array<uint8_t, 256> KeyHeld{};
  std::array<uint8_t, 256> KeyReleased{};
  bool FullScreenWanted = false;
  bool FullScreenActive = false;
  bool MusicOn = true;
  bool SoundOn = true;
  Difficulty DriverDifficulty = Difficulty::Normal;  // how hard the computer cars drive
  std::string ExtraText;
  std::string PlayerName;
  std::array<RecordRow, 10> Records{};
  // The renderer the player forced ("opengl", "software"); anything else lets the game
  // choose. Kept in the options file; set from the command line.
  std::string Renderer;
  int32_t Score = 0;
  int32_t PointsNeeded = 300;
  std::array<int32_t, 9> UnlockSteps{400, 500, 1000, 500, 2000, 2000, 2500, 4000, 4500};
  int32_t UnlockStep = 0;
  int32_t TracksAvailable = 3;
  int32_t CarsAvailable = 2;
  int32_t SelectedTrack = 0;
  int32_t SelectedCar = 0;
  bool GameImagesPending = true;
  bool RaceFinished = false;
  int32_t NextFinishPlace = 1;
  // Rows 1..kFinishRowCount in finishing order (row 0 holds nothing); a finisher beyond the
  // last row is not written.
  std::array<FinishRow, kFinishRowCount + 1> FinishRows{};
  int32_t PlaceBonus = 0;
  int32_t ScoreAtFinish = 0;
  int32_t RecordStep = 0;
  bool NewTracksShown = false;
  bool NewCarsShown = false;
  OptionsBackupRecord OptionsBackup;
};
