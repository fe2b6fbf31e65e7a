#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "core/GameState.h"

// Enters a player's total score into the local records table, which stays sorted from the
// highest score with places "1" to "10". A name already in the table keeps one row: its
// first row takes the score when the score is higher. Another name gets a row when the
// score beats the last row's, which then drops out. A score text that is not a number
// counts as lower than any score.
void EnterScore(std::array<RecordRow, 10>& records, const std::string& name, int32_t score);
