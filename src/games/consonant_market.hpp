#pragma once
// Bourse aux consonnes: ten-letter words shown without their consonants;
// all the consonants, mixed in a bank, are put back in place.
namespace glossamo {

struct ProgramState;

void playConsonantMarket(ProgramState& s, int words, const char* gridFile);

}  // namespace glossamo
