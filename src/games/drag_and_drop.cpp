#include "games/drag_and_drop.hpp"

#include <string>

#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/game_reset.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/tile_flight.hpp"

namespace glossamo {

namespace {

constexpr int LetterDropped = 7;
constexpr int MaxCutWordBlanks = 13;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

char& letterAt(ProgramState& s, int c, int r) { return s.game.letters[at(c)][at(r)]; }

// The run of a row around column c, up to the nearest '*' cell on each side.
std::pair<int, int> runAround(const ProgramState& s, int c, int r) {
    int first = c, last = c;
    while (first > 0 && s.game.letters[at(first - 1)][at(r)] != '*') --first;
    while (last < BoardSize - 1 && s.game.letters[at(last + 1)][at(r)] != '*') ++last;
    return {first, last};
}

void startDrag(ProgramState& s, std::string_view text, int c, int r) {
    DragState& d = s.drag;
    d.active = 1;
    d.text = text;
    d.fromCol = c;
    d.fromRow = r;
    d.x = CellPixels * c + s.game.boardLeft;
    d.y = CellPixels * r + s.game.boardTop;
}

void endDrag(ProgramState& s) {
    s.drag.active = 0;
    s.drag.fromCol = 1;
    s.drag.fromRow = 1;
}

// A refused drop flies back to where the drag started.
void sendBack(ProgramState& s, int kind) {
    startFlight(s, s.mousePos, Point{s.drag.x, s.drag.y}, kind, s.drag.text.view(), 0);
}

void dropped(ProgramState& s) {
    playSound(s, LetterDropped);
    endDrag(s);
}

}  // namespace

bool onBoard(int c, int r) { return c >= 1 && c <= 20 && r >= 1 && r <= 20; }

// --- picking up ---------------------------------------------------------------

namespace {

void pickLetter(ProgramState& s, int c, int r, bool copyFromSourceTiles) {
    char& cell = letterAt(s, c, r);
    if (s.game.movable[at(c)][at(r)] == 0 || cell == ' ') return;
    startDrag(s, std::string(1, cell), c, r);
    if (!(copyFromSourceTiles && s.game.tileStyles[at(c)][at(r)] == 2)) cell = ' ';
}

}  // namespace

void pickLetter(ProgramState& s, int c, int r) { pickLetter(s, c, r, false); }

void pickCopiedLetter(ProgramState& s, int c, int r) { pickLetter(s, c, r, true); }

void pickOpenCopiedLetter(ProgramState& s, int c, int r) {
    if (s.game.clickable[at(c)][at(r)] == 1) pickLetter(s, c, r, true);
}

void pickGridCell(ProgramState& s, int c, int r) {
    if (s.game.movable[at(c)][at(r)] == 0) return;
    char& cell = letterAt(s, c, r);
    startDrag(s, std::string(1, cell), c, r);
    if (s.game.tileStyles[at(c)][at(r)] == 3) s.game.tileStyles[at(c)][at(r)] = 4;
    cell = ' ';
}

void pickCutWord(ProgramState& s, int c, int r) {
    if (s.game.movable[at(c)][at(r)] == 0 || letterAt(s, c, r) == ' ') return;
    const auto [first, last] = runAround(s, c, r);
    startDrag(s, readBoardWord(s, first, r, last - first + 1, true), first, r);
    PutWord(first, r, std::string(static_cast<std::size_t>(std::min(last - first + 1, MaxCutWordBlanks)), ' '), Across,
            s.game.letters);
}

void startSelection(ProgramState& s, int c, int r) {
    if (s.game.movable[at(c)][at(r)] == 0 || letterAt(s, c, r) == ' ') return;
    startDrag(s, "", c, r);
}

// --- dropping ---------------------------------------------------------------

void dropIntoFreeSlot(ProgramState& s, int c, int r) {
    const bool accepts = onBoard(c, r) && s.game.movable[at(c)][at(r)] && letterAt(s, c, r) == ' ' &&
                         s.game.tileStyles[at(c)][at(r)] != 3;
    if (!accepts) {
        sendBack(s, 1);
        return;
    }
    letterAt(s, c, r) = s.drag.text.empty() ? ' ' : s.drag.text[0];
    dropped(s);
}

// In the grids a drop overwrites; a letter dropped off the grid is erased.
void dropIntoGrid(ProgramState& s, int c, int r) {
    if (onBoard(c, r) && s.game.movable[at(c)][at(r)] == 1) {
        letterAt(s, c, r) = s.drag.text.empty() ? ' ' : s.drag.text[0];
        playSound(s, LetterDropped);
    }
    endDrag(s);
}

void dropCutWord(ProgramState& s, int c, int r) {
    if (!onBoard(c, r) || !s.game.movable[at(c)][at(r)] || letterAt(s, c, r) != ' ') {
        sendBack(s, 2);
        return;
    }
    PutWord(runAround(s, c, r).first, r, s.drag.text.view(), Across, s.game.letters);
    dropped(s);
}

void endSelection(ProgramState& s, int c, int r) {
    DragState& d = s.drag;
    if (c == d.fromCol) d.text = readBoardWord(s, d.fromCol, d.fromRow, r - d.fromRow + 1, false);
    if (r == d.fromRow) d.text = readBoardWord(s, d.fromCol, d.fromRow, c - d.fromCol + 1, true);
    d.active = 0;
}

// A letter goes only into an empty cell of the grid; a black square also
// into an empty place of the trays below the alphabet.
void dropGridCell(ProgramState& s, int c, int r) {
    const int size = static_cast<int>(s.game.counterB);
    const bool blackSquare = s.drag.text.view() == "*";
    const bool accepts = onBoard(c, r) && s.game.movable[at(c)][at(r)] && letterAt(s, c, r) == ' ' &&
                         s.game.tileStyles[at(c)][at(r)] != 3 && (blackSquare || (c <= size && r <= size));
    if (accepts) {
        letterAt(s, c, r) = s.drag.text.empty() ? ' ' : s.drag.text[0];
        if (blackSquare) s.game.tileStyles[at(c)][at(r)] = 3;
        dropped(s);
    } else if (blackSquare) {
        sendBack(s, 3);
    } else {
        clearDrag(s);  // any other letter dropped outside is erased
    }
}

}  // namespace glossamo
