#pragma once
// What a game of hidden words keeps in the game record.
#include <cstdint>

#include "state/game_record.hpp"

namespace glossamo::hidden_words {

// The grid is N x N, from column 1 and row 1.
inline std::uint32_t& gridSize(GameRecord& g) { return g.counterB; }
inline std::uint32_t gridSize(const GameRecord& g) { return g.counterB; }

// The grid's own letters, '*' where the board shows a filler letter.
inline Board<std::uint32_t>& gridLetters(GameRecord& g) { return g.numbers; }
inline const Board<std::uint32_t>& gridLetters(const GameRecord& g) { return g.numbers; }

}  // namespace glossamo::hidden_words
