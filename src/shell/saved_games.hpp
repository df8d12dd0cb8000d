#pragma once
namespace glossamo {
struct ProgramState;
// Lists the player's saved games in list box 9.
void fillSavedGameList(ProgramState& s);
// Resumes the quick-exit save, once, when there is one.
void resumeQuickExit(ProgramState& s);
}  // namespace glossamo
