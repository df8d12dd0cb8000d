#pragma once
// Play time and the score of a won game.
namespace glossamo {

struct ProgramState;

// One second of play time: advances `PlayClock` and rewrites its text.
void clockTick(ProgramState& s);
// Scores the won game from its play time and enters it in the score list.
void recordScore(ProgramState& s);

}  // namespace glossamo
