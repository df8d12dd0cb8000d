#pragma once
// Help for a stuck player, beside the rules of the games: a hint lays one
// right letter and costs a minute of play time; a check marks the wrong
// letters of a grid for two seconds and costs thirty seconds. The score
// stays the play time, so help is paid in points.
namespace glossamo {

struct ProgramState;

constexpr int HintSeconds = 60;
constexpr int CheckSeconds = 30;
constexpr unsigned WrongMarksMs = 2000;

// The running game offers hints (the grid games, Mots cachés, Motuce, the
// hangman games, and the games played with letter tiles: the chains, the
// markets, the hunts, Mots coupés, Mots en croix, Anagrammes, Mots empilés,
// Le mot le plus long); not the faded proverbs, whose every hidden letter
// is the answer's.
bool hintsApply(const ProgramState& s);
// The running game's letters can be checked (the grid games).
bool checksApply(const ProgramState& s);

// Lays one right letter: in a grid, in the cell under the keyboard cursor
// when it is empty or wrong, else in the first such cell, and locks it; in
// Mots cachés and the hunts, finds one word; in the games of letter tiles,
// lays one word of the set, or one letter of a single word. Never the last
// piece: the puzzle is the player's to end. Says so with a pop-up when there
// is nothing to hint. A Grille en vrac letter comes from its own row, never
// from a cell where it is right. Undo leaves what a hint laid in place.
void takeHint(ProgramState& s);
// Marks the wrong letters laid in the grid: in a grid with one solution,
// those that are not its own; where other fills win, those that break the
// game's rule. Says so when there is none.
void checkLetters(ProgramState& s);
// Draws the marks of the last check while they last.
void drawWrongMarks(ProgramState& s);

}  // namespace glossamo
