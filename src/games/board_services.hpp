#pragma once
// Reading words and letters back from the board, and the solved check.
#include <string>
#include <string_view>

#include "games/game_rules.hpp"
#include "state/game_record.hpp"

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

// Every cell of the N x N grid (N the record's size, `counterB`) at columns
// 1..N and rows firstRow..firstRow+N-1 holds the character of `expected`.
bool gridMatches(const GameRecord& g, const Board<std::uint32_t>& expected, int firstRow);
// The same for the grids that keep their solution one column and one row
// up-left (the letter sums).
bool shiftedGridMatches(const GameRecord& g);

// The letter `answers` holds for cell (c, r) of the N x N grid at columns
// 1..N and rows firstRow..firstRow+N-1, read `shift` cells up-left; 0
// outside the grid and where the answer is no letter (a black square).
char answerInGrid(const ProgramState& s, const Board<std::uint32_t>& answers, int c, int r, int firstRow,
                  int shift = 0);

// The letter the stored solution of a grid game puts in cell (column, row),
// where the player may lay one; 0 outside the grid, on a black square, and
// in the games that keep no solution letter per cell.
char expectedGridLetter(const ProgramState& s, const GameRules& rules, int column, int row);

// True when cell (column, row) of a grid game still holds a letter the game
// printed there at its build: the four first letters of a coded or
// dismantled grid, the letters left in a letter-sums grid.
bool holdsGivenLetter(const ProgramState& s, const GameRules& rules, int column, int row);

// Says `comment` in a short pop-up on the frame the player's answer becomes
// `full` while the game is not won; once said, again only after the answer
// was not full for a while.
void sayWhenFullButRefused(ProgramState& s, bool full, int comment);

// Sets `gameWon` when the board meets the running game's rule; a lost
// game is never solved.
void checkSolved(ProgramState& s, BoardRule rule);

}  // namespace glossamo
