#pragma once
// The catalogue of games: the name and rules file of every game identifier
// (1..150), and the thirty families the menus offer.
#include <array>
#include <string>

namespace glossamo {

struct ProgramState;

constexpr int FirstGameId = 1;
constexpr int LastGameId = 150;
constexpr int FamilyCount = 30;
// The rules texts of the two screens beside the games, after the games' own.
constexpr int StatisticsRules = 151;
constexpr int ChallengeRules = 152;

struct GameFamily {
    const char* name;
    int firstId;
    int levels;
};

// Families 1..30; entry 0 is unused.
const std::array<GameFamily, FamilyCount + 1>& GameFamilies();

// Fills the game names (entries 1..150 of list box 2, 350 pixels wide) and
// the rules files (helpFiles 1..150).
void buildCatalogue(ProgramState& s);

// The catalogue name of an identifier; empty outside 1..150.
std::string gameName(const ProgramState& s, int id);

}  // namespace glossamo
