// No game family is playable yet, so every identifier runs nothing.
#include "games/game_dispatcher.hpp"

namespace glossamo {
void GameDispatcher(ProgramState&) {}
}  // namespace glossamo
