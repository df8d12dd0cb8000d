#include "families/crossing_words/crossing_words.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "families/crossing_words/crossing_words_record.hpp"
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

constexpr int RowColumn = 6;
constexpr int FirstRow = 7;
// A build fails when a column pattern has no word; the attempts of one frame
// are bounded so that the frame stays short (each costs a few microseconds).
constexpr int AttemptsPerFrame = 25;
// With easy words, attempts go on until about this many words were scanned
// in the frame (a few milliseconds): rows of easy words cross less often.
constexpr int EasyWordsScannedPerFrame = 300000;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

bool boardHoldsQuestionMark(const GameRecord& g) {
    for (int c = 1; c <= 20; ++c)
        for (int r = 1; r <= 16; ++r)
            if (g.letters[at(c)][at(r)] == '?') return true;
    return false;
}

// One attempt: three row words, then a column word through the middle of
// each; false when a column found no word.
bool tryBuild(ProgramState& s, int n) {
    GameRecord& g = s.game;
    for (int k = 0; k < 3; ++k) PutWord(RowColumn, FirstRow + k, s.words.GetWord(0, n), Across, g.letters);
    for (int k = 0; k < 3; ++k) crossing_words::rowWord(g, k + 1) = readBoardWord(s, RowColumn, FirstRow + k, n, true);
    const CrossingGeometry geometry = crossingGeometry(n);
    const std::string margin(static_cast<std::size_t>((n - 3) / 2), '?');
    std::vector<std::string> found;
    for (int c = geometry.firstColumn; c < geometry.firstColumn + 3; ++c) {
        const std::string pattern = margin + readBoardWord(s, c, FirstRow, 3, false) + margin;
        s.words.FindPatternWords(pattern, found);
        s.words.keepDrawable(found, pattern.size());
        // With easy words most attempts fail: the first column without one ends it.
        if (s.words.drawsEasyWords() && found.front().find('?') != std::string::npos) return false;
        const std::string& word = found[at(s.rng.below(static_cast<int>(found.size())))];
        if (word.find('?') == std::string::npos) s.words.noteDrawn(word);
        PutWord(c, geometry.firstRow, word, Down, g.letters);
    }
    return !boardHoldsQuestionMark(g);
}

// The nine crossing letters go to the bank (row 1), column word by column
// word, top to bottom, and are mixed there.
void fillBank(ProgramState& s, int n) {
    GameRecord& g = s.game;
    const CrossingGeometry geometry = crossingGeometry(n);
    int b = 0;
    for (int c = geometry.firstColumn; c < geometry.firstColumn + 3; ++c) {
        for (int r = FirstRow; r < FirstRow + 3; ++r) {
            ++b;
            g.letters[at(b)][1] = g.letters[at(c)][at(r)];
            g.letters[at(c)][at(r)] = ' ';
            g.colours[at(c)][at(r)] = HighlightInk;
            g.movable[at(c)][at(r)] = g.clickable[at(c)][at(r)] = 1;
            g.movable[at(b)][1] = g.clickable[at(b)][1] = 1;
        }
    }
    ShuffleBoardRun(1, 1, 9, Across, g.letters, s.rng);
}

bool rowsAsBuilt(const ProgramState& s, int n) {
    for (int k = 0; k < 3; ++k) {
        const std::string row = readBoardWord(s, RowColumn, FirstRow + k, n, true);
        if (row != crossing_words::rowWord(s.game, k + 1).view()) return false;
    }
    return true;
}

// English cross is judged against the English list, which the store keeps
// ready behind the dictionary once the game is built.
bool crossingWord(const ProgramState& s, std::string_view word, bool english) {
    return english ? ListWordExists(s, wordlists::English, word) : PlayerWordExists(s, word);
}

bool crossingWordsMeet(const ProgramState& s, bool english) {
    const int n = static_cast<int>(crossing_words::rowWord(s.game, 1).size());
    if (rowsAsBuilt(s, n)) return true;
    const CrossingGeometry geometry = crossingGeometry(n);
    for (int k = 0; k < 3; ++k) {
        if (!crossingWord(s, readBoardWord(s, RowColumn, FirstRow + k, n, true), english)) return false;
        const int columnAt = geometry.firstColumn + k;
        const std::string column = readBoardWord(s, columnAt, geometry.firstRow, geometry.columnLength, false);
        if (!crossingWord(s, column, english)) return false;
    }
    return true;
}

void playCrossing(ProgramState& s, int n, BoardRule rule);

void playEnglishCross(ProgramState& s, int n, const char*) { playCrossing(s, n, englishCrossSolved); }

HintOutcome crossingWordsHint(ProgramState& s) { return layHintPiece(s, crossingWordsHintPieces(s)); }

}  // namespace

const GameRules CrossingWordsRules = {
    .name = "MOTS EN CROIX",
    .play = playCrossingWords,
    .rule = crossingWordsSolved,
    .pick = pickLetter,
    .drop = dropIntoFreeSlot,
    .undo = true,
    .hint = crossingWordsHint,
};

const GameRules EnglishCrossRules = {
    .name = "ENGLISH CROSS",
    .play = playEnglishCross,
    .rule = englishCrossSolved,
    .pick = pickLetter,
    .drop = dropIntoFreeSlot,
    .undo = true,
    .hint = crossingWordsHint,
};

bool crossingWordsSolved(const ProgramState& s) { return crossingWordsMeet(s, false); }
bool englishCrossSolved(const ProgramState& s) { return crossingWordsMeet(s, true); }

CrossingGeometry crossingGeometry(int n) {
    const int k = (n - 1) / 2, m = (n - 3) / 2;
    return {k + 5, 8 - k, 2 * m + 3};
}

std::vector<HintPiece> crossingWordsHintPieces(const ProgramState& s) {
    const GameRecord& g = s.game;
    const int n = static_cast<int>(crossing_words::rowWord(g, 1).size());
    const CrossingGeometry geometry = crossingGeometry(n);
    std::vector<Point> bank;
    for (int b = 1; b <= 9; ++b) bank.push_back({b, 1});
    std::vector<HintPiece> pieces;
    for (int c = geometry.firstColumn; c < geometry.firstColumn + 3; ++c) {
        HintPiece column{{}, {}, bank, true, true};
        for (int k = 0; k < 3; ++k) {
            const char letter = crossing_words::rowWord(g, k + 1)[at(c - RowColumn)];
            column.cells.push_back({c, FirstRow + k});
            column.letters += letter;
            column.done = column.done && g.letters[at(c)][at(FirstRow + k)] == letter;
        }
        pieces.push_back(std::move(column));
    }
    return pieces;
}

void playCrossingWords(ProgramState& s, int n, const char*) { playCrossing(s, n, crossingWordsSolved); }

namespace {

void playCrossing(ProgramState& s, int n, BoardRule rule) {
    GameRecord& g = s.game;
    if (g.built == 0) {
        bool done = false;
        const int attempts = s.words.drawsEasyWords()
                                 ? std::max(AttemptsPerFrame, EasyWordsScannedPerFrame / std::max(1, s.words.count(n)))
                                 : AttemptsPerFrame;
        for (int attempt = 0; attempt < attempts && !done; ++attempt) done = tryBuild(s, n);
        if (!done) return;  // tried again on the next frame
        playSound(s, sounds::GameBuilt);
        g.built = 1;
        // English cross draws from the English list; the dictionary comes back.
        LoadWordList(s, wordlists::French);
        fillBank(s, n);
    }
    if (s.app.gameLost == 1)
        for (int k = 0; k < 3; ++k)
            PutWord(RowColumn, FirstRow + k, crossing_words::rowWord(g, k + 1).view(), Across, g.letters);
    drawBoard(s);
    checkSolved(s, rule);
}

}  // namespace

}  // namespace glossamo
