#pragma once
// The records behind the self-drawn widgets: list boxes, check boxes, the
// timed pop-up, the message box and the bouncing end-of-game banner.
#include <array>
#include <cstdint>
#include <string>

#include "base/short_string.hpp"

namespace glossamo {

constexpr int ListBoxCount = 10;     // list boxes 1..10
constexpr int ListBoxEntries = 601;  // entries 0..600
constexpr int CheckBoxCount = 5;     // check boxes 1..5

struct ListBox {
    std::int32_t left = 1;
    std::int32_t top = 1;
    std::int32_t firstShown = 0;
    std::int32_t rowsShown = 11;
    std::int32_t width = 150;
    std::int32_t count = 1;
    std::array<std::string, ListBoxEntries> entries{};
    std::int32_t selected = -1;
};

struct CheckBox {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint8_t ticked = 1;
};

struct InfoPopup {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint8_t active = 0;
    std::uint32_t startTick = 0;
    ShortString<100> text;
};

// A message that stays over the screen until the player closes it.
constexpr int MessageBoxLines = 8;
struct MessageBox {
    std::uint8_t active = 0;
    std::array<ShortString<100>, MessageBoxLines> lines{};
};

struct Banner {
    std::int32_t x = 400;
    std::int32_t y = 300;
    std::int32_t dx = -1;
    std::int32_t dy = 1;
    std::uint8_t shown = 0;     // drawn once at least, since `shownAt`
    std::uint32_t shownAt = 0;
};

}  // namespace glossamo
