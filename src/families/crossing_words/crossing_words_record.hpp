#pragma once
// What a game of crossing words (Mots en croix, English cross) keeps in the
// game record, by name.
#include <cstddef>

#include "state/game_record.hpp"

namespace glossamo::crossing_words {

// Row word k (1..3) as the game was built, from top to bottom; a given-up
// game shows them again, and their length is the level's.
inline ShortString<100>& rowWord(GameRecord& g, int k) { return g.texts[static_cast<std::size_t>(k)]; }
inline const ShortString<100>& rowWord(const GameRecord& g, int k) { return g.texts[static_cast<std::size_t>(k)]; }

}  // namespace glossamo::crossing_words
