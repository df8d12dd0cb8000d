#pragma once
// The 10 ms frame: draws one whole frame and advances everything one step.
#include <cstdint>

namespace glossamo {

struct ProgramState;

constexpr std::uint32_t TitleMs = 4000;
constexpr std::uint32_t LostGameLeftAfterMs = 10000;

void DXTimer1Timer(ProgramState& s);

// Shows `cursorShape` as the pointer.
void applyPointerShape(ProgramState& s);

// True when more than `ms` milliseconds separate `since` from `now`.
bool moreThanElapsed(std::uint32_t now, std::uint32_t since, std::uint32_t ms);

}  // namespace glossamo
