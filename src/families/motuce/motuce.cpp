#include "families/motuce/motuce.hpp"

#include <algorithm>
#include <string>

#include "families/motuce/motuce_record.hpp"
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/drag_and_drop.hpp"
#include "games/move_history.hpp"
#include "games/word_lists.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"
#include "words/word_file_import.hpp"
#include "words/word_store.hpp"

namespace glossamo {

namespace {

constexpr int FirstColumn = 7;
constexpr int PaletteLast = 19;
constexpr int FirstTryRow = 7;  // try k is on row 6 + k
constexpr int LastTryRow = FirstTryRow + MotuceTries - 1;
constexpr std::uint32_t TryTile = 4;
constexpr std::uint32_t RightPlaceTile = 1;
constexpr std::uint32_t SourceTile = 2;
constexpr int NextTry = 2;
constexpr int UnknownWord = 187;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

void writePalette(ProgramState& s) {
    PutWord(FirstColumn, 2, "ABCDEFGHIJKLM", Across, s.game.letters);
    PutWord(FirstColumn, 3, "NOPQRSTUVWXYZ", Across, s.game.letters);
}

int currentRow(const GameRecord& g) { return static_cast<int>(motuce::currentTry(g)) + FirstTryRow - 1; }

std::string drawHiddenWord(ProgramState& s, int n) {
    return n == 0 ? s.words.drawBetween(MotuceListShortest, LongestListWord) : s.words.GetWord(0, n);
}

// Length 0 hides a word of any length a player's list holds.
bool build(ProgramState& s, int n) {
    GameRecord& g = s.game;
    // Only a word of the palette's letters can be spelt by the player. A list
    // whose words of this length are all unspellable would keep the frame
    // forever: after a bounded number of draws the next frame tries again.
    std::string word;
    for (int draw = 0; draw < MotuceDrawsPerFrame && !IsSpellable(word); ++draw) word = drawHiddenWord(s, n);
    if (!IsSpellable(word)) return false;
    n = static_cast<int>(word.size());

    for (int c = FirstColumn; c <= PaletteLast; ++c) {
        for (int r = 2; r <= 3; ++r) {
            g.movable[at(c)][at(r)] = 1;
            g.clickable[at(c)][at(r)] = 1;
            g.tileStyles[at(c)][at(r)] = SourceTile;
        }
    }
    writePalette(s);
    motuce::hiddenWord(g) = word;
    for (int r = FirstTryRow; r <= LastTryRow; ++r) PutWord(FirstColumn, r, std::string(at(n), ' '), Across, g.letters);
    g.letters[at(FirstColumn)][at(FirstTryRow)] = word[0];
    for (int c = FirstColumn; c < FirstColumn + n; ++c) g.movable[at(c)][at(FirstTryRow)] = 1;
    motuce::currentTry(g) = 1;
    g.built = 1;
    playSound(s, sounds::GameBuilt);
    s.gameWordList.clear();
    return true;
}

// Opens the try after the current one with the hidden word's first letter;
// its cells are try tiles at once.
void openNextTry(ProgramState& s, int n) {
    GameRecord& g = s.game;
    ++motuce::currentTry(g);
    playSound(s, NextTry);
    const int row = currentRow(g);
    for (int c = FirstColumn; c < FirstColumn + n; ++c) g.tileStyles[at(c)][at(row)] = TryTile;
    const std::string_view hidden = motuce::hiddenWord(g).view();
    g.letters[at(FirstColumn)][at(row)] = hidden.empty() ? ' ' : hidden[0];
}

// A full row is either wiped (not a word the player may make, and said so)
// or accepted: its right letters are marked and, below the last row, the
// next row opens with the first letter. The winning try moves the try count
// on too (the count saved with the game counts it), with no row opened. A
// wrong eighth try leaves no move, so it ends the game as lost.
void judgeTry(ProgramState& s, int n, int row) {
    GameRecord& g = s.game;
    forgetMoves(s);  // a judged try is never taken back, nor are its letters
    const std::string tried = motuce::currentTryLetters(g).str();
    if (!PlayerWordExists(s, tried)) {
        PutWord(FirstColumn + 1, row, std::string(at(n - 1), ' '), Across, g.letters);
        showPopup(s, 2, 520, s.app.comments[UnknownWord].view());
        return;
    }
    const std::string_view hidden = motuce::hiddenWord(g).view();
    for (int i = 0; i < n && at(i) < hidden.size(); ++i)
        if (tried[at(i)] == hidden[at(i)]) g.tileStyles[at(FirstColumn + i)][at(row)] = RightPlaceTile;
    if (tried == hidden) {
        // The try counter of the game moves on past the winning try, as a
        // saved game counts it, and it sounds as any accepted try; but no
        // row opens under it.
        if (motuce::currentTry(g) < MotuceTries) ++motuce::currentTry(g);
        playSound(s, NextTry);
    } else if (motuce::currentTry(g) < MotuceTries) {
        openNextTry(s, n);
    } else if (s.app.gameLost == 0 && s.app.gameWon == 0) {
        s.app.gameLost = 1;
        s.app.endTick = s.now();
    }
}

// The letters in their right place stand out on a face of their own, on
// the tries already judged and on the winning try; the tile style keeps
// saying which they are.
void drawRightPlaces(ProgramState& s, int n) {
    const GameRecord& g = s.game;
    const int lastJudged = s.app.gameWon == 1 ? currentRow(g) : currentRow(g) - 1;
    for (int r = FirstTryRow; r <= lastJudged; ++r)
        for (int c = FirstColumn; c < FirstColumn + n; ++c) {
            const char letter = g.letters[at(c)][at(r)];
            if (g.tileStyles[at(c)][at(r)] == RightPlaceTile && letter >= 'A' && letter <= 'Z')
                drawCellOnFace(s, c, r, RightPlaceFace);
        }
}

// The first empty cell of the current try; column 0 when it is full.
Point motuceTypingCell(const ProgramState& s) {
    const int row = currentRow(s.game);
    const int length = static_cast<int>(motuce::hiddenWord(s.game).size());
    for (int c = FirstColumn; c < FirstColumn + length && c < BoardSize; ++c)
        if (s.game.letters[at(c)][at(row)] == ' ') return {c, row};
    return {0, row};
}

// Backspace takes the last letter of the current try; the first letter is
// given by the game and stays.
bool motuceEraseTyped(ProgramState& s) {
    const int row = currentRow(s.game);
    for (int c = FirstColumn + static_cast<int>(motuce::hiddenWord(s.game).size()) - 1; c > FirstColumn; --c) {
        if (c >= BoardSize) continue;
        char& cell = s.game.letters[at(c)][at(row)];
        if (cell != ' ') {
            cell = ' ';
            return true;
        }
    }
    return false;
}

// Won when the current try spells the hidden word.
bool motuceSolved(const ProgramState& s) { return motuce::hiddenWord(s.game) == motuce::currentTryLetters(s.game); }

}  // namespace

const GameRules MotuceRules = {
    .name = "MOTUCE",
    .play = playMotuce,
    .rule = motuceSolved,
    .pick = pickOpenCopiedLetter,
    .drop = dropIntoFreeSlot,
    .keys = Keys::TryRow,
    .typingCell = motuceTypingCell,
    .eraseTyped = motuceEraseTyped,
    .undo = true,
    .hint = hintMotuceLetter,
    .triesMade = motuceTriesMade,
};

void playMotuce(ProgramState& s, int wordLength, const char*) {
    GameRecord& g = s.game;
    const int length = std::clamp(wordLength, 0, BoardSize - FirstColumn);
    if (g.built == 0 && !build(s, length)) return;
    const int n = length > 0 ? length : std::min(static_cast<int>(motuce::hiddenWord(g).size()), BoardSize - FirstColumn);
    // A loaded game brings its own counter: the current row stays on the board.
    motuce::currentTry(g) = std::clamp<std::uint32_t>(motuce::currentTry(g), 1, MotuceTries);
    writePalette(s);
    const int row = currentRow(g);
    // The winning try keeps its marks: every letter of it is in its place.
    for (int c = FirstColumn; c < FirstColumn + n; ++c) {
        if (s.app.gameWon == 0) g.tileStyles[at(c)][at(row)] = TryTile;
        g.movable[at(c)][at(row)] = 1;
    }
    motuce::currentTryLetters(g) = readBoardWord(s, FirstColumn, row, n, true);
    // After the win no try is judged again, whatever the row opened by it holds.
    const bool full = motuce::currentTryLetters(g).view().find(' ') == std::string_view::npos;
    if (s.app.gameWon == 0 && full) judgeTry(s, n, row);
    if (s.app.gameLost == 1) PutWord(FirstColumn, LastTryRow, motuce::hiddenWord(g).view(), Across, g.letters);
    checkSolved(s, MotuceRules.rule);
    drawBoard(s);
    drawRightPlaces(s, n);
}

int motuce::triesMade(const GameRecord& g, bool won) {
    const int current = static_cast<int>(std::clamp<std::uint32_t>(currentTry(g), 1, MotuceTries));
    if (!won) return current - 1;
    // The first row that spells the hidden word is the winning try: an
    // earlier one would have won already.
    const std::string_view hidden = hiddenWord(g).view();
    for (int k = 1; k <= MotuceTries && !hidden.empty(); ++k) {
        const int row = FirstTryRow + k - 1;
        bool spelt = true;
        for (std::size_t i = 0; i < hidden.size() && spelt; ++i)
            spelt = FirstColumn + static_cast<int>(i) < BoardSize && g.letters[at(FirstColumn) + i][at(row)] == hidden[i];
        if (spelt) return k;
    }
    return current;
}

int motuceTriesMade(const ProgramState& s) { return motuce::triesMade(s.game, s.app.gameWon != 0); }

HintOutcome hintMotuceLetter(ProgramState& s) {
    GameRecord& g = s.game;
    const std::string_view hidden = motuce::hiddenWord(g).view();
    const int n = static_cast<int>(hidden.size());
    const int row = currentRow(g);
    const auto shownBefore = [&](int i) {
        for (int r = FirstTryRow; r < row; ++r)
            if (g.tileStyles[at(FirstColumn + i)][at(r)] == RightPlaceTile) return true;
        return false;
    };
    const auto blank = [&](int i) { return g.letters[at(FirstColumn + i)][at(row)] == ' '; };
    int blanks = 0;
    for (int i = 1; i < n && FirstColumn + i < BoardSize; ++i) blanks += blank(i) ? 1 : 0;
    // The row is judged as soon as it is full: a hint never fills its last
    // blank, which would spend a try the player did not choose to give.
    int chosen = -1, open = 0;
    for (int i = 1; i < n && FirstColumn + i < BoardSize; ++i) {
        if (g.letters[at(FirstColumn + i)][at(row)] == hidden[at(i)]) continue;
        ++open;
        if (blank(i) && blanks == 1) continue;
        if (chosen < 0 || (shownBefore(chosen) && !shownBefore(i))) chosen = i;
    }
    const HintOutcome outcome = hintOutcomeFor(open);  // with two open, one is never the last blank
    if (outcome == HintOutcome::Given && chosen >= 0) g.letters[at(FirstColumn + chosen)][at(row)] = hidden[at(chosen)];
    return outcome;
}

}  // namespace glossamo
