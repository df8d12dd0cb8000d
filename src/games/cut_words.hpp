#pragma once
// Mots coupés: six-letter words cut into halves of three letters; the
// sorted halves are joined into the words again.
namespace glossamo {

struct ProgramState;

void playCutWords(ProgramState& s, int words, const char* gridFile);

}  // namespace glossamo
