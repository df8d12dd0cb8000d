#pragma once
// Help in the grid games, shared by every grid family: a hint lays one
// letter of the stored answer, a check marks the letters that are not it.
#include <vector>

#include "games/game_rules.hpp"

namespace glossamo {

struct ProgramState;
struct Point;

// Lays the answer's letter in the cell under the keyboard cursor, or the
// first cell that lacks it, locked and in the other ink. The scrambled
// grids hold every letter once: there the letter comes `bySwap` from
// another cell, of the same row first. Never the last letter missing.
HintOutcome hintGridLetter(ProgramState& s, const GameRules& rules, bool bySwap = false);

// The letters laid in the grid that are not the stored answer's, for the
// grids that have one solution.
std::vector<Point> wrongGridLetters(const ProgramState& s, const GameRules& rules);

}  // namespace glossamo
