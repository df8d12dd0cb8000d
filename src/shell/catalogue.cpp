// The catalogue of games is not built yet.
#include "shell/catalogue.hpp"

namespace glossamo {
void buildCatalogue(ProgramState&) {}
}  // namespace glossamo
