#pragma once
// Writing words into a board of letter cells.
#include <string_view>

#include "base/random.hpp"
#include "state/game_record.hpp"

namespace glossamo {

constexpr int Across = 1;
constexpr int Down = 0;

// Writes `word` from cell (column, row), across when `direction` is 1, else
// down, overwriting what the cells held; a blank in the word writes a blank.
// Letters that would fall outside the board are dropped.
void PutWord(int column, int row, std::string_view word, int direction, Board<char>& board);

// Mixes the letters of a run of `length` cells from (column, row), across or
// down: 1001 exchanges of two cells of the run. Nothing happens for a run
// shorter than 2, or one that would pass column 20 across or row 16 down.
void ShuffleBoardRun(int column, int row, int length, bool across, Board<char>& board, Random& rng);

}  // namespace glossamo
