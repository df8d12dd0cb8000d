#pragma once
// What the grid games share: choosing a grid, the alphabet palette below the
// grid, and the list of the grid's words beside it.
#include <functional>
#include <string>
#include <vector>

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
// The rank of each grid of a size, in the file's order, from the ranks file
// beside the grid file ("grilles_rangs.txt" for "grilles.txt": one line
// "6x6 1234" per grid, the rank of its rarest word); empty without it.
std::vector<int> gridRanks(const ProgramState& s, int size, const char* gridFile);
// With easy words, a game draws among the grids of its size whose rank is at
// most this cut: the rank of the last of the easiest quarter.
constexpr int EasyGridShare = 4;
int easyGridCut(std::vector<int> ranks);

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

// A grid as the player has laid it: rows[r][c] for the cell of column c and
// row r, both from 0; '*' is a black square, a blank an empty cell.
using GridRows = std::vector<std::string>;

// The N x N grid of board cells (firstColumn + c, firstRow + r), a cell
// counting as a black square when `black` says so.
GridRows gridRowsOf(const ProgramState& s, int firstColumn, int firstRow,
                    const std::function<bool(int column, int row)>& black);
// True when every cell holds a letter A..Z or a black square.
bool gridComplete(const GridRows& rows);
// The runs of two letters or more between black squares and the grid's
// edges, across then down.
std::vector<std::string> gridRuns(const GridRows& rows);
// True when the grid is complete and every run is a word the player may make.
bool everyRunIsAWord(const ProgramState& s, const GridRows& rows);
// The board cells (rows[r][c] at firstColumn + c, firstRow + r) of every
// full run, two letters or more with no blank, that `accepted` refuses.
std::vector<Point> cellsOfRefusedRuns(const GridRows& rows, int firstColumn, int firstRow,
                                      const std::function<bool(const std::string&)>& accepted);
// After the solved check: says so once when the grid is full but not won.
void sayWhenGridFullButWrong(ProgramState& s, const GridRows& rows);
// True when the runs are exactly the listed words, each as often as listed.
bool runsAreTheListedWords(std::vector<std::string> runs, std::vector<std::string> listed);

// The grid's words beside it, two columns of 30, each in HighlightInk once
// the board spells it between black squares.
void drawWordList(ProgramState& s);

}  // namespace glossamo
