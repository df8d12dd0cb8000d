#pragma once
// Play time and the score of a won game.
#include <string>
#include <string_view>

namespace glossamo {

struct ProgramState;
struct PlayClock;

// One second of play time: advances `PlayClock` and rewrites its text.
void clockTick(ProgramState& s);
// Scores the won game from its play time, shows the score and puts its
// line in the score list (list box 5), which stays best first.
void recordScore(ProgramState& s);
// A line of the score list: the points, the play time and the game's whole
// title in columns, as " 7504 03mn 12s  MOTS CASES 10x10".
std::string scoreLine(int points, std::string_view time, std::string_view title);
// The points a score line starts with; -1 for a line that is no score.
int pointsOf(std::string_view line);
// A line of the older layout (the name, the title cut short and the time
// over a line of dots, then the points) as a line in columns; any other
// line is given back as it is.
std::string columnScoreLine(const std::string& line);
// The score list read from a profile: older lines in columns, best first.
void sortScores(ProgramState& s);
// The score of a play time: 10000 less 800 a minute and 8 a second, and 1
// for a game of an hour or more.
int scoreOf(const PlayClock& clock);

}  // namespace glossamo
