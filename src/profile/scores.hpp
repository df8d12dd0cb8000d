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
// line at the top of the score list (list box 5).
void recordScore(ProgramState& s);
// The score of a play time: 10000 less 800 a minute and 8 a second, and 1
// for a game of an hour or more.
int scoreOf(const PlayClock& clock);
// Writes at most the first 26 characters of `text` over the characters
// after `position` (counted from 1) of `line`, never past its end.
std::string overlayText(std::string line, std::string_view text, int position);

}  // namespace glossamo
