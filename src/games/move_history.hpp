#pragma once
// Taking moves back: the board is kept before each move that changes it, as
// far back as the start of the game. The history lives beside the game
// record, never in a saved game: after a load it starts again.
#include <cstdint>

#include "games/game_rules.hpp"

namespace glossamo {

struct ProgramState;
struct GameRecord;

// The running game, of `rules`, takes moves back: its rules say so, and it
// is built, not ended, and not under the travel map. Its bar shows the undo
// button.
bool undoOffered(const ProgramState& s, const GameRules* rules);
// As `undoOffered`, and nothing is carried or flying: a move can be taken
// back now.
bool undoApplies(const ProgramState& s, const GameRules* rules);

// Keeps the board as it is before a move begins (a press that may pick a
// tile up, a key that takes a letter off). Does nothing in a game without
// undo or while a move is still under way.
void rememberMove(ProgramState& s, const GameRules* rules);
// The move begun by `rememberMove` is over once nothing is carried or
// flying: the board kept before it joins the history when the move changed
// the board, and is dropped when it did not (an empty click, a refused
// drop that flew back).
void settleMove(ProgramState& s);
// Puts the board back as it was before the last move; false when there is
// no move to take back or the game takes none now.
bool undoLastMove(ProgramState& s, const GameRules* rules);
// Undo as the player asks for it (the button, Ctrl+Z): with nothing to take
// back it says so in a short pop-up.
void undoAsked(ProgramState& s, const GameRules* rules);
// Clears the history: a new, restarted or loaded game, a judged try, or a
// letter the game itself gives are never taken back.
void forgetMoves(ProgramState& s);
// A hint has changed the board from `before`: the letters it laid stay
// through every undo (laid again, from where the hint took them, on each
// board put back), while the player's moves before and after it can still
// be taken back.
void keepHint(ProgramState& s, const GameRecord& before);

}  // namespace glossamo
