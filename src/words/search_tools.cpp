// The dictionary searches are not built yet: they find nothing.
#include "words/search_tools.hpp"

namespace glossamo {
void FindAnagramsTool(ProgramState&) {}
void FindPatternTool(ProgramState&) {}
}  // namespace glossamo
