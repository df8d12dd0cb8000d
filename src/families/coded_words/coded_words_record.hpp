#pragma once
// What a game of coded words keeps in the game record.
#include <cstdint>

#include "state/game_record.hpp"

namespace glossamo::coded_words {

// The grid is N x N, from column 1 and row 1.
inline std::uint32_t& gridSize(GameRecord& g) { return g.counterB; }
inline std::uint32_t gridSize(const GameRecord& g) { return g.counterB; }

// The grid's own letters, '*' for a black square, cell by cell.
inline Board<std::uint32_t>& answer(GameRecord& g) { return g.solution; }
inline const Board<std::uint32_t>& answer(const GameRecord& g) { return g.solution; }

// The number each cell shows: its letter's number in the code, 1..26, or
// the black-square number.
inline Board<std::uint32_t>& codeNumbers(GameRecord& g) { return g.numbers; }
inline const Board<std::uint32_t>& codeNumbers(const GameRecord& g) { return g.numbers; }

}  // namespace glossamo::coded_words
