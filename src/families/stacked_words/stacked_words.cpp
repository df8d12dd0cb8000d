#include "families/stacked_words/stacked_words.hpp"

#include <string>
#include <vector>

#include "families/stacked_words/stacked_words_record.hpp"
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/drag_and_drop.hpp"
#include "games/word_lists.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"
#include "words/word_store.hpp"

namespace glossamo {

using namespace stacked_words;

namespace {

// A build fails when a row finds fewer than two words; the attempts of one
// frame are bounded to keep it short.
constexpr int AttemptsPerFrame = 10;
constexpr int MixesAtMost = 20;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// One attempt: a column word, then for each of its letters a row word one
// letter longer than the row before, chosen among at least two.
bool tryBuild(ProgramState& s, int n) {
    GameRecord& g = s.game;
    columnWord(g) = s.words.GetWord(0, n);
    if (columnWord(g).size() != static_cast<std::size_t>(n)) return false;
    PutWord(1, 1, columnWord(g).view(), Down, g.letters);
    std::vector<std::string> found;
    for (int i = 1; i <= n; ++i) {
        g.colours[1][at(i)] = HighlightInk;
        g.movable[1][at(i)] = g.clickable[1][at(i)] = 1;
        std::string pattern(at(i + 1), '?');
        pattern[0] = columnWord(g)[at(i - 1)];
        s.words.FindPatternWords(pattern, found);
        s.words.keepDrawable(found, pattern.size());
        if (found.size() < 2) return false;
        const std::string& word = found[at(s.rng.below(static_cast<int>(found.size())))];
        s.words.noteDrawn(word);
        PutWord(1, i, word, Across, g.letters);
    }
    return true;
}

// Mixes the column; a mix that leaves every row a word would be won before
// any move, so the column is mixed again (a column of one repeated letter
// cannot be helped, and the mixes are bounded).
void mixColumn(ProgramState& s, int n) {
    for (int k = 0; k < MixesAtMost; ++k) {
        ShuffleBoardRun(1, 1, n, Down, s.game.letters, s.rng);
        laidColumn(s.game) = readBoardWord(s, 1, 1, n, false);
        if (!stackedWordsSolved(s)) return;
    }
}

}  // namespace

void playStackedWords(ProgramState& s, int n, const char*) {
    GameRecord& g = s.game;
    if (g.built == 0) {
        bool done = false;
        for (int attempt = 0; attempt < AttemptsPerFrame && !done; ++attempt) done = tryBuild(s, n);
        if (!done) return;  // tried again on the next frame
        PutWord(1, n + 1, " ", Across, g.letters);
        g.movable[1][at(n + 1)] = g.clickable[1][at(n + 1)] = 1;
        mixColumn(s, n);
        playSound(s, sounds::GameBuilt);
        g.built = 1;
    }
    if (s.app.gameLost == 1) PutWord(1, 1, columnWord(g).view(), Down, g.letters);
    laidColumn(g) = readBoardWord(s, 1, 1, n, false);
    drawBoard(s);
    checkSolved(s, StackedWordsRules.rule);
}

std::vector<HintPiece> stackedWordsHintPieces(const ProgramState& s) {
    const GameRecord& g = s.game;
    const int n = static_cast<int>(columnWord(g).size());
    HintPiece column{{}, columnWord(g).str(), {}, laidColumn(g).view() == columnWord(g).view(), true};
    for (int i = 1; i <= n; ++i) column.cells.push_back({1, i});
    return {column};
}

bool stackedWordsSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const std::string_view column = laidColumn(g).view(), drawn = columnWord(g).view();
    if (column == drawn) return true;
    if (!sameLetters(column, drawn)) return false;  // a letter still in the free slot
    for (int i = 1; i <= static_cast<int>(drawn.size()); ++i)
        if (!PlayerWordExists(s, readBoardWord(s, 1, i, i + 1, true))) return false;
    return true;
}

namespace {

HintOutcome stackedWordsHint(ProgramState& s) { return layHintPiece(s, stackedWordsHintPieces(s)); }

}  // namespace

const GameRules StackedWordsRules = {
    .name = "MOTS EMPILES",
    .play = playStackedWords,
    .rule = stackedWordsSolved,
    .pick = pickLetter,
    .drop = dropIntoFreeSlot,
    .undo = true,
    .hint = stackedWordsHint,
};

}  // namespace glossamo
