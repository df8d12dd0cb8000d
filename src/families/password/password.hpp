#pragma once
// Mot de passe: each letter of a hidden password completes a clue word.
#include <vector>

#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules PasswordRules;

void playPassword(ProgramState& s, int length, const char* gridFile);

// Won when every clue completed is a word, and so is the column of the
// letters put into them, read downwards (the password itself always wins).
bool passwordSolved(const ProgramState& s);

// What a hint may lay: the letter of a clue.
std::vector<HintPiece> passwordHintPieces(const ProgramState& s);

}  // namespace glossamo
