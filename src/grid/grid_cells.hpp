#pragma once
// Cells of a grid game's board that several grid games lay out alike: the
// palette row below the grid, a tile laid in a cell, and the grid's own
// letters shown once the game is given up.
#include <cstdint>

#include "state/game_record.hpp"

namespace glossamo {

// The row of the palette below an N x N grid.
int paletteRow(int size);

// Lays a movable, clickable tile holding `letter` in the style given.
void setGridTile(GameRecord& g, int c, int r, char letter, std::uint32_t style);

// Once given up, the N x N grid from (1, 1) shows the letters of `answer`
// in the other ink. The grid's size comes back from a saved game too: it
// never reaches past the board.
void showGridAnswer(GameRecord& g, const Board<std::uint32_t>& answer);

}  // namespace glossamo
