#include "grid/coded_words.hpp"

#include <string>

#include "games/board_services.hpp"
#include "grid/grid_common.hpp"
#include "grid/grid_games.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr std::uint32_t BlackSquareNumber = 100;
constexpr int GivenLetters = 4;
constexpr int CodeShuffles = 1000;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

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
    g.counterB = static_cast<std::uint32_t>(size);
    const TjsysGrille grid = chosenGrid(s, size, gridFile);
    for (int c = 0; c < size; ++c) {
        for (int r = 0; r < size; ++r) {
            const char cell = grid.gridCells[at(c)][at(r)];
            const auto col = at(c + 1), row = at(r + 1);
            g.solution[col][row] = static_cast<unsigned char>(cell);
            const bool letter = cell >= 'A' && cell <= 'Z';
            g.numbers[col][row] = letter ? numberOf(s, cell) : BlackSquareNumber;
            if (letter) {
                g.letters[col][row] = (r == 0 && c < GivenLetters) ? cell : ' ';
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

}  // namespace

void playCodedWords(ProgramState& s, int size, const char* gridFile) {
    GameRecord& g = s.game;
    if (g.built == 0) buildCodedWords(s, size, gridFile);
    if (s.app.gameLost == 1) {
        for (int c = 1; c <= size; ++c)
            for (int r = 1; r <= size; ++r) {
                g.colours[at(c)][at(r)] = HighlightInk;
                g.letters[at(c)][at(r)] = static_cast<char>(g.solution[at(c)][at(r)]);
            }
    }
    writePalette(s, paletteRow(size));
    drawBoard(s);
    drawCodeNumbers(s);
    checkSolved(s);
}

}  // namespace glossamo
