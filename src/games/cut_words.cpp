#include "games/cut_words.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/word_lists.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"
#include "words/word_store.hpp"

namespace glossamo {

namespace {

constexpr int WordLength = 6;
constexpr int Half = 3;
constexpr int FirstLineRow = 4;
constexpr int LeftHalf = 3, RightHalf = 7;
constexpr int FirstListColumn = 11, SecondListColumn = 15;
// A list too small for distinct words makes the build wait for the next
// frame instead of drawing forever.
constexpr int DrawsPerWord = 1000;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

void makeMovable(GameRecord& g, int c, int r) { g.movable[at(c)][at(r)] = g.clickable[at(c)][at(r)] = 1; }

bool build(ProgramState& s, int p) {
    GameRecord& g = s.game;
    s.gameWordList.clear();
    for (int j = 1; j <= p; ++j) {
        std::string word;
        for (int draw = 0; draw < DrawsPerWord; ++draw) {
            word = s.words.GetWord(0, WordLength);
            // A name with a blank, a hyphen or an apostrophe has no halves of
            // three letters to drag: it is passed over.
            bool fresh = IsSpellable(word);
            for (int k = 1; k < j && fresh; ++k) fresh = g.texts[at(k)].view() != word;
            if (fresh) break;
            word.clear();
        }
        if (word.empty()) return false;
        g.texts[at(j)] = word;
        s.gameWordList.push_back(word.substr(0, Half));
        s.gameWordList.push_back(word.substr(Half));
        const int row = FirstLineRow + j - 1;
        PutWord(LeftHalf, row, "   ", Across, g.letters);
        PutWord(RightHalf, row, "   ", Across, g.letters);
        for (int c = LeftHalf; c <= RightHalf + Half - 1; ++c) {
            if (c == LeftHalf + Half) continue;  // the cut
            makeMovable(g, c, row);
            g.colours[at(c)][at(row)] = HighlightInk;
        }
    }
    std::sort(s.gameWordList.begin(), s.gameWordList.end());
    for (int i = 0; i < 2 * p; ++i) {
        const int column = i < p ? FirstListColumn : SecondListColumn;
        const int row = FirstLineRow + (i < p ? i : i - p);
        PutWord(column, row, s.gameWordList[at(i)], Across, g.letters);
        for (int k = 0; k < Half; ++k) makeMovable(g, column + k, row);
    }
    g.built = 1;
    playSound(s, sounds::GameBuilt);
    return true;
}

}  // namespace

void playCutWords(ProgramState& s, int p, const char*) {
    GameRecord& g = s.game;
    if (g.built == 0 && !build(s, p)) return;
    if (s.app.gameLost == 1)
        for (int j = 1; j <= p; ++j) {
            const std::string word = g.texts[at(j)].str();
            PutWord(LeftHalf, FirstLineRow + j - 1, word.substr(0, Half), Across, g.letters);
            PutWord(RightHalf, FirstLineRow + j - 1, word.substr(Half), Across, g.letters);
        }
    for (int j = 1; j <= 10; ++j) {
        const int row = FirstLineRow + j - 1;
        g.texts[at(j + 10)] =
            j <= p ? readBoardWord(s, LeftHalf, row, Half, true) + readBoardWord(s, RightHalf, row, Half, true) : "";
    }
    drawBoard(s);
    checkSolved(s);
}

bool cutWordsSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    // A line is one of the game's words or another word, and the halves laid
    // are exactly the halves of the game's words, each used once.
    std::vector<std::string_view> shown, laid;
    const auto cut = [](std::vector<std::string_view>& halves, std::string_view text) {
        const std::size_t middle = std::min(text.size(), static_cast<std::size_t>(Half));
        halves.insert(halves.end(), {text.substr(0, middle), text.substr(middle)});
    };
    for (int j = 1; j <= 10; ++j) {
        const std::string_view word = g.texts[at(j)].view();
        if (word.empty()) continue;
        const std::string_view line = g.texts[at(j + 10)].view();
        bool known = false;
        for (int k = 1; k <= 10 && !known; ++k) known = line == g.texts[at(k)].view();
        if (!known && !PlayerWordExists(s, line)) return false;
        cut(shown, word);
        cut(laid, line);
    }
    std::sort(shown.begin(), shown.end());
    std::sort(laid.begin(), laid.end());
    return shown == laid;
}

}  // namespace glossamo
