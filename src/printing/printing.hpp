#pragma once
namespace glossamo {

struct ProgramState;

// Prints the running game on the default printer: its title, its board as
// framed cells with their letters (and code numbers), black squares
// hatched, and its word list at three quarters of the page width. When it
// cannot be printed, the page is written as a PDF into the player's folder
// and a message box says so and names the file. The game is not changed.
void Imprimegrille(ProgramState& s);

}  // namespace glossamo
