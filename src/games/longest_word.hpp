#pragma once
// Le mot le plus long: nine drawn letters, and a word as long as the
// dictionary allows to spell with some of them.
namespace glossamo {

struct ProgramState;

constexpr int LongestWordLetters = 9;
constexpr int LongestWordShown = 5;  // words shown when the player gives up

void playLongestWord(ProgramState& s, int level, const char* gridFile);

}  // namespace glossamo
