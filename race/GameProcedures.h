#pragma once
#include <filesystem>
#include <vector>

#include "race/RaceContext.h"
#include "race/TrackFile.h"

// Building the race world from a track file, and keeping it in place as it scrolls.

// Creates the background and a sprite for every record of the track (road, paint,
// obstacles, check and finish lines) and fills the course's path, slots and counts.
// Path points past the course's capacity and slot numbers outside 1..9 are ignored.
void LoadTrackFile(RaceContext& race, const std::vector<TrackRecord>& records);
// Only the path and the start slots of the menus' demo course; no sprites.
void LoadDemoCourse(RaceContext& race, const std::vector<TrackRecord>& records);

// Moves every opponent, path point and ground-fixed sprite by (dx, dy); skid marks, the
// instruments, the sensors and the player stay.
void ShiftWorld(RaceContext& race, double dx, double dy);
// Keeps the path under the world sprites: adds the player's scroll, then its push, to every
// path point. Runs once a race frame after the move pass.
void MoveCourse(RaceContext& race);

// Builds the race of the selected track and car (alone and without a finish in a time
// trial). A track file that is missing, ends inside
// a record or lacks a start slot for a car throws TrackFileError before anything is built,
// leaving the engine and the course as they were.
void StartRace(RaceContext& race);
// The green light of a race built by StartRace: the player's controls, every computer car and
// the race clock are released together.
void ReleaseCarsAndClock(RaceContext& race);
// The demo race behind the menus: the demo course, an invisible player that never drives,
// four computer cars. Throws TrackFileError like StartRace.
void StartDemoRace(RaceContext& race);
