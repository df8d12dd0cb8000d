#pragma once
// What a Bourse aux voyelles game keeps in its game record.
#include <cstddef>

#include "state/game_record.hpp"

namespace glossamo::vowel_market {

// Word k, 1..10, as drawn: the answer its row is checked against (empty
// past the words the level draws).
inline ShortString<100>& drawnWord(GameRecord& g, int k) { return g.texts[static_cast<std::size_t>(k)]; }
inline const ShortString<100>& drawnWord(const GameRecord& g, int k) { return g.texts[static_cast<std::size_t>(k)]; }
// Row k as the player has filled it with the vowels, read every frame.
inline ShortString<100>& laidWord(GameRecord& g, int k) { return g.texts[static_cast<std::size_t>(k + 10)]; }
inline const ShortString<100>& laidWord(const GameRecord& g, int k) {
    return g.texts[static_cast<std::size_t>(k + 10)];
}

}  // namespace glossamo::vowel_market
