#pragma once
// The grid games built on ready-made crossword grids.
#include <string>

#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules WordPlacementRules;
extern const GameRules HiddenWordsRules;

// Mots casés / Word to put: an empty grid to fill from an alphabet palette.
void playWordPlacement(ProgramState& s, int size, const char* gridFile);
// Mots cachés / Hidden words: the grid's words to find among filler letters.
void playHiddenWords(ProgramState& s, int size, const char* gridFile);

// A hint in Mots cachés: the first listed word not yet found is found in the
// grid (across or down) and circled, as if the player had picked it; never
// the last word.
HintOutcome hintHiddenWord(ProgramState& s);

// The row of the palette below an N x N grid.
int paletteRow(int size);

// Positions 1 to 4 of a hidden-word entry hold board coordinates; they are
// written as letters ('A' + n) so that every entry stays one printable line
// of the saved game's text file.
char coordinateCode(int n);
int coordinateOf(char code);

}  // namespace glossamo
