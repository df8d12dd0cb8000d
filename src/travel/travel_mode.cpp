// Travel mode is not built yet.
#include "travel/travel_mode.hpp"

namespace glossamo {
void startTravel(ProgramState&) {}
void drawTravel(ProgramState&) {}
void continueTravel(ProgramState&) {}
}  // namespace glossamo
