#include "profile/scores.hpp"

#include <cstdio>
#include <string>

#include "state/program_state.hpp"

namespace glossamo {

namespace {

std::string twoDigits(int v) {
    char text[12];
    std::snprintf(text, sizeof text, "%02d", v);
    return text;
}

}  // namespace

void clockTick(ProgramState& s) {
    PlayClock& c = s.clock;
    if (++c.seconds == 60) {
        c.seconds = 0;
        if (++c.minutes == 60) {
            c.minutes = 0;
            if (++c.hours == 24) {
                c.hours = 0;
                ++c.days;
            }
        }
    }
    std::string text = twoDigits(c.minutes) + "mn " + twoDigits(c.seconds) + "s";
    if (c.hours != 0 || c.days != 0) text = twoDigits(c.hours) + "H " + text;
    if (c.days != 0) text = std::to_string(c.days) + "J " + text;
    c.clockText = text;
}

// The score list is not kept yet; a won game is left without a score line.
void recordScore(ProgramState&) {}

}  // namespace glossamo
