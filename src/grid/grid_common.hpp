#pragma once
// What the grid games share: choosing a grid, the alphabet palette below the
// grid, and the list of the grid's words beside it.
#include <functional>

#include "grid/crossword_grid.hpp"

namespace glossamo {

struct ProgramState;
struct Point;

// Loads "bin/<gridFile>" of the program and selects a grid of the size.
TjsysGrille chosenGrid(ProgramState& s, int size, const char* gridFile);
// The same, drawn only among the grids that `allowed` accepts (with the
// usual rule that the last of them is never drawn).
TjsysGrille chosenGridWhere(ProgramState& s, int size, const char* gridFile,
                            const std::function<bool(const TjsysGrille&)>& allowed);
// The number of black squares of the grid's N x N cells.
int blackSquares(const TjsysGrille& grid, int size);

// The two palette rows at rows p and p+1, columns 1..13: source tiles the
// player picks letters from.
void preparePalette(ProgramState& s, int p);
// Writes the alphabet on the palette rows again (a picked letter comes back).
void writePalette(ProgramState& s, int p);

// Where entry k (from 1) of a word list beside the grid is written: two
// columns of 30 from x 500.
Point wordListPosition(int k);

// The grid's words beside it, two columns of 30, each in HighlightInk once
// the board spells it between black squares.
void drawWordList(ProgramState& s);

}  // namespace glossamo
