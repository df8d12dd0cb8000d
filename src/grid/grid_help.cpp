#include "grid/grid_help.hpp"

#include <optional>
#include <utility>

#include "games/board_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// A cell of the grid the player may fill and that does not hold its letter.
bool needsLetter(const ProgramState& s, const GameRules& rules, int c, int r) {
    if (c < 0 || r < 0 || c >= BoardSize || r >= BoardSize) return false;
    const char expected = expectedGridLetter(s, rules, c, r);
    return expected != 0 && s.game.movable[at(c)][at(r)] == 1 && s.game.letters[at(c)][at(r)] != expected;
}

std::optional<Point> hintedCell(const ProgramState& s, const GameRules& rules) {
    if (needsLetter(s, rules, s.keyCursor.x, s.keyCursor.y)) return s.keyCursor;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c)
            if (needsLetter(s, rules, c, r)) return Point{c, r};
    return std::nullopt;
}

// A cell whose letter a hint may take for another: movable, holding the
// letter, and not already right where it stands.
bool givesUp(const ProgramState& s, const GameRules& rules, int c, int r, char letter) {
    const GameRecord& g = s.game;
    return g.movable[at(c)][at(r)] == 1 && g.letters[at(c)][at(r)] == letter &&
           expectedGridLetter(s, rules, c, r) != letter;
}

// The scrambled grids hold every letter once, and each row keeps its own
// letters: the right letter comes by a swap from another cell of the same
// row, never from a cell where it is right already; from another row only
// when the player has carried it there.
void swapInto(ProgramState& s, const GameRules& rules, Point cell, char letter) {
    GameRecord& g = s.game;
    std::optional<Point> from;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c) {
            if ((c == cell.x && r == cell.y) || !givesUp(s, rules, c, r, letter)) continue;
            if (!from || (r == cell.y && from->y != cell.y)) from = Point{c, r};
        }
    if (from) std::swap(g.letters[at(from->x)][at(from->y)], g.letters[at(cell.x)][at(cell.y)]);
    else g.letters[at(cell.x)][at(cell.y)] = letter;
}

int cellsToFill(const ProgramState& s, const GameRules& rules) {
    int missing = 0;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c) missing += needsLetter(s, rules, c, r) ? 1 : 0;
    return missing;
}

}  // namespace

HintOutcome hintGridLetter(ProgramState& s, const GameRules& rules, bool bySwap) {
    const HintOutcome outcome = hintOutcomeFor(cellsToFill(s, rules));
    const std::optional<Point> cell = hintedCell(s, rules);
    if (outcome != HintOutcome::Given || !cell) return outcome;
    const GameRecord before = s.game;
    GameRecord& g = s.game;
    const char letter = expectedGridLetter(s, rules, cell->x, cell->y);
    if (bySwap)
        swapInto(s, rules, *cell, letter);
    else
        g.letters[at(cell->x)][at(cell->y)] = letter;
    // Locked, and shown in the other ink: the player did not lay it.
    g.movable[at(cell->x)][at(cell->y)] = 0;
    g.clickable[at(cell->x)][at(cell->y)] = 0;
    g.colours[at(cell->x)][at(cell->y)] = HighlightInk;
    // A swap may have put the last two letters right at once: not given.
    if (cellsToFill(s, rules) > 0) return outcome;
    g = before;
    return HintOutcome::LastLeft;
}

std::vector<Point> wrongGridLetters(const ProgramState& s, const GameRules& rules) {
    std::vector<Point> marks;
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r) {
            const char letter = s.game.letters[at(c)][at(r)];
            if (letter >= 'A' && letter <= 'Z' && needsLetter(s, rules, c, r)) marks.push_back({c, r});
        }
    return marks;
}

}  // namespace glossamo
