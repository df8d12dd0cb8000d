#pragma once
// The word lists the program ships, and loading one into the word store.
#include <string_view>

namespace glossamo {

struct ProgramState;

namespace wordlists {
constexpr int French = 1;
constexpr int English = 2;
constexpr int Flowers = 3;
constexpr int Trees = 4;
constexpr int Animals = 5;
constexpr int Countries = 6;
// The player's own list chosen last (`ProgramState::ownList`), not a file.
constexpr int PlayerList = 7;
}  // namespace wordlists

// The file of a list, relative to the program's folder; empty for an
// unknown list.
const char* wordListFile(int listId);

// The French words a player may make, a superset of the French list.
constexpr const char* AcceptedFrenchFile = "bin/DicoFrancaisAdmis.txt";

// Replaces the store's words with those of list `listId`. A missing file
// leaves the store empty. A line over 30 characters (two beeps) or too many
// words of one length (one beep) closes the program.
void LoadWordList(ProgramState& s, int listId);

// The easy French words, the only ones the French games draw with "Mots
// faciles": the most frequent words of each length.
constexpr const char* EasyFrenchFile = "bin/MotsFaciles.txt";
// Reads them once, when a game is first played with them (a player who never
// chooses them never waits for them); a missing file is logged and leaves
// every draw as it is.
void LoadEasyWords(ProgramState& s);

// Maps the accepted French words once; a missing file is logged and leaves
// the French games with the words of the French list alone.
void LoadAcceptedWords(ProgramState& s);

// True when `word` (unaccented capitals) is a word the player may make with
// the list in the store: a word of that list or, when it is the French
// list or the player's own list, one of the accepted French words
// (conjugated forms, plurals...). English and the themed lists accept their
// own words only. Every check of
// a word the player makes goes through here; the words a game draws or
// hides come from the store alone.
bool PlayerWordExists(const ProgramState& s, std::string_view word);

// True when `word` is a word of list `listId` while that list is in the store
// or kept ready behind it: English cross judges English words after the
// dictionary has come back.
bool ListWordExists(const ProgramState& s, int listId, std::string_view word);

}  // namespace glossamo
