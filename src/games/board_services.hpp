#pragma once
// Reading words back from the board, and the one solved check of every game.
#include <string>
#include <string_view>

namespace glossamo {

struct ProgramState;

// The `length` letters from (column, row), across or down, as they stand
// ('*' and blanks included); empty for a length of 0 or less.
std::string readBoardWord(const ProgramState& s, int column, int row, int length, bool across);

// True when `a` and `b` hold the same characters, each as often.
bool sameLetters(std::string_view a, std::string_view b);

// True when `made`, a word the player laid, is `stored`, the answer the game
// keeps, or another word of the same length that the player may make.
bool acceptedWord(const ProgramState& s, std::string_view made, std::string_view stored);

// The letter the stored solution of a grid game puts in cell (column, row),
// where the player may lay one; 0 outside the grid, on a black square, and
// in the games that keep no solution letter per cell.
char expectedGridLetter(const ProgramState& s, int column, int row);

// True when cell (column, row) of a grid game still holds a letter the game
// printed there at its build: the four first letters of a coded or
// dismantled grid, the letters left in a letter-sums grid.
bool holdsGivenLetter(const ProgramState& s, int column, int row);

// Says `comment` in a short pop-up on the frame the player's answer becomes
// `full` while the game is not won; once said, again only after the answer
// was not full for a while.
void sayWhenFullButRefused(ProgramState& s, bool full, int comment);

// Sets `gameWon` when the player's work matches the solution of the running
// game; a lost game is never solved.
void checkSolved(ProgramState& s);
// The same for a game whose puzzle admits other boards than its stored
// solution: it is also solved when the family's rule `acceptsBoard` holds.
void checkSolved(ProgramState& s, bool (*acceptsBoard)(const ProgramState&));

}  // namespace glossamo
