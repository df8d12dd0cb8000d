#include "families/dismantled_grid/dismantled_grid.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "families/dismantled_grid/dismantled_grid_record.hpp"
#include "games/board_services.hpp"
#include "games/drag_and_drop.hpp"
#include "grid/grid_cells.hpp"
#include "grid/grid_common.hpp"
#include "grid/grid_help.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr const char* DismantledGridFile = "grilles.txt";
constexpr int GivenLetters = 4;
constexpr int TrayRow = 13;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

int dismantledPalette(int size) { return size + 2; }

void buildDismantledGrid(ProgramState& s, int size) {
    GameRecord& g = s.game;
    dismantled_grid::gridSize(g) = static_cast<std::uint32_t>(size);
    // The tray holds 26 black squares: a grid with more could not be rebuilt.
    const TjsysGrille grid = chosenGridWhere(s, size, DismantledGridFile, [size](const TjsysGrille& candidate) {
        return blackSquares(candidate, size) <= TrayCapacity;
    });
    const int p = dismantledPalette(size);
    int tray = 0;
    for (int c = 0; c < size; ++c) {
        for (int r = 0; r < size; ++r) {
            const char cell = grid.gridCells[at(c)][at(r)];
            dismantled_grid::answer(g)[at(c + 1)][at(r + 1)] = static_cast<unsigned char>(cell);
            const bool given = r == 0 && c < GivenLetters && cell != '*';
            setGridTile(g, c + 1, r + 1, given ? cell : ' ', 4);
            s.givenLetters[at(c + 1)][at(r + 1)] = given ? cell : 0;
            if (cell != '*') continue;
            ++tray;
            const int column = tray <= TrayRow ? tray : tray - TrayRow;
            setGridTile(g, column, p + (tray <= TrayRow ? 2 : 3), '*', 3);
        }
    }
    preparePalette(s, p);
    s.gameWordList.clear();
    grid.ListWords(s.gameWordList);
    g.built = 1;
    playSound(s, sounds::GameBuilt);
}

// The grid as laid: its black squares are the ones the player put down.
GridRows laidGrid(const ProgramState& s) {
    const GameRecord& g = s.game;
    return gridRowsOf(s, 1, 1, [&g](int c, int r) { return g.letters[at(c)][at(r)] == '*'; });
}

// True when every letter has a letter beside it, across or down: no letter
// stands alone between black squares.
bool noLetterAlone(const GridRows& rows) {
    const auto letterAt = [&rows](std::size_t c, std::size_t r) {
        return r < rows.size() && c < rows.size() && rows[r][c] != '*';
    };
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows.size(); ++c)
            if (letterAt(c, r) && !letterAt(c + 1, r) && !letterAt(c, r + 1) && !(c > 0 && letterAt(c - 1, r)) &&
                !(r > 0 && letterAt(c, r - 1)))
                return false;
    return true;
}

// Any rebuilt grid wins that lays every black square of the tray and whose
// runs are exactly the listed words, each once, with no letter alone.
bool dismantledGridSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const GridRows rows = laidGrid(s);
    int laid = 0, given = 0;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows.size(); ++c) {
            laid += rows[r][c] == '*';
            given += dismantled_grid::answer(g)[c + 1][r + 1] == '*';
        }
    return laid == given && gridComplete(rows) && noLetterAlone(rows) &&
           runsAreTheListedWords(gridRuns(rows), s.gameWordList);
}

bool dismantledGridRule(const ProgramState& s) {
    return gridMatches(s.game, dismantled_grid::answer(s.game), 1) || dismantledGridSolved(s);
}

char dismantledGridAnswer(const ProgramState& s, int c, int r) {
    return answerInGrid(s, dismantled_grid::answer(s.game), c, r, 1);
}

HintOutcome dismantledGridHint(ProgramState& s) { return hintGridLetter(s, DismantledGridRules); }

}  // namespace

const GameRules DismantledGridRules = {
    .name = "GRILLE DECONSTITUEE",
    .play = playDismantledGrid,
    .rule = dismantledGridRule,
    .pick = pickGridCell,
    .drop = dropGridCell,
    .look = PieceLook::BlackSquares,
    .keys = Keys::GridCursorAndBlackSquares,
    .undo = true,
    .hint = dismantledGridHint,
    .check = dismantledGridBreaks,
    .answerAt = dismantledGridAnswer,
    .printsTopRowLetters = true,
    .printedWords = PrintedWords::AsListed,
};

std::vector<Point> dismantledGridBreaks(const ProgramState& s) {
    const GameRecord& g = s.game;
    const GridRows rows = laidGrid(s);
    const std::vector<std::string>& listed = s.gameWordList;
    std::vector<Point> marks = cellsOfRefusedRuns(rows, 1, 1, [&listed](const std::string& run) {
        return std::find(listed.begin(), listed.end(), run) != listed.end();
    });
    std::erase_if(marks, [&s](Point cell) { return holdsGivenLetter(s, DismantledGridRules, cell.x, cell.y); });
    for (int c = 1; c <= GivenLetters && c < BoardSize; ++c) {
        const char letter = g.letters[at(c)][1], printed = static_cast<char>(dismantled_grid::answer(g)[at(c)][1]);
        const bool isLetter = letter >= 'A' && letter <= 'Z' && printed >= 'A' && printed <= 'Z';
        if (isLetter && letter != printed) marks.push_back({c, 1});
    }
    return marks;
}

void playDismantledGrid(ProgramState& s, int size, const char*) {
    GameRecord& g = s.game;
    if (g.built == 0) buildDismantledGrid(s, size);
    writePalette(s, dismantledPalette(size));
    drawBoard(s);
    if (s.app.gameWon == 0 && s.app.gameLost == 0) drawWordList(s);
    if (s.app.gameLost == 1) {
        for (int c = 1; c <= size; ++c)
            for (int r = 1; r <= size; ++r) {
                g.colours[at(c)][at(r)] = HighlightInk;
                g.tileStyles[at(c)][at(r)] = 4;
                g.letters[at(c)][at(r)] = static_cast<char>(dismantled_grid::answer(g)[at(c)][at(r)]);
            }
    }
    checkSolved(s, DismantledGridRules.rule);
    sayWhenGridFullButWrong(s, laidGrid(s));
}

}  // namespace glossamo
