#include "families/hidden_words/hidden_words.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "families/hidden_words/hidden_words_record.hpp"
#include "games/board_services.hpp"
#include "games/drag_and_drop.hpp"
#include "grid/crossword_grid.hpp"
#include "grid/grid_cells.hpp"
#include "grid/grid_common.hpp"
#include "media/sound_services.hpp"
#include "platform/canvas.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr int LetterFound = 7;
constexpr std::size_t WordStart = 5;  // an entry of the hidden-words list: 4 coordinates, the found flag, the word

std::size_t at(int i) { return static_cast<std::size_t>(i); }

void buildHiddenWords(ProgramState& s, int size, const char* gridFile) {
    GameRecord& g = s.game;
    hidden_words::gridSize(g) = static_cast<std::uint32_t>(size);
    const TjsysGrille grid = chosenGrid(s, size, gridFile);
    for (int c = 0; c <= 20; ++c)
        for (int r = 0; r <= 16; ++r) g.solution[at(c)][at(r)] = 0;
    Board<std::uint32_t>& own = hidden_words::gridLetters(g);
    for (int c = 0; c < size; ++c) {
        for (int r = 0; r < size; ++r) {
            const char cell = grid.gridCells[at(c)][at(r)];
            const auto col = at(c + 1), row = at(r + 1);
            own[col][row] = static_cast<unsigned char>(cell);
            g.letters[col][row] = cell == '*' ? static_cast<char>('A' + s.rng.below(25)) : cell;
            g.tileStyles[col][row] = 4;
            g.movable[col][row] = 1;
            g.clickable[col][row] = 1;
        }
    }
    std::vector<std::string> words;
    grid.ListWords(words);
    std::vector<std::string> distinct;
    for (const std::string& word : words)
        if (std::find(distinct.begin(), distinct.end(), word) == distinct.end()) distinct.push_back(word);
    s.gameWordList.clear();
    for (const std::string& word : distinct) s.gameWordList.push_back("    0" + word);
    g.built = 1;
    playSound(s, sounds::GameBuilt);
}

bool entryFound(const std::string& entry) { return entry.size() > 4 && entry[4] == '1'; }
std::string entryWord(const std::string& entry) { return entry.size() > WordStart ? entry.substr(WordStart) : ""; }

// A found word is circled on the board: red across, blue down.
void circleWord(ProgramState& s, const std::string& entry) {
    const int c1 = coordinateOf(entry[0]), r1 = coordinateOf(entry[1]);
    const int c2 = coordinateOf(entry[2]), r2 = coordinateOf(entry[3]);
    const int x1 = s.game.boardLeft + CellPixels * c1, y1 = s.game.boardTop + CellPixels * r1;
    const int x2 = s.game.boardLeft + CellPixels * c2, y2 = s.game.boardTop + CellPixels * r2;
    Canvas& canvas = s.platform.canvas();
    if (c1 == c2)
        canvas.roundedRect(Rect{x1 + 3, y1 + 7, x2 + 24 - (x1 + 3), y2 + 29 - (y1 + 7)}, 10, Rgb{0, 0, 255}, 2);
    else
        canvas.roundedRect(Rect{x1 + 3, y1 + 8, x2 + 20 - (x1 + 3), y2 + 29 - (y1 + 8)}, 10, Rgb{255, 0, 0}, 2);
}

// Marks the entry the selection spells, then draws the list; returns how
// many words are found.
std::size_t checkAndDrawHiddenWords(ProgramState& s) {
    const bool playing = s.app.gameWon == 0 && s.app.gameLost == 0;
    std::size_t found = 0;
    for (std::size_t i = 0; i < s.gameWordList.size(); ++i) {
        std::string& entry = s.gameWordList[i];
        if (!entryFound(entry) && !s.drag.text.empty() && entryWord(entry) == s.drag.text.view()) {
            s.drag.text.clear();
            entry[0] = coordinateCode(s.drag.fromCol);
            entry[1] = coordinateCode(s.drag.fromRow);
            entry[2] = coordinateCode(s.game.hoverCol);
            entry[3] = coordinateCode(s.game.hoverRow);
            entry[4] = '1';
            playSound(s, LetterFound);
        }
        if (!playing) continue;
        const Point at = wordListPosition(static_cast<int>(i) + 1);
        if (entryFound(entry)) {
            drawStruckSmallText(s, at.x, at.y, entryWord(entry));
            circleWord(s, entry);
            ++found;
        } else {
            drawSmallText(s, at.x, at.y, NormalInk, entryWord(entry));
        }
    }
    return found;
}

}  // namespace

HintOutcome hintHiddenWord(ProgramState& s) {
    const auto spells = [&s](const std::string& word, int c, int r, int dc, int dr) {
        for (std::size_t k = 0; k < word.size(); ++k) {
            const int col = c + static_cast<int>(k) * dc, row = r + static_cast<int>(k) * dr;
            if (col >= BoardSize || row >= BoardSize || s.game.letters[at(col)][at(row)] != word[k]) return false;
        }
        return true;
    };
    const auto open = std::count_if(s.gameWordList.begin(), s.gameWordList.end(), [](const std::string& entry) {
        return entry.size() > WordStart && !entryFound(entry) && !entryWord(entry).empty();
    });
    const HintOutcome outcome = hintOutcomeFor(static_cast<int>(open));
    if (outcome != HintOutcome::Given) return outcome;
    for (std::string& entry : s.gameWordList) {
        const std::string word = entryWord(entry);
        if (entry.size() <= WordStart || entryFound(entry) || word.empty()) continue;
        for (int r = 0; r < BoardSize; ++r)
            for (int c = 0; c < BoardSize; ++c)
                for (const bool across : {true, false}) {
                    if (!spells(word, c, r, across ? 1 : 0, across ? 0 : 1)) continue;
                    const int last = static_cast<int>(word.size()) - 1;
                    entry[0] = coordinateCode(c);
                    entry[1] = coordinateCode(r);
                    entry[2] = coordinateCode(across ? c + last : c);
                    entry[3] = coordinateCode(across ? r : r + last);
                    entry[4] = '1';
                    return HintOutcome::Given;
                }
    }
    return HintOutcome::NothingLeft;
}

// The game decides as it is played: won when every word of the list is found.
const GameRules HiddenWordsRules = {
    .name = "MOTS CACHES",
    .play = playHiddenWords,
    .rule = nullptr,
    .pick = startSelection,
    .drop = endSelection,
    .look = PieceLook::SelectionFrame,
    .hint = hintHiddenWord,
    .printedWords = PrintedWords::AfterCoordinates,
};

char coordinateCode(int n) { return static_cast<char>('A' + std::clamp(n, 0, 25)); }
int coordinateOf(char code) { return code >= 'A' && code <= 'Z' ? code - 'A' : 0; }

void playHiddenWords(ProgramState& s, int size, const char* gridFile) {
    if (s.game.built == 0) buildHiddenWords(s, size, gridFile);
    drawBoard(s);
    const std::size_t found = checkAndDrawHiddenWords(s);
    if (s.app.gameLost == 1) showGridAnswer(s.game, hidden_words::gridLetters(s.game));
    if (s.app.gameWon == 0 && s.app.gameLost == 0 && found == s.gameWordList.size()) s.app.gameWon = 1;
}

}  // namespace glossamo
