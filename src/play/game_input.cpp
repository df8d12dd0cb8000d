#include "play/game_input.hpp"

#include "families/registry.hpp"
#include "games/drag_and_drop.hpp"
#include "platform/platform.hpp"
#include "play/game_keys.hpp"
#include "play/game_undo.hpp"
#include "state/program_state.hpp"

namespace glossamo {

void onGameMouseDown(ProgramState& s, int button) {
    if (button == ButtonRight) {
        if (s.drag.active) s.drag.horizontal = s.drag.horizontal ? 0 : 1;
        return;
    }
    if (button == ButtonLeft) s.app.clickPending = 1;
    const int c = s.game.hoverCol, r = s.game.hoverRow;
    const GameRules* rules = rulesOf(static_cast<int>(s.game.gameId));
    if (!s.gameRunning() || s.flight.active || !onBoard(c, r) || !rules) return;
    rememberMove(s);
    followPress(s, c, r);
    if (rules->pick) rules->pick(s, c, r);
}

void onGameMouseUp(ProgramState& s, int button) {
    const GameRules* rules = rulesOf(static_cast<int>(s.game.gameId));
    if (button != ButtonRight && s.gameRunning() && s.drag.active && rules && rules->drop)
        rules->drop(s, s.game.hoverCol, s.game.hoverRow);
    settleMove(s);  // a refused drop settles once its tile has flown back
}

}  // namespace glossamo
