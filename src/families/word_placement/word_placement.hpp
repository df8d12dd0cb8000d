#pragma once
// Mots casés / Word to put: an empty crossword grid to fill from an
// alphabet palette, with the grid's words listed beside it.
#include "games/game_rules.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules WordPlacementRules;

void playWordPlacement(ProgramState& s, int size, const char* gridFile);

}  // namespace glossamo
