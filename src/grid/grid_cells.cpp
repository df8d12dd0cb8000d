#include "grid/grid_cells.hpp"

#include <algorithm>

namespace glossamo {

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

}  // namespace

int paletteRow(int size) { return size == 12 ? size + 1 : size + 2; }

void setGridTile(GameRecord& g, int c, int r, char letter, std::uint32_t style) {
    g.letters[at(c)][at(r)] = letter;
    g.tileStyles[at(c)][at(r)] = style;
    g.movable[at(c)][at(r)] = 1;
    g.clickable[at(c)][at(r)] = 1;
}

void showGridAnswer(GameRecord& g, const Board<std::uint32_t>& answer) {
    const int n = std::min(static_cast<int>(g.counterB), BoardSize - 1);
    for (int c = 1; c <= n; ++c) {
        for (int r = 1; r <= n; ++r) {
            g.colours[at(c)][at(r)] = HighlightInk;
            g.letters[at(c)][at(r)] = static_cast<char>(answer[at(c)][at(r)]);
        }
    }
}

}  // namespace glossamo
