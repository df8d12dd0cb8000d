#pragma once
// Le mot le plus long: nine drawn letters, and a word as long as the
// dictionary allows to spell with some of them.
#include <string>

#include "base/random.hpp"

namespace glossamo {

struct ProgramState;

constexpr int LongestWordLetters = 9;
constexpr int LongestWordShown = 5;  // words shown when the player gives up

// The nine letters: never "A", and no letter twice except "E"; most draws
// are vowels.
std::string drawNineLetters(Random& rng);

void playLongestWord(ProgramState& s, int level, const char* gridFile);

}  // namespace glossamo
