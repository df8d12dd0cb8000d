#pragma once
// Marking the cells of a board that the player's letters move from and into.
#include "state/game_record.hpp"

namespace glossamo {

// Cell (c, r) holds a tile the player may pick and a slot a letter may be
// dropped into; nothing happens off the board.
void makeMovable(GameRecord& g, int c, int r);

// A movable cell in the highlight ink: a gap the answer goes into.
void makeHole(GameRecord& g, int c, int r);

// A movable cell drawn as a source tile: its letter is copied, never taken.
void makeSourceTile(GameRecord& g, int c, int r);

}  // namespace glossamo
