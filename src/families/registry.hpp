#pragma once
// The registry of the game families: the families the menus offer,
// in their order, and for each the runs of identifiers it holds, with each
// level's parameter and title, its rules file, its word list and grid file,
// and the kind of game (GameRules) that plays it. Everything else asks here
// which identifier is which; no identifier number is written elsewhere.
#include <string>
#include <vector>

#include "games/game_rules.hpp"

namespace glossamo {

constexpr int FirstGameId = 1;
constexpr int LastGameId = 155;
constexpr int FamilyCount = 31;
// The travel's squares play the games of the first eighteen families.
constexpr int LastTravelGameId = 50;
// The rules texts of the two screens beside the games, after the games' own.
constexpr int StatisticsRules = LastGameId + 1;
constexpr int ChallengeRules = LastGameId + 2;

struct GameLevel {
    int parameter;      // the size or count the routine is given
    std::string title;  // the catalogue name, also the running game's title
};

// Identifiers from `firstId`, one per level, played by one kind of game.
struct GameRun {
    int firstId;
    const GameRules* rules;
    std::vector<GameLevel> levels;
    const char* rulesFile;
    int wordList;          // 0: the French dictionary
    const char* gridFile;  // the grid games' file; nullptr otherwise
};

struct GameFamily {
    const char* name;
    std::vector<GameRun> runs;
    int firstId;  // the first identifier the level list shows
    int levels;   // how many levels the level list shows, from `firstId`
};

// Families 1..FamilyCount; entry 0 is unused.
const std::vector<GameFamily>& GameFamilies();

// What the registry says of one identifier.
struct GameEntry {
    int family = 0;  // 1..FamilyCount; 0 for an identifier without a game
    const GameRun* run = nullptr;
    int level = 0;   // 0-based within the run
    const GameRules* rules() const { return run ? run->rules : nullptr; }
    int parameter() const { return run ? run->levels[static_cast<std::size_t>(level)].parameter : 0; }
};

GameEntry gameEntry(int id);
// The kind of game an identifier plays; nullptr outside 1..LastGameId.
const GameRules* rulesOf(int id);
// The family that holds an identifier, 0 for none.
int familyOfGame(int id);
// The first identifier, in the menus' order, that plays `rules` at level
// `parameter`; 0 for none.
int firstGameOf(const GameRules& rules, int parameter);
// The first identifier that plays word list `wordList`; 0 for none.
int firstGameOnList(int wordList);

}  // namespace glossamo
