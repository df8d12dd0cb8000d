#pragma once
namespace glossamo {
struct ProgramState;
void startTravel(ProgramState& s);
// Draws the travel map frame.
void drawTravel(ProgramState& s);
// Moves the travel on after a travel game has ended.
void continueTravel(ProgramState& s);
}  // namespace glossamo
