#pragma once
// Picking pieces up from the board and laying them down: the ways a press
// takes a letter, a word, a black square or the start of a selection, and
// the ways a release lays it, each at cell (column, row) of the board. A
// family's rules name the pair it plays with; a refused drop flies back.
namespace glossamo {

struct ProgramState;

// The cells a press or a release acts on: columns and rows 1..20.
bool onBoard(int column, int row);

// A movable letter leaves its cell.
void pickLetter(ProgramState& s, int column, int row);
// As pickLetter, but a palette letter (tile style 2) stays and is copied.
void pickCopiedLetter(ProgramState& s, int column, int row);
// As pickCopiedLetter, only on a cell that takes a press (clickable).
void pickOpenCopiedLetter(ProgramState& s, int column, int row);
// A letter or a black square of a dismantled grid; its cell is emptied.
void pickGridCell(ProgramState& s, int column, int row);
// The run of a row around the cell (a half word), up to the '*' cells.
void pickCutWord(ProgramState& s, int column, int row);
// The first cell of a run of letters to select.
void startSelection(ProgramState& s, int column, int row);

// Into an empty movable cell that is no black square; else back.
void dropIntoFreeSlot(ProgramState& s, int column, int row);
// Over any movable cell; a letter dropped off the grid is erased.
void dropIntoGrid(ProgramState& s, int column, int row);
// A half word at the start of an empty run of a line; else back.
void dropCutWord(ProgramState& s, int column, int row);
// The selection ends: the run across or down from its first cell.
void endSelection(ProgramState& s, int column, int row);
// A letter into an empty cell of the grid, a black square also into an
// empty place of the trays; a refused black square flies back, a refused
// letter is erased.
void dropGridCell(ProgramState& s, int column, int row);

}  // namespace glossamo
