#pragma once
// Crossword grids given in pieces to be put together again.
#include <vector>

#include "games/game_rules.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules MixedGridRules;
extern const GameRules DismantledGridRules;
struct Point;

// Grille en vrac: the grid's letters, shuffled within each across word on
// the right, go back one by one into the empty grid on the left.
void playMixedGrid(ProgramState& s, int size, const char* gridFile);
// Grille déconstituée: an empty grid without its black squares, rebuilt
// from an alphabet and a tray of black squares, with its words as a guide.
void playDismantledGrid(ProgramState& s, int size, const char* gridFile);

// What a check marks in the dismantled grid, which any rebuilding of its
// words wins: the letters of a full run that is none of the listed words,
// and a printed letter the player replaced.
std::vector<Point> dismantledGridBreaks(const ProgramState& s);
// The tray of the dismantled grid holds two rows of 13 black squares.
constexpr int TrayCapacity = 26;

}  // namespace glossamo
