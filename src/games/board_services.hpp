#pragma once
// Reading words back from the board, and the one solved check of every game.
#include <string>

namespace glossamo {

struct ProgramState;

// The `length` letters from (column, row), across or down, as they stand
// ('*' and blanks included); empty for a length of 0 or less.
std::string readBoardWord(const ProgramState& s, int column, int row, int length, bool across);

// Sets `gameWon` when the player's work matches the solution of the running
// game; a lost game is never solved.
void checkSolved(ProgramState& s);
// The same for a game whose puzzle admits other boards than its stored
// solution: it is also solved when the family's rule `acceptsBoard` holds.
void checkSolved(ProgramState& s, bool (*acceptsBoard)(const ProgramState&));

}  // namespace glossamo
