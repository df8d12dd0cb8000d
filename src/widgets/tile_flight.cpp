#include "widgets/tile_flight.hpp"

namespace glossamo {

void startFlight(ProgramState& s, Point start, Point target, int kind, std::string_view text, int flag) {
    TileFlight& f = s.flight;
    if (kind == 1) {  // a single letter is drawn from its tile's corner
        start.x -= 30;
        start.y -= 17;
        target.x -= 13;
        target.y -= 4;
    }
    f.startX = start.x;
    f.startY = start.y;
    f.targetX = target.x;
    f.targetY = target.y;
    f.startTick = s.now();
    f.duration = s.travel.mapShown ? TravelFlightMs : FlightMs;
    f.kind = static_cast<std::uint8_t>(kind);
    f.flag = static_cast<std::uint8_t>(flag & 0xFF);
    f.text = text;
    f.active = 1;
}

Point flightPosition(const TileFlight& flight, std::uint32_t now) {
    const std::int64_t elapsed = static_cast<std::uint32_t>(now - flight.startTick);
    const std::int64_t duration = flight.duration;
    if (duration == 0 || elapsed > duration) return {flight.targetX, flight.targetY};
    const auto along = [&](std::int64_t from, std::int64_t to) {
        return static_cast<std::int32_t>(from + (to - from) * elapsed / duration);
    };
    return {along(flight.startX, flight.targetX), along(flight.startY, flight.targetY)};
}

}  // namespace glossamo
