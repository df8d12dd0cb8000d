#include "stats/game_watch.hpp"

#include "base/digest.hpp"
#include "challenge/daily_challenge.hpp"
#include "families/faded_proverbs/faded_proverbs.hpp"
#include "families/hangman/hangman.hpp"
#include "families/registry.hpp"
#include "play/catalogue.hpp"
#include "state/program_state.hpp"
#include "stats/statistics.hpp"

namespace glossamo {

namespace {

// What the player can change of a board: its letters and tiles, the
// counters of tries and misses and the hangman's shown text.
std::uint64_t boardDigest(const GameRecord& g) {
    std::uint64_t hash = digestOf(DigestStart, &g.letters, sizeof g.letters);
    hash = digestOf(hash, &g.tileStyles, sizeof g.tileStyles);
    hash = digestOf(hash, &g.counterB, sizeof g.counterB);
    hash = digestOf(hash, &g.counterC, sizeof g.counterC);
    return digestOf(hash, g.texts[2].view());
}

int playSeconds(const PlayClock& c) { return ((c.days * 24 + c.hours) * 60 + c.minutes) * 60 + c.seconds; }

void count(ProgramState& s, Outcome kind) {
    GameWatch& w = s.watch;
    w.counted = 1;
    GameOutcome outcome;
    outcome.gameId = static_cast<int>(w.gameId);
    outcome.kind = kind;
    outcome.seconds = playSeconds(s.clock);
    // Tries and misses are kept where the game's rules name them; the same
    // counters of the record mean other things in the other games.
    const GameRules* rules = rulesOf(static_cast<int>(w.gameId));
    outcome.tries = rules && rules->triesMade ? rules->triesMade(s) : 0;
    outcome.misses = rules && rules->misses ? rules->misses(s) : 0;
    outcome.hints = static_cast<int>(w.hints);
    outcome.checks = static_cast<int>(w.checks);
    if (w.easyWords == 0) {
        recordOutcome(s, outcome);
        // The statistics panel opens on the family just played.
        s.statsFamily = familyOfGame(outcome.gameId);
        s.statsLevel = 0;
    }
    if (w.challengeSlot == 0 || kind == Outcome::Left) return;
    s.challengeEnded = 1;
    ChallengeResult result;
    result.played = true;
    result.won = kind == Outcome::Won;
    result.seconds = outcome.seconds;
    result.tries = outcome.tries;
    result.misses = outcome.misses;
    result.late = w.challengeLate == 1;
    keepChallengeResult(s, w.challengeDate, w.challengeSlot - 1, result);
}

void close(ProgramState& s) {
    GameWatch& w = s.watch;
    if (w.open && !w.counted && !w.saved && w.moved) count(s, Outcome::Left);
    w = GameWatch{};
}

// A game of the French dictionary played with "Mots faciles", the daily
// challenge's puzzles aside (they draw every word), and the proverbs too:
// they draw a proverb, never a word of the dictionary.
bool playsEasyWords(const ProgramState& s, int id) {
    const GameEntry entry = gameEntry(id);
    const bool proverbs = entry.rules() == &ProverbHangmanRules || entry.rules() == &FadedProverbsRules;
    return s.easyWords == 1 && entry.run && entry.run->wordList == 0 && !proverbs && s.watch.challengeSlot == 0;
}

bool followed(const ProgramState& s) {
    return s.gameRunning() && s.game.built == 1 && rulesOf(static_cast<int>(s.game.gameId)) != nullptr;
}

}  // namespace

void watchGame(ProgramState& s) {
    GameWatch& w = s.watch;
    const bool sameGame = w.open && w.generation == s.gameGeneration && w.gameId == s.game.gameId;
    if (w.open && (!sameGame || !s.gameRunning())) close(s);
    // Moved: the player acted and the board is no longer as it was built.
    if (w.open && w.acted && !w.moved && boardDigest(s.game) != w.startDigest) w.moved = 1;
    const bool ended = s.app.gameWon == 1 || s.app.gameLost == 1;
    if (!w.open && followed(s)) {
        w.open = 1;
        w.gameId = s.game.gameId;
        w.generation = s.gameGeneration;
        w.startDigest = boardDigest(s.game);
        // A game already ended when it was saved was counted then.
        w.counted = ended ? 1 : 0;
        // A challenge's puzzle is one from its start, or from the save
        // that kept it (a quick exit included).
        if (s.pendingChallenge.slot != 0) {
            w.challengeSlot = s.pendingChallenge.slot;
            w.challengeDate = s.pendingChallenge.date;
            w.challengeLate = s.pendingChallenge.late;
        } else if (s.carriedAids.challengeSlot != 0) {
            w.challengeSlot = s.carriedAids.challengeSlot;
            w.challengeDate = s.carriedAids.challengeDate;
            w.challengeLate = s.carriedAids.challengeLate;
        }
        s.pendingChallenge = PendingChallenge{};
        s.challengeEnded = 0;
        w.easyWords = playsEasyWords(s, static_cast<int>(w.gameId)) ? 1 : 0;
        w.hints = s.carriedAids.hints;
        w.checks = s.carriedAids.checks;
        s.carriedAids = CarriedAids{};
    }
    if (w.open && !w.counted && ended) count(s, s.app.gameWon == 1 ? Outcome::Won : Outcome::Lost);
}

void noteGameInput(ProgramState& s) {
    if (s.watch.open && s.app.gameWon == 0 && s.app.gameLost == 0) s.watch.acted = 1;
}

}  // namespace glossamo
