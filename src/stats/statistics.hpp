#pragma once
// The player's statistics: for every level and every family, the games
// played, won, lost or given up, and left; the solve times; the runs of wins;
// Motuce's tries and the hangman games' misses. Kept in a file of their own
// in the player's folder, written at once after each counted game.
#include <array>
#include <string>
#include <vector>

#include "base/ini_file.hpp"
#include "base/system_path.hpp"

namespace glossamo {

struct ProgramState;

constexpr int KeptSolveTimes = 30;
constexpr int MotuceTryCount = 8;

enum class Outcome { Won, Lost, Left };

// One game's end as the statistics count it.
struct GameOutcome {
    int gameId = 0;
    Outcome kind = Outcome::Won;
    int seconds = 0;  // the play clock at the end
    int tries = 0;    // Motuce: the try that won (1..8)
    int misses = 0;   // hangman games: the misses made
    int hints = 0;    // hints taken in it
    int checks = 0;   // checks of its letters
};

struct PlayStats {
    int played = 0;
    int won = 0;
    int lost = 0;  // lost or given up
    int left = 0;  // left unfinished after a move
    int wonWithHints = 0;
    int hintsTaken = 0;   // over every game counted, won or not
    int checksTaken = 0;
    int totalWinSeconds = 0;
    int bestSeconds = 0;  // 0: no win yet
    int run = 0;
    int bestRun = 0;
    std::vector<int> lastTimes;                    // the last wins' times, oldest first
    std::array<int, MotuceTryCount + 1> tries{};   // [n]: wins in n tries
    int misses = 0;                                // over `missGames` finished hangman games
    int missGames = 0;

    int winRate() const { return played > 0 ? (100 * won + played / 2) / played : 0; }
    int meanSeconds() const { return won > 0 ? (totalWinSeconds + won / 2) / won : 0; }
};

// Whether the statistics keep the tries (Motuce) or the misses (the
// hangman games) of the games of an identifier: as its rules say.
bool keepsTries(int gameId);
bool keepsMisses(int gameId);

SystemPath statisticsPath(const ProgramState& s);
// The sections of the file: one per level, one per family.
std::string levelSection(int gameId);
// The section of a level as played now: a game of the player's list is
// counted under its list's name ("NIVEAU 151 CE1"), each list apart.
std::string playedLevelSection(const ProgramState& s, int gameId);
std::string familySection(int family);
// Reads a section as far as it makes sense: a missing or foreign value is 0,
// a negative one 0, a list keeps its numbers.
PlayStats readPlayStats(const IniFile& file, const std::string& section);
void writePlayStats(IniFile& file, const std::string& section, const PlayStats& stats);
// Adds one game to a record.
void countOutcome(PlayStats& stats, const GameOutcome& outcome);

// Counts the game in its level and its family and writes the file; false
// (and a line in the debug log) when it cannot be written.
bool recordOutcome(ProgramState& s, const GameOutcome& outcome);
// Empties the file; false when it cannot be written.
bool clearStatistics(ProgramState& s);

}  // namespace glossamo
