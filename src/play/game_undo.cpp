#include "play/game_undo.hpp"

#include "families/registry.hpp"
#include "games/move_history.hpp"
#include "state/program_state.hpp"

namespace glossamo {

namespace {

const GameRules* rulesInPlay(const ProgramState& s) { return rulesOf(static_cast<int>(s.game.gameId)); }

}  // namespace

bool undoOffered(const ProgramState& s) { return undoOffered(s, rulesInPlay(s)); }

void rememberMove(ProgramState& s) { rememberMove(s, rulesInPlay(s)); }

bool undoLastMove(ProgramState& s) { return undoLastMove(s, rulesInPlay(s)); }

void undoAsked(ProgramState& s) { undoAsked(s, rulesInPlay(s)); }

}  // namespace glossamo
