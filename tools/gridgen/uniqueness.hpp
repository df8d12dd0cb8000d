#pragma once
// Proves that the deduction puzzles the games make of a grid have exactly
// one answer: the word placement (the grid's listed words into its slots),
// the coded words (a one-to-one code of letters from four given ones) and
// the mixed grid (every row's letters put back in another order). The
// answers are counted by a complete search, stopped at the second.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "lexicon.hpp"

namespace gridgen {

// The words an answer is judged against, all of them, without the rank or
// avoid filters of the generator; filed by length with the bitset of the
// words carrying each letter at each position.
class WordIndex {
public:
    struct Length {
        int count = 0;
        int blocks = 0;
        std::vector<std::uint8_t> letters;  // count * length letters, 0..25
        std::vector<std::uint64_t> shapes;  // per word, where it repeats its letters
        std::vector<std::uint64_t> sets;    // [position][letter][block]

        const std::uint64_t* withLetter(int position, int letter) const {
            return sets.data() +
                   (static_cast<std::size_t>(position) * Letters + static_cast<std::size_t>(letter)) *
                       static_cast<std::size_t>(blocks);
        }
    };

    // Folded capitals; other words, and repeats, are left out.
    explicit WordIndex(const std::vector<std::string>& words);

    const Length& ofLength(int length) const { return lengths_[static_cast<std::size_t>(length)]; }
    bool has(std::string_view word) const { return all_.count(std::string(word)) != 0; }
    std::size_t size() const { return all_.size(); }

private:
    std::vector<Length> lengths_;
    std::unordered_set<std::string> all_;
};

// The words of a dictionary and of accepted lists, folded, less the words of
// blocked lists. A line of an accepted or blocked list may hold several
// words separated by blanks.
std::vector<std::string> judgedWords(const std::string& dictionaryPath, const std::vector<std::string>& acceptPaths,
                                     const std::vector<std::string>& blockPaths);

enum class Puzzle { Placement, Coded, Mixed };
const char* puzzleName(Puzzle puzzle);
// The puzzles the games make of a grid of this side: word placement at
// every side, coded words at 8, 10 and 12, the mixed grid at 6 and 8.
std::vector<Puzzle> puzzlesOfSide(int side);

struct Proof {
    int answers = 0;        // answers found; the search stops at two
    bool complete = true;   // false when the search ran out of its budget
    long nodes = 0;         // search nodes visited
    std::string other;      // a second answer, side * side cells
    bool unique() const { return complete && answers == 1; }
};

// `cells` is side * side characters, '*' black; `budget` caps the search
// nodes. Word placement judges against the grid's own words, the others
// against `words`.
Proof provePuzzle(Puzzle puzzle, const std::string& cells, int side, const WordIndex& words, long budget);

// Empty when every puzzle of the grid's side has exactly one answer, else
// the first that does not, with the words its second answer changes.
std::string uniquenessFault(const std::string& cells, int side, const WordIndex& words, long budget);

// The words of `other` that differ from those of `cells`, slot by slot, as
// "OLD>NEW" pairs (at most four).
std::string changedWords(const std::string& cells, const std::string& other, int side);

}  // namespace gridgen
