#pragma once
// The play time of the running game.
#include <cstdint>

#include "base/short_string.hpp"

namespace glossamo {

struct PlayClock {
    std::uint8_t days = 0;
    std::uint8_t seconds = 0;
    std::uint8_t minutes = 0;
    std::uint8_t hours = 0;
    ShortString<26> clockText = "00H00MN00S";
};

}  // namespace glossamo
