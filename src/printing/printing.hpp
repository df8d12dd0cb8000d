#pragma once
namespace glossamo {

struct ProgramState;

// Prints the running game's grid on the default printer.
void printGrid(ProgramState& s);

}  // namespace glossamo
