#pragma once
// Each frame of a running game: the play clock, then the game's own routine
// with its level, as the registry gives them for its identifier.
namespace glossamo {

struct ProgramState;

void GameDispatcher(ProgramState& s);

}  // namespace glossamo
