#pragma once
// The mouse during a game: picking letters and words up, carrying them,
// dropping them, sending refused tiles back, and the hangman's letter clicks.
namespace glossamo {

struct ProgramState;

// A button went down or up on the board of the running game
// (0 left, 1 right, 2 middle).
void onGameMouseDown(ProgramState& s, int button);
void onGameMouseUp(ProgramState& s, int button);

}  // namespace glossamo
