#pragma once
// Mots cachés / Hidden words: the words of a crossword grid to find among
// filler letters.
#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules HiddenWordsRules;

void playHiddenWords(ProgramState& s, int size, const char* gridFile);

// A hint in Mots cachés: the first listed word not yet found is found in the
// grid (across or down) and circled, as if the player had picked it; never
// the last word.
HintOutcome hintHiddenWord(ProgramState& s);

// Positions 1 to 4 of a hidden-word entry hold board coordinates; they are
// written as letters ('A' + n) so that every entry stays one printable line
// of the saved game's text file.
char coordinateCode(int n);
int coordinateOf(char code);

}  // namespace glossamo
