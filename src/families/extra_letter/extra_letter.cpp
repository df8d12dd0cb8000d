#include "families/extra_letter/extra_letter.hpp"

#include <string>
#include <vector>

#include "families/extra_letter/extra_letter_record.hpp"
#include "games/anagram_search.hpp"
#include "games/board_cells.hpp"
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/drag_and_drop.hpp"
#include "games/word_lists.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"
#include "words/word_store.hpp"

namespace glossamo {

using namespace extra_letter;

namespace {

// A line that waits for a rare word tries several times within one frame;
// an attempt costs one anagram search (some microseconds).
constexpr int ExtraLetterAttemptsPerFrame = 40;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

struct ExtraLayout {
    int wordLength;
    int x0;
};

ExtraLayout extraLayout(const GameRecord& g) {
    const int choice = static_cast<int>(lengthChoice(g));
    return {choice + 5, 4 - choice};
}

int lineRow(int j) { return 3 * j + 1; }

// One attempt at the next line: a word and a letter whose letters make
// exactly one word.
bool tryExtraLine(ProgramState& s) {
    GameRecord& g = s.game;
    const ExtraLayout l = extraLayout(g);
    const int j = static_cast<int>(linesBuilt(g)) + 1;
    const int r = lineRow(j);
    const std::string word = s.words.GetWord(0, l.wordLength);
    const char extra = static_cast<char>('A' + s.rng.below(26));
    const std::string answer = word.empty() ? std::string() : onlyAnagram(s, word + extra);
    if (answer.empty()) return false;
    s.words.noteDrawn(answer);
    lineAnswer(g, j) = answer;
    ++linesBuilt(g);
    PutWord(l.x0, r, word, Across, g.letters);
    PutWord(l.x0 + l.wordLength + 1, r, std::string(1, extra), Across, g.letters);
    PutWord(l.x0 + l.wordLength + 3, r, std::string(at(l.wordLength + 1), ' '), Across, g.letters);
    PutWord(l.x0 + l.wordLength + 3, r + 1, answer, Across, g.letters);
    ShuffleBoardRun(l.x0 + l.wordLength + 3, r + 1, l.wordLength + 1, Across, g.letters, s.rng);
    return true;
}

void finishExtraLetter(ProgramState& s, int lines) {
    GameRecord& g = s.game;
    const ExtraLayout l = extraLayout(g);
    g.built = 1;
    playSound(s, sounds::GameBuilt);
    for (int j = 1; j <= lines; ++j) {
        const int r = lineRow(j);
        for (int c = l.x0 + l.wordLength + 3; c <= l.x0 + 2 * l.wordLength + 3; ++c) {
            makeMovable(g, c, r);
            makeMovable(g, c, r + 1);
        }
        for (int c = l.x0; c <= l.x0 + l.wordLength; ++c) g.colours[at(c)][at(r)] = HighlightInk;
    }
}

}  // namespace

void playExtraLetter(ProgramState& s, int lines, const char*) {
    GameRecord& g = s.game;
    if (lengthChoice(g) == 0) lengthChoice(g) = static_cast<std::uint32_t>(1 + s.rng.below(2));
    const ExtraLayout l = extraLayout(g);
    if (g.built == 0) {
        // One line is added per frame at most; it may take several draws.
        if (static_cast<int>(linesBuilt(g)) < lines)
            for (int attempt = 0; attempt < ExtraLetterAttemptsPerFrame && !tryExtraLine(s); ++attempt) {
            }
        if (static_cast<int>(linesBuilt(g)) < lines) return;
        finishExtraLetter(s, lines);
    }
    const int answerColumn = l.x0 + l.wordLength + 3;
    if (s.app.gameLost == 1) {
        for (int j = 1; j <= lines; ++j) {
            PutWord(answerColumn, lineRow(j), lineAnswer(g, j).view(), Across, g.letters);
            PutWord(answerColumn, lineRow(j) + 1, std::string(at(l.wordLength + 1), ' '), Across, g.letters);
        }
    }
    drawBoard(s);
    for (int j = 1; j <= lines; ++j) {
        const int y = g.boardTop + CellPixels * lineRow(j);
        drawSlot(s, g.boardLeft + CellPixels * (l.x0 + l.wordLength) - 3, y, 10);
        drawSlot(s, g.boardLeft + CellPixels * (l.x0 + l.wordLength + 2) - 3, y, 9);
        laidLine(g, j) = readBoardWord(s, answerColumn, lineRow(j), l.wordLength + 1, true);
    }
    checkSolved(s, ExtraLetterRules.rule);
}

bool extraLetterSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    // The kept answer of a line holds exactly its word's letters and the
    // extra one; lines the game leaves out are empty on both sides.
    for (int j = 1; j <= 10; ++j) {
        const std::string_view made = laidLine(g, j).view(), answer = lineAnswer(g, j).view();
        if (made != answer && (answer.empty() || !sameLetters(made, answer) || !PlayerWordExists(s, made))) return false;
    }
    return true;
}

std::vector<HintPiece> extraLetterHintPieces(const ProgramState& s) {
    const GameRecord& g = s.game;
    const ExtraLayout l = extraLayout(g);
    const int answerColumn = l.x0 + l.wordLength + 3;
    std::vector<HintPiece> pieces;
    for (int j = 1; j <= static_cast<int>(linesBuilt(g)) && j <= 10; ++j) {
        const std::string_view made = laidLine(g, j).view(), answer = lineAnswer(g, j).view();
        const bool done = made == answer || (sameLetters(made, answer) && PlayerWordExists(s, made));
        HintPiece line{{}, std::string(answer), {}, done, true};
        for (int k = 0; k <= l.wordLength; ++k) {
            line.cells.push_back({answerColumn + k, lineRow(j)});
            line.sources.push_back({answerColumn + k, lineRow(j) + 1});
        }
        pieces.push_back(std::move(line));
    }
    return pieces;
}

namespace {

HintOutcome extraLetterHint(ProgramState& s) { return layHintPiece(s, extraLetterHintPieces(s)); }

}  // namespace

const GameRules ExtraLetterRules = {
    .name = "LETTRE EN PLUS",
    .play = playExtraLetter,
    .rule = extraLetterSolved,
    .pick = pickLetter,
    .drop = dropIntoFreeSlot,
    .undo = true,
    .hint = extraLetterHint,
};

}  // namespace glossamo
