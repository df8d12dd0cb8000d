#include "families/word_hunts/word_hunts.hpp"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "families/word_hunts/word_hunts_record.hpp"
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/drag_and_drop.hpp"
#include "games/word_lists.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/bitmap_fonts.hpp"
#include "widgets/widgets.hpp"
#include "words/word_store.hpp"

namespace glossamo {

namespace {

constexpr int FirstColumn = 6;
constexpr int LettersRow = 5;
constexpr int TotalY = 460;
constexpr int LeftY = 500;
constexpr int ListTop = 60;
constexpr int ListStep = 15;
constexpr int ListColumnLength = 30;
constexpr int MostMissedListed = 64;
constexpr int MostFoundListed = 59;
constexpr int MissedX = 555, MissedNextX = 650;
constexpr int FoundX = 1;
constexpr int MostWords = 63;
// Draws of nine letters in one frame; a list that never gives enough words
// makes the build wait for the next frame instead of drawing forever.
constexpr int DrawsPerFrame = 40;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// The rules that set the two games apart.
struct Hunt {
    bool fromFirstLetter;  // Mots commençant par: every word starts with the first letter
    int answerRow;
    std::size_t shortestWord;
    int fewestWords;
    int foundNextX;  // where the found words go on after thirty
    const char* leftText;
};

constexpr Hunt MaxiWords{false, 6, 3, 11, 100, "MOTS RESTANTS: "};
constexpr Hunt StartingWith{true, 7, 2, 6, 650, "MOTS A TROUVER: "};

bool isFound(const std::string& entry) { return !entry.empty() && entry[0] == ' '; }

// The words of the current list spelt from the letters that the hunt counts,
// longest first.
std::vector<std::string> collectWords(const ProgramState& s, const Hunt& hunt, const std::string& letters) {
    std::vector<std::string> words;
    s.words.FindIncludedWords(letters, words);
    std::erase_if(words, [&](const std::string& w) {
        return w.size() < hunt.shortestWord || !s.words.WordExists(w) || !s.words.drawable(w) ||
               (hunt.fromFirstLetter && w[0] != letters[0]);
    });
    return words;
}

bool build(ProgramState& s, const Hunt& hunt, int part) {
    GameRecord& g = s.game;
    std::string letters;
    std::vector<std::string> words;
    for (int draw = 0;; ++draw) {
        if (draw == DrawsPerFrame) return false;
        letters = drawHuntLetters(s.rng);
        words = collectWords(s, hunt, letters);
        const int n = static_cast<int>(words.size());
        if (n >= hunt.fewestWords && n <= MostWords) break;
    }
    word_hunts::drawnLetters(g) = letters;
    PutWord(FirstColumn, LettersRow, letters, Across, g.letters);
    const int longest = static_cast<int>(words.front().size());
    word_hunts::answerLength(g) = static_cast<std::uint32_t>(longest);
    const int y = hunt.answerRow;
    PutWord(FirstColumn, y, std::string(at(longest), ' '), Across, g.letters);
    const int firstMovable = hunt.fromFirstLetter ? FirstColumn + 1 : FirstColumn;
    for (int c = firstMovable; c < FirstColumn + HuntLetters; ++c) g.movable[at(c)][at(LettersRow)] = g.clickable[at(c)][at(LettersRow)] = 1;
    for (int c = firstMovable; c < FirstColumn + longest; ++c) g.movable[at(c)][at(y)] = g.clickable[at(c)][at(y)] = 1;
    if (hunt.fromFirstLetter) {
        g.letters[FirstColumn][at(y)] = letters[0];
        g.colours[FirstColumn][LettersRow] = g.colours[FirstColumn][at(y)] = HighlightInk;
    }
    for (const std::string& w : words) s.words.noteDrawn(w);
    word_hunts::wordsInList(g) = static_cast<std::uint32_t>(words.size());
    word_hunts::wordsWanted(g) = word_hunts::wordsInList(g) / static_cast<std::uint32_t>(std::max(part, 1));
    s.gameWordList = std::move(words);
    g.built = 1;
    playSound(s, sounds::GameBuilt);
    return true;
}

// Counts a word the player made: every entry equal to it is marked found,
// and a word the list does not hold (a form only the accepted French words
// know) joins it as found. True when the word had not been found yet.
bool countFound(std::vector<std::string>& entries, std::string_view word) {
    bool marked = false;
    for (std::string& entry : entries) {
        if (isFound(entry) && std::string_view(entry).substr(1) == word) return false;
        if (entry == word) {
            entry.insert(entry.begin(), ' ');
            marked = true;
        }
    }
    if (!marked) entries.emplace_back(1, ' ').append(word);
    return true;
}

// One column of thirty words from x, then the next ones from nextX.
void listWords(ProgramState& s, const std::vector<std::string>& words, int x, int nextX) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const int k = static_cast<int>(i) % ListColumnLength + 1 + (i >= 2 * ListColumnLength ? ListColumnLength : 0);
        drawSmallText(s, i < ListColumnLength ? x : nextX, ListTop + ListStep * k, NormalInk, words[i]);
    }
}

void playHunt(ProgramState& s, const Hunt& hunt, int part) {
    GameRecord& g = s.game;
    if (g.built == 0 && !build(s, hunt, part)) return;
    drawBoard(s);
    const int length = static_cast<int>(word_hunts::answerLength(g));
    std::string word = readBoardWord(s, FirstColumn, hunt.answerRow, length, true);
    word.erase(word.find_last_not_of(' ') + 1);
    word_hunts::answer(g) = word;
    const bool lost = s.app.gameLost == 1;
    if (!lost) {
        std::string total = "TOTAL DES MOTS: ";
        total.append(std::to_string(word_hunts::wordsInList(g)));
        drawCentredTitle(s, TotalY, total);
        // The sound plays once, when the word is first found.
        if (word.size() >= hunt.shortestWord && PlayerWordExists(s, word) && countFound(s.gameWordList, word))
            playSound(s, sounds::WordFound);
    }
    std::vector<std::string> found, missed;
    for (const std::string& entry : s.gameWordList) (isFound(entry) ? found : missed).push_back(entry);
    if (lost) {
        if (missed.size() > MostMissedListed) missed.resize(MostMissedListed);
        listWords(s, missed, MissedX, MissedNextX);
    }
    std::string left = hunt.leftText;
    const auto wanted = static_cast<std::int64_t>(word_hunts::wordsWanted(g));
    left.append(std::to_string(wanted - static_cast<std::int64_t>(found.size())));
    if (found.size() > MostFoundListed) found.resize(MostFoundListed);
    listWords(s, found, FoundX, hunt.foundNextX);
    drawCentredTitle(s, LeftY, left);
    checkSolved(s, enoughWordsFound);
}

}  // namespace

bool enoughWordsFound(const ProgramState& s) {
    std::uint32_t found = 0;
    for (const std::string& entry : s.gameWordList)
        if (!entry.empty() && entry[0] == ' ') ++found;
    return found >= word_hunts::wordsWanted(s.game);
}

std::string drawHuntLetters(Random& rng) {
    std::string letters;
    while (letters.size() < HuntLetters) {
        const char letter = static_cast<char>('B' + rng.below(25));
        const bool accepted = rng.below(100) <= 30 || IsVowel(letter);
        if (accepted && letters.find(letter) == std::string::npos) letters += letter;
    }
    return letters;
}

HintOutcome hintHuntWord(ProgramState& s) {
    const auto found = std::count_if(s.gameWordList.begin(), s.gameWordList.end(), isFound);
    const auto missed = std::find_if_not(s.gameWordList.begin(), s.gameWordList.end(), isFound);
    const auto wanted = static_cast<std::int64_t>(word_hunts::wordsWanted(s.game)) - found;
    const HintOutcome outcome = hintOutcomeFor(missed == s.gameWordList.end() ? 0 : static_cast<int>(wanted));
    if (outcome == HintOutcome::Given) missed->insert(missed->begin(), ' ');
    return outcome;
}

void playMaxiWords(ProgramState& s, int part, const char*) { playHunt(s, MaxiWords, part); }

void playWordsStartingWith(ProgramState& s, int part, const char*) { playHunt(s, StartingWith, part); }

const GameRules MaxiWordsRules = {
    .name = "MAXI-MOTS",
    .play = playMaxiWords,
    .rule = enoughWordsFound,
    .pick = pickLetter,
    .drop = dropIntoFreeSlot,
    .undo = true,
    .hint = hintHuntWord,
};

const GameRules WordsStartingWithRules = {
    .name = "MOTS COMMENCANT PAR",
    .play = playWordsStartingWith,
    .rule = enoughWordsFound,
    .pick = pickLetter,
    .drop = dropIntoFreeSlot,
    .undo = true,
    .hint = hintHuntWord,
};

}  // namespace glossamo
