#pragma once
#include <string_view>
// The main window's mouse and keyboard handlers. They only set flags and
// positions, or hand the event to the running game; the next frame acts.
namespace glossamo {

struct ProgramState;

void DXMouseDown(ProgramState& s, int button, int x, int y);
void DXMouseMove(ProgramState& s, int x, int y);
void DXMouseUp(ProgramState& s, int button, int x, int y);
// The wheel's notches (positive up) wait for the next frame, where the list
// under the pointer scrolls by as many rows.
void DXMouseWheel(ProgramState& s, int notches);
// `key` is a virtual-key code (see platform/platform.hpp), `modifiers` the
// held modifier keys (`keymod` bits). Ctrl+Z takes the game's last move back.
void FormKeyDown(ProgramState& s, int key, int modifiers);
// Characters typed (UTF-8), appended to `typedText` on the text-entry screens.
void FormKeyPress(ProgramState& s, std::string_view utf8);

}  // namespace glossamo
