#pragma once
// What the statistics follow of the running game: which game it is, whether
// the player has moved something in it, whether its end was counted and
// the help it took. Kept beside the game; a save keeps only the hints and
// checks and the challenge's puzzle it is, in a file of their own.
#include <cstdint>

namespace glossamo {

struct GameWatch {
    std::uint8_t open = 0;          // a built game is being followed
    std::uint32_t gameId = 0;
    std::uint32_t generation = 0;   // the ProgramState::gameGeneration it was opened in
    std::uint64_t startDigest = 0;  // the board as it was built (or loaded)
    std::uint8_t acted = 0;         // an input reached the game while it ran
    std::uint8_t moved = 0;         // ... and the board changed since it was opened
    std::uint8_t saved = 0;         // saved since it was opened: it lives on in the save
    std::uint8_t counted = 0;       // its end was counted
    std::uint32_t hints = 0;        // hints taken in it
    std::uint32_t checks = 0;       // checks of its letters
    std::uint8_t challengeSlot = 0;  // 1..3 when it is a puzzle of the daily challenge
    std::uint32_t challengeDate = 0;  // that challenge's date, as YYYYMMDD
    std::uint8_t challengeLate = 0;   // 1: a past day's puzzle, played late
    // Played with "Mots faciles": the statistics keep to the games of every
    // word, so it is not counted there.
    std::uint8_t easyWords = 0;
};

// The hints and checks a loaded game had taken before it was saved: the
// watch opened on it starts from them, so the banner and the statistics
// still count them. A puzzle of the daily challenge stays one too.
struct CarriedAids {
    std::uint32_t hints = 0;
    std::uint32_t checks = 0;
    std::uint8_t challengeSlot = 0;   // 1..3; 0: not a puzzle of the challenge
    std::uint32_t challengeDate = 0;  // its challenge's date, as YYYYMMDD
    std::uint8_t challengeLate = 0;   // 1: started after its day
};

// The daily challenge's puzzle that the next built game is: its random draws
// start from `seed` instead of the clock.
struct PendingChallenge {
    std::uint8_t slot = 0;  // 0: none
    std::uint32_t date = 0;
    std::uint64_t seed = 0;
    std::uint8_t late = 0;  // 1: a past day's puzzle
};

}  // namespace glossamo
