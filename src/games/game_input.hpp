#pragma once
namespace glossamo {
struct ProgramState;
// A mouse button went down or up on the board of the running game.
void onGameMouseDown(ProgramState& s, int button);
void onGameMouseUp(ProgramState& s, int button);
}  // namespace glossamo
