#include "families/cut_words/cut_words.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "families/cut_words/cut_words_record.hpp"
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/drag_and_drop.hpp"
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
            for (int k = 1; k < j && fresh; ++k) fresh = cut_words::word(g, k).view() != word;
            if (fresh) break;
            word.clear();
        }
        if (word.empty()) return false;
        cut_words::word(g, j) = word;
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
            const std::string word = cut_words::word(g, j).str();
            PutWord(LeftHalf, FirstLineRow + j - 1, word.substr(0, Half), Across, g.letters);
            PutWord(RightHalf, FirstLineRow + j - 1, word.substr(Half), Across, g.letters);
        }
    for (int j = 1; j <= cut_words::MostLines; ++j) {
        const int row = FirstLineRow + j - 1;
        cut_words::line(g, j) =
            j <= p ? readBoardWord(s, LeftHalf, row, Half, true) + readBoardWord(s, RightHalf, row, Half, true) : "";
    }
    drawBoard(s);
    checkSolved(s, CutWordsRules.rule);
}

namespace {

// The cells of the first half in the lists that still reads `half`.
std::vector<Point> listedHalf(const ProgramState& s, int p, std::string_view half) {
    for (int i = 0; i < 2 * p; ++i) {
        const Point start{i < p ? FirstListColumn : SecondListColumn, FirstLineRow + (i < p ? i : i - p)};
        if (readBoardWord(s, start.x, start.y, Half, true) == half)
            return {start, {start.x + 1, start.y}, {start.x + 2, start.y}};
    }
    return {};
}

// True when a line holds the left or the right half of `word` in its place.
bool holdsHalfOf(std::string_view line, std::string_view word) {
    const auto same = [&](std::size_t from) {
        const std::string_view half = line.substr(from, Half);
        return half.size() == Half && half != "   " && word.size() > from && half == word.substr(from, Half);
    };
    return line.size() == word.size() && line.size() >= 2 * Half && (same(0) || same(Half));
}

}  // namespace

std::vector<HintPiece> cutWordsHintPieces(const ProgramState& s) {
    const GameRecord& g = s.game;
    int p = 0;
    while (p < cut_words::MostLines && !cut_words::word(g, p + 1).empty()) ++p;
    const auto isWord = [&](std::string_view line) {
        for (int k = 1; k <= p; ++k)
            if (line == cut_words::word(g, k).view()) return true;
        return line.find(' ') == std::string_view::npos && PlayerWordExists(s, line);
    };
    std::vector<std::string> waiting;  // the game's words no line holds yet
    for (int j = 1; j <= p; ++j) {
        bool laid = false;
        for (int k = 1; k <= p && !laid; ++k) laid = cut_words::line(g, k).view() == cut_words::word(g, j).view();
        if (!laid) waiting.push_back(cut_words::word(g, j).str());
    }
    // A line that holds a half of a waiting word waits for that word; the
    // other lines take the words left, in order.
    std::vector<std::string> wordOf(at(p + 1));
    const auto take = [&](int j, bool byHalf) {
        const std::string_view made = cut_words::line(g, j).view();
        for (auto word = waiting.begin(); word != waiting.end(); ++word) {
            if (byHalf && !holdsHalfOf(made, *word)) continue;
            wordOf[at(j)] = *word;
            waiting.erase(word);
            return;
        }
    };
    for (const bool byHalf : {true, false})
        for (int j = 1; j <= p; ++j)
            if (wordOf[at(j)].empty() && !isWord(cut_words::line(g, j).view())) take(j, byHalf);
    std::vector<HintPiece> pieces;
    for (int j = 1; j <= p; ++j) {
        const int row = FirstLineRow + j - 1;
        HintPiece line;
        for (int k = 0; k < Half; ++k) line.cells.push_back({LeftHalf + k, row});
        for (int k = 0; k < Half; ++k) line.cells.push_back({RightHalf + k, row});
        line.done = isWord(cut_words::line(g, j).view());
        if (line.done) {
            line.letters = cut_words::line(g, j).str();
        } else if (!wordOf[at(j)].empty()) {
            line.letters = wordOf[at(j)];
            for (const std::string_view half : {std::string_view(line.letters).substr(0, Half),
                                                std::string_view(line.letters).substr(Half)})
                for (const Point cell : listedHalf(s, p, half)) line.sources.push_back(cell);
        } else {
            continue;  // more lines without a word than words waiting: nothing to give there
        }
        pieces.push_back(std::move(line));
    }
    return pieces;
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
    for (int j = 1; j <= cut_words::MostLines; ++j) {
        const std::string_view word = cut_words::word(g, j).view();
        if (word.empty()) continue;
        const std::string_view line = cut_words::line(g, j).view();
        bool known = false;
        for (int k = 1; k <= cut_words::MostLines && !known; ++k) known = line == cut_words::word(g, k).view();
        if (!known && !PlayerWordExists(s, line)) return false;
        cut(shown, word);
        cut(laid, line);
    }
    std::sort(shown.begin(), shown.end());
    std::sort(laid.begin(), laid.end());
    return shown == laid;
}

namespace {

HintOutcome cutWordsHint(ProgramState& s) { return layHintPiece(s, cutWordsHintPieces(s)); }

}  // namespace

const GameRules CutWordsRules = {
    .name = "MOTS COUPES",
    .play = playCutWords,
    .rule = cutWordsSolved,
    .pick = pickCutWord,
    .drop = dropCutWord,
    .undo = true,
    .hint = cutWordsHint,
};

}  // namespace glossamo
