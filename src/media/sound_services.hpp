#pragma once
// Wave sounds and the background music.
#include <cstddef>

namespace glossamo {

struct ProgramState;
class Random;

// Sound numbers with a fixed meaning.
namespace sounds {
constexpr int GameBuilt = 0;
constexpr int Enter = 1;
constexpr int TileLanded = 2;
constexpr int TravelStarts = 4;
constexpr int TravellerLeaves = 5;
constexpr int PrizeWon = 7;
constexpr int WordFound = 8;
constexpr int PanelSlides = 9;
constexpr int GameWon = 11;
constexpr int GameLost = 12;
constexpr int Coins = 13;
}  // namespace sounds

// Plays sound n when sound effects are switched on (check box 1).
void playSound(ProgramState& s, int n);

// The index of the music to play among `count` files in name order: drawn
// from 0..count-2, so the last file is never chosen when there are two or
// more; 0 for a single file; -1 when there is none.
int chooseMusicIndex(std::size_t count, Random& rng);

// Starts a random piece from the program's "music" folder, paused at once
// when music is switched off (check box 2).
void lancemusique_aleatoire(ProgramState& s);

}  // namespace glossamo
