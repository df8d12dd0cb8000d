#include "aids/game_aids.hpp"

#include <optional>
#include <utility>
#include <vector>

#include "families/registry.hpp"
#include "platform/canvas.hpp"
#include "play/game_undo.hpp"
#include "profile/scores.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr int NothingToHint = 178;
constexpr int NoWrongLetter = 179;
constexpr int LastIsYours = 183;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

const GameRules* rulesInPlay(const ProgramState& s) { return rulesOf(static_cast<int>(s.game.gameId)); }

bool inPlay(const ProgramState& s) {
    return s.gameInPlay() && !s.travel.mapShown && s.drag.active == 0 && s.flight.active == 0;
}

// Help is paid in play time, second by second as the clock counts.
void addPlayTime(ProgramState& s, int seconds) {
    for (int i = 0; i < seconds; ++i) clockTick(s);
}

void say(ProgramState& s, int comment) { showPopup(s, 2, 520, s.app.comments[at(comment)].view()); }

}  // namespace

bool hintsApply(const ProgramState& s) {
    const GameRules* rules = rulesInPlay(s);
    return inPlay(s) && rules && rules->hint;
}

// The grids whose letters a check can judge.
bool checksApply(const ProgramState& s) {
    const GameRules* rules = rulesInPlay(s);
    return inPlay(s) && rules && rules->check;
}

void takeHint(ProgramState& s) {
    settleMove(s);  // a move the player ended stays one to take back
    const GameRecord before = s.game;
    const HintOutcome outcome = hintsApply(s) ? rulesInPlay(s)->hint(s) : HintOutcome::NothingLeft;
    if (outcome != HintOutcome::Given) {
        say(s, outcome == HintOutcome::LastLeft ? LastIsYours : NothingToHint);
        return;
    }
    // The help is never taken back; the player's moves still are.
    keepHint(s, before);
    ++s.watch.hints;
    addPlayTime(s, HintSeconds);
}

void checkLetters(ProgramState& s) {
    if (!checksApply(s)) return;
    const std::vector<Point> marks = rulesInPlay(s)->check(s);
    s.wrongMarks = {};
    for (const Point cell : marks) s.wrongMarks[at(cell.x)][at(cell.y)] = s.game.letters[at(cell.x)][at(cell.y)];
    s.wrongMarksUntil = s.now() + WrongMarksMs;
    ++s.watch.checks;
    addPlayTime(s, CheckSeconds);
    if (marks.empty()) say(s, NoWrongLetter);
}

void drawWrongMarks(ProgramState& s) {
    if (!s.gameRunning() || static_cast<std::int32_t>(s.wrongMarksUntil - s.now()) <= 0) return;
    Canvas& canvas = s.platform.canvas();
    const GameRecord& g = s.game;
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r) {
            const char mark = s.wrongMarks[at(c)][at(r)];
            if (mark == 0 || g.letters[at(c)][at(r)] != mark) continue;
            // A cross over the letter and a heavy frame: seen without its red.
            const int x = g.boardLeft + CellPixels * c, y = g.boardTop + CellPixels * r;
            canvas.frameRect(Rect{x + 1, y + 1, CellPixels - 3, CellPixels - 3}, Rgb{200, 30, 30}, 3);
            canvas.line(x + 5, y + 5, x + CellPixels - 7, y + CellPixels - 7, Rgb{200, 30, 30}, 3);
            canvas.line(x + CellPixels - 7, y + 5, x + 5, y + CellPixels - 7, Rgb{200, 30, 30}, 3);
        }
}

}  // namespace glossamo
