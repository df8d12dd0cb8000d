#pragma once
// Mots codés / Word codes: every letter of a crossword grid is replaced by
// its number in a random code; the player finds the letters.
#include "games/game_rules.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules CodedWordsRules;

void playCodedWords(ProgramState& s, int size, const char* gridFile);

}  // namespace glossamo
