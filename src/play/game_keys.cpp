#include "play/game_keys.hpp"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "families/registry.hpp"
#include "games/board_services.hpp"
#include "platform/canvas.hpp"
#include "platform/platform.hpp"
#include "play/game_input.hpp"
#include "play/game_undo.hpp"

namespace glossamo {

namespace {

// The hangman alphabet and the Motuce palette: A..M on row 2, N..Z on row 3,
// from column 7.
constexpr int AlphabetColumn = 7;
constexpr int AlphabetRow = 2;
constexpr Rgb CursorInk{236, 164, 58};  // amber, seen on light tiles and dark boards alike

std::size_t at(int i) { return static_cast<std::size_t>(i); }

int alphabetColumn(char letter) { return AlphabetColumn + (letter - 'A') % 13; }
int alphabetRow(char letter) { return AlphabetRow + (letter - 'A') / 13; }

// A left press at one cell and the release at another, as the mouse would
// give them. The pointer's own cell is kept for the next frame, and the
// press is not left pending: the buttons under the pointer are not clicked.
void pressAndRelease(ProgramState& s, int fromC, int fromR, int toC, int toR) {
    const int hoverC = s.game.hoverCol, hoverR = s.game.hoverRow;
    const std::uint32_t pending = s.app.clickPending;
    s.game.hoverCol = fromC;
    s.game.hoverRow = fromR;
    onGameMouseDown(s, ButtonLeft);
    s.game.hoverCol = toC;
    s.game.hoverRow = toR;
    onGameMouseUp(s, ButtonLeft);
    s.game.hoverCol = hoverC;
    s.game.hoverRow = hoverR;
    s.app.clickPending = pending;
}

// --- the grid games' cursor ------------------------------------------------

constexpr std::uint32_t SourceTile = 2;  // a palette letter
constexpr std::uint32_t BlackTile = 3;

Keys keysOf(const ProgramState& s) {
    const GameRules* rules = rulesOf(static_cast<int>(s.game.gameId));
    return rules ? rules->keys : Keys::None;
}

bool usesGridCursor(const ProgramState& s) {
    const Keys keys = keysOf(s);
    return keys == Keys::GridCursor || keys == Keys::GridCursorAndBlackSquares;
}

// The dismantled grid: its black squares are laid by the player.
bool laysBlackSquares(const ProgramState& s) { return keysOf(s) == Keys::GridCursorAndBlackSquares; }

int gridSize(const ProgramState& s) { return std::clamp(static_cast<int>(s.game.counterB), 0, BoardSize - 1); }

// A cell of the grid that takes a letter dropped from the palette: never a
// black square, never the palette itself. The dismantled grid has no fixed
// black square: each is laid by the player and can be taken back.
bool isFreeCell(const ProgramState& s, int c, int r) {
    const int n = gridSize(s);
    if (c < 1 || r < 1 || c > n || r > n) return false;
    const GameRecord& g = s.game;
    if (laysBlackSquares(s)) return g.movable[at(c)][at(r)] == 1;
    return g.movable[at(c)][at(r)] == 1 && g.tileStyles[at(c)][at(r)] != SourceTile &&
           g.tileStyles[at(c)][at(r)] != BlackTile && g.letters[at(c)][at(r)] != '*';
}

// A letter cell of the grid, free or not: where the cursor may stand (on a
// letter a hint locked, on a printed letter).
bool isGridCell(const ProgramState& s, int c, int r) {
    const int n = gridSize(s);
    if (c < 1 || r < 1 || c > n || r > n) return false;
    if (isFreeCell(s, c, r)) return true;
    const GameRecord& g = s.game;
    return g.tileStyles[at(c)][at(r)] != SourceTile && g.tileStyles[at(c)][at(r)] != BlackTile &&
           g.letters[at(c)][at(r)] >= 'A' && g.letters[at(c)][at(r)] <= 'Z';
}

// A cell a typed letter may go to: free, and not a letter the game printed.
bool takesTypedLetter(const ProgramState& s, int c, int r) {
    const GameRules* rules = rulesOf(static_cast<int>(s.game.gameId));
    return isFreeCell(s, c, r) && rules && !holdsGivenLetter(s, *rules, c, r);
}

// The cursor on a grid cell: where it was, else the first free cell row by
// row. False when the grid has none.
bool placeCursor(ProgramState& s) {
    if (isGridCell(s, s.keyCursor.x, s.keyCursor.y)) return true;
    const int n = gridSize(s);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (isFreeCell(s, c, r)) {
                s.keyCursor = {c, r};
                return true;
            }
    s.keyCursor = {};
    return false;
}

// The first cell from the cursor on, along the word's way (across, or down
// as the last arrow went), that takes a typed letter: over black squares,
// printed letters and hinted ones. None at the grid's edge.
std::optional<Point> typingCellFrom(const ProgramState& s, Point from) {
    const int n = gridSize(s);
    const int dc = s.keyCursorDown ? 0 : 1, dr = s.keyCursorDown ? 1 : 0;
    for (Point p = from; p.x >= 1 && p.y >= 1 && p.x <= n && p.y <= n; p = Point{p.x + dc, p.y + dr})
        if (takesTypedLetter(s, p.x, p.y)) return p;
    return std::nullopt;
}

// The nearest free cell beyond the cursor's line that way: in the next
// column that has one (the closest row in it) for a move across, in the
// next row (the closest column) for a move down or up. So the arrows reach
// every free cell, even in a grid whose free cells are scattered.
std::optional<Point> nearestBeyond(const ProgramState& s, int dc, int dr) {
    const int n = gridSize(s);
    const Point from = s.keyCursor;
    std::optional<Point> best;
    int bestAhead = 0, bestAside = 0;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const int ahead = dc != 0 ? (c - from.x) * dc : (r - from.y) * dr;
            const int aside = dc != 0 ? std::abs(r - from.y) : std::abs(c - from.x);
            if (ahead <= 0 || !isFreeCell(s, c, r)) continue;
            if (!best || ahead < bestAhead || (ahead == bestAhead && aside < bestAside)) {
                best = Point{c, r};
                bestAhead = ahead;
                bestAside = aside;
            }
        }
    return best;
}

// One step: to the next free cell that way, over black squares, else to the
// nearest one beyond; at the grid's edge the cursor stays. The first key
// only shows it. The way taken is kept for the letters typed next.
void moveCursor(ProgramState& s, int dc, int dr) {
    s.keyCursorDown = dr != 0 ? 1 : 0;
    const bool shown = isGridCell(s, s.keyCursor.x, s.keyCursor.y);
    if (!placeCursor(s) || !shown) return;
    const int n = gridSize(s);
    for (int c = s.keyCursor.x + dc, r = s.keyCursor.y + dr; c >= 1 && r >= 1 && c <= n && r <= n; c += dc, r += dr)
        if (isFreeCell(s, c, r)) {
            s.keyCursor = {c, r};
            return;
        }
    if (const std::optional<Point> beyond = nearestBeyond(s, dc, dr)) s.keyCursor = *beyond;
}

// After a typed letter the cursor goes on along the word, across or down as
// the last arrow went, to the next cell that takes a letter; at the grid's
// edge it stays.
void stepAlongTheWord(ProgramState& s) {
    const Point next = s.keyCursorDown ? Point{s.keyCursor.x, s.keyCursor.y + 1} : Point{s.keyCursor.x + 1, s.keyCursor.y};
    if (const std::optional<Point> cell = typingCellFrom(s, next)) s.keyCursor = *cell;
}

// The cursor moved onto the cell that takes the next typed letter; false
// when none is left along the word.
bool cursorOnTypingCell(ProgramState& s) {
    if (!placeCursor(s)) return false;
    const std::optional<Point> cell = typingCellFrom(s, s.keyCursor);
    if (!cell) return false;
    s.keyCursor = *cell;
    return true;
}

bool emptyCursorCell(ProgramState& s);

bool dropLetterAtCursor(ProgramState& s, char letter) {
    if (!cursorOnTypingCell(s)) return false;
    for (int r = 1; r < BoardSize; ++r)
        for (int c = 1; c < BoardSize; ++c)
            if (s.game.tileStyles[at(c)][at(r)] == SourceTile && s.game.movable[at(c)][at(r)] == 1 &&
                s.game.letters[at(c)][at(r)] == letter) {
                // The dismantled grid drops a letter only on an empty cell:
                // the letter the cell held goes first, as Backspace takes it
                // (a black square there refuses the letter).
                const char held = s.game.letters[at(s.keyCursor.x)][at(s.keyCursor.y)];
                if (laysBlackSquares(s) && held >= 'A' && held <= 'Z' && !emptyCursorCell(s)) return false;
                pressAndRelease(s, c, r, s.keyCursor.x, s.keyCursor.y);
                return true;
            }
    return false;  // not a letter of this palette
}

// The dismantled grid's trays, the two rows below its palette's two: the
// first of their cells holding `content` ('*' for a black square, ' ' for
// an empty place).
std::optional<Point> trayCell(const ProgramState& s, char content) {
    const int firstTrayRow = gridSize(s) + 4;
    for (int r = firstTrayRow; r < BoardSize && r < firstTrayRow + 2; ++r)
        for (int c = 1; c < BoardSize; ++c)
            if (s.game.movable[at(c)][at(r)] == 1 && s.game.tileStyles[at(c)][at(r)] != SourceTile &&
                s.game.letters[at(c)][at(r)] == content)
                return Point{c, r};
    return std::nullopt;
}

// A black square from the trays laid at the cursor, as dragging it there
// would.
bool dropBlackSquareAtCursor(ProgramState& s) {
    const std::optional<Point> black = trayCell(s, '*');
    if (!black || !cursorOnTypingCell(s)) return false;
    const char held = s.game.letters[at(s.keyCursor.x)][at(s.keyCursor.y)];
    if (held >= 'A' && held <= 'Z' && !emptyCursorCell(s)) return false;  // the letter goes, the square comes
    pressAndRelease(s, black->x, black->y, s.keyCursor.x, s.keyCursor.y);
    return true;
}

// The letter under the cursor taken off the grid, as a drag out of the
// board would take it; a black square goes back to an empty place of the
// trays.
bool emptyCursorCell(ProgramState& s) {
    if (!placeCursor(s)) return false;
    const Point cell = s.keyCursor;
    if (!takesTypedLetter(s, cell.x, cell.y)) return false;  // a printed or hinted letter stays
    const char letter = s.game.letters[at(cell.x)][at(cell.y)];
    if (letter == ' ') return false;
    if (letter == '*' && laysBlackSquares(s)) {
        const std::optional<Point> place = trayCell(s, ' ');
        if (!place) return false;
        pressAndRelease(s, cell.x, cell.y, place->x, place->y);
        return true;
    }
    pressAndRelease(s, cell.x, cell.y, 0, 0);
    return true;
}

}  // namespace

bool gameTakesKeys(const ProgramState& s) {
    return s.gameInPlay() && s.drag.active == 0 && s.flight.active == 0;
}

bool onGameLetter(ProgramState& s, char letter) {
    if (!gameTakesKeys(s)) return false;
    const GameRules* rules = rulesOf(static_cast<int>(s.game.gameId));
    const Keys keys = rules ? rules->keys : Keys::None;
    if (keys == Keys::GridCursorAndBlackSquares && (letter == ' ' || letter == '*')) {
        if (!dropBlackSquareAtCursor(s)) return false;
        stepAlongTheWord(s);
        return true;
    }
    if (letter < 'A' || letter > 'Z') return false;
    const int c = alphabetColumn(letter), r = alphabetRow(letter);
    if (keys == Keys::Alphabet) {
        pressAndRelease(s, c, r, c, r);
        return true;
    }
    if (keys == Keys::TryRow) {
        const Point free = rules->typingCell(s);
        if (free.x == 0) return false;
        pressAndRelease(s, c, r, free.x, free.y);
        return true;
    }
    if (!usesGridCursor(s) || !dropLetterAtCursor(s, letter)) return false;
    stepAlongTheWord(s);
    return true;
}

bool onGameKey(ProgramState& s, int key) {
    if (!gameTakesKeys(s)) return false;
    const GameRules* rules = rulesOf(static_cast<int>(s.game.gameId));
    const Keys keys = rules ? rules->keys : Keys::None;
    // A full try is judged as soon as it is full, so Enter has nothing
    // left to send: it is taken so that it does nothing else.
    if (keys == Keys::TryRow && key == vk::Enter) return true;
    if (keys == Keys::TryRow && key == vk::Backspace) {
        rememberMove(s);
        const bool taken = rules->eraseTyped(s);
        settleMove(s);
        return taken;
    }
    if (!usesGridCursor(s)) return false;
    switch (key) {
        case vk::Left: moveCursor(s, -1, 0); return true;
        case vk::Right: moveCursor(s, 1, 0); return true;
        case vk::Up: moveCursor(s, 0, -1); return true;
        case vk::Down: moveCursor(s, 0, 1); return true;
        case vk::Backspace: return emptyCursorCell(s);
        default: return false;
    }
}

void followPress(ProgramState& s, int column, int row) {
    if (s.gameRunning() && usesGridCursor(s) && isGridCell(s, column, row)) s.keyCursor = {column, row};
}

void drawKeyCursor(ProgramState& s) {
    if (!gameTakesKeys(s) || !usesGridCursor(s) || !isGridCell(s, s.keyCursor.x, s.keyCursor.y)) return;
    const Rect cell{s.game.boardLeft + CellPixels * s.keyCursor.x - 1, s.game.boardTop + CellPixels * s.keyCursor.y - 1,
                    CellPixels + 1, CellPixels + 1};
    s.platform.canvas().frameRect(cell, CursorInk, 3);
}

}  // namespace glossamo
