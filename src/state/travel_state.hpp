#pragma once
// The travel: a map of 14 x 8 squares, each one a game with a price and a prize.
#include <array>
#include <cstdint>

#include "base/short_string.hpp"

namespace glossamo {

constexpr int TravelColumns = 14;
constexpr int TravelRows = 9;  // row 8 is kept but never drawn

struct TravelCell {
    ShortString<26> country;
    std::int32_t cost = 0;
    std::int32_t prize = 0;
    ShortString<26> cellGameName;
    std::int32_t cellGame = 0;
};

struct TravelState {
    std::uint8_t completed = 0;
    std::uint8_t failed = 0;
    std::int32_t startCol = 0;
    std::int32_t startRow = 0;
    std::int32_t targetCol = 0;
    std::int32_t targetRow = 0;
    std::int32_t routeNumber = 0;
    std::int32_t curCol = 0;
    std::int32_t curRow = 0;
    std::uint8_t mapClicked = 0;
    std::int32_t money = 0;
    std::uint8_t mapShown = 0;
    std::uint8_t underWay = 0;
    std::int32_t pickCol = 0;
    std::int32_t pickRow = 0;
    std::array<std::array<TravelCell, TravelRows>, TravelColumns> cells{};  // [column][row]

    bool onTarget() const { return curCol == targetCol && curRow == targetRow; }
};

}  // namespace glossamo
