#pragma once
// Undo in the running game, as its rules in the registry allow it: what the
// bar, the keys and the mouse ask of the undo stack.
#include "games/move_history.hpp"

namespace glossamo {

struct ProgramState;

// The running game takes moves back now (its bar shows the undo button).
bool undoOffered(const ProgramState& s);
// Keeps the board before a move of the running game begins.
void rememberMove(ProgramState& s);
// Puts the board back as it was before the last move; false when there is
// none or the game takes none now.
bool undoLastMove(ProgramState& s);
// Undo as the player asks for it (the button, Ctrl+Z).
void undoAsked(ProgramState& s);

}  // namespace glossamo
