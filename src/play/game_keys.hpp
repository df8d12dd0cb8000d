#pragma once
// Playing from the keyboard, beside the mouse: a letter typed in the hangman
// games and Motuce does what a click (or a drag from the palette) on that
// letter's tile does; in Motuce, Backspace takes back the last letter of the
// current try. In the grid games with a palette (coded words, word
// placement, letter sums and faded letters, the dismantled grid) the arrows
// move a cursor over the grid's free cells, a typed letter drops there from
// the palette and Backspace takes the cell's letter off the grid. In the
// dismantled grid, Space (or *) lays a black square from the trays there.
// A mouse press on the grid puts the cursor there. A typed letter goes on
// along the word, over black squares and the letters the game printed or a
// hint laid, which the keyboard never overwrites.
#include "state/program_state.hpp"

namespace glossamo {

// True when the running game takes the keyboard: it is built and not over.
bool gameTakesKeys(const ProgramState& s);
// A letter typed, 'A'..'Z' (in the dismantled grid also ' ' or '*', a black
// square). True when the game used it.
bool onGameLetter(ProgramState& s, char letter);
// A key pressed (vk codes). True when the game used it.
bool onGameKey(ProgramState& s, int key);
// A mouse press on cell (column, row): on a letter cell of a grid game's
// grid, the cursor goes there, so that typing goes on from the cell pressed.
void followPress(ProgramState& s, int column, int row);
// Frames the grid cell the cursor is on, once a key has placed it.
void drawKeyCursor(ProgramState& s);

}  // namespace glossamo
