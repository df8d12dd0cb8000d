#include "families/word_placement/word_placement.hpp"

#include <string>
#include <vector>

#include "families/word_placement/word_placement_record.hpp"
#include "games/board_services.hpp"
#include "games/drag_and_drop.hpp"
#include "grid/crossword_grid.hpp"
#include "grid/grid_cells.hpp"
#include "grid/grid_common.hpp"
#include "grid/grid_help.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

void buildWordPlacement(ProgramState& s, int size, const char* gridFile) {
    GameRecord& g = s.game;
    word_placement::gridSize(g) = static_cast<std::uint32_t>(size);
    const TjsysGrille grid = chosenGrid(s, size, gridFile);
    Board<std::uint32_t>& answer = word_placement::answer(g);
    for (int c = 0; c < size; ++c) {
        for (int r = 0; r < size; ++r) {
            const char cell = grid.gridCells[at(c)][at(r)];
            const auto col = at(c + 1), row = at(r + 1);
            answer[col][row] = static_cast<unsigned char>(cell);
            if (cell == '*') {
                g.letters[col][row] = '*';
                g.tileStyles[col][row] = 3;
            } else {
                g.letters[col][row] = ' ';
                g.movable[col][row] = 1;
                g.clickable[col][row] = 1;
                g.tileStyles[col][row] = 4;
            }
        }
    }
    std::vector<std::string> words;
    grid.ListWords(words);
    preparePalette(s, paletteRow(size));
    s.gameWordList = words;
    g.built = 1;
    playSound(s, sounds::GameBuilt);
}

// The grid as laid: its black squares are the tiles the build left.
GridRows laidGrid(const ProgramState& s) {
    return gridRowsOf(s, 1, 1, [&s](int c, int r) { return s.game.letters[at(c)][at(r)] == '*'; });
}

// Any fill of the grid's slots with its listed words wins, each word used as
// often as it is listed: where two fills exist, both are right.
bool wordPlacementSolved(const ProgramState& s) {
    const GridRows rows = laidGrid(s);
    return gridComplete(rows) && runsAreTheListedWords(gridRuns(rows), s.gameWordList);
}

bool wordPlacementRule(const ProgramState& s) {
    return gridMatches(s.game, word_placement::answer(s.game), 1) || wordPlacementSolved(s);
}

char wordPlacementAnswer(const ProgramState& s, int c, int r) {
    return answerInGrid(s, word_placement::answer(s.game), c, r, 1);
}

HintOutcome wordPlacementHint(ProgramState& s) { return hintGridLetter(s, WordPlacementRules); }

std::vector<Point> wordPlacementCheck(const ProgramState& s) { return wrongGridLetters(s, WordPlacementRules); }

}  // namespace

const GameRules WordPlacementRules = {
    .name = "MOTS CASES",
    .play = playWordPlacement,
    .rule = wordPlacementRule,
    .pick = pickCopiedLetter,
    .drop = dropIntoGrid,
    .keys = Keys::GridCursor,
    .undo = true,
    .hint = wordPlacementHint,
    .check = wordPlacementCheck,
    .answerAt = wordPlacementAnswer,
    .printedWords = PrintedWords::AsListed,
};

void playWordPlacement(ProgramState& s, int size, const char* gridFile) {
    if (s.game.built == 0) buildWordPlacement(s, size, gridFile);
    writePalette(s, paletteRow(size));
    drawBoard(s);
    if (s.app.gameWon == 0 && s.app.gameLost == 0) drawWordList(s);
    if (s.app.gameLost == 1) showGridAnswer(s.game, word_placement::answer(s.game));
    checkSolved(s, WordPlacementRules.rule);
    sayWhenGridFullButWrong(s, laidGrid(s));
}

}  // namespace glossamo
