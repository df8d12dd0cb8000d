#pragma once
#include <string>

namespace glossamo {

struct ProgramState;

// Lists the player's saved games in list box 9.
void fillSavedGameList(ProgramState& s);
// Resumes the quick-exit save, once, when there is one.
void resumeQuickExit(ProgramState& s);
// Saves the running game, under the quick-exit name when `quickExit`; true
// when both files were written.
bool saveGame(ProgramState& s, bool quickExit);
// Makes the saved game of that name the running game; false when it did
// not. A save it refuses is renamed aside (".abimee") and leaves the list.
bool loadGame(ProgramState& s, const std::string& name);

}  // namespace glossamo
