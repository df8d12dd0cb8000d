#include "families/scrambled_grids/scrambled_grids.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/drag_and_drop.hpp"
#include "grid/grid_common.hpp"
#include "grid/grid_help.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr const char* DismantledGridFile = "grilles.txt";
constexpr int MixedFirstRow = 5;
constexpr int GivenLetters = 4;
constexpr int TrayRow = 13;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

void setCell(GameRecord& g, int c, int r, char letter, std::uint32_t style) {
    g.letters[at(c)][at(r)] = letter;
    g.tileStyles[at(c)][at(r)] = style;
    g.movable[at(c)][at(r)] = 1;
    g.clickable[at(c)][at(r)] = 1;
}

// --- the mixed grid ---------------------------------------------------------------

void buildMixedGrid(ProgramState& s, int size, const char* gridFile) {
    GameRecord& g = s.game;
    g.counterB = static_cast<std::uint32_t>(size);
    const TjsysGrille grid = chosenGrid(s, size, gridFile);
    for (int c = 0; c < size; ++c) {
        for (int r = 0; r < size; ++r) {
            const char cell = grid.gridCells[at(c)][at(r)];
            const bool black = cell == '*';
            const int row = r + MixedFirstRow;
            setCell(g, c + 1, row, ' ', black ? 3 : 4);
            g.solution[at(c + 1)][at(row)] = static_cast<unsigned char>(black ? ' ' : cell);
            g.numbers[at(c + 1)][at(row)] = static_cast<unsigned char>(cell);
            setCell(g, c + size + 2, row, black ? ' ' : cell, black ? 3 : 4);
        }
    }
    // Each across word of the right grid is shuffled; down words are not.
    for (int r = 0; r < size; ++r) {
        const int row = r + MixedFirstRow;
        int c = 0;
        while (c < size) {
            if (grid.gridCells[at(c)][at(r)] == '*') {
                ++c;
                continue;
            }
            int end = c;
            while (end + 1 < size && grid.gridCells[at(end + 1)][at(r)] != '*') ++end;
            ShuffleBoardRun(c + size + 2, row, end - c + 1, true, g.letters, s.rng);
            c = end + 1;
        }
    }
    g.built = 1;
    playSound(s, sounds::GameBuilt);
}

// --- the dismantled grid ------------------------------------------------------------

int dismantledPalette(int size) { return size + 2; }

void buildDismantledGrid(ProgramState& s, int size) {
    GameRecord& g = s.game;
    g.counterB = static_cast<std::uint32_t>(size);
    // The tray holds 26 black squares: a grid with more could not be rebuilt.
    const TjsysGrille grid = chosenGridWhere(s, size, DismantledGridFile, [size](const TjsysGrille& candidate) {
        return blackSquares(candidate, size) <= TrayCapacity;
    });
    const int p = dismantledPalette(size);
    int tray = 0;
    for (int c = 0; c < size; ++c) {
        for (int r = 0; r < size; ++r) {
            const char cell = grid.gridCells[at(c)][at(r)];
            g.numbers[at(c + 1)][at(r + 1)] = static_cast<unsigned char>(cell);
            const bool given = r == 0 && c < GivenLetters && cell != '*';
            setCell(g, c + 1, r + 1, given ? cell : ' ', 4);
            s.givenLetters[at(c + 1)][at(r + 1)] = given ? cell : 0;
            if (cell != '*') continue;
            ++tray;
            const int column = tray <= TrayRow ? tray : tray - TrayRow;
            setCell(g, column, p + (tray <= TrayRow ? 2 : 3), '*', 3);
        }
    }
    preparePalette(s, p);
    s.gameWordList.clear();
    grid.ListWords(s.gameWordList);
    g.built = 1;
    playSound(s, sounds::GameBuilt);
}

// The letters of a row, black squares left out, in alphabetical order.
std::string sortedLetters(std::string row) {
    std::erase(row, '*');
    std::sort(row.begin(), row.end());
    return row;
}

// Any left grid wins in which each row holds the letters of its own row of
// the crossword, in any order, and every run across and down is a word.
bool mixedGridSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const auto black = [&g](int c, int r) { return g.numbers[at(c)][at(r)] == '*'; };
    const GridRows rows = gridRowsOf(s, 1, MixedFirstRow, black);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::string own;
        for (std::size_t c = 0; c < rows.size(); ++c)
            own += black(static_cast<int>(c) + 1, static_cast<int>(r) + MixedFirstRow)
                       ? '*'
                       : static_cast<char>(g.solution[c + 1][r + MixedFirstRow]);
        if (sortedLetters(rows[r]) != sortedLetters(own)) return false;
    }
    return everyRunIsAWord(s, rows);
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
    const GridRows rows = gridRowsOf(s, 1, 1, [&g](int c, int r) { return g.letters[at(c)][at(r)] == '*'; });
    int laid = 0, given = 0;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows.size(); ++c) {
            laid += rows[r][c] == '*';
            given += g.numbers[c + 1][r + 1] == '*';
        }
    return laid == given && gridComplete(rows) && noLetterAlone(rows) &&
           runsAreTheListedWords(gridRuns(rows), s.gameWordList);
}

bool mixedGridRule(const ProgramState& s) {
    return gridMatches(s.game, s.game.solution, MixedFirstRow) || mixedGridSolved(s);
}

char mixedGridAnswer(const ProgramState& s, int c, int r) {
    return answerInGrid(s, s.game.solution, c, r, MixedFirstRow);
}

// The grid holds every letter once: the hinted letter comes by a swap.
HintOutcome mixedGridHint(ProgramState& s) { return hintGridLetter(s, MixedGridRules, true); }

std::vector<Point> mixedGridCheck(const ProgramState& s) { return wrongGridLetters(s, MixedGridRules); }

bool dismantledGridRule(const ProgramState& s) {
    return gridMatches(s.game, s.game.numbers, 1) || dismantledGridSolved(s);
}

char dismantledGridAnswer(const ProgramState& s, int c, int r) { return answerInGrid(s, s.game.numbers, c, r, 1); }

HintOutcome dismantledGridHint(ProgramState& s) { return hintGridLetter(s, DismantledGridRules); }

}  // namespace

const GameRules MixedGridRules = {
    .name = "GRILLE EN VRAC",
    .play = playMixedGrid,
    .rule = mixedGridRule,
    .pick = pickLetter,
    .drop = dropIntoFreeSlot,
    .undo = true,
    .hint = mixedGridHint,
    .check = mixedGridCheck,
    .answerAt = mixedGridAnswer,
};

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
    const GridRows rows = gridRowsOf(s, 1, 1, [&g](int c, int r) { return g.letters[at(c)][at(r)] == '*'; });
    const std::vector<std::string>& listed = s.gameWordList;
    std::vector<Point> marks = cellsOfRefusedRuns(rows, 1, 1, [&listed](const std::string& run) {
        return std::find(listed.begin(), listed.end(), run) != listed.end();
    });
    std::erase_if(marks, [&s](Point cell) { return holdsGivenLetter(s, DismantledGridRules, cell.x, cell.y); });
    for (int c = 1; c <= GivenLetters && c < BoardSize; ++c) {
        const char letter = g.letters[at(c)][1], printed = static_cast<char>(g.numbers[at(c)][1]);
        const bool isLetter = letter >= 'A' && letter <= 'Z' && printed >= 'A' && printed <= 'Z';
        if (isLetter && letter != printed) marks.push_back({c, 1});
    }
    return marks;
}

void playMixedGrid(ProgramState& s, int size, const char* gridFile) {
    GameRecord& g = s.game;
    if (g.built == 0) buildMixedGrid(s, size, gridFile);
    drawBoard(s);
    if (s.app.gameLost == 1) {
        for (int c = 1; c <= size; ++c)
            for (int r = MixedFirstRow; r < MixedFirstRow + size; ++r) {
                g.colours[at(c)][at(r)] = HighlightInk;
                g.letters[at(c)][at(r)] = static_cast<char>(g.numbers[at(c)][at(r)]);
            }
    }
    checkSolved(s, MixedGridRules.rule);
    sayWhenGridFullButWrong(s, gridRowsOf(s, 1, MixedFirstRow, [&g](int c, int r) { return g.numbers[at(c)][at(r)] == '*'; }));
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
                g.letters[at(c)][at(r)] = static_cast<char>(g.numbers[at(c)][at(r)]);
            }
    }
    checkSolved(s, DismantledGridRules.rule);
    sayWhenGridFullButWrong(s, gridRowsOf(s, 1, 1, [&g](int c, int r) { return g.letters[at(c)][at(r)] == '*'; }));
}

}  // namespace glossamo
