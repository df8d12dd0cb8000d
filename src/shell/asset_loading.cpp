// No picture or sound file is shipped yet, so the loaders load nothing.
#include "shell/asset_loading.hpp"

namespace glossamo {
void loadBackground(ProgramState&, int) {}
void loadCardBack(ProgramState&, int) {}
void loadInterface(ProgramState&) {}
void fillBackgroundList(ProgramState&) {}
void fillHeadList(ProgramState&) {}
}  // namespace glossamo
