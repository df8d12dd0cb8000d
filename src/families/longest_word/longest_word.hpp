#pragma once
// Le mot le plus long: nine drawn letters, and a word as long as the
// dictionary allows to spell with some of them.
#include <vector>

#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

extern const GameRules LongestWordRules;

constexpr int LongestWordLetters = 9;
constexpr int LongestWordShown = 5;  // words shown when the player gives up

void playLongestWord(ProgramState& s, int level, const char* gridFile);

// What a hint may lay: a letter of the first longest word in its place.
std::vector<HintPiece> longestWordHintPieces(const ProgramState& s);

}  // namespace glossamo
