#pragma once
// A tile flying in a straight line back to its cell.
#include <cstdint>
#include <string_view>

#include "state/program_state.hpp"

namespace glossamo {

constexpr std::uint32_t FlightMs = 500;
constexpr std::uint32_t TravelFlightMs = 2000;

// Starts a flight of `kind` carrying `text` from `start` to `target`.
void startFlight(ProgramState& s, Point start, Point target, int kind, std::string_view text, int flag);

// The point the flight has reached at tick `now`; the target once its
// duration has passed.
Point flightPosition(const TileFlight& flight, std::uint32_t now);

}  // namespace glossamo
