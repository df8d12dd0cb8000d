#pragma once
// What a Troisième mot game keeps in its game record.
#include <cstdint>

#include "state/game_record.hpp"

namespace glossamo::third_word {

// The nine-letter word last drawn, its first four letters (the head word)
// and its last five (the middle word, the answer; empty while the draw is
// refused).
inline ShortString<100>& nineLetterWord(GameRecord& g) { return g.texts[20]; }
inline const ShortString<100>& nineLetterWord(const GameRecord& g) { return g.texts[20]; }
inline ShortString<100>& headWord(GameRecord& g) { return g.texts[11]; }
inline const ShortString<100>& headWord(const GameRecord& g) { return g.texts[11]; }
inline ShortString<100>& middleWord(GameRecord& g) { return g.texts[10]; }
inline const ShortString<100>& middleWord(const GameRecord& g) { return g.texts[10]; }
// The long word that begins with the middle word, and the third word: the
// letters after the middle word.
inline ShortString<100>& longWord(GameRecord& g) { return g.texts[1]; }
inline const ShortString<100>& longWord(const GameRecord& g) { return g.texts[1]; }
inline ShortString<100>& thirdWord(GameRecord& g) { return g.texts[2]; }
inline const ShortString<100>& thirdWord(const GameRecord& g) { return g.texts[2]; }
// How far the build is: 0 to draw a nine-letter word, 1 to find its long
// word, 2 when both are found.
inline std::uint32_t& buildPhase(GameRecord& g) { return g.counterA; }
inline std::uint32_t buildPhase(const GameRecord& g) { return g.counterA; }
// The slot, from 1, and the length of the long word drawn (the length is 7
// before the search, 13 after one that found nothing).
inline std::uint32_t& longWordSlot(GameRecord& g) { return g.counterB; }
inline std::uint32_t longWordSlot(const GameRecord& g) { return g.counterB; }
inline std::uint32_t& longWordLength(GameRecord& g) { return g.counterC; }
inline std::uint32_t longWordLength(const GameRecord& g) { return g.counterC; }
// The gap as the player has filled it, read every frame.
inline ShortString<100>& laidMiddle(GameRecord& g) { return g.texts[30]; }
inline const ShortString<100>& laidMiddle(const GameRecord& g) { return g.texts[30]; }

}  // namespace glossamo::third_word
