#pragma once
// What a word hunt (Maxi-mots, Mots commençant par) keeps in the game
// record, by name.
#include <cstdint>

#include "state/game_record.hpp"

namespace glossamo::word_hunts {

// The nine letters drawn, the words are spelt from.
inline ShortString<100>& drawnLetters(GameRecord& g) { return g.texts[1]; }
inline const ShortString<100>& drawnLetters(const GameRecord& g) { return g.texts[1]; }

// The word the answer row spells, its trailing blanks taken off.
inline ShortString<100>& answer(GameRecord& g) { return g.texts[2]; }
inline const ShortString<100>& answer(const GameRecord& g) { return g.texts[2]; }

// How many words of the list the letters spell, as the game was built.
inline std::uint32_t& wordsInList(GameRecord& g) { return g.counterA; }
inline std::uint32_t wordsInList(const GameRecord& g) { return g.counterA; }

// How many words win: all of the list's, half or a third, as the level asks.
inline std::uint32_t& wordsWanted(GameRecord& g) { return g.counterB; }
inline std::uint32_t wordsWanted(const GameRecord& g) { return g.counterB; }

// The cells of the answer row: the length of the longest word of the list.
inline std::uint32_t& answerLength(GameRecord& g) { return g.counterC; }
inline std::uint32_t answerLength(const GameRecord& g) { return g.counterC; }

}  // namespace glossamo::word_hunts
