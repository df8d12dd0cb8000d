#include "families/vowel_market/vowel_market.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "families/vowel_market/vowel_market_record.hpp"
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/drag_and_drop.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"
#include "words/word_store.hpp"

namespace glossamo {

using namespace vowel_market;

namespace {

constexpr int WordColumn = 7;
constexpr int FirstWordRow = 7;  // word k is on row 6 + k
constexpr int MaxWords = 8;
constexpr int ReservoirRows = 6;
constexpr int ReservoirCells = BoardSize - 1;  // columns 1..20

std::size_t at(int i) { return static_cast<std::size_t>(i); }

bool build(ProgramState& s, int n) {
    GameRecord& g = s.game;
    std::vector<std::string> words;
    std::string pool;
    for (int k = 0; k < n; ++k) {
        words.push_back(s.words.GetWord(0, VowelMarketWordLength));
        for (const char c : words.back())
            if (IsVowel(c)) pool += c;
    }
    // An empty word could never be matched by its row, and a vowel with more
    // copies than a reservoir row has cells would lose some of them: such a
    // draw is thrown away and the next frame draws again.
    const bool emptyWord = std::any_of(words.begin(), words.end(), [](const std::string& w) { return w.empty(); });
    const bool overflows = std::any_of(std::begin(VowelRows), std::end(VowelRows) - 1, [&](char vowel) {
        return std::count(pool.begin(), pool.end(), vowel) > ReservoirCells;
    });
    if (emptyWord || overflows) return false;

    for (int k = 1; k <= n; ++k) {
        const std::string& word = words[at(k - 1)];
        drawnWord(g, k) = word;
        std::string holes = word;
        std::replace_if(holes.begin(), holes.end(), IsVowel, ' ');
        PutWord(WordColumn, FirstWordRow + k - 1, holes, Across, g.letters);
    }
    for (int c = 1; c < BoardSize; ++c) {
        for (int r = FirstWordRow; r < BoardSize; ++r) {
            if (g.letters[at(c)][at(r)] != ' ') continue;
            g.colours[at(c)][at(r)] = HighlightInk;
            g.movable[at(c)][at(r)] = 1;
            g.clickable[at(c)][at(r)] = 1;
        }
    }
    for (int k = 0; k < ReservoirRows; ++k) {
        const char vowel = VowelRows[k];
        const auto copies = static_cast<std::size_t>(std::count(pool.begin(), pool.end(), vowel));
        PutWord(1, k + 1, std::string(copies, vowel), Across, g.letters);
    }
    g.built = 1;
    playSound(s, sounds::GameBuilt);
    s.gameWordList.clear();
    return true;
}

}  // namespace

void playVowelMarket(ProgramState& s, int wordCount, const char*) {
    GameRecord& g = s.game;
    const int n = std::clamp(wordCount, 1, MaxWords);
    if (g.built == 0 && !build(s, n)) return;
    // The reservoirs, and the cells emptied by taking vowels, take vowels back.
    for (int c = 1; c < BoardSize; ++c) {
        for (int r = 1; r <= ReservoirRows; ++r) {
            if (g.letters[at(c)][at(r)] == '*') continue;
            g.movable[at(c)][at(r)] = 1;
            g.clickable[at(c)][at(r)] = 1;
            g.colours[at(c)][at(r)] = HighlightInk;
        }
    }
    for (int k = 1; k <= n; ++k)
        laidWord(g, k) = readBoardWord(s, WordColumn, FirstWordRow + k - 1, VowelMarketWordLength, true);
    if (s.app.gameLost == 1)
        for (int k = 1; k <= MaxWords; ++k) PutWord(WordColumn, FirstWordRow + k - 1, drawnWord(g, k).view(), Across, g.letters);
    checkSolved(s, VowelMarketRules.rule);
    drawBoard(s);
}

bool vowelMarketSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    for (int k = 1; k <= 10; ++k)
        if (!acceptedWord(s, laidWord(g, k).view(), drawnWord(g, k).view())) return false;
    return true;
}

std::vector<HintPiece> vowelMarketHintPieces(const ProgramState& s) {
    return marketHintPieces(s, WordColumn, FirstWordRow, MaxWords, IsVowel);
}

namespace {

HintOutcome vowelMarketHint(ProgramState& s) { return layHintPiece(s, vowelMarketHintPieces(s)); }

}  // namespace

const GameRules VowelMarketRules = {
    .name = "BOURSE AUX VOYELLES",
    .play = playVowelMarket,
    .rule = vowelMarketSolved,
    .pick = pickLetter,
    .drop = dropIntoFreeSlot,
    .undo = true,
    .hint = vowelMarketHint,
};

}  // namespace glossamo
