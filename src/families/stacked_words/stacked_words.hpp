#pragma once
// Mots empilés: a column word whose letters begin words one letter longer
// on each row; the column is mixed and must be put back in order.
#include <vector>

#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules StackedWordsRules;

void playStackedWords(ProgramState& s, int length, const char* gridFile);

// Won when every row reads as a word with the letters of column 1 in any
// order; the column word as drawn always wins.
bool stackedWordsSolved(const ProgramState& s);

// What a hint may lay: a letter of the column word in its place.
std::vector<HintPiece> stackedWordsHintPieces(const ProgramState& s);

}  // namespace glossamo
