#pragma once
// The menu screens, drawn in immediate mode, and the way into them.
#include <cstdint>

namespace glossamo {

struct ProgramState;
struct Point;

// Draws the current screen's elements and acts on a pending click.
void drawMenus(ProgramState& s, int screen);
// Opens a screen or runs a menu action (101 quits the program).
void openScreen(ProgramState& s, int action);
// Opens the yes/no question (a `confirmations` value) asked before an action
// that wipes something; the action runs only on Oui.
void askFirst(ProgramState& s, std::uint8_t what);
// True when `pointer` is on the game bar's button that plays the level again.
bool onPlayAgainButton(ProgramState& s, Point pointer);

}  // namespace glossamo
