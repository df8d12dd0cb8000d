#pragma once
namespace glossamo {

struct ProgramState;

// Prints the running game on the default printer: its title, its board as
// framed cells with their letters (and code numbers), black squares
// hatched, and beside it the words the player is given to place or find
// (never a list that answers the game), all scaled to fill the page. When
// it cannot be printed, the page is written as a PDF into the player's
// documents folder (else the player's folder) and a message box says so
// and names the file. The game is not changed.
void Imprimegrille(ProgramState& s);

}  // namespace glossamo
