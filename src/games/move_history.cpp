#include "games/move_history.hpp"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "games/board_services.hpp"
#include "games/game_rules.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {


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

char& letterAt(GameRecord& g, int c, int r) { return g.letters[at(c)][at(r)]; }

bool isHinted(const std::vector<HintedCell>& cells, int c, int r) {
    return std::any_of(cells.begin(), cells.end(), [c, r](const HintedCell& k) { return k.column == c && k.row == r; });
}

// How a hint got its letter when no swap shows it: written by the hint (a
// copy from an alphabet), or found in place (a tile the player had laid).
constexpr std::int32_t LetterWritten = -1;
constexpr std::int32_t LetterFoundInPlace = -2;

// Where a hinted letter comes from on a board put back: the cell the hint
// took it from when it still holds it, else a movable cell of the same row
// holding it, else of any row, never one where it is right already; none
// when the hint wrote its letter.
std::optional<std::pair<int, int>> hintSource(const ProgramState& s, const GameRules& rules, const HintedCell& k) {
    const GameRecord& g = s.game;
    if (k.fromColumn == LetterWritten) return std::nullopt;
    const auto gives = [&](int c, int r) {
        return (c != k.column || r != k.row) && g.movable[at(c)][at(r)] == 1 && g.letters[at(c)][at(r)] == k.letter &&
               expectedGridLetter(s, rules, c, r) != k.letter && !isHinted(s.moveHistory.hinted, c, r);
    };
    if (k.fromColumn >= 0 && gives(k.fromColumn, k.fromRow)) return std::pair{k.fromColumn, k.fromRow};
    std::optional<std::pair<int, int>> best;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c)
            if (gives(c, r) && (!best || (r == k.row && best->second != k.row))) best = std::pair{c, r};
    return best;
}

// Lays the hinted letters again on the board just put back.
void layHintsAgain(ProgramState& s, const GameRules& rules) {
    GameRecord& g = s.game;
    for (const HintedCell& k : s.moveHistory.hinted) {
        if (letterAt(g, k.column, k.row) != k.letter) {
            if (const auto from = hintSource(s, rules, k))
                std::swap(letterAt(g, from->first, from->second), letterAt(g, k.column, k.row));
            else
                letterAt(g, k.column, k.row) = k.letter;
        }
        g.movable[at(k.column)][at(k.row)] = k.movable;
        g.clickable[at(k.column)][at(k.row)] = k.clickable;
        g.colours[at(k.column)][at(k.row)] = k.colour;
    }
}

}  // namespace

bool undoOffered(const ProgramState& s, const GameRules* rules) {
    return s.gameInPlay() && s.travel.mapShown == 0 && rules && rules->undo;
}

bool undoApplies(const ProgramState& s, const GameRules* rules) { return undoOffered(s, rules) && !moveUnderWay(s); }

void rememberMove(ProgramState& s, const GameRules* rules) {
    if (!undoApplies(s, rules)) return;
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

bool undoLastMove(ProgramState& s, const GameRules* rules) {
    MoveHistory& h = s.moveHistory;
    if (!undoApplies(s, rules)) return false;
    settleMove(s);
    if (h.moves.empty()) return false;
    restore(s.game, h.moves.back());
    h.moves.pop_back();
    layHintsAgain(s, *rules);
    return true;
}

void undoAsked(ProgramState& s, const GameRules* rules) {
    if (!undoApplies(s, rules)) return;
    if (undoLastMove(s, rules))
        playSound(s, MoveTakenBack);
    else
        showPopup(s, 2, 520, s.app.comments[NothingToUndo].view());
}

void forgetMoves(ProgramState& s) {
    s.moveHistory.moves.clear();
    s.moveHistory.pending.reset();
    s.moveHistory.hinted.clear();
}

void keepHint(ProgramState& s, const GameRecord& before) {
    const GameRecord& g = s.game;
    MoveHistory& h = s.moveHistory;
    h.pending.reset();  // the press on the hint button is no move
    const auto changed = [&](int c, int r) { return before.letters[at(c)][at(r)] != g.letters[at(c)][at(r)]; };
    const auto locked = [&](int c, int r) { return before.movable[at(c)][at(r)] == 1 && g.movable[at(c)][at(r)] == 0; };
    std::vector<HintedCell> laid;
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r)
            if (locked(c, r) || (changed(c, r) && g.movable[at(c)][at(r)] == 0))
                laid.push_back({c, r, g.letters[at(c)][at(r)], g.movable[at(c)][at(r)], g.clickable[at(c)][at(r)],
                                g.colours[at(c)][at(r)], changed(c, r) ? LetterWritten : LetterFoundInPlace});
    // The other cells the hint changed: the cell a locked letter was
    // swapped from, or a letter written where nothing locks (Motuce's try).
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r) {
            if (!changed(c, r) || isHinted(laid, c, r)) continue;
            const auto swappedWith = std::find_if(laid.begin(), laid.end(), [&](const HintedCell& k) {
                return g.letters[at(c)][at(r)] == before.letters[at(k.column)][at(k.row)] &&
                       before.letters[at(c)][at(r)] == k.letter && k.fromColumn == LetterWritten;
            });
            if (swappedWith != laid.end()) {
                swappedWith->fromColumn = c;
                swappedWith->fromRow = r;
            } else if (g.movable[at(c)][at(r)] == 1 && g.letters[at(c)][at(r)] >= 'A' && g.letters[at(c)][at(r)] <= 'Z') {
                laid.push_back({c, r, g.letters[at(c)][at(r)], 1, g.clickable[at(c)][at(r)], g.colours[at(c)][at(r)]});
            }
        }
    h.hinted.insert(h.hinted.end(), laid.begin(), laid.end());
}

}  // namespace glossamo
