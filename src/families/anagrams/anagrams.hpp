#pragma once
// Anagrammes: a word is shown; its letters, mixed, make its one anagram.
#include <vector>

#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules AnagramsRules;

void playAnagrams(ProgramState& s, int length, const char* gridFile);

// Won when the answer row is a word, other than the shown one, made of
// exactly its letters (the answer the game keeps always wins).
bool anagramsSolved(const ProgramState& s);

// What a hint may lay: the anagram, a letter at a time.
std::vector<HintPiece> anagramsHintPieces(const ProgramState& s);

}  // namespace glossamo
