#pragma once
// The daily challenge: three puzzles of the local date, the same for every
// player on that date with the same word lists, each counted once a day.
#include <array>
#include <cstdint>
#include <string>

#include "base/ini_file.hpp"
#include "base/system_path.hpp"
#include "platform/platform.hpp"

namespace glossamo {

struct ProgramState;

constexpr int ChallengePuzzles = 3;
constexpr int ChallengeDaysShown = 30;
// The first day the panel goes back to: the day this version's word lists
// were first built. The puzzles are drawn from the lists the program ships,
// so a day before them had no puzzles to give.
constexpr std::uint32_t FirstChallengeDate = 20261207;

struct ChallengePuzzle {
    int gameId;
    const char* shortName;  // as the result line names it
    const char* title;      // as the challenge panel names it (Latin-1)
    const char* listFile;   // the list it draws from, under bin/
};
// A Motuce of 7 letters, a coded-words grid of 10 x 10, a French proverb to hang.
const std::array<ChallengePuzzle, ChallengePuzzles>& challengePuzzles();

// A date as the number YYYYMMDD, and back.
std::uint32_t dateNumber(const LocalTime& t);
LocalTime dateOf(std::uint32_t date);
// The date the day before, and the day after.
std::uint32_t dayBefore(std::uint32_t date);
std::uint32_t dayAfter(std::uint32_t date);

// A digest of the files the three puzzles draw from (and of the accepted
// words that judge them): a change of our lists changes the puzzles.
std::uint64_t challengeListsDigest(const ProgramState& s);
// The seed a puzzle of that date draws from; never 0.
std::uint64_t challengeSeed(std::uint32_t date, int slot, std::uint64_t digest);

// Starts puzzle `slot` (0..2) of the challenge of `date` (0: today), with
// the seed every player had that day; a day before today is played late.
void startChallengePuzzle(ProgramState& s, int slot, std::uint32_t date = 0);

struct ChallengeResult {
    bool played = false;
    bool won = false;
    int seconds = 0;
    int tries = 0;
    int misses = 0;
    bool late = false;  // played on a later day: kept apart, out of the run
};
using ChallengeDay = std::array<ChallengeResult, ChallengePuzzles>;
int wonCount(const ChallengeDay& day);

SystemPath challengePath(const ProgramState& s);
// A kept day, read as far as it makes sense: a puzzle without a sound
// result counts as not played; one played only late reads its late result.
ChallengeDay challengeDay(const IniFile& file, std::uint32_t date);
// Keeps a puzzle's first result of its date; a result already kept for it
// (a replay, a clock set back, or a late replay of a day played in time)
// changes nothing. A late result goes under a key of its own, which a
// reader of in-time results never sees. False when nothing was written.
bool keepChallengeResult(ProgramState& s, std::uint32_t date, int slot, const ChallengeResult& result);

// The days in a row, up to `today`, with all three puzzles won in time; a
// today not yet complete does not break the run.
int challengeRun(const IniFile& file, std::uint32_t today);

// "6 min 12 s", "45 s", "1 h 02 min 05 s".
std::string spokenDuration(int seconds);
// "9 décembre 2026" (Latin-1).
std::string spokenDate(std::uint32_t date);

// "GLOSSAMO défi du 8 décembre 2026 : Motuce 4/8 · Mots codés 6 min 12 s ·
// Proverbe 2 erreurs", in UTF-8, with no answer in it.
std::string challengeLine(std::uint32_t date, const ChallengeDay& day);

}  // namespace glossamo
