#pragma once
// Bourse aux consonnes: ten-letter words shown without their consonants;
// all the consonants, mixed in a bank, are put back in place.
#include <vector>

#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules ConsonantMarketRules;

void playConsonantMarket(ProgramState& s, int words, const char* gridFile);

// Won when every row reads as a word; the consonants may go to other slots
// than those they came from, the words as drawn always win.
bool consonantMarketSolved(const ProgramState& s);


// What a hint may lay: a word, its missing letters put back in place.
std::vector<HintPiece> consonantMarketHintPieces(const ProgramState& s);

}  // namespace glossamo
