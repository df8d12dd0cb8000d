#pragma once
// The catalogue of games: the name and rules file of every game identifier,
// as the registry gives them, where the menus and the rules screen read them.
#include <string>

#include "families/registry.hpp"

namespace glossamo {

struct ProgramState;

// Fills the game names (entries 1..LastGameId of list box 2, 350 pixels
// wide) and the rules files (helpFiles 1..LastGameId and the two screens'
// after them).
void buildCatalogue(ProgramState& s);

// The catalogue name of an identifier; empty outside 1..LastGameId.
std::string gameName(const ProgramState& s, int id);

}  // namespace glossamo
