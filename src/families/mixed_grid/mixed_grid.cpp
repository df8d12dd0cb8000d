#include "families/mixed_grid/mixed_grid.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "families/mixed_grid/mixed_grid_record.hpp"
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/drag_and_drop.hpp"
#include "grid/grid_cells.hpp"
#include "grid/grid_common.hpp"
#include "grid/grid_help.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr int MixedFirstRow = 5;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

void buildMixedGrid(ProgramState& s, int size, const char* gridFile) {
    GameRecord& g = s.game;
    mixed_grid::gridSize(g) = static_cast<std::uint32_t>(size);
    const TjsysGrille grid = chosenGrid(s, size, gridFile);
    for (int c = 0; c < size; ++c) {
        for (int r = 0; r < size; ++r) {
            const char cell = grid.gridCells[at(c)][at(r)];
            const bool black = cell == '*';
            const int row = r + MixedFirstRow;
            setGridTile(g, c + 1, row, ' ', black ? 3 : 4);
            mixed_grid::answer(g)[at(c + 1)][at(row)] = static_cast<unsigned char>(black ? ' ' : cell);
            mixed_grid::crossword(g)[at(c + 1)][at(row)] = static_cast<unsigned char>(cell);
            setGridTile(g, c + size + 2, row, black ? ' ' : cell, black ? 3 : 4);
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

// The letters of a row, black squares left out, in alphabetical order.
std::string sortedLetters(std::string row) {
    std::erase(row, '*');
    std::sort(row.begin(), row.end());
    return row;
}

bool blackSquare(const GameRecord& g, int c, int r) { return mixed_grid::crossword(g)[at(c)][at(r)] == '*'; }

// The left grid as laid: its black squares are the crossword's.
GridRows laidGrid(const ProgramState& s) {
    const GameRecord& g = s.game;
    return gridRowsOf(s, 1, MixedFirstRow, [&g](int c, int r) { return blackSquare(g, c, r); });
}

// Any left grid wins in which each row holds the letters of its own row of
// the crossword, in any order, and every run across and down is a word.
bool mixedGridSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const GridRows rows = laidGrid(s);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::string own;
        for (std::size_t c = 0; c < rows.size(); ++c)
            own += blackSquare(g, static_cast<int>(c) + 1, static_cast<int>(r) + MixedFirstRow)
                       ? '*'
                       : static_cast<char>(mixed_grid::answer(g)[c + 1][r + MixedFirstRow]);
        if (sortedLetters(rows[r]) != sortedLetters(own)) return false;
    }
    return everyRunIsAWord(s, rows);
}

bool mixedGridRule(const ProgramState& s) {
    return gridMatches(s.game, mixed_grid::answer(s.game), MixedFirstRow) || mixedGridSolved(s);
}

char mixedGridAnswer(const ProgramState& s, int c, int r) {
    return answerInGrid(s, mixed_grid::answer(s.game), c, r, MixedFirstRow);
}

// The grid holds every letter once: the hinted letter comes by a swap.
HintOutcome mixedGridHint(ProgramState& s) { return hintGridLetter(s, MixedGridRules, true); }

std::vector<Point> mixedGridCheck(const ProgramState& s) { return wrongGridLetters(s, MixedGridRules); }

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

void playMixedGrid(ProgramState& s, int size, const char* gridFile) {
    GameRecord& g = s.game;
    if (g.built == 0) buildMixedGrid(s, size, gridFile);
    drawBoard(s);
    if (s.app.gameLost == 1) {
        for (int c = 1; c <= size; ++c)
            for (int r = MixedFirstRow; r < MixedFirstRow + size; ++r) {
                g.colours[at(c)][at(r)] = HighlightInk;
                g.letters[at(c)][at(r)] = static_cast<char>(mixed_grid::crossword(g)[at(c)][at(r)]);
            }
    }
    checkSolved(s, MixedGridRules.rule);
    sayWhenGridFullButWrong(s, laidGrid(s));
}

}  // namespace glossamo
