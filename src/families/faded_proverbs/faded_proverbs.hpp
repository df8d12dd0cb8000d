#pragma once
// Proverbes effacés: a saying of the month with a quarter of its letters
// rubbed out, to be filled in from an alphabet.
#include <string>

#include "games/game_rules.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules FadedProverbsRules;

void playFadedProverbs(ProgramState& s, int month, const char* gridFile);
// Won when the proverb reads as it was written.
bool fadedProverbsSolved(const ProgramState& s);

// The saying file of a month (1..12), under the program's folder.
std::string monthFile(int month);

}  // namespace glossamo
