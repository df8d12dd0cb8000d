#pragma once
// What a motuce game keeps in the game record, by name.
#include <cstdint>

#include "state/game_record.hpp"

namespace glossamo::motuce {

// The try being spelt, 1..8; past a winning try it has moved on once more,
// and on the last row it stays.
inline std::uint32_t& currentTry(GameRecord& g) { return g.counterC; }
inline std::uint32_t currentTry(const GameRecord& g) { return g.counterC; }

// The word to find, in capitals; its length is the length of every try.
inline ShortString<100>& hiddenWord(GameRecord& g) { return g.texts[1]; }
inline const ShortString<100>& hiddenWord(const GameRecord& g) { return g.texts[1]; }

// The current try as its row reads, a blank for each empty cell.
inline ShortString<100>& currentTryLetters(GameRecord& g) { return g.texts[10]; }
inline const ShortString<100>& currentTryLetters(const GameRecord& g) { return g.texts[10]; }

// The tries the player has made and had judged: a won game counts the try
// that won, whose row the try counter has already left behind (on the last
// row it stays); a game not won counts the rows before the current one.
int triesMade(const GameRecord& g, bool won);

}  // namespace glossamo::motuce
