#pragma once
// Proverbes effacés: a saying of the month with a quarter of its letters
// rubbed out, to be filled in from an alphabet.
#include <string>

namespace glossamo {

struct ProgramState;

void playFadedProverbs(ProgramState& s, int month, const char* gridFile);

// The saying file of a month (1..12), under the program's folder.
std::string monthFile(int month);

}  // namespace glossamo
