#pragma once
// De l'un à l'autre: two words cross on a shared three-letter word taken out
// of both. Troisième mot: the five-letter word that ends a nine-letter word
// and begins a longer one.
namespace glossamo {

struct ProgramState;

void playFromOneToOther(ProgramState& s, int length, const char* gridFile);
void playThirdWord(ProgramState& s, int, const char* gridFile);

}  // namespace glossamo
