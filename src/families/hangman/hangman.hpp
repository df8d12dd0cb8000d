#pragma once
// The hangman games: a word (Le pendu) or a proverb (Proverbes pendus) to
// uncover letter by letter before the gallows is complete.
#include <string>

#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

struct ProgramState;

extern const GameRules HangmanRules;
extern const GameRules ProverbHangmanRules;

constexpr int HangmanMaxMisses = 11;
constexpr double WordScanSpeed = 0.2;     // positions per frame
constexpr double ProverbScanSpeed = 0.8;

// Le pendu: a word of `wordLength` letters from the current word list; 0 for
// a word of any length of a player's list.
void playHangman(ProgramState& s, int wordLength, const char* gridFile);
// Proverbes pendus: a proverb from the file of nation `nation` (1..8).
constexpr int FrenchProverbs = 2;
void playProverbHangman(ProgramState& s, int nation, const char* gridFile);

// A letter taken from the alphabet: it runs along the text at once when no
// letter runs, else it waits its turn behind the running letter and those
// chosen before it. A letter already running or waiting is not taken twice.
bool hangmanSolved(const ProgramState& s);
int hangmanMisses(const ProgramState& s);
void pickHangmanLetter(ProgramState& s, int column, int row);
void chooseHangmanLetter(ProgramState& s, char letter);

// A hint: a letter of the hidden text, not yet uncovered nor chosen, is
// taken from the alphabet as if the player had chosen it (the one hidden
// most often); never the last letter still to find.
HintOutcome hintHangmanLetter(ProgramState& s);

// The proverb file of a nation, relative to the program's folder.
std::string proverbFile(int nation);

}  // namespace glossamo
