#pragma once
#include <string_view>

namespace glossamo {

struct ProgramState;

constexpr int DebugLogMaxLines = 100;

// Adds "DeBuG Info:>" + text to the hidden debug log, which is emptied first
// when it already holds more than 100 lines. The log is never written out.
void debugLog(ProgramState& s, std::string_view text);

}  // namespace glossamo
