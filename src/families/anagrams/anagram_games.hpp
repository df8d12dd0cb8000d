#pragma once
// Games of letters to rearrange into the one word of the list that fits.
#include <vector>

#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules AnagramsRules;
extern const GameRules ExtraLetterRules;
extern const GameRules PasswordRules;

// Anagrammes: a word is shown; its letters, mixed, make its one anagram.
void playAnagrams(ProgramState& s, int length, const char* gridFile);
// Lettre en plus: on each line a word and one letter more make one word.
void playExtraLetter(ProgramState& s, int lines, const char* gridFile);
// Mot de passe: each letter of a hidden password completes a clue word.
void playPassword(ProgramState& s, int length, const char* gridFile);

// The rules each game is won by (the answers the game keeps always win):
// Anagrammes: the answer row is a word, other than the shown one, made of
// exactly its letters.
bool anagramsSolved(const ProgramState& s);
// Lettre en plus: every answer row is a word made of exactly the letters of
// its line's word and extra letter.
bool extraLetterSolved(const ProgramState& s);
// Mot de passe: every clue completed is a word, and so is the column of the
// letters put into them, read downwards.
bool passwordSolved(const ProgramState& s);

// What a hint may lay: the anagram, a letter at a time; in Lettre en plus,
// the word of a line; in Mot de passe, the letter of a clue.
std::vector<HintPiece> anagramsHintPieces(const ProgramState& s);
std::vector<HintPiece> extraLetterHintPieces(const ProgramState& s);
std::vector<HintPiece> passwordHintPieces(const ProgramState& s);

}  // namespace glossamo
