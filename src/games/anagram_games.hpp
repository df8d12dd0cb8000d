#pragma once
// Games of letters to rearrange into the one word of the list that fits.
namespace glossamo {

struct ProgramState;

// Anagrammes: a word is shown; its letters, mixed, make its one anagram.
void playAnagrams(ProgramState& s, int length, const char* gridFile);
// Lettre en plus: on each line a word and one letter more make one word.
void playExtraLetter(ProgramState& s, int lines, const char* gridFile);
// Mot de passe: each letter of a hidden password completes a clue word.
void playPassword(ProgramState& s, int length, const char* gridFile);

}  // namespace glossamo
