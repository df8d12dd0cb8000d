#pragma once
// What a hint gives in the games played with letter tiles: one piece of the
// answer (a word of the set, or a letter in its place) laid on the board
// from the tiles the game offers, then locked so that it stays as given.
// A hint never ends a puzzle: the last piece is the player's to find.
#include <string>
#include <vector>

#include "state/program_state.hpp"

namespace glossamo {

enum class HintOutcome {
    Given,        // a piece was laid or shown
    NothingLeft,  // the answer is complete, or the game is not ready
    LastLeft,     // one piece is missing: a hint would end the puzzle
};

// The outcome for `missing` pieces still to find, before any is given.
HintOutcome hintOutcomeFor(int missing);

struct HintPiece {
    std::vector<Point> cells;    // where the letters go, one cell each
    std::string letters;         // the letters, in the order of the cells
    std::vector<Point> sources;  // where to take them from first
    bool done = false;           // on the board already, or answered another accepted way
    bool splits = false;         // a word the hint may give letter by letter when it is the last
};

// Lays the first piece not done and locks its cells. Each letter comes by a
// swap from a tile that holds it (the piece's sources first, then a tile no
// answer needs, then a misplaced one), so the game keeps its set of letters;
// a cell that already holds its letter stays. When one piece is left, a piece
// that splits gives one of its letters instead, never its last.
HintOutcome layHintPiece(ProgramState& s, const std::vector<HintPiece>& pieces);

// The words of a market: word k (text k, as made: text 10 + k) on row
// firstRow + k - 1 from `column`, its letters that `takenOut` accepts being
// the ones to lay; a row is done once it reads as an accepted word.
std::vector<HintPiece> marketHintPieces(const ProgramState& s, int column, int firstRow, int words,
                                        bool (*takenOut)(char));

}  // namespace glossamo
