#pragma once
// The words of the list loaded last, filed by length, with the word
// operations every game shares: the random draw, the existence test, and the
// three dictionary searches.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "base/random.hpp"
#include "base/system_path.hpp"

namespace glossamo {

constexpr int MaxWordLength = 30;
constexpr int MaxWordsPerLength = 60000;
constexpr int MaxQuestionMarks = 22;
constexpr const char* NoWordMarker = "WWW";

// The accent folding of the loader: à ç É è é ê î ï ô ö ù û ü become the
// lower-case letter under the accent; every other character is kept.
std::string FoldAccents(std::string_view text);
// True for the capitals A E I O U Y only.
bool IsVowel(char letter);
// True when a stored word is made of the capitals A..Z alone: a word a
// player can spell with the letters a game offers. A theme name with a
// blank, a hyphen or an apostrophe ("COTE D'IVOIRE") is not.
bool IsSpellable(std::string_view word);
// Mixes the letters of a word in place: 1001 exchanges of two positions.
void ShuffleWord(std::string& word, Random& rng);

// The letters A..Z of a word counted, for the indexed searches.
struct LetterCounts {
    std::array<std::uint8_t, 26> counts{};
    std::uint32_t present = 0;  // bit c set when letter 'A' + c occurs
    bool onlyLetters = true;    // false when the word holds anything but A..Z

    static LetterCounts of(std::string_view upperWord);
    // True when every letter of `word` can be taken from these counts, each
    // at most as often as it is counted here. Only valid for a word made of
    // A..Z alone.
    bool covers(const LetterCounts& word) const;
};

class WordStore {
public:
    enum class LoadResult { Loaded, Missing, LineTooLong, TooManyWords };

    explicit WordStore(Random& rng) : rng_(rng) { clear(); }

    // Replaces the words with those of a Latin-1 file, one word a line
    // (`path` is written in Latin-1, like every text of the program).
    // A line over 30 characters or a 60001st word of one length stops the
    // load; the words read until then stay.
    LoadResult load(const SystemPath& path);
    // Replaces the words with `lines`, as if read from a file.
    LoadResult loadLines(const std::vector<std::string>& lines);
    // Replaces the words with a player's own list. The list in store before
    // is kept ready behind it, as a load from a file keeps it: the games of
    // a player's list come back to the dictionary without reading it again.
    // The player's list itself is read anew each time (it may have changed).
    LoadResult loadPlayerList(const std::vector<std::string>& lines);

    int count(int length) const;
    int totalWords() const { return totalWords_; }
    // The file the current words were read from; empty when they came from
    // elsewhere or nothing was read.
    const SystemPath& loadedPath() const { return loadedPath_; }

    // Index 0 draws a random word of that length (the empty word when there
    // is none); 1..count(length) returns that slot; any other index "WWW".
    std::string GetWord(int index, int length);
    // A random word whose length lies in shortest..longest, every such word
    // as likely as another; empty when there is none.
    std::string drawBetween(int shortest, int longest);
    // True when the exact word is stored under its own length; the empty
    // text is never a word.
    bool WordExists(std::string_view word) const;
    // The same test on the list read from `path`, be it the current list or
    // the one kept ready behind it; false when neither came from `path`.
    bool WordExistsIn(const SystemPath& path, std::string_view word) const;

    // The searches empty `results` first; when nothing is found they give
    // one row of question marks as long as the input (at most 22).
    void FindIncludedWords(std::string_view letters, std::vector<std::string>& results) const;
    void FindPatternWords(std::string_view pattern, std::vector<std::string>& results) const;
    void FindAnagrams(std::string_view word, std::vector<std::string>& results) const;
    // The first dictionary word found inside `word`: pieces of length
    // last - first down to 3, starting at positions first..2*first
    // (counted from 1). Empty when none.
    std::string FindWordInside(int first, int last, std::string_view word, int wantedLength) const;

    // The same searches by a plain scan of every word, kept as the reference
    // the indexed searches are checked against.
    void scanIncludedWords(std::string_view letters, std::vector<std::string>& results) const;
    void scanAnagrams(std::string_view word, std::vector<std::string>& results) const;

    // The stored words of one length, slot 1 first.
    std::span<const std::string> wordsOfLength(int length) const;

    // The easy words of the list read from `listPath` (its lines, folded as
    // a load folds them). While easy draws are on and that list is in the
    // store, the random draw takes only easy words; existence checks and
    // searches never change.
    void setEasyWords(const SystemPath& listPath, const std::vector<std::string>& lines);
    void setEasyDraws(bool on) { easyDraws_ = on; }
    // True when the draws take only easy words now.
    bool drawsEasyWords() const;
    // True when a game may draw or hide `word` now: any stored word, or
    // only an easy one while the draws take only easy words.
    bool drawable(std::string_view word) const;
    bool isEasy(std::string_view word) const { return easy_.count(std::string(word)) != 0; }
    // Leaves in the results of a search only the words a game may draw now;
    // when none is left, the row of question marks of a search that found
    // nothing.
    void keepDrawable(std::vector<std::string>& results, std::size_t inputLength) const;

    // What the games drew while a test keeps the log: the words of the
    // random draw and those a game picked by other means (`noteDrawn`),
    // and the size and rank of each grid drawn among the ranked ones.
    struct DrawLog {
        bool kept = false;
        std::vector<std::string> words;
        std::vector<std::pair<int, int>> grids;
    };
    DrawLog drawLog;
    void noteDrawn(std::string_view word) {
        if (drawLog.kept) drawLog.words.emplace_back(word);
    }

private:
    void clear();
    static bool validLength(int length) { return length >= 0 && length <= MaxWordLength; }
    static void addNoResultRow(std::size_t inputLength, std::vector<std::string>& results);
    static bool spellsWith(std::string_view word, std::string_view letters);

    // The list read before the current one stays ready: games switch between
    // the dictionary and another list (English, a theme) and back, and
    // reading a list again costs several milliseconds of a frame.
    struct ListData {
        std::array<std::vector<std::string>, MaxWordLength + 1> words;
        std::array<std::vector<LetterCounts>, MaxWordLength + 1> letters;
        std::unordered_set<std::string> known;
        int totalWords = 0;
        SystemPath path;
    };
    void swapWithPrevious();
    const std::vector<int>& easySlots(int length);

    Random& rng_;
    ListData previous_;
    // words_[L][0] is the never-filled slot 0; slots 1.. hold the words.
    std::array<std::vector<std::string>, MaxWordLength + 1> words_;
    std::array<std::vector<LetterCounts>, MaxWordLength + 1> letters_;
    std::unordered_set<std::string> known_;
    int totalWords_ = 0;
    SystemPath loadedPath_;  // the file the words came from, if they came whole from one

    std::unordered_set<std::string> easy_;
    SystemPath easyPath_;  // the list the easy words belong to
    bool easyDraws_ = false;
    // The slots of the easy words of that list, found at its first easy draw.
    std::array<std::vector<int>, MaxWordLength + 1> easySlots_;
    bool easySlotsFound_ = false;
};

}  // namespace glossamo
