#pragma once
// Grille en vrac: the grid's letters, shuffled within each across word on
// the right, go back one by one into the empty grid on the left.
#include "games/game_rules.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules MixedGridRules;

void playMixedGrid(ProgramState& s, int size, const char* gridFile);

}  // namespace glossamo
