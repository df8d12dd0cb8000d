#pragma once
// Mots empilés: a column word whose letters begin words one letter longer
// on each row; the column is mixed and must be put back in order.
namespace glossamo {

struct ProgramState;

void playStackedWords(ProgramState& s, int length, const char* gridFile);

}  // namespace glossamo
