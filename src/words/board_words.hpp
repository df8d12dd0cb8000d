#pragma once
// Writing words into a board of letter cells.
#include <string_view>

#include "games/game_record.hpp"

namespace glossamo {

constexpr int Across = 1;
constexpr int Down = 0;

// Writes `word` from cell (column, row), across when `direction` is 1, else
// down, overwriting what the cells held; a blank in the word writes a blank.
// Letters that would fall outside the board are dropped.
void PutWord(int column, int row, std::string_view word, int direction, Board<char>& board);

}  // namespace glossamo
