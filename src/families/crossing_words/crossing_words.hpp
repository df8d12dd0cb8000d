#pragma once
// Mots en croix / English cross: three row words crossed by three column
// words through their middles; the nine crossing letters are taken out into
// a bank and must be put back.
#include <vector>

#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules CrossingWordsRules;
extern const GameRules EnglishCrossRules;

void playCrossingWords(ProgramState& s, int length, const char* gridFile);

// Where the column words of row words of length n stand.
struct CrossingGeometry {
    int firstColumn;  // of the three column words, side by side
    int firstRow;     // where each column word starts
    int columnLength;
};
CrossingGeometry crossingGeometry(int n);

// Won when the three rows and the three column words all read as words (of
// the English list in English cross); the rows as built always win.
bool crossingWordsSolved(const ProgramState& s);
bool englishCrossSolved(const ProgramState& s);

// What a hint may lay: the three crossing letters of a column word.
std::vector<HintPiece> crossingWordsHintPieces(const ProgramState& s);

}  // namespace glossamo
