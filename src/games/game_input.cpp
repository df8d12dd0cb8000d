// No game takes board input yet.
#include "games/game_input.hpp"

namespace glossamo {
void onGameMouseDown(ProgramState&, int) {}
void onGameMouseUp(ProgramState&, int) {}
}  // namespace glossamo
