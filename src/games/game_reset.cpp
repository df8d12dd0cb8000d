#include "games/game_reset.hpp"

#include "games/move_history.hpp"
#include "media/asset_loading.hpp"
#include "state/program_state.hpp"

namespace glossamo {

void leaveGame(ProgramState& s) {
    AppState& a = s.app;
    s.game.gameId = 0;
    a.gameWon = 0;
    a.gameLost = 0;
    a.scoreRecorded = 0;
    a.hoverFlag = 0;
    a.cursorShape = 0;
    loadBackground(s, a.backgroundIndex);
    ListBox& rules = s.listBox(6);
    for (int i = 1; i <= 599; ++i) rules.entries[static_cast<std::size_t>(i)].clear();
    rules.firstShown = 0;
    // The rules belong to the game: their panel closes with it.
    if (a.screen == screens::Help) a.screen = screens::None;
}

void resetGameRecord(ProgramState& s) {
    ++s.gameGeneration;
    s.pendingChallenge = PendingChallenge{};
    s.carriedAids = CarriedAids{};
    s.endSoundPlayed = 0;
    s.app.gameWon = 0;
    s.app.gameLost = 0;
    s.app.clickPending = 0;
    s.travel.completed = 0;
    s.travel.failed = 0;

    s.platform.setPlayClockEnabled(false);
    s.clock = PlayClock{};
    s.banner = Banner{};
    forgetMoves(s);
    s.givenLetters = {};
    s.fullRefusalSaid = 0;

    GameRecord& g = s.game;
    g.built = 0;
    g.boardLeft = 70;
    g.boardTop = 50;
    g.counterA = 0;
    g.counterB = 0;
    g.counterC = 0;
    g.pickedLetter = ' ';
    for (int c = 0; c < BoardSize; ++c) {
        for (int r = 0; r < BoardSize; ++r) {
            const auto col = static_cast<std::size_t>(c);
            const auto row = static_cast<std::size_t>(r);
            g.letters[col][row] = '*';
            g.tileStyles[col][row] = 1;
            g.movable[col][row] = 0;
            g.clickable[col][row] = 0;
            g.colours[col][row] = NormalInk;
            g.numbers[col][row] = 1;
            g.solution[col][row] = 1;
        }
    }
    for (int t = 1; t <= 30; ++t) g.texts[static_cast<std::size_t>(t)].clear();
    s.rng.seed(s.platform.clockSeed());
}

void clearDrag(ProgramState& s) {
    s.drag.active = 0;
    s.drag.text.clear();
    s.drag.horizontal = 1;
    s.drag.fromCol = 0;
    s.drag.fromRow = 0;
    s.drag.x = 0;
    s.drag.y = 0;
}

}  // namespace glossamo
