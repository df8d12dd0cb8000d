#pragma once
// Troisième mot: the five-letter word that ends a nine-letter word and
// begins a longer one.
#include <vector>

#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules ThirdWordRules;

void playThirdWord(ProgramState& s, int, const char* gridFile);

// Won when the five letters make a word that ends the nine-letter word
// begun by the first and begins a word ended by the third. The words as
// drawn always win.
bool thirdWordSolved(const ProgramState& s);

// What a hint may lay: a letter of the middle word.
std::vector<HintPiece> thirdWordHintPieces(const ProgramState& s);

}  // namespace glossamo
