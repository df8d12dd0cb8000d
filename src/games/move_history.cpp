#include "games/move_history.hpp"

#include "games/game_families.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

using namespace families;

// Enough for any game played by hand; the oldest moves go first past it.
constexpr std::size_t MovesKept = 300;
constexpr int NothingToUndo = 182;
constexpr int MoveTakenBack = 7;  // the sound of a tile laid

std::size_t at(int i) { return static_cast<std::size_t>(i); }

BoardSnapshot snapshotOf(const GameRecord& g) {
    BoardSnapshot b;
    b.letters = g.letters;
    b.movable = g.movable;
    b.clickable = g.clickable;
    b.colours = g.colours;
    b.tileStyles = g.tileStyles;
    b.numbers = g.numbers;
    b.texts = g.texts;
    b.counterA = g.counterA;
    b.counterB = g.counterB;
    b.counterC = g.counterC;
    return b;
}

void restore(GameRecord& g, const BoardSnapshot& b) {
    g.letters = b.letters;
    g.movable = b.movable;
    g.clickable = b.clickable;
    g.colours = b.colours;
    g.tileStyles = b.tileStyles;
    g.numbers = b.numbers;
    g.texts = b.texts;
    g.counterA = b.counterA;
    g.counterB = b.counterB;
    g.counterC = b.counterC;
}

// Only the cells a player can move count: the game rewrites the others
// (copies, sums, its palette) on every frame, from the movable ones.
bool movedSince(const BoardSnapshot& before, const GameRecord& g) {
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r) {
            const auto col = at(c), row = at(r);
            if (before.movable[col][row] == 0 && g.movable[col][row] == 0) continue;
            if (before.letters[col][row] != g.letters[col][row] || before.tileStyles[col][row] != g.tileStyles[col][row])
                return true;
        }
    return false;
}

bool moveUnderWay(const ProgramState& s) { return s.drag.active != 0 || s.flight.active != 0; }

}  // namespace

bool gameTakesUndo(std::uint32_t id) {
    return isCodedWords(id) || isPlacedWords(id) || isScrambledGrid(id) || isBrokenGrid(id) || isLetterSums(id) ||
           in(id, 4, 7) || in(id, 11, 25) || isCutWords(id) || in(id, 39, 42) || isWordHunt(id) ||
           isCrossingWords(id) || in(id, 76, 87) || isStackedWords(id) || isMotuce(id);
}

bool undoOffered(const ProgramState& s) {
    return s.gameRunning() && s.game.built == 1 && s.app.gameWon == 0 && s.app.gameLost == 0 &&
           s.travel.mapShown == 0 && gameTakesUndo(s.game.gameId);
}

bool undoApplies(const ProgramState& s) { return undoOffered(s) && !moveUnderWay(s); }

void rememberMove(ProgramState& s) {
    if (!undoApplies(s)) return;
    settleMove(s);
    s.moveHistory.pending = snapshotOf(s.game);
}

void settleMove(ProgramState& s) {
    MoveHistory& h = s.moveHistory;
    if (!h.pending || moveUnderWay(s)) return;
    if (movedSince(*h.pending, s.game)) {
        h.moves.push_back(std::move(*h.pending));
        if (h.moves.size() > MovesKept) h.moves.pop_front();
    }
    h.pending.reset();
}

bool undoLastMove(ProgramState& s) {
    MoveHistory& h = s.moveHistory;
    if (!undoApplies(s)) return false;
    settleMove(s);
    if (h.moves.empty()) return false;
    restore(s.game, h.moves.back());
    h.moves.pop_back();
    return true;
}

void undoAsked(ProgramState& s) {
    if (!undoApplies(s)) return;
    if (undoLastMove(s))
        playSound(s, MoveTakenBack);
    else
        showPopup(s, 2, 520, s.app.comments[NothingToUndo].view());
}

void forgetMoves(ProgramState& s) {
    s.moveHistory.moves.clear();
    s.moveHistory.pending.reset();
}

}  // namespace glossamo
