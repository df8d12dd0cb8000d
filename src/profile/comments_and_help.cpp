// The comments, countries and rules files are not read yet.
#include "profile/comments_and_help.hpp"

namespace glossamo {
void ChargeCommentaires(ProgramState&) {}
void Chargepays(ProgramState&) {}
void ChargeAide(ProgramState&, int) {}
}  // namespace glossamo
