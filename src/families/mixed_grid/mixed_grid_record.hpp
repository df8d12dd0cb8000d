#pragma once
// What a game of the mixed grid keeps in the game record.
#include <cstdint>

#include "state/game_record.hpp"

namespace glossamo::mixed_grid {

// Each grid is N x N: the one to fill from column 1, the shuffled one from
// column N + 2, both from the first row of the left grid.
inline std::uint32_t& gridSize(GameRecord& g) { return g.counterB; }
inline std::uint32_t gridSize(const GameRecord& g) { return g.counterB; }

// The left grid's letters, a blank for a black square, cell by cell.
inline Board<std::uint32_t>& answer(GameRecord& g) { return g.solution; }
inline const Board<std::uint32_t>& answer(const GameRecord& g) { return g.solution; }

// The crossword's cells as the grid file gives them, '*' for a black
// square: what the left grid shows once given up.
inline Board<std::uint32_t>& crossword(GameRecord& g) { return g.numbers; }
inline const Board<std::uint32_t>& crossword(const GameRecord& g) { return g.numbers; }

}  // namespace glossamo::mixed_grid
