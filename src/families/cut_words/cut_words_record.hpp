#pragma once
// What a game of cut words keeps in the game record, by name.
#include <cstddef>

#include "state/game_record.hpp"

namespace glossamo::cut_words {

// The lines of a game, each a word of six letters cut into two halves.
constexpr int MostLines = 10;

// The word drawn for line j (1..10), whose halves the lists show; empty
// past the game's last line.
inline ShortString<100>& word(GameRecord& g, int j) { return g.texts[static_cast<std::size_t>(j)]; }
inline const ShortString<100>& word(const GameRecord& g, int j) { return g.texts[static_cast<std::size_t>(j)]; }

// What line j (1..10) holds as the board reads it, its two halves joined, a
// blank for each empty cell; empty past the game's last line.
inline ShortString<100>& line(GameRecord& g, int j) { return g.texts[static_cast<std::size_t>(j + MostLines)]; }
inline const ShortString<100>& line(const GameRecord& g, int j) {
    return g.texts[static_cast<std::size_t>(j + MostLines)];
}

}  // namespace glossamo::cut_words
