#pragma once
namespace glossamo {
struct ProgramState;
// Runs one frame of the running game: builds it on its first call, then
// advances, checks and draws it.
void GameDispatcher(ProgramState& s);
}  // namespace glossamo
