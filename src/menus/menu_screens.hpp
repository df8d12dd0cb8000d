#pragma once
// The menu screens, drawn in immediate mode, and the way into them.
#include <cstdint>

#include "state/app_state.hpp"

namespace glossamo {

struct ProgramState;
struct Point;

// What a menu button does besides opening a screen.
enum class MenuAction {
    PlayAgain,    // the running level, started again from its beginning
    StartTravel,  // leaves the menus or the game for a new travel
    QuitProgram,  // the quitting picture, then the program closes
};

// Draws the current screen's elements and acts on a pending click.
void drawMenus(ProgramState& s, int screen);
// Opens a screen, ready to be shown: a panel slides in afresh, a search
// starts empty. `Screen::None` closes the panel shown.
void openScreen(ProgramState& s, Screen screen);
void runMenuAction(ProgramState& s, MenuAction action);
// Opens the yes/no question (a `confirmations` value) asked before an action
// that wipes something; the action runs only on Oui.
void askFirst(ProgramState& s, std::uint8_t what);
// The player's own lists panel as it opens: its lists, the chosen one
// selected and its name ready to be changed.
void openOwnLists(ProgramState& s);
// Shows the day typed in the challenge panel ("8 12", "8 12 2026"), or says
// there was no challenge that day.
void goToTypedDay(ProgramState& s);
// Gives the list selected in that panel the name typed there.
void renameChosenList(ProgramState& s);
// True when `pointer` is on the game bar's button that plays the level again.
bool onPlayAgainButton(ProgramState& s, Point pointer);

}  // namespace glossamo
