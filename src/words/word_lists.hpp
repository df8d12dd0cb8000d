#pragma once
namespace glossamo {
struct ProgramState;
// Word lists: 1 French dictionary, 2 English, 3 flowers, 4 trees, 5 animals, 6 countries.
void LoadWordList(ProgramState& s, int listId);
}  // namespace glossamo
