#include "families/longest_word/longest_word.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "families/longest_word/longest_word_record.hpp"
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/drag_and_drop.hpp"
#include "games/word_lists.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"
#include "words/word_store.hpp"

namespace glossamo {

using namespace longest_word;

namespace {

constexpr int FirstColumn = 6;
constexpr int LettersRow = 5;
constexpr int AnswerRow = 6;
constexpr int FirstShownRow = 10;
constexpr int LengthTextY = 500;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

void makeMovable(GameRecord& g, int row, int length) {
    for (int c = FirstColumn; c < FirstColumn + length; ++c) {
        g.movable[at(c)][at(row)] = 1;
        g.clickable[at(c)][at(row)] = 1;
    }
}

// The nine letters: never "A", and no letter twice except "E". A consonant
// is kept only 31 times in 100, so that most letters are vowels.
std::string drawNineLetters(Random& rng) {
    std::string letters;
    while (letters.size() < LongestWordLetters) {
        const char letter = static_cast<char>('B' + rng.below(25));
        const bool accepted = rng.below(100) <= 30 || IsVowel(letter);
        if (!accepted) continue;
        if (letter != 'E' && letters.find(letter) != std::string::npos) continue;
        letters += letter;
    }
    return letters;
}

void build(ProgramState& s) {
    GameRecord& g = s.game;
    std::string letters;
    std::vector<std::string> words;
    // With easy words only, nine letters that spell none are drawn again.
    do {
        letters = drawNineLetters(s.rng);
        s.words.FindIncludedWords(letters, words);  // longest first; never empty
        s.words.keepDrawable(words, letters.size());
    } while (s.words.drawsEasyWords() && words.front().find('?') != std::string::npos);
    for (const std::string& word : words) s.words.noteDrawn(word);
    nineLetters(g) = letters;
    PutWord(FirstColumn, LettersRow, letters, Across, g.letters);
    const int longest = static_cast<int>(words.front().size());
    longestLength(g) = static_cast<std::uint32_t>(longest);
    PutWord(FirstColumn, AnswerRow, std::string(at(longest), ' '), Across, g.letters);
    makeMovable(g, LettersRow, LongestWordLetters);
    makeMovable(g, AnswerRow, longest);
    s.gameWordList = std::move(words);
    g.built = 1;
    playSound(s, sounds::GameBuilt);
}

// Once given up, the first words of the list take the place of the letters.
void showWords(ProgramState& s) {
    const std::vector<std::string>& words = s.gameWordList;
    if (words.size() >= LongestWordShown)
        PutWord(FirstColumn, LettersRow, std::string(LongestWordLetters, ' '), Across, s.game.letters);
    const int shown = std::min(static_cast<int>(words.size()), LongestWordShown);
    for (int k = 0; k < shown; ++k) PutWord(FirstColumn, FirstShownRow + k, words[at(k)], Across, s.game.letters);
}

// Won when the word laid is known and as long as the longest.
bool longestWordSolved(const ProgramState& s) { return laidLength(s.game) == lengthToReach(s.game); }

HintOutcome longestWordHint(ProgramState& s) { return layHintPiece(s, longestWordHintPieces(s)); }

}  // namespace

const GameRules LongestWordRules = {
    .name = "LE MOT LE PLUS LONG",
    .play = playLongestWord,
    .rule = longestWordSolved,
    .pick = pickLetter,
    .drop = dropIntoFreeSlot,
    .undo = true,
    .hint = longestWordHint,
};

void playLongestWord(ProgramState& s, int, const char*) {
    GameRecord& g = s.game;
    if (g.built == 0) build(s);
    drawBoard(s);
    const int longest = static_cast<int>(longestLength(g));
    laidWord(g) = readBoardWord(s, FirstColumn, AnswerRow, longest, true);
    if (s.app.gameLost == 1) {
        showWords(s);
        checkSolved(s, longestWordSolved);
        return;
    }
    drawCentredTitle(s, LengthTextY, "LE MOT LE PLUS LONG FAIT " + std::to_string(longest) + " LETTRES");
    // A word of the game's list (saved with the game) or any other word the
    // player may make counts: the row holds only tiles of the nine letters.
    const std::string_view answer = laidWord(g).view();
    const std::vector<std::string>& listed = s.gameWordList;
    const bool known = std::find(listed.begin(), listed.end(), answer) != listed.end() || PlayerWordExists(s, answer);
    laidLength(g) = known ? static_cast<std::uint32_t>(answer.size()) : 0;
    lengthToReach(g) = static_cast<std::uint32_t>(longest);
    checkSolved(s, longestWordSolved);
}

std::vector<HintPiece> longestWordHintPieces(const ProgramState& s) {
    const GameRecord& g = s.game;
    if (s.gameWordList.empty()) return {};
    HintPiece word{{}, s.gameWordList.front(), {}, laidLength(g) != 0 && laidLength(g) == lengthToReach(g), true};
    for (int k = 0; k < static_cast<int>(word.letters.size()); ++k) word.cells.push_back({FirstColumn + k, AnswerRow});
    for (int k = 0; k < LongestWordLetters; ++k) word.sources.push_back({FirstColumn + k, LettersRow});
    return {word};
}

}  // namespace glossamo
