#pragma once
// Motuce: a hidden word of n letters, its first letter given, to be found in
// eight tries spelt with the palette; each accepted try marks the letters
// that stand in their right place.
#include "games/game_rules.hpp"
#include "games/hint_pieces.hpp"

namespace glossamo {

extern const GameRules MotuceRules;

constexpr int MotuceTries = 8;
// Draws of a hidden word in one frame before the build waits for the next.
constexpr int MotuceDrawsPerFrame = 1000;
// A Motuce of a player's list hides a word of any length from here to the
// longest word a list keeps: three letters, the first given, are no game.
constexpr int MotuceListShortest = 4;

// `wordLength` is n, 6..14, or 0 for a word of any length of a player's
// list; the word comes from the current word list (the French dictionary, a
// theme list or a player's list), and so must every try (a player's list
// also takes the accepted French words).
void playMotuce(ProgramState& s, int wordLength, const char* gridFile);

// The tries the player has made and had judged, as the statistics keep them
// (motuce::triesMade of the running game).
int motuceTriesMade(const ProgramState& s);

// A hint: one letter of the hidden word laid in its place in the current
// try, one the tries judged so far have not shown in its place if there is
// one; never the last letter the try misses.
HintOutcome hintMotuceLetter(ProgramState& s);

}  // namespace glossamo
