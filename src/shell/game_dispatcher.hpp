#pragma once
// Each frame of a running game: the play clock, then the game's own routine
// chosen from its identifier.
namespace glossamo {

struct ProgramState;

// A game routine: builds its puzzle on the first call, then plays a frame.
// `level` is the size or count of the game; `gridFile` names the grid file
// of the grid games.
using GameRoutine = void (*)(ProgramState& s, int level, const char* gridFile);

struct GameDispatch {
    GameRoutine routine = nullptr;  // nothing for an identifier without a game
    int level = 0;
    const char* gridFile = nullptr;
};

// The routine and level of an identifier.
GameDispatch dispatchFor(int id);

void GameDispatcher(ProgramState& s);

}  // namespace glossamo
