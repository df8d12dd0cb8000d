#pragma once
// La bourse aux voyelles: ten-letter words shown without their vowels, and
// the vowels waiting in six rows, one per vowel, to be put back in place.
#include <vector>

#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules VowelMarketRules;

constexpr int VowelMarketWordLength = 10;
constexpr char VowelRows[] = "AOEUIY";  // the reservoir of row k + 1 holds VowelRows[k]

// `wordCount` is 8 or 6.
void playVowelMarket(ProgramState& s, int wordCount, const char* gridFile);

// Won when every row reads as a word; the vowels may go to other holes than
// those they came from (ACCIDENTEL or OCCIDENTAL), the words as drawn
// always win.
bool vowelMarketSolved(const ProgramState& s);


// What a hint may lay: a word, its missing letters put back in place.
std::vector<HintPiece> vowelMarketHintPieces(const ProgramState& s);

}  // namespace glossamo
