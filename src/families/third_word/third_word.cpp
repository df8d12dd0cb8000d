#include "families/third_word/third_word.hpp"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "families/third_word/third_word_record.hpp"
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

using namespace third_word;

namespace {

// What a full gap that is not the answer says.
constexpr int UnknownWord = 187;
constexpr int MiddleRefused = 189;

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
        headWord(g) = head;
        middleWord(g) = middle;
        const bool refused = !s.words.WordExists(head) || !s.words.WordExists(middle) ||
                             RefusedEndings.find(middle.back()) != std::string_view::npos;
        if (refused) middleWord(g) = "";
        nineLetterWord(g) = word;
        if (!refused) break;
    }
    buildPhase(g) = 1;
    longWordSlot(g) = 0;
    longWordLength(g) = FirstLongLength;
    return attempt;
}

// The long word: one drawn among every word of 7 to 12 letters that begins
// with the middle word and whose letters after the fifth make a word (the
// third word, two letters or more, within the seven cells after the gap).
bool findLongWord(ProgramState& s) {
    GameRecord& g = s.game;
    const std::string middle = middleWord(g).str();
    std::vector<std::pair<int, std::size_t>> found;
    for (int length = FirstLongLength; length < PastLongLengths && middle.size() == MiddleLength; ++length) {
        const auto words = s.words.wordsOfLength(length);
        for (std::size_t i = 0; i < words.size(); ++i)
            if (words[i].starts_with(middle) && s.words.WordExists(std::string_view(words[i]).substr(MiddleLength)) &&
                s.words.drawable(words[i]))
                found.emplace_back(length, i);
    }
    if (found.empty()) {
        longWordLength(g) = PastLongLengths;
        buildPhase(g) = 0;
        return false;
    }
    const auto [length, slot] = found[static_cast<std::size_t>(s.rng.below(static_cast<int>(found.size())))];
    const std::string& word = s.words.wordsOfLength(length)[slot];
    s.words.noteDrawn(word);
    longWord(g) = word;
    thirdWord(g) = word.substr(MiddleLength);
    longWordLength(g) = static_cast<std::uint32_t>(length);
    longWordSlot(g) = static_cast<std::uint32_t>(slot + 1);
    buildPhase(g) = 2;
    return true;
}

// Row 8: the head word, a five-cell gap, and the third word after a run of
// '*'; rows 4 and 5 hold the alphabet the letters are copied from.
void layOutThirdWord(GameRecord& g) {
    PutWord(2, BoardRow, headWord(g).view(), Across, g.letters);
    PutWord(ThirdColumn, BoardRow, std::string(12, '*'), Across, g.letters);
    PutWord(ThirdColumn, BoardRow, thirdWord(g).view(), Across, g.letters);
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
    for (int spent = 0, searches = 0; buildPhase(g) != 2 && spent < DrawsPerFrame && searches < SearchesPerFrame;
         ++searches) {
        if (buildPhase(g) != 1) spent += drawNineLetterWord(s);  // phase 0, or a phase a saved game got wrong
        findLongWord(s);
    }
    if (buildPhase(g) != 2) return false;
    layOutThirdWord(g);
    g.built = 1;
    playSound(s, sounds::GameBuilt);
    return true;
}

}  // namespace

void playThirdWord(ProgramState& s, int, const char*) {
    GameRecord& g = s.game;
    if (g.built == 0 && !buildThirdWord(s)) return;
    laidMiddle(g) = readBoardWord(s, GapColumn, BoardRow, MiddleLength, true);
    PutWord(2, 4, "ABCDEFGHIJKLM", Across, g.letters);
    PutWord(2, 5, "NOPQRSTUVWXYZ", Across, g.letters);
    if (s.app.gameLost == 1) PutWord(GapColumn, BoardRow, middleWord(g).view(), Across, g.letters);
    drawBoard(s);
    checkSolved(s, ThirdWordRules.rule);
    const std::string middle = laidMiddle(g).str();
    const bool full = middle.find(' ') == std::string::npos;
    sayWhenFullButRefused(s, full, PlayerWordExists(s, middle) ? MiddleRefused : UnknownWord);
}

std::vector<HintPiece> thirdWordHintPieces(const ProgramState& s) {
    const GameRecord& g = s.game;
    HintPiece middle{{}, middleWord(g).str(), {}, laidMiddle(g).view() == middleWord(g).view(), true};
    for (int k = 0; k < MiddleLength; ++k) middle.cells.push_back({GapColumn + k, BoardRow});
    return {middle};
}

bool thirdWordSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const std::string_view middle = laidMiddle(g).view();
    if (middle == middleWord(g).view()) return true;
    return PlayerWordExists(s, middle) && PlayerWordExists(s, headWord(g).str() + std::string(middle)) &&
           PlayerWordExists(s, std::string(middle) + thirdWord(g).str());
}

namespace {

HintOutcome thirdWordHint(ProgramState& s) { return layHintPiece(s, thirdWordHintPieces(s)); }

}  // namespace

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
