#pragma once
// A player for every game: each family's routine reads the running game's
// own record (its texts, solution, numbers, letters and word list) and wins
// it with the mouse at the cells' pixels, as a player would.
#include <string>

#include "support/headless_run.hpp"

namespace glossamo::testing {

// The family of rules an identifier plays; empty outside 1..150.
std::string familyName(int id);

// Plays the running game, which must be built, to its end; true when it
// is won.
bool winGame(HeadlessRun& run);

// True when a game that has just been given up (and had a frame since)
// shows its solution. Draws a bare background over the frame to compare
// with, for the games that only write their solution as text.
bool solutionShown(HeadlessRun& run);

}  // namespace glossamo::testing
