#include "families/consonant_market/consonant_market.hpp"

#include <string>

#include "families/consonant_market/consonant_market_record.hpp"
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/drag_and_drop.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"
#include "words/word_store.hpp"

namespace glossamo {

using namespace consonant_market;

namespace {

constexpr int WordLength = 10;
constexpr int WordColumn = 7;
constexpr int FirstWordRow = 7;
constexpr int BankRows = 6;
constexpr int BankWidth = 20;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

void makeSlot(GameRecord& g, int c, int r) {
    g.movable[at(c)][at(r)] = g.clickable[at(c)][at(r)] = 1;
    g.colours[at(c)][at(r)] = HighlightInk;
}

bool build(ProgramState& s, int p) {
    GameRecord& g = s.game;
    std::string pool;
    for (int j = 1; j <= p; ++j) {
        const std::string word = s.words.GetWord(0, WordLength);
        if (word.size() != static_cast<std::size_t>(WordLength)) return false;  // tried again next frame
        drawnWord(g, j) = word;
        std::string shown = word;
        for (char& c : shown)
            if (!IsVowel(c)) {
                pool += c;
                c = ' ';
            }
        PutWord(WordColumn, FirstWordRow + j - 1, shown, Across, g.letters);
    }
    for (int c = 1; c <= BankWidth; ++c)
        for (int r = FirstWordRow; r <= 20; ++r)
            if (g.letters[at(c)][at(r)] == ' ') makeSlot(g, c, r);
    ShuffleWord(pool, s.rng);
    for (int row = 0; row * BankWidth < static_cast<int>(pool.size()); ++row)
        PutWord(1, 1 + row, std::string_view(pool).substr(at(row * BankWidth), BankWidth), Across, g.letters);
    s.gameWordList.clear();
    g.built = 1;
    playSound(s, sounds::GameBuilt);
    return true;
}

}  // namespace

void playConsonantMarket(ProgramState& s, int p, const char*) {
    GameRecord& g = s.game;
    if (g.built == 0 && !build(s, p)) return;
    // The bank's cells, emptied ones included, take letters back.
    for (int c = 1; c <= BankWidth; ++c)
        for (int r = 1; r <= BankRows; ++r)
            if (g.letters[at(c)][at(r)] != '*') makeSlot(g, c, r);
    for (int j = 1; j <= p; ++j) laidWord(g, j) = readBoardWord(s, WordColumn, FirstWordRow + j - 1, WordLength, true);
    checkSolved(s, ConsonantMarketRules.rule);
    if (s.app.gameLost == 1)
        for (int j = 1; j <= p; ++j) PutWord(WordColumn, FirstWordRow + j - 1, drawnWord(g, j).view(), Across, g.letters);
    drawBoard(s);
}

bool consonantMarketSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    for (int k = 1; k <= 10; ++k)
        if (!acceptedWord(s, laidWord(g, k).view(), drawnWord(g, k).view())) return false;
    return true;
}

std::vector<HintPiece> consonantMarketHintPieces(const ProgramState& s) {
    return marketHintPieces(s, WordColumn, FirstWordRow, 10, [](char c) { return !IsVowel(c); });
}

namespace {

HintOutcome consonantMarketHint(ProgramState& s) { return layHintPiece(s, consonantMarketHintPieces(s)); }

}  // namespace

const GameRules ConsonantMarketRules = {
    .name = "BOURSE AUX CONSONNES",
    .play = playConsonantMarket,
    .rule = consonantMarketSolved,
    .pick = pickLetter,
    .drop = dropIntoFreeSlot,
    .undo = true,
    .hint = consonantMarketHint,
};

}  // namespace glossamo
