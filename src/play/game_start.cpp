#include "play/game_start.hpp"

#include "games/game_reset.hpp"
#include "games/word_lists.hpp"
#include "play/catalogue.hpp"
#include "state/program_state.hpp"
#include "texts/comments_and_help.hpp"

namespace glossamo {

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
    const GameEntry entry = gameEntry(id);
    const int list = entry.run ? entry.run->wordList : 0;
    LoadWordList(s, list ? list : wordlists::French);
}

}  // namespace glossamo
