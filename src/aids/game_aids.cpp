#include "aids/game_aids.hpp"

#include <optional>
#include <utility>

#include "games/board_services.hpp"
#include "games/game_families.hpp"
#include "games/hangman.hpp"
#include "games/motuce.hpp"
#include "games/move_history.hpp"
#include "grid/grid_games.hpp"
#include "platform/canvas.hpp"
#include "profile/scores.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr int NothingToHint = 178;
constexpr int NoWrongLetter = 179;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

bool isGridGame(std::uint32_t id) {
    using namespace families;
    return isCodedWords(id) || isPlacedWords(id) || isBrokenGrid(id) || isScrambledGrid(id) || isLetterSums(id);
}

bool inPlay(const ProgramState& s) {
    return s.gameRunning() && s.game.built == 1 && s.app.gameWon == 0 && s.app.gameLost == 0 &&
           !s.travel.mapShown && s.drag.active == 0 && s.flight.active == 0;
}

// Help is paid in play time, second by second as the clock counts.
void addPlayTime(ProgramState& s, int seconds) {
    for (int i = 0; i < seconds; ++i) clockTick(s);
}

// A cell of the grid the player may fill and that does not hold its letter.
bool needsLetter(const ProgramState& s, int c, int r) {
    if (c < 0 || r < 0 || c >= BoardSize || r >= BoardSize) return false;
    const char expected = expectedGridLetter(s, c, r);
    return expected != 0 && s.game.movable[at(c)][at(r)] == 1 && s.game.letters[at(c)][at(r)] != expected;
}

std::optional<Point> hintedCell(const ProgramState& s) {
    if (needsLetter(s, s.keyCursor.x, s.keyCursor.y)) return s.keyCursor;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c)
            if (needsLetter(s, c, r)) return Point{c, r};
    return std::nullopt;
}

// The scrambled grids hold every letter once: the right letter comes from
// another cell, by a swap, a misplaced one first.
void swapInto(ProgramState& s, Point cell, char letter) {
    GameRecord& g = s.game;
    std::optional<Point> from;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c) {
            if ((c == cell.x && r == cell.y) || g.movable[at(c)][at(r)] != 1 || g.letters[at(c)][at(r)] != letter)
                continue;
            if (!from || needsLetter(s, c, r)) from = Point{c, r};
        }
    if (from) std::swap(g.letters[at(from->x)][at(from->y)], g.letters[at(cell.x)][at(cell.y)]);
    else g.letters[at(cell.x)][at(cell.y)] = letter;
}

bool hintGridLetter(ProgramState& s) {
    const std::optional<Point> cell = hintedCell(s);
    if (!cell) return false;
    GameRecord& g = s.game;
    const char letter = expectedGridLetter(s, cell->x, cell->y);
    if (families::isScrambledGrid(g.gameId))
        swapInto(s, *cell, letter);
    else
        g.letters[at(cell->x)][at(cell->y)] = letter;
    // Locked, and shown in the other ink: the player did not lay it.
    g.movable[at(cell->x)][at(cell->y)] = 0;
    g.clickable[at(cell->x)][at(cell->y)] = 0;
    g.colours[at(cell->x)][at(cell->y)] = HighlightInk;
    return true;
}

void say(ProgramState& s, int comment) { showPopup(s, 2, 520, s.app.comments[at(comment)].view()); }

}  // namespace

bool hintsApply(const ProgramState& s) {
    const std::uint32_t id = s.game.gameId;
    return inPlay(s) && (isGridGame(id) || families::isHiddenWords(id) || families::isMotuce(id) ||
                         families::isHangman(id));
}

bool checksApply(const ProgramState& s) { return inPlay(s) && isGridGame(s.game.gameId); }

void takeHint(ProgramState& s) {
    const std::uint32_t id = s.game.gameId;
    bool laid = false;
    if (hintsApply(s)) {
        if (isGridGame(id)) laid = hintGridLetter(s);
        else if (families::isHiddenWords(id)) laid = hintHiddenWord(s);
        else if (families::isMotuce(id)) laid = hintMotuceLetter(s);
        else laid = hintHangmanLetter(s);
    }
    if (!laid) {
        say(s, NothingToHint);
        return;
    }
    // Undo goes back no further than a hint: the help is never taken back.
    forgetMoves(s);
    ++s.watch.hints;
    addPlayTime(s, HintSeconds);
}

void checkLetters(ProgramState& s) {
    if (!checksApply(s)) return;
    GameRecord& g = s.game;
    int wrong = 0;
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r) {
            const char letter = g.letters[at(c)][at(r)];
            const bool marked = letter >= 'A' && letter <= 'Z' && needsLetter(s, c, r);
            s.wrongMarks[at(c)][at(r)] = marked ? letter : 0;
            wrong += marked ? 1 : 0;
        }
    s.wrongMarksUntil = s.now() + WrongMarksMs;
    ++s.watch.checks;
    addPlayTime(s, CheckSeconds);
    if (wrong == 0) say(s, NoWrongLetter);
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
