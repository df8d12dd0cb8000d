#pragma once
// The menu screens, drawn in immediate mode, and the way into them.
namespace glossamo {

struct ProgramState;

// Draws the current screen's elements and acts on a pending click.
void drawMenus(ProgramState& s, int screen);
// Opens a screen or runs a menu action (101 quits the program).
void openScreen(ProgramState& s, int action);

}  // namespace glossamo
