#pragma once
// De l'un à l'autre: two words cross on a shared three-letter word taken out
// of both.
#include <vector>

#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules FromOneToOtherRules;

void playFromOneToOther(ProgramState& s, int length, const char* gridFile);

// Won when the same three letters fill both gaps, make a word and leave
// both long words words. The words as drawn always win.
bool fromOneToOtherSolved(const ProgramState& s);

// What a hint may lay: a letter of the shared piece, in both words at once.
std::vector<HintPiece> fromOneToOtherHintPieces(const ProgramState& s);

}  // namespace glossamo
