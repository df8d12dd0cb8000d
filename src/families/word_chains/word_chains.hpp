#pragma once
// De l'un à l'autre: two words cross on a shared three-letter word taken out
// of both. Troisième mot: the five-letter word that ends a nine-letter word
// and begins a longer one.
#include <vector>

#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules FromOneToOtherRules;
extern const GameRules ThirdWordRules;

void playFromOneToOther(ProgramState& s, int length, const char* gridFile);
void playThirdWord(ProgramState& s, int, const char* gridFile);

// De l'un à l'autre is won when the same three letters fill both gaps,
// make a word and leave both long words words; Troisième mot when the five
// letters make a word that ends the nine-letter word begun by the first and
// begins a word ended by the third. The words as drawn always win.
bool fromOneToOtherSolved(const ProgramState& s);
bool thirdWordSolved(const ProgramState& s);

// What a hint may lay: a letter of the shared piece, in both words at once;
// a letter of the middle word.
std::vector<HintPiece> fromOneToOtherHintPieces(const ProgramState& s);
std::vector<HintPiece> thirdWordHintPieces(const ProgramState& s);

}  // namespace glossamo
