#pragma once
// Maxi-mots and Mots commençant par: words spelt from nine drawn letters,
// all of them, half or a third; found words are marked in the game word list
// by a blank in front.
#include <string>

#include "base/random.hpp"
#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules MaxiWordsRules;
extern const GameRules WordsStartingWithRules;

constexpr int HuntLetters = 9;

// Nine distinct letters, never "A"; a consonant is kept only 31 times in 100.
std::string drawHuntLetters(Random& rng);

void playMaxiWords(ProgramState& s, int part, const char* gridFile);
void playWordsStartingWith(ProgramState& s, int part, const char* gridFile);

// A hint: the first listed word not yet found is found, unless it would be
// the last one the hunt asks for.
// Won when as many words are found as the level asks.
bool enoughWordsFound(const ProgramState& s);
HintOutcome hintHuntWord(ProgramState& s);

}  // namespace glossamo
