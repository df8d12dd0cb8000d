#pragma once
// Mots codés / Word codes: every letter of a crossword grid is replaced by
// its number in a random code; the player finds the letters.
namespace glossamo {

struct ProgramState;

void playCodedWords(ProgramState& s, int size, const char* gridFile);

}  // namespace glossamo
