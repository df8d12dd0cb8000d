#include "games/game_start.hpp"

#include "games/catalogue.hpp"
#include "games/game_families.hpp"
#include "games/game_reset.hpp"
#include "games/word_lists.hpp"
#include "state/program_state.hpp"
#include "texts/comments_and_help.hpp"

namespace glossamo {

namespace {

// The word list a game draws from in place of the French dictionary; 0 when
// the dictionary itself serves.
int secondWordList(int id) {
    using families::in;
    const auto game = static_cast<std::uint32_t>(id);
    // The English grids are judged against the English words.
    if (in(game, 88, 91) || in(game, 92, 104)) return wordlists::English;
    if (in(game, 105, 114)) return wordlists::Trees;
    if (in(game, 115, 124)) return wordlists::Flowers;
    if (in(game, 125, 134)) return wordlists::Animals;
    if (in(game, 135, 144)) return wordlists::Countries;
    return 0;
}

}  // namespace

void startGame(ProgramState& s, int id) {
    s.game.gameId = 0;
    s.app.screen = screens::None;
    s.travel.mapShown = 0;
    s.travel.underWay = 0;
    leaveGame(s);
    resetGameRecord(s);
    // A letter still carried or flying belongs to the game that ended: it
    // never lands on the new board.
    clearDrag(s);
    s.flight.active = 0;
    // So does a message still up about the game before (its score).
    s.popup.active = 0;
    s.keyCursor = {};
    s.game.gameId = static_cast<std::uint32_t>(id);
    loadWordListFor(s, id);
    s.app.gameTitle = gameName(s, id);
    ChargeAide(s, id);
}

void loadWordListFor(ProgramState& s, int id) {
    // Themed and English games replace the French dictionary with their own
    // list at once; only the list that ends up current is read.
    const int list = secondWordList(id);
    LoadWordList(s, list ? list : wordlists::French);
}

}  // namespace glossamo
