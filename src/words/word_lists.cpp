// The word store does not exist yet: loading a list keeps nothing.
#include "words/word_lists.hpp"

namespace glossamo {
void LoadWordList(ProgramState&, int) {}
}  // namespace glossamo
