#pragma once
namespace glossamo {
struct ProgramState;
// Background n into the screen slot (50 title, 51 travel map, 52 menus, 78 quitting).
void loadBackground(ProgramState& s, int n);
void loadCardBack(ProgramState& s, int n);
// The hangman, slot and interface pictures and the sounds, at first activation.
void loadInterface(ProgramState& s);
void fillBackgroundList(ProgramState& s);
void fillHeadList(ProgramState& s);
}  // namespace glossamo
