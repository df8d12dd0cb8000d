#pragma once
// What a hangman game (a word or a proverb) keeps in the game record, by
// name.
#include <cstdint>

#include "state/game_record.hpp"

namespace glossamo::hangman {

// The text to uncover: its letters and signs; '*' (a word) or ' ' (a
// proverb) where nothing is to be guessed.
inline ShortString<100>& hiddenText(GameRecord& g) { return g.texts[1]; }
inline const ShortString<100>& hiddenText(const GameRecord& g) { return g.texts[1]; }

// The text as the player sees it: '-' for each letter still hidden.
inline ShortString<100>& shownText(GameRecord& g) { return g.texts[2]; }
inline const ShortString<100>& shownText(const GameRecord& g) { return g.texts[2]; }

// The letters chosen while another runs, in the order chosen; kept with a
// saved game.
inline ShortString<100>& waitingLetters(GameRecord& g) { return g.texts[3]; }
inline const ShortString<100>& waitingLetters(const GameRecord& g) { return g.texts[3]; }

// The letter running along the text; ' ' when none runs.
inline char& runningLetter(GameRecord& g) { return g.pickedLetter; }
inline char runningLetter(const GameRecord& g) { return g.pickedLetter; }

// Where the running letter stands, 1 for the first character of the text;
// 0 when it has not started.
inline std::uint32_t& scanPosition(GameRecord& g) { return g.counterA; }
inline std::uint32_t scanPosition(const GameRecord& g) { return g.counterA; }

// The letters chosen that the text does not hold: the gallows grows with
// each one, the game is lost at the eleventh.
inline std::uint32_t& misses(GameRecord& g) { return g.counterB; }
inline std::uint32_t misses(const GameRecord& g) { return g.counterB; }

}  // namespace glossamo::hangman
