#include "aids/game_aids.hpp"

#include <optional>
#include <utility>
#include <vector>

#include "games/anagram_games.hpp"
#include "games/board_services.hpp"
#include "games/consonant_market.hpp"
#include "games/crossing_words.hpp"
#include "games/cut_words.hpp"
#include "games/game_families.hpp"
#include "games/hangman.hpp"
#include "games/longest_word.hpp"
#include "games/motuce.hpp"
#include "games/move_history.hpp"
#include "games/stacked_words.hpp"
#include "games/vowel_market.hpp"
#include "games/word_chains.hpp"
#include "games/word_hunts.hpp"
#include "grid/grid_games.hpp"
#include "grid/letter_sums.hpp"
#include "grid/scrambled_grids.hpp"
#include "platform/canvas.hpp"
#include "profile/scores.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr int NothingToHint = 178;
constexpr int NoWrongLetter = 179;
constexpr int LastIsYours = 183;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

bool isGridGame(std::uint32_t id) {
    using namespace families;
    return isCodedWords(id) || isPlacedWords(id) || isBrokenGrid(id) || isScrambledGrid(id) || isLetterSums(id);
}

bool inPlay(const ProgramState& s) {
    return s.gameInPlay() && !s.travel.mapShown && s.drag.active == 0 && s.flight.active == 0;
}

// Help is paid in play time, second by second as the clock counts.
void addPlayTime(ProgramState& s, int seconds) {
    for (int i = 0; i < seconds; ++i) clockTick(s);
}

// A cell of the grid the player may fill and that does not hold its letter.
bool needsLetter(const ProgramState& s, int c, int r) {
    if (c < 0 || r < 0 || c >= BoardSize || r >= BoardSize) return false;
    const char expected = expectedGridLetter(s, c, r);
    return expected != 0 && s.game.movable[at(c)][at(r)] == 1 && s.game.letters[at(c)][at(r)] != expected;
}

std::optional<Point> hintedCell(const ProgramState& s) {
    if (needsLetter(s, s.keyCursor.x, s.keyCursor.y)) return s.keyCursor;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c)
            if (needsLetter(s, c, r)) return Point{c, r};
    return std::nullopt;
}

// A cell whose letter a hint may take for another: movable, holding the
// letter, and not already right where it stands.
bool givesUp(const ProgramState& s, int c, int r, char letter) {
    const GameRecord& g = s.game;
    return g.movable[at(c)][at(r)] == 1 && g.letters[at(c)][at(r)] == letter && expectedGridLetter(s, c, r) != letter;
}

// The scrambled grids hold every letter once, and each row keeps its own
// letters: the right letter comes by a swap from another cell of the same
// row, never from a cell where it is right already; from another row only
// when the player has carried it there.
void swapInto(ProgramState& s, Point cell, char letter) {
    GameRecord& g = s.game;
    std::optional<Point> from;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c) {
            if ((c == cell.x && r == cell.y) || !givesUp(s, c, r, letter)) continue;
            if (!from || (r == cell.y && from->y != cell.y)) from = Point{c, r};
        }
    if (from) std::swap(g.letters[at(from->x)][at(from->y)], g.letters[at(cell.x)][at(cell.y)]);
    else g.letters[at(cell.x)][at(cell.y)] = letter;
}

int cellsToFill(const ProgramState& s) {
    int missing = 0;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c) missing += needsLetter(s, c, r) ? 1 : 0;
    return missing;
}

HintOutcome hintGridLetter(ProgramState& s) {
    const HintOutcome outcome = hintOutcomeFor(cellsToFill(s));
    const std::optional<Point> cell = hintedCell(s);
    if (outcome != HintOutcome::Given || !cell) return outcome;
    const GameRecord before = s.game;
    GameRecord& g = s.game;
    const char letter = expectedGridLetter(s, cell->x, cell->y);
    if (families::isScrambledGrid(g.gameId))
        swapInto(s, *cell, letter);
    else
        g.letters[at(cell->x)][at(cell->y)] = letter;
    // Locked, and shown in the other ink: the player did not lay it.
    g.movable[at(cell->x)][at(cell->y)] = 0;
    g.clickable[at(cell->x)][at(cell->y)] = 0;
    g.colours[at(cell->x)][at(cell->y)] = HighlightInk;
    // A swap may have put the last two letters right at once: not given.
    if (cellsToFill(s) > 0) return outcome;
    g = before;
    return HintOutcome::LastLeft;
}

// The games played with letter tiles whose hint lays a piece of the answer,
// and the pieces each offers.
using PiecesOf = std::vector<HintPiece> (*)(const ProgramState&);

PiecesOf piecesOf(std::uint32_t id) {
    using namespace families;
    if (id == 4) return longestWordHintPieces;
    if (isAnagrams(id)) return anagramsHintPieces;
    if (isExtraLetter(id)) return extraLetterHintPieces;
    if (isPassword(id)) return passwordHintPieces;
    if (isFromOneToOther(id)) return fromOneToOtherHintPieces;
    if (isThirdWord(id)) return thirdWordHintPieces;
    if (isCutWords(id)) return cutWordsHintPieces;
    if (isVowelMarket(id)) return vowelMarketHintPieces;
    if (isConsonantMarket(id)) return consonantMarketHintPieces;
    if (isCrossingWords(id)) return crossingWordsHintPieces;
    if (isStackedWords(id)) return stackedWordsHintPieces;
    return nullptr;
}

HintOutcome giveHint(ProgramState& s) {
    const std::uint32_t id = s.game.gameId;
    if (isGridGame(id)) return hintGridLetter(s);
    if (families::isHiddenWords(id)) return hintHiddenWord(s);
    if (families::isMotuce(id)) return hintMotuceLetter(s);
    if (families::isHangman(id)) return hintHangmanLetter(s);
    if (families::isWordHunt(id)) return hintHuntWord(s);
    if (const PiecesOf pieces = piecesOf(id)) return layHintPiece(s, pieces(s));
    return HintOutcome::NothingLeft;
}

// The letters a check marks. Where other fills than the stored grid win,
// what breaks the family's rule; in the grids proven to have one solution,
// every letter that is not the stored one.
std::vector<Point> markedLetters(const ProgramState& s) {
    const std::uint32_t id = s.game.gameId;
    if (families::isBrokenGrid(id)) return dismantledGridBreaks(s);
    if (families::isLetterSums(id)) return families::showsSums(id) ? letterSumsBreaks(s) : fadedLettersBreaks(s);
    std::vector<Point> marks;
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r) {
            const char letter = s.game.letters[at(c)][at(r)];
            if (letter >= 'A' && letter <= 'Z' && needsLetter(s, c, r)) marks.push_back({c, r});
        }
    return marks;
}

void say(ProgramState& s, int comment) { showPopup(s, 2, 520, s.app.comments[at(comment)].view()); }

}  // namespace

bool hintsApply(const ProgramState& s) {
    const std::uint32_t id = s.game.gameId;
    return inPlay(s) && (isGridGame(id) || families::isHiddenWords(id) || families::isMotuce(id) ||
                         families::isHangman(id) || families::isWordHunt(id) || piecesOf(id) != nullptr);
}

bool checksApply(const ProgramState& s) { return inPlay(s) && isGridGame(s.game.gameId); }

void takeHint(ProgramState& s) {
    settleMove(s);  // a move the player ended stays one to take back
    const GameRecord before = s.game;
    const HintOutcome outcome = hintsApply(s) ? giveHint(s) : HintOutcome::NothingLeft;
    if (outcome != HintOutcome::Given) {
        say(s, outcome == HintOutcome::LastLeft ? LastIsYours : NothingToHint);
        return;
    }
    // The help is never taken back; the player's moves still are.
    keepHint(s, before);
    ++s.watch.hints;
    addPlayTime(s, HintSeconds);
}

void checkLetters(ProgramState& s) {
    if (!checksApply(s)) return;
    const std::vector<Point> marks = markedLetters(s);
    s.wrongMarks = {};
    for (const Point cell : marks) s.wrongMarks[at(cell.x)][at(cell.y)] = s.game.letters[at(cell.x)][at(cell.y)];
    s.wrongMarksUntil = s.now() + WrongMarksMs;
    ++s.watch.checks;
    addPlayTime(s, CheckSeconds);
    if (marks.empty()) say(s, NoWrongLetter);
}

void drawWrongMarks(ProgramState& s) {
    if (!s.gameRunning() || static_cast<std::int32_t>(s.wrongMarksUntil - s.now()) <= 0) return;
    Canvas& canvas = s.platform.canvas();
    const GameRecord& g = s.game;
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r) {
            const char mark = s.wrongMarks[at(c)][at(r)];
            if (mark == 0 || g.letters[at(c)][at(r)] != mark) continue;
            // A cross over the letter and a heavy frame: seen without its red.
            const int x = g.boardLeft + CellPixels * c, y = g.boardTop + CellPixels * r;
            canvas.frameRect(Rect{x + 1, y + 1, CellPixels - 3, CellPixels - 3}, Rgb{200, 30, 30}, 3);
            canvas.line(x + 5, y + 5, x + CellPixels - 7, y + CellPixels - 7, Rgb{200, 30, 30}, 3);
            canvas.line(x + CellPixels - 7, y + 5, x + 5, y + CellPixels - 7, Rgb{200, 30, 30}, 3);
        }
}

}  // namespace glossamo
