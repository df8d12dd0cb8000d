#include "families/word_chains/word_chains.hpp"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// What a full gap that is not the answer says.
constexpr int UnknownWord = 187;
constexpr int MiddleRefused = 189;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

void makeTile(GameRecord& g, int c, int r) {
    if (c < 0 || r < 0 || c >= BoardSize || r >= BoardSize) return;
    g.movable[at(c)][at(r)] = g.clickable[at(c)][at(r)] = 1;
}

void makeHole(GameRecord& g, int c, int r) {
    makeTile(g, c, r);
    g.colours[at(c)][at(r)] = HighlightInk;
}

void makeSourceTile(GameRecord& g, int c, int r) {
    makeTile(g, c, r);
    g.tileStyles[at(c)][at(r)] = 2;
}

// --- De l'un à l'autre -------------------------------------------------------

constexpr int AcrossRow = 8;
constexpr int AcrossColumn = 7;
constexpr int PieceLength = 3;
// Draws of the across word in one frame; a list without a fitting word makes
// the build wait for the next frame instead of drawing forever.
constexpr int AcrossDrawsPerFrame = 1000;

// The across word: a word of `length` letters holding a three-letter word at
// one of its positions 3 to 6.
bool drawAcrossWord(ProgramState& s, int length) {
    GameRecord& g = s.game;
    for (int draw = 0; draw < AcrossDrawsPerFrame; ++draw) {
        const std::string word = s.words.GetWord(0, length);
        if (word.empty()) return false;
        const std::string piece = s.words.FindWordInside(3, 6, word, PieceLength);
        if (piece.empty()) continue;
        g.texts[21] = word;
        g.texts[11] = piece;
        g.counterA = 1;
        g.counterB = 0;
        g.counterC = static_cast<std::uint32_t>(word.find(piece) + 1);
        return true;
    }
    return false;
}

// The down word: the first word of the list, of the same length, that holds
// the shared piece. The across word holds it, so the search ends there at
// the latest; `counterB` keeps the slot of the word found.
bool findDownWord(ProgramState& s, int length) {
    GameRecord& g = s.game;
    const std::string_view piece = g.texts[11].view();
    const auto words = s.words.wordsOfLength(length);
    for (std::size_t i = 0; i < words.size(); ++i)
        if (!piece.empty() && words[i].find(piece) != std::string::npos) {
            g.texts[1] = words[i];
            g.counterB = static_cast<std::uint32_t>(i + 1);
            return true;
        }
    g.counterA = 0;  // the list changed under a loaded game: draw again
    return false;
}

// The two words cross on the shared piece, which is blanked out of both.
void layOutCrossing(GameRecord& g) {
    const int c = static_cast<int>(g.counterC);
    const int q = static_cast<int>(g.texts[1].view().find(g.texts[11].view()) + 1);
    PutWord(c + AcrossColumn, AcrossRow - q, g.texts[1].view(), Down, g.letters);
    PutWord(AcrossColumn, AcrossRow, g.texts[21].view(), Across, g.letters);
    PutWord(c + AcrossColumn, AcrossRow - 1, "   ", Down, g.letters);
    PutWord(c + AcrossColumn - 1, AcrossRow, "   ", Across, g.letters);
    for (int k = 0; k < PieceLength; ++k) {
        makeHole(g, c + AcrossColumn, AcrossRow - 1 + k);
        makeHole(g, c + AcrossColumn - 1 + k, AcrossRow);
    }
    for (int r = 1; r <= 13; ++r) {
        makeSourceTile(g, 1, r);
        makeSourceTile(g, 2, r);
    }
}

bool buildFromOneToOther(ProgramState& s, int length) {
    GameRecord& g = s.game;
    if (g.counterA == 0 && !drawAcrossWord(s, length)) return false;
    if (!findDownWord(s, length)) return false;
    layOutCrossing(g);
    g.built = 1;
    playSound(s, sounds::GameBuilt);
    return true;
}

// --- Troisième mot -----------------------------------------------------------

constexpr int NineLetters = 9;
constexpr int HeadLength = 4;
constexpr int MiddleLength = 5;
constexpr int FirstLongLength = 7;
constexpr int PastLongLengths = 13;
constexpr int DrawsPerRound = 13001;
constexpr std::string_view RefusedEndings = "BHQSWYZ";
constexpr int GapColumn = 7;
constexpr int ThirdColumn = 13;
constexpr int BoardRow = 8;

// One round of drawing: a nine-letter word whose first four letters and last
// five letters are both words. After 13 001 refused draws the round goes on
// with what the last draw left (an empty middle word), and its search fails.
// Returns the number of draws made.
int drawNineLetterWord(ProgramState& s) {
    GameRecord& g = s.game;
    int attempt = 0;
    while (attempt < DrawsPerRound) {
        ++attempt;
        const std::string word = s.words.GetWord(0, NineLetters);
        const bool whole = word.size() == static_cast<std::size_t>(NineLetters);
        const std::string head = whole ? word.substr(0, HeadLength) : std::string();
        const std::string middle = whole ? word.substr(HeadLength) : std::string();
        g.texts[11] = head;
        g.texts[10] = middle;
        const bool refused = !s.words.WordExists(head) || !s.words.WordExists(middle) ||
                             RefusedEndings.find(middle.back()) != std::string_view::npos;
        if (refused) g.texts[10] = "";
        g.texts[20] = word;
        if (!refused) break;
    }
    g.counterA = 1;
    g.counterB = 0;
    g.counterC = FirstLongLength;
    return attempt;
}

// The long word: one drawn among every word of 7 to 12 letters that begins
// with the middle word and whose letters after the fifth make a word (the
// third word, two letters or more, within the seven cells after the gap).
// `counterC` and `counterB` keep the length and slot of the word drawn.
bool findLongWord(ProgramState& s) {
    GameRecord& g = s.game;
    const std::string middle = g.texts[10].str();
    std::vector<std::pair<int, std::size_t>> found;
    for (int length = FirstLongLength; length < PastLongLengths && middle.size() == MiddleLength; ++length) {
        const auto words = s.words.wordsOfLength(length);
        for (std::size_t i = 0; i < words.size(); ++i)
            if (words[i].starts_with(middle) && s.words.WordExists(std::string_view(words[i]).substr(MiddleLength)))
                found.emplace_back(length, i);
    }
    if (found.empty()) {
        g.counterC = PastLongLengths;
        g.counterA = 0;
        return false;
    }
    const auto [length, slot] = found[static_cast<std::size_t>(s.rng.below(static_cast<int>(found.size())))];
    const std::string& word = s.words.wordsOfLength(length)[slot];
    g.texts[1] = word;
    g.texts[2] = word.substr(MiddleLength);
    g.counterC = static_cast<std::uint32_t>(length);
    g.counterB = static_cast<std::uint32_t>(slot + 1);
    g.counterA = 2;
    return true;
}

// Row 8: the head word, a five-cell gap, and the third word after a run of
// '*'; rows 4 and 5 hold the alphabet the letters are copied from.
void layOutThirdWord(GameRecord& g) {
    PutWord(2, BoardRow, g.texts[11].view(), Across, g.letters);
    PutWord(ThirdColumn, BoardRow, std::string(12, '*'), Across, g.letters);
    PutWord(ThirdColumn, BoardRow, g.texts[2].view(), Across, g.letters);
    PutWord(GapColumn, BoardRow, std::string(MiddleLength, ' '), Across, g.letters);
    for (int c = GapColumn; c < GapColumn + MiddleLength; ++c) makeHole(g, c, BoardRow);
    for (int c = 2; c <= 14; ++c) {
        makeSourceTile(g, c, 4);
        makeSourceTile(g, c, 5);
    }
}

// Rounds of drawing and searching run until this many draws or searches were
// made in the frame; the build goes on next frame when none has succeeded.
constexpr int DrawsPerFrame = DrawsPerRound;
constexpr int SearchesPerFrame = 20;

bool buildThirdWord(ProgramState& s) {
    GameRecord& g = s.game;
    for (int spent = 0, searches = 0; g.counterA != 2 && spent < DrawsPerFrame && searches < SearchesPerFrame; ++searches) {
        if (g.counterA != 1) spent += drawNineLetterWord(s);  // phase 0, or a phase a saved game got wrong
        findLongWord(s);
    }
    if (g.counterA != 2) return false;
    layOutThirdWord(g);
    g.built = 1;
    playSound(s, sounds::GameBuilt);
    return true;
}

}  // namespace

void playFromOneToOther(ProgramState& s, int length, const char*) {
    GameRecord& g = s.game;
    if (g.built == 0 && !buildFromOneToOther(s, length)) return;
    PutWord(1, 1, "ABCDEFGHIJKLM", Down, g.letters);
    PutWord(2, 1, "NOPQRSTUVWXYZ", Down, g.letters);
    const int c = static_cast<int>(g.counterC);
    g.texts[29] = readBoardWord(s, c + AcrossColumn - 1, AcrossRow, PieceLength, true);
    g.texts[30] = readBoardWord(s, c + AcrossColumn, AcrossRow - 1, PieceLength, false);
    if (s.app.gameLost == 1) {
        PutWord(c + AcrossColumn - 1, AcrossRow, g.texts[11].view(), Across, g.letters);
        PutWord(c + AcrossColumn, AcrossRow - 1, g.texts[11].view(), Down, g.letters);
    }
    drawBoard(s);
    checkSolved(s, FromOneToOtherRules.rule);
}

void playThirdWord(ProgramState& s, int, const char*) {
    GameRecord& g = s.game;
    if (g.built == 0 && !buildThirdWord(s)) return;
    g.texts[30] = readBoardWord(s, GapColumn, BoardRow, MiddleLength, true);
    PutWord(2, 4, "ABCDEFGHIJKLM", Across, g.letters);
    PutWord(2, 5, "NOPQRSTUVWXYZ", Across, g.letters);
    if (s.app.gameLost == 1) PutWord(GapColumn, BoardRow, g.texts[10].view(), Across, g.letters);
    drawBoard(s);
    checkSolved(s, ThirdWordRules.rule);
    const std::string middle = g.texts[30].str();
    const bool full = middle.find(' ') == std::string::npos;
    sayWhenFullButRefused(s, full, PlayerWordExists(s, middle) ? MiddleRefused : UnknownWord);
}

std::vector<HintPiece> fromOneToOtherHintPieces(const ProgramState& s) {
    const GameRecord& g = s.game;
    const int c = static_cast<int>(g.counterC);
    const std::string_view piece = g.texts[11].view();
    std::vector<HintPiece> pieces;
    for (int k = 0; k < PieceLength && k < static_cast<int>(piece.size()); ++k) {
        const Point across{c + AcrossColumn - 1 + k, AcrossRow}, down{c + AcrossColumn, AcrossRow - 1 + k};
        const char letter = piece[at(k)];
        const bool done = g.letters[at(across.x)][at(across.y)] == letter && g.letters[at(down.x)][at(down.y)] == letter;
        pieces.push_back({{across, down}, std::string(2, letter), {}, done});
    }
    return pieces;
}

std::vector<HintPiece> thirdWordHintPieces(const ProgramState& s) {
    const GameRecord& g = s.game;
    HintPiece middle{{}, g.texts[10].str(), {}, g.texts[30].view() == g.texts[10].view(), true};
    for (int k = 0; k < MiddleLength; ++k) middle.cells.push_back({GapColumn + k, BoardRow});
    return {middle};
}

bool fromOneToOtherSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const std::string_view piece = g.texts[11].view(), across = g.texts[29].view();
    if (across == piece && g.texts[30].view() == piece) return true;
    if (g.texts[30].view() != across || !PlayerWordExists(s, across)) return false;
    // The long words with the player's piece in place of the drawn one.
    std::string acrossWord = g.texts[21].str(), downWord = g.texts[1].str();
    const std::size_t downAt = downWord.find(piece), acrossAt = g.counterC - 1;
    if (piece.empty() || downAt == std::string::npos || acrossAt + PieceLength > acrossWord.size()) return false;
    acrossWord.replace(acrossAt, PieceLength, across);
    downWord.replace(downAt, PieceLength, across);
    return PlayerWordExists(s, acrossWord) && PlayerWordExists(s, downWord);
}

bool thirdWordSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const std::string_view middle = g.texts[30].view();
    if (middle == g.texts[10].view()) return true;
    return PlayerWordExists(s, middle) && PlayerWordExists(s, g.texts[11].str() + std::string(middle)) &&
           PlayerWordExists(s, std::string(middle) + g.texts[2].str());
}

namespace {

HintOutcome fromOneToOtherHint(ProgramState& s) { return layHintPiece(s, fromOneToOtherHintPieces(s)); }
HintOutcome thirdWordHint(ProgramState& s) { return layHintPiece(s, thirdWordHintPieces(s)); }

}  // namespace

const GameRules FromOneToOtherRules = {
    .name = "DE L'UN A L'AUTRE",
    .play = playFromOneToOther,
    .rule = fromOneToOtherSolved,
    .pick = pickCopiedLetter,
    .drop = dropIntoGrid,
    .undo = true,
    .hint = fromOneToOtherHint,
};

const GameRules ThirdWordRules = {
    .name = "TROISIEME MOT",
    .play = playThirdWord,
    .rule = thirdWordSolved,
    .pick = pickCopiedLetter,
    .drop = dropIntoGrid,
    .undo = true,
    .hint = thirdWordHint,
};

}  // namespace glossamo
