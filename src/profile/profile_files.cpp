// The player profile is not kept yet.
#include "profile/profile_files.hpp"

namespace glossamo {
void Premierlancement(ProgramState&) {}
void ChargeFavoris(ProgramState&) {}
void Quittelejeu(ProgramState&) {}
}  // namespace glossamo
