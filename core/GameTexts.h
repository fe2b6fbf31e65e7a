#pragma once
// Every text of the game the player reads, by name. The table of core/GameTexts.cpp writes
// them in UTF-8 and converts them to the Windows-1251 bytes the game draws when the game is
// compiled. A character Windows-1251 lacks, a text written twice, or a name without its text
// stops the build.
//
// To add a text: add its name to GameText and a line {GameText::Name, "…"} at the same
// place in the table; use it as TextOf(GameText::Name). Spacing that places a text on the
// screen stays with the code that draws it; the table holds the words.

enum class GameText {
  // The greeting strip of the main menu.
  Greeting,
  YourScore,
  GameCompleted,
  PointsNeeded,
  CarsAvailable,
  TracksAvailable,
  // Catalogue names: a track is this word and its number.
  Track,
  CarRoadster,
  CarTurbo,
  CarVolcano,
  CarHawk,
  CarBeast,
  // Difficulty levels.
  DifficultyEasy,
  DifficultyNormal,
  DifficultyHard,
  // Screen headings.
  OptionsHeading,
  HelpHeading,
  Loading,
  // The track and car choice.
  Record,
  Length,
  Laps,
  Opponents,
  Unavailable,
  // The race's head-up display (its best lap is a Record).
  Lap,
  Place,
  Time,
  // The time trial's rows and its best lap on the track screen.
  LastLap,
  BestLap,
  BestLapOnTrack,
  // After a race.
  NewTracksAvailable,
  NewCarsAvailable,
  SendingScore,
  EscapeCancels,
  // The name of the records table's rows nobody has beaten.
  DefaultRecordName,
  Count
};

// The Windows-1251 bytes of a text, NUL-terminated, alive for the whole run.
const char* TextOf(GameText text);
// The same text as the table writes it, in UTF-8.
const char* SourceTextOf(GameText text);
