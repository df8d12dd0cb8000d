#pragma once
// What a game of word placement keeps in the game record.
#include <cstdint>

#include "state/game_record.hpp"

namespace glossamo::word_placement {

// The grid is N x N, from column 1 and row 1.
inline std::uint32_t& gridSize(GameRecord& g) { return g.counterB; }
inline std::uint32_t gridSize(const GameRecord& g) { return g.counterB; }

// The grid's own letters, '*' for a black square, cell by cell.
inline Board<std::uint32_t>& answer(GameRecord& g) { return g.numbers; }
inline const Board<std::uint32_t>& answer(const GameRecord& g) { return g.numbers; }

}  // namespace glossamo::word_placement
