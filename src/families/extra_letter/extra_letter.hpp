#pragma once
// Lettre en plus: on each line a word and one letter more make one word.
#include <vector>

#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules ExtraLetterRules;

void playExtraLetter(ProgramState& s, int lines, const char* gridFile);

// Won when every answer row is a word made of exactly the letters of its
// line's word and extra letter (the answers the game keeps always win).
bool extraLetterSolved(const ProgramState& s);

// What a hint may lay: the word of a line.
std::vector<HintPiece> extraLetterHintPieces(const ProgramState& s);

}  // namespace glossamo
