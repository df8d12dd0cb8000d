#include "shell/game_dispatcher.hpp"

#include "families/registry.hpp"
#include "games/word_lists.hpp"
#include "state/program_state.hpp"

namespace glossamo {

void GameDispatcher(ProgramState& s) {
    Platform& p = s.platform;
    // The clock counts the time of play: not while the rules, the options, a
    // search or a question cover the game, and not once it has ended.
    const int over = s.app.screen;
    const bool covered = over == screens::Help || over == screens::Options || over == screens::AnagramSearch ||
                         over == screens::PatternSearch || over == screens::Confirmation;
    const bool counts = s.gameInPlay() && !covered;
    if (counts != p.playClockEnabled()) p.setPlayClockEnabled(counts);
    s.app.cursorShape = 0;
    const GameEntry game = gameEntry(static_cast<int>(s.game.gameId));
    s.drag.look = game.rules() ? game.rules()->look : PieceLook::Tiles;
    // A puzzle of the daily challenge draws from its date's seed, right
    // before it is built, so that nothing else draws in between.
    if (s.game.built == 0 && s.pendingChallenge.seed != 0) s.rng.seed(s.pendingChallenge.seed);
    // The challenge is the same for everyone: its puzzles draw every word.
    const bool challenge = s.pendingChallenge.slot != 0 || s.watch.challengeSlot != 0;
    if (s.easyWords == 1) LoadEasyWords(s);
    s.words.setEasyDraws(s.easyWords == 1 && !challenge);
    if (game.rules()) game.rules()->play(s, game.parameter(), game.run->gridFile);
}

}  // namespace glossamo
