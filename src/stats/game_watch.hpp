#pragma once
// Follows the running game for the statistics and the daily challenge: a
// game counts once it is built and then won, lost or given up, or left after
// the player moved something in it. A game saved and left counts when its
// save is loaded and ended.
namespace glossamo {

struct ProgramState;

// Called after every frame and before every input, so that no end of game
// goes unseen even when the next click leaves it at once.
void watchGame(ProgramState& s);
// An input reached the running game.
void noteGameInput(ProgramState& s);

}  // namespace glossamo
