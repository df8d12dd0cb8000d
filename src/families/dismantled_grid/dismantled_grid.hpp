#pragma once
// Grille déconstituée: an empty grid without its black squares, rebuilt
// from an alphabet and a tray of black squares, with its words as a guide.
#include <vector>

#include "games/game_rules.hpp"

namespace glossamo {

struct ProgramState;
struct Point;

extern const GameRules DismantledGridRules;

void playDismantledGrid(ProgramState& s, int size, const char* gridFile);

// What a check marks in the dismantled grid, which any rebuilding of its
// words wins: the letters of a full run that is none of the listed words,
// and a printed letter the player replaced.
std::vector<Point> dismantledGridBreaks(const ProgramState& s);
// The tray of the dismantled grid holds two rows of 13 black squares.
constexpr int TrayCapacity = 26;

}  // namespace glossamo
