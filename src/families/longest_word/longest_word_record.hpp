#pragma once
// What a Le mot le plus long game keeps in its game record.
#include <cstdint>

#include "state/game_record.hpp"

namespace glossamo::longest_word {

// The nine letters drawn.
inline ShortString<100>& nineLetters(GameRecord& g) { return g.texts[1]; }
inline const ShortString<100>& nineLetters(const GameRecord& g) { return g.texts[1]; }
// The answer row as the player has laid it, read every frame.
inline ShortString<100>& laidWord(GameRecord& g) { return g.texts[2]; }
inline const ShortString<100>& laidWord(const GameRecord& g) { return g.texts[2]; }
// The length of the longest word of the nine letters, set at the build.
inline std::uint32_t& longestLength(GameRecord& g) { return g.counterC; }
inline std::uint32_t longestLength(const GameRecord& g) { return g.counterC; }
// Each frame: the length of the laid word when it is a word (else 0), and
// the length it must reach; the game is won when they are equal.
inline std::uint32_t& laidLength(GameRecord& g) { return g.counterA; }
inline std::uint32_t laidLength(const GameRecord& g) { return g.counterA; }
inline std::uint32_t& lengthToReach(GameRecord& g) { return g.counterB; }
inline std::uint32_t lengthToReach(const GameRecord& g) { return g.counterB; }

}  // namespace glossamo::longest_word
