#pragma once
// The record of the running game, and the tile carried by the pointer or
// flying back to its cell.
#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "base/short_string.hpp"

namespace glossamo {

constexpr int BoardSize = 21;  // columns and rows 0..20
constexpr int CellPixels = 31;
constexpr std::uint32_t NormalInk = 65535;
constexpr std::uint32_t HighlightInk = 255;

template <typename T>
using Board = std::array<std::array<T, BoardSize>, BoardSize>;  // [column][row]

struct GameRecord {
    std::uint32_t gameId = 0;  // 1..150; 0 = no game
    std::uint8_t built = 0;
    std::int32_t boardLeft = 70;
    std::int32_t boardTop = 50;
    std::int32_t hoverCol = 0;
    std::int32_t hoverRow = 0;
    Board<char> letters{};           // '*' no tile, ' ' an empty slot
    Board<std::uint8_t> movable{};
    Board<std::uint8_t> clickable{};
    Board<std::uint32_t> colours{};
    std::array<ShortString<100>, 31> texts{};  // texts[1..30]; texts[0] unused
    Board<std::uint32_t> tileStyles{};
    Board<std::uint32_t> numbers{};
    Board<std::uint32_t> solution{};
    char pickedLetter = ' ';
    std::uint32_t counterA = 0;
    std::uint32_t counterB = 0;
    std::uint32_t counterC = 0;
};

// What a move can change in the game record, kept so that the move can be
// taken back.
struct BoardSnapshot {
    Board<char> letters{};
    Board<std::uint8_t> movable{};
    Board<std::uint8_t> clickable{};
    Board<std::uint32_t> colours{};
    Board<std::uint32_t> tileStyles{};
    Board<std::uint32_t> numbers{};
    std::array<ShortString<100>, 31> texts{};
    std::uint32_t counterA = 0;
    std::uint32_t counterB = 0;
    std::uint32_t counterC = 0;
};

// A letter a hint laid: its cell, the letter, the look the hint gave the
// cell, and the cell the letter was swapped from (-1 when the hint wrote it).
struct HintedCell {
    std::int32_t column = 0;
    std::int32_t row = 0;
    char letter = ' ';
    std::uint8_t movable = 0;
    std::uint8_t clickable = 0;
    std::uint32_t colour = 0;
    std::int32_t fromColumn = -1;
    std::int32_t fromRow = -1;
};

// The moves of the running game that can still be taken back, oldest first,
// the board as it was when the move under way began, and the letters the
// hints laid, which a move taken back leaves where they are. Never saved.
struct MoveHistory {
    std::deque<BoardSnapshot> moves;
    std::optional<BoardSnapshot> pending;
    std::vector<HintedCell> hinted;
};

// How the running game's pieces look under the pointer, as its rules say:
// the widgets draw them knowing no family.
enum class PieceLook : std::uint8_t {
    Tiles,           // carried letters on their tiles
    SelectionFrame,  // a frame from the first cell of a selection to the pointer
    BlackSquares,    // a carried black square drawn as one; blank cells take a press
};

struct DragState {
    std::uint8_t active = 0;
    ShortString<100> text;
    std::uint8_t horizontal = 1;
    std::int32_t fromCol = 0;
    std::int32_t fromRow = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    PieceLook look = PieceLook::Tiles;  // the running game's, set each frame
};

struct TileFlight {
    std::int32_t startX = 0;
    std::int32_t startY = 0;
    std::int32_t targetX = 0;
    std::int32_t targetY = 0;
    std::uint32_t startTick = 0;
    std::uint32_t duration = 500;
    std::uint8_t kind = 0;  // 1 a letter, 2 a word, 3 a black square
    std::uint8_t flag = 0;
    ShortString<100> text;
    std::uint8_t active = 0;
};

}  // namespace glossamo
