#pragma once
// A complete French grid with letters taken out, to be put back from an
// alphabet.
#include <vector>

#include "games/game_rules.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules LetterSumsRules;
extern const GameRules FadedLettersRules;
struct Point;

// Sommes de lettres: few letters missing, but the sum of the letter values
// (A = 1 .. Z = 26) of every row and column stands beside the grid.
void playLetterSums(ProgramState& s, int size, const char* gridFile);
// Lettres effacées: half or a quarter of the letters missing. `level` is
// the level of the game (12, 10, 8, 6), which sets the grid and the share.
void playFadedLetters(ProgramState& s, int level, const char* gridFile);

// What a check marks in these grids, where other fills than the stored one
// win: the letters of a full run that is no word and, with the sums, the
// player's letters of a full row or column whose sum is not met. Never a
// letter only because it differs from the stored grid.
std::vector<Point> letterSumsBreaks(const ProgramState& s);
std::vector<Point> fadedLettersBreaks(const ProgramState& s);

// The faded-letters grid size and share of letters removed for a level.
struct FadedLevel {
    int size;
    int share;  // p: a letter goes when a draw in 0..99 is above 100 - p
};
FadedLevel fadedLevel(int level);

}  // namespace glossamo
