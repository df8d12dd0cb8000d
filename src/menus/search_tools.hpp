#pragma once
namespace glossamo {
struct ProgramState;
// Enter on the anagram and incomplete-word screens: search the dictionary
// for `typedText` and list the results.
void FindAnagramsTool(ProgramState& s);
void FindPatternTool(ProgramState& s);
}  // namespace glossamo
