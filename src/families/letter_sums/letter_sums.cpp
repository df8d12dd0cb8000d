#include "families/letter_sums/letter_sums.hpp"

#include <algorithm>

#include "families/letter_sums/letter_sums_record.hpp"
#include "games/board_services.hpp"
#include "games/drag_and_drop.hpp"
#include "games/word_lists.hpp"
#include "grid/grid_common.hpp"
#include "grid/grid_help.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr const char* GridFile = "grilles.txt";
constexpr int SumsRemoveAbove = 90;  // a letter goes when a draw in 0..99 is above this
constexpr int RaisedBoardTop = 20;
// A grid with no letter taken out would be won at its build, before the
// player's first move, and one or two gaps are each read off a single sum
// or run at a glance. So a build draws again, letter by letter with the
// same chance, until at least three letters are out (every letter of a
// grid that holds fewer). The draws are bounded for a chance that never
// takes a letter; they never come near it with the games' shares.
constexpr int LeastToFind = 3;
constexpr int MostRemovalDraws = 1000;

std::size_t at(int i) { return static_cast<std::size_t>(i); }
std::uint32_t valueOf(char letter) { return letter >= 'A' && letter <= 'Z' ? static_cast<std::uint32_t>(letter - 'A' + 1) : 0; }
int paletteOf(int size) { return size + 2; }

void makeMovable(GameRecord& g, int c, int r) {
    g.letters[at(c)][at(r)] = ' ';
    g.movable[at(c)][at(r)] = 1;
    g.clickable[at(c)][at(r)] = 1;
    g.tileStyles[at(c)][at(r)] = 4;
}

// Which letter cells of the grid go: each one when its draw in 0..99 is
// above `removeAbove`, the whole draw made again while fewer than
// LeastToFind letters go. The first draw takes the generator's numbers in
// the order of the cells, as a single draw always did.
Board<std::uint8_t> removedCells(ProgramState& s, const TjsysGrille& grid, int size, int removeAbove) {
    int letters = 0;
    for (int c = 0; c < size; ++c)
        for (int r = 0; r < size; ++r) letters += grid.gridCells[at(c)][at(r)] != '*';
    const int least = std::min(LeastToFind, letters);
    Board<std::uint8_t> removed{};
    for (int draw = 0, count = -1; count < least && draw < MostRemovalDraws; ++draw) {
        count = 0;
        for (int c = 0; c < size; ++c)
            for (int r = 0; r < size; ++r) {
                const bool goes = grid.gridCells[at(c)][at(r)] != '*' && s.rng.below(100) > removeAbove;
                removed[at(c)][at(r)] = goes ? 1 : 0;
                count += goes;
            }
    }
    return removed;
}

// Builds either game: `removeAbove` is the draw (in 0..99) above which a
// letter is taken out; with `sums`, every letter cell is movable and the
// row and column sums of the complete grid stand beside it.
void buildGrid(ProgramState& s, int size, int removeAbove, bool sums) {
    GameRecord& g = s.game;
    letter_sums::gridSize(g) = static_cast<std::uint32_t>(size);
    // Below a 12 x 12 grid the palette takes rows 14 and 15: the board moves
    // up so that the button bar does not cover the second palette row.
    if (size == 12) g.boardTop = RaisedBoardTop;
    Board<std::uint32_t>& shown = letter_sums::shownNumbers(g);
    for (auto& column : shown) column.fill(0);
    const TjsysGrille grid = chosenGrid(s, size, GridFile);
    const Board<std::uint8_t> removedCell = removedCells(s, grid, size, removeAbove);
    for (int c = 0; c < size; ++c) {
        for (int r = 0; r < size; ++r) {
            const char cell = grid.gridCells[at(c)][at(r)];
            letter_sums::completeGrid(g)[at(c)][at(r)] = static_cast<unsigned char>(cell);
            const int col = c + 1, row = r + 1;
            if (cell == '*') {
                g.letters[at(col)][at(row)] = '*';
                g.tileStyles[at(col)][at(row)] = 3;
                continue;
            }
            const bool removed = removedCell[at(c)][at(r)] == 1;
            s.givenLetters[at(col)][at(row)] = removed ? 0 : cell;
            if (sums) {
                makeMovable(g, col, row);
                g.letters[at(col)][at(row)] = removed ? ' ' : cell;
            } else if (removed) {
                makeMovable(g, col, row);
            } else {
                g.letters[at(col)][at(row)] = cell;
                g.tileStyles[at(col)][at(row)] = 1;
            }
            if (sums) {
                shown[at(col)][at(size + 1)] += valueOf(cell);
                shown[at(size + 1)][at(row)] += valueOf(cell);
            }
        }
    }
    s.gameWordList.clear();
    grid.ListWords(s.gameWordList);
    preparePalette(s, paletteOf(size));
    g.built = 1;
    playSound(s, sounds::GameBuilt);
}

// The grid as the player has laid it; the black squares are the crossword's.
GridRows laidGrid(const ProgramState& s) {
    const GameRecord& g = s.game;
    return gridRowsOf(s, 1, 1, [&g](int c, int r) { return letter_sums::completeGrid(g)[at(c - 1)][at(r - 1)] == '*'; });
}

// Any grid wins whose runs are all words and whose every row and column adds
// up to the sum shown beside it.
bool letterSumsSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const GridRows rows = laidGrid(s);
    if (!everyRunIsAWord(s, rows)) return false;
    const std::size_t n = rows.size();
    for (std::size_t i = 0; i < n; ++i) {
        std::uint32_t rowLaid = 0, rowSum = 0, columnLaid = 0, columnSum = 0;
        for (std::size_t j = 0; j < n; ++j) {
            rowLaid += valueOf(rows[i][j]);
            rowSum += valueOf(static_cast<char>(letter_sums::completeGrid(g)[j][i]));
            columnLaid += valueOf(rows[j][i]);
            columnSum += valueOf(static_cast<char>(letter_sums::completeGrid(g)[i][j]));
        }
        if (rowLaid != rowSum || columnLaid != columnSum) return false;
    }
    return true;
}

// Any grid wins that keeps the letters left at the start and whose runs are
// all words.
bool fadedLettersSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const GridRows rows = laidGrid(s);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows.size(); ++c)
            if (g.movable[c + 1][r + 1] == 0 && rows[r][c] != static_cast<char>(letter_sums::completeGrid(g)[c][r])) return false;
    return everyRunIsAWord(s, rows);
}

// In the faded letters the given letters are fixed and the player's own
// are not: the cells to fill stand on a face of their own, so that a
// letter put there never looks given.
void drawPlayerCells(ProgramState& s, int size) {
    for (int c = 1; c <= size; ++c)
        for (int r = 1; r <= size; ++r)
            if (s.game.movable[at(c)][at(r)] == 1) drawCellOnFace(s, c, r, PlayerCellFace);
}

void playFrame(ProgramState& s, int size, bool sums) {
    GameRecord& g = s.game;
    const int p = paletteOf(size);
    writePalette(s, p);
    if (sums) {
        for (int c = 1; c <= 13; ++c)
            for (int r = p; r <= p + 1; ++r) letter_sums::shownNumbers(g)[at(c)][at(r)] = valueOf(g.letters[at(c)][at(r)]);
    }
    drawBoard(s);
    if (sums) drawSumNumbers(s);
    if (!sums) drawPlayerCells(s, size);
    if (s.app.gameLost == 1) {
        for (int c = 0; c < size; ++c)
            for (int r = 0; r < size; ++r) {
                g.colours[at(c + 1)][at(r + 1)] = HighlightInk;
                g.letters[at(c + 1)][at(r + 1)] = static_cast<char>(letter_sums::completeGrid(g)[at(c)][at(r)]);
            }
    }
    checkSolved(s, sums ? LetterSumsRules.rule : FadedLettersRules.rule);
    sayWhenGridFullButWrong(s, laidGrid(s));
}

}  // namespace

namespace {

// A letter the player laid, not one the grid printed.
bool laidByThePlayer(const ProgramState& s, Point cell) {
    return s.game.movable[at(cell.x)][at(cell.y)] == 1 && !holdsGivenLetter(s, LetterSumsRules, cell.x, cell.y);
}

}  // namespace

std::vector<Point> fadedLettersBreaks(const ProgramState& s) {
    std::vector<Point> marks =
        cellsOfRefusedRuns(laidGrid(s), 1, 1, [&s](const std::string& run) { return PlayerWordExists(s, run); });
    std::erase_if(marks, [&s](Point cell) { return !laidByThePlayer(s, cell); });
    return marks;
}

std::vector<Point> letterSumsBreaks(const ProgramState& s) {
    const GameRecord& g = s.game;
    const GridRows rows = laidGrid(s);
    std::vector<Point> marks = fadedLettersBreaks(s);
    const int n = static_cast<int>(rows.size());
    // A full line across (down) whose letters do not add up to its sum.
    for (const bool across : {true, false})
        for (int i = 0; i < n; ++i) {
            std::uint32_t laid = 0, sum = 0;
            bool full = true;
            for (int j = 0; j < n; ++j) {
                const char letter = across ? rows[at(i)][at(j)] : rows[at(j)][at(i)];
                full = full && letter != ' ';
                laid += valueOf(letter);
                const Board<std::uint32_t>& complete = letter_sums::completeGrid(g);
                sum += valueOf(static_cast<char>(across ? complete[at(j)][at(i)] : complete[at(i)][at(j)]));
            }
            if (!full || laid == sum) continue;
            for (int j = 0; j < n; ++j) {
                const Point cell = across ? Point{j + 1, i + 1} : Point{i + 1, j + 1};
                if (laidByThePlayer(s, cell)) marks.push_back(cell);
            }
        }
    return marks;
}

namespace {

// The letter-sum grids keep their solution one column and one row up-left.
char letterSumsAnswer(const ProgramState& s, int c, int r) {
    return answerInGrid(s, letter_sums::completeGrid(s.game), c, r, 1, 1);
}

bool letterSumsRule(const ProgramState& s) { return shiftedGridMatches(s.game) || letterSumsSolved(s); }
bool fadedLettersRule(const ProgramState& s) { return shiftedGridMatches(s.game) || fadedLettersSolved(s); }

HintOutcome letterSumsHint(ProgramState& s) { return hintGridLetter(s, LetterSumsRules); }

}  // namespace

const GameRules LetterSumsRules = {
    .name = "SOMMES DE LETTRES",
    .play = playLetterSums,
    .rule = letterSumsRule,
    .pick = pickLetter,
    .drop = dropIntoGrid,
    .keys = Keys::GridCursor,
    .undo = true,
    .hint = letterSumsHint,
    .check = letterSumsBreaks,
    .answerAt = letterSumsAnswer,
};

const GameRules FadedLettersRules = {
    .name = "LETTRES EFFACEES",
    .play = playFadedLetters,
    .rule = fadedLettersRule,
    .pick = pickLetter,
    .drop = dropIntoGrid,
    .keys = Keys::GridCursor,
    .undo = true,
    .hint = letterSumsHint,
    .check = fadedLettersBreaks,
    .answerAt = letterSumsAnswer,
};

FadedLevel fadedLevel(int level) {
    switch (level) {
        case 12: return {12, 50};
        case 10: return {10, 50};
        case 8: return {12, 25};
        default: return {10, 25};
    }
}

void playLetterSums(ProgramState& s, int size, const char*) {
    if (s.game.built == 0) buildGrid(s, size, SumsRemoveAbove, true);
    playFrame(s, size, true);
}

void playFadedLetters(ProgramState& s, int level, const char*) {
    const FadedLevel faded = fadedLevel(level);
    if (s.game.built == 0) buildGrid(s, faded.size, 100 - faded.share, false);
    playFrame(s, faded.size, false);
}

}  // namespace glossamo
