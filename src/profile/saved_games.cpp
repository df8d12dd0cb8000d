// Games cannot be saved yet, so there is nothing to save, list or resume.
#include "profile/saved_games.hpp"

namespace glossamo {

void fillSavedGameList(ProgramState&) {}
void resumeQuickExit(ProgramState&) {}
void saveGame(ProgramState&, bool) {}
void loadGame(ProgramState&, const std::string&) {}

}  // namespace glossamo
