#pragma once
// What a game of letter sums or faded letters keeps in the game record.
#include <cstdint>

#include "state/game_record.hpp"

namespace glossamo::letter_sums {

// The grid is N x N, from column 1 and row 1.
inline std::uint32_t& gridSize(GameRecord& g) { return g.counterB; }
inline std::uint32_t gridSize(const GameRecord& g) { return g.counterB; }

// The complete grid, '*' for a black square, one column and one row up-left
// of the board: cell (c, r) of the board is [c - 1][r - 1] here.
inline Board<std::uint32_t>& completeGrid(GameRecord& g) { return g.solution; }
inline const Board<std::uint32_t>& completeGrid(const GameRecord& g) { return g.solution; }

// The numbers the board shows with the sums: each row's sum right of it,
// each column's below it, and the value of each palette letter.
inline Board<std::uint32_t>& shownNumbers(GameRecord& g) { return g.numbers; }

}  // namespace glossamo::letter_sums
