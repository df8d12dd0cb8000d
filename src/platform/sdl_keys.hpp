#pragma once
// Translation of SDL key presses into the virtual-key codes the program's key
// handler expects.
#include <SDL2/SDL_keyboard.h>

namespace glossamo {

// The virtual-key code of a key press, or 0 for keys the program never reads.
// Letters follow the keyboard layout (an AZERTY 'A' is 'A'); digits follow the
// physical digit row, as on any layout.
int virtualKeyFor(const SDL_Keysym& key);

// The held modifiers as a set of `keymod` bits.
int modifierBitsFor(Uint16 sdlModifiers);

// True when text typed with these modifiers held is a command (Ctrl+L,
// Alt+F) rather than characters for the program.
bool isCommandChord(Uint16 sdlModifiers);

}  // namespace glossamo
