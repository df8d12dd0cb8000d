#pragma once
namespace glossamo {

struct ProgramState;

// Starts game `id`: the previous game is left, the record reset, the word
// lists it needs loaded and its title and rules set. The game builds itself
// on the next frames.
void startGame(ProgramState& s, int id);
// Makes the word list of game `id` the current one (a resumed game needs it).
void loadWordListFor(ProgramState& s, int id);

}  // namespace glossamo
