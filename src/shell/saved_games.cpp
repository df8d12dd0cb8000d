// Games cannot be saved yet, so there is nothing to list or resume.
#include "shell/saved_games.hpp"

namespace glossamo {
void fillSavedGameList(ProgramState&) {}
void resumeQuickExit(ProgramState&) {}
}  // namespace glossamo
