#pragma once
// The words a grid may hold, folded the way the games fold them, filed by
// length with the letter-position index the filler works on.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace gridgen {

constexpr int Letters = 26;
constexpr int MaxSide = 16;

// The words of one length, most common first. For every position and letter
// the index holds the set of words carrying that letter there, as a bitset of
// `blocks` 64-bit words.
struct WordSet {
    int length = 0;
    int count = 0;
    int blocks = 0;
    std::vector<std::uint8_t> letters;  // count * length letters, 0..25
    std::vector<float> commonness;      // log-scale, larger is more common
    std::vector<std::uint64_t> sets;    // [position][letter][block]
    std::vector<std::uint16_t> totals;  // [position][letter]: words with it

    const std::uint64_t* withLetter(int position, int letter) const {
        return sets.data() + (static_cast<std::size_t>(position) * Letters + static_cast<std::size_t>(letter)) *
                                 static_cast<std::size_t>(blocks);
    }
};

struct LexiconOptions {
    // Keep only the words the frequency list has.
    bool rankedOnly = false;
    // Words ranked past this are treated as unranked (0: no cut).
    int rankCut = 0;
    // Stricter cuts for short words: a word of `length` letters or fewer is
    // kept only when ranked before `rank`.
    struct ShortCut {
        int length;
        int rank;
    };
    std::vector<ShortCut> shortCuts;
    // Words never put in a grid (folded capitals).
    std::unordered_set<std::string> avoided;
};

class Lexicon {
public:
    // `rankPath` may be empty: every word is then equally common.
    static Lexicon load(const std::string& dictionaryPath, const std::string& rankPath,
                        const LexiconOptions& options);

    const WordSet& ofLength(int length) const { return sets_[static_cast<std::size_t>(length)]; }
    // True for any word of the full dictionary, whatever the filters dropped.
    bool isWord(std::string_view word) const { return all_.count(std::string(word)) != 0; }
    int rankOf(std::string_view word) const;  // -1 when unranked

private:
    void build(const std::vector<std::string>& words, const LexiconOptions& options);

    std::vector<WordSet> sets_;
    std::unordered_set<std::string> all_;
    std::unordered_map<std::string, int> rank_;
};

// A Latin-1 (or plain ASCII) line folded as the games fold it: accents
// dropped, a..z upper-cased.
std::string foldWord(std::string_view latin1);
// The lines of a file without their CR LF or LF ends; empty lines dropped.
std::vector<std::string> readLines(const std::string& path);
// The words of a word list file, folded; lines starting with '#' skipped.
std::unordered_set<std::string> readWordSet(const std::string& path);

}  // namespace gridgen
