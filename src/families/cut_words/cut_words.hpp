#pragma once
// Mots coupés: six-letter words cut into halves of three letters; the
// sorted halves are joined into the words again. A name of six characters
// with a blank, a hyphen or an apostrophe is never drawn.
#include <vector>

#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules CutWordsRules;

void playCutWords(ProgramState& s, int words, const char* gridFile);

// Won when every line joins two of the shown halves, each half used once,
// into a word of the list in play (the theme's list in the themed games);
// the lines may come in any order.
bool cutWordsSolved(const ProgramState& s);

// What a hint may lay: a word not yet joined, on the first line that holds
// no word, its halves taken from the list.
std::vector<HintPiece> cutWordsHintPieces(const ProgramState& s);

}  // namespace glossamo
