#pragma once
namespace glossamo {
struct ProgramState;
// Fills the game titles, families and rules file names.
void buildCatalogue(ProgramState& s);
}  // namespace glossamo
