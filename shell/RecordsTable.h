#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "core/GameState.h"
#include "core/GameTexts.h"

// The name of the default table's rows: those rows are no player's claim.
inline const char* const kDefaultRecordName = TextOf(GameText::DefaultRecordName);

// Enters a player's total score into the local records table, which stays sorted from the
// highest score with places "1" to "10". A name already in the table keeps one row: its
// first row takes the score when the score is higher. Another name gets a row when the
// score beats the last row's, which then drops out. A score text that is not a number
// counts as lower than any score.
void EnterScore(std::array<RecordRow, 10>& records, const std::string& name, int32_t score);

// Makes the table claim no more than the saved progress holds: every row of the player's
// name (other than the default rows' name) with a score above `score` is lowered to it, and
// the table is sorted again. The player's score only grows, so such a row can only come
// from a records table saved without its progress. Returns whether a row changed.
bool LimitPlayerRecords(std::array<RecordRow, 10>& records, const std::string& name, int32_t score);
