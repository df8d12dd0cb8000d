#include "games/board_cells.hpp"

namespace glossamo {

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

}  // namespace

void makeMovable(GameRecord& g, int c, int r) {
    if (c < 0 || r < 0 || c >= BoardSize || r >= BoardSize) return;
    g.movable[at(c)][at(r)] = g.clickable[at(c)][at(r)] = 1;
}

void makeHole(GameRecord& g, int c, int r) {
    makeMovable(g, c, r);
    g.colours[at(c)][at(r)] = HighlightInk;
}

void makeSourceTile(GameRecord& g, int c, int r) {
    makeMovable(g, c, r);
    g.tileStyles[at(c)][at(r)] = 2;
}

}  // namespace glossamo
