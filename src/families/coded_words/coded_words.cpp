#include "families/coded_words/coded_words.hpp"

#include <array>
#include <string>

#include "families/coded_words/coded_words_record.hpp"
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

constexpr std::uint32_t BlackSquareNumber = 100;
constexpr int GivenLetters = 4;
constexpr int CodeShuffles = 1000;

std::size_t at(int i) { return static_cast<std::size_t>(i); }
std::uint32_t code(char c) { return static_cast<unsigned char>(c); }

// The code: entry k (k = 0 for A) of the game word list is the number of
// the k-th letter. Moving a random entry to the front a thousand times mixes
// 1..26 into a random order.
void drawCode(ProgramState& s) {
    std::vector<std::string>& code = s.gameWordList;
    code.clear();
    for (int n = 1; n <= 26; ++n) code.push_back(std::to_string(n));
    for (int k = 0; k < CodeShuffles; ++k) {
        const auto from = code.begin() + s.rng.below(26);
        std::string entry = *from;
        code.erase(from);
        code.insert(code.begin(), entry);
    }
}

std::uint32_t numberOf(const ProgramState& s, char letter) {
    const std::size_t k = static_cast<std::size_t>(letter - 'A');
    return k < s.gameWordList.size() ? static_cast<std::uint32_t>(std::stoul(s.gameWordList[k])) : 0;
}

void buildCodedWords(ProgramState& s, int size, const char* gridFile) {
    GameRecord& g = s.game;
    drawCode(s);
    playSound(s, sounds::Enter);
    coded_words::gridSize(g) = static_cast<std::uint32_t>(size);
    const TjsysGrille grid = chosenGrid(s, size, gridFile);
    for (int c = 0; c < size; ++c) {
        for (int r = 0; r < size; ++r) {
            const char cell = grid.gridCells[at(c)][at(r)];
            const auto col = at(c + 1), row = at(r + 1);
            coded_words::answer(g)[col][row] = static_cast<unsigned char>(cell);
            const bool letter = cell >= 'A' && cell <= 'Z';
            coded_words::codeNumbers(g)[col][row] = letter ? numberOf(s, cell) : BlackSquareNumber;
            if (letter) {
                g.letters[col][row] = (r == 0 && c < GivenLetters) ? cell : ' ';
                s.givenLetters[col][row] = g.letters[col][row] == ' ' ? 0 : cell;
                g.movable[col][row] = 1;
                g.clickable[col][row] = 1;
                g.tileStyles[col][row] = 4;
            } else {
                g.letters[col][row] = '*';
                g.tileStyles[col][row] = 3;
            }
        }
    }
    preparePalette(s, paletteRow(size));
    g.built = 1;
    playSound(s, sounds::GameBuilt);
}

// The grid as laid: its black squares are the cells of the black-square
// number.
GridRows laidGrid(const ProgramState& s) {
    const GameRecord& g = s.game;
    return gridRowsOf(s, 1, 1, [&g](int c, int r) { return coded_words::codeNumbers(g)[at(c)][at(r)] == BlackSquareNumber; });
}

// Any decoding wins in which every run is a word, the letters given at the
// start stay, and one number always stands for one letter, two numbers for
// two letters.
bool codedWordsSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const GridRows rows = laidGrid(s);
    if (!everyRunIsAWord(s, rows)) return false;
    std::array<char, 27> letterOfNumber{};
    std::array<std::uint32_t, 26> numberOfLetter{};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows.size(); ++c) {
            const char letter = rows[r][c];
            if (letter == '*') continue;
            if (r == 0 && c < GivenLetters && code(letter) != coded_words::answer(g)[c + 1][1]) return false;
            const std::uint32_t number = coded_words::codeNumbers(g)[c + 1][r + 1];
            if (number < 1 || number > 26) return false;
            std::uint32_t& owner = numberOfLetter[at(letter - 'A')];
            if (letterOfNumber[number] == 0 && owner == 0) {
                letterOfNumber[number] = letter;
                owner = number;
            } else if (letterOfNumber[number] != letter || owner != number) {
                return false;
            }
        }
    }
    return true;
}

// The stored decoding, or any other that meets the rule.
bool codedWordsRule(const ProgramState& s) { return gridMatches(s.game, coded_words::answer(s.game), 1) || codedWordsSolved(s); }

char codedWordsAnswer(const ProgramState& s, int c, int r) { return answerInGrid(s, coded_words::answer(s.game), c, r, 1); }

HintOutcome codedWordsHint(ProgramState& s) { return hintGridLetter(s, CodedWordsRules); }

// The grid has one solution: a check marks every letter that is not its own.
std::vector<Point> codedWordsCheck(const ProgramState& s) { return wrongGridLetters(s, CodedWordsRules); }

}  // namespace

const GameRules CodedWordsRules = {
    .name = "MOTS CODES",
    .play = playCodedWords,
    .rule = codedWordsRule,
    .pick = pickCopiedLetter,
    .drop = dropIntoGrid,
    .keys = Keys::GridCursor,
    .undo = true,
    .hint = codedWordsHint,
    .check = codedWordsCheck,
    .answerAt = codedWordsAnswer,
    .printsTopRowLetters = true,
    .printsCodeNumbers = true,
};

void playCodedWords(ProgramState& s, int size, const char* gridFile) {
    GameRecord& g = s.game;
    if (g.built == 0) buildCodedWords(s, size, gridFile);
    if (s.app.gameLost == 1) {
        for (int c = 1; c <= size; ++c)
            for (int r = 1; r <= size; ++r) {
                g.colours[at(c)][at(r)] = HighlightInk;
                g.letters[at(c)][at(r)] = static_cast<char>(coded_words::answer(g)[at(c)][at(r)]);
            }
    }
    writePalette(s, paletteRow(size));
    drawBoard(s);
    drawCodeNumbers(s);
    checkSolved(s, CodedWordsRules.rule);
    sayWhenGridFullButWrong(s, laidGrid(s));
}

}  // namespace glossamo
