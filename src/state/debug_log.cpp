#include "state/debug_log.hpp"

#include <string>

#include "state/program_state.hpp"

namespace glossamo {

void debugLog(ProgramState& s, std::string_view text) {
    if (s.debugLines.size() > static_cast<std::size_t>(DebugLogMaxLines)) s.debugLines.clear();
    s.debugLines.push_back("DeBuG Info:>" + std::string(text));
}

}  // namespace glossamo
