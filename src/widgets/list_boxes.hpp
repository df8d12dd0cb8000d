#pragma once
// The nine scrolling list boxes: drawing, row hit test, scrolling, and the
// operations that fill them.
#include <string_view>

#include "state/program_state.hpp"

namespace glossamo {

constexpr std::uint32_t ScrollRepeatMs = 50;
// How long a scroll arrow must be held before its step repeats.
constexpr std::uint32_t ScrollHoldMs = 400;

void drawListBox(ProgramState& s, int n);
// The row (1..rowsShown) under the pointer holding an entry, or 0.
int listRowHit(ProgramState& s, Point pointer, int n);
// The scroll arrows: one step up (direction < 0) or down at once for a new
// press (`scrollPressStepped` clear); a press held for ScrollHoldMs then
// steps again every 50 ms.
void scrollList(ProgramState& s, int n, int direction);
// The mouse wheel: `rows` steps up (rows < 0) or down at once, within the list.
void scrollListBy(ProgramState& s, int n, int rows);
void listAdd(ProgramState& s, int n, std::string_view text);
void listDelete(ProgramState& s, int n, int index);
int listCount(const ProgramState& s, int n);
// The index of the last non-empty entry among 1..599; 0 when none. A list of
// text lines with blank lines among them scrolls down to this entry.
int lastUsedEntry(const ProgramState& s, int n);
void listClear(ProgramState& s, int n);

}  // namespace glossamo
