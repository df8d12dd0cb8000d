#pragma once
// Fills the slots of a layout with distinct dictionary words: a constraint
// search over the slots with a letter mask per cell, arc consistency between
// crossing slots, the most constrained slot first (domain size over conflict
// weight), words drawn among the least constraining and most common, and
// restarts on a Luby schedule.
#include <cstdint>
#include <string>
#include <vector>

#include "layout.hpp"
#include "lexicon.hpp"
#include "rng.hpp"

namespace gridgen {

struct Words;

struct FillSettings {
    long failureBudget = 20000;  // dead ends allowed before giving up
    int restartUnit = 100;       // dead ends per Luby unit between restarts
    int wordsPerChoice = 10;     // words tried for one slot before backing up
    double commonBias = 1.0;     // weight of commonness against freedom left
    double noise = 1.0;          // temperature of the random part of a choice
};

class Filler {
public:
    Filler(const Lexicon& lexicon, const Layout& layout);

    // Imposes the letter of a cell ('A'..'Z') before the fill.
    void fixLetter(int cell, char letter);

    bool fill(Rng& rng, const FillSettings& settings);

    // The grid after a successful fill: side * side characters, '*' black.
    std::string cells() const;
    const std::vector<Slot>& slots() const { return slots_; }
    // How often each slot ran out of words: the hard places of the layout.
    const std::vector<double>& conflicts() const { return weight_; }
    long deadEnds() const { return deadEnds_; }

private:
    struct Links {
        int slot[2] = {-1, -1};  // across, down
        int position[2] = {0, 0};
    };
    struct SavedSlot {
        int slot;
        int size;
        std::size_t at;
    };
    struct Level {
        std::size_t slots;
        std::size_t cells;
        std::uint64_t stamp;
    };

    std::uint64_t* domain(int slot) { return arena_.data() + offset_[static_cast<std::size_t>(slot)]; }
    Words wordsIn(int slot);
    const WordSet& wordsOf(int slot) const { return *words_[static_cast<std::size_t>(slot)]; }

    void saveSlot(int slot);
    void saveCell(int cell);
    void pushLevel();
    void popLevel();
    void enqueue(int slot);

    void dropWord(int slot, int word);
    bool removeLetters(int slot, int position, std::uint32_t letters);
    bool shrunk(int slot, int newSize);
    bool becameSingle(int slot);
    void clearPending();
    bool revise(int slot);
    bool propagate();
    bool assign(int slot, int word);

    bool narrowRoot();
    int pickSlot(Rng& rng);
    void rankWords(int slot, Rng& rng, const FillSettings& settings, std::vector<int>& chosen);
    // 1: filled, 0: subtree failed, -1: stop (restart or budget spent).
    int search(Rng& rng, const FillSettings& settings);

    int side_;
    std::vector<Slot> slots_;
    std::vector<const WordSet*> words_;
    std::vector<std::size_t> offset_;
    std::vector<int> size_;
    std::vector<double> weight_;
    std::vector<std::uint64_t> savedStamp_;
    std::vector<std::vector<int>> sameLength_;
    std::vector<std::uint64_t> arena_;
    // For each slot, position and letter, the block where a word with that
    // letter there was last found: looked at first next time.
    std::vector<std::size_t> residueOffset_;
    std::vector<std::uint16_t> residue_;

    std::vector<std::uint32_t> mask_;
    std::vector<std::uint64_t> cellStamp_;
    std::vector<Links> links_;

    std::vector<SavedSlot> slotTrail_;
    std::vector<std::uint64_t> slotData_;
    std::vector<std::pair<int, std::uint32_t>> cellTrail_;
    std::vector<Level> levels_;
    std::uint64_t stamp_ = 0;
    std::uint64_t nextStamp_ = 1;

    std::vector<int> queue_;
    std::vector<std::uint8_t> queued_;

    long deadEnds_ = 0;
    long sinceRestart_ = 0;
    long restartLimit_ = 0;
    bool started_ = false;
    bool hopeless_ = false;
};

// The Luby sequence 1 1 2 1 1 2 4 1 1 2 ... (index from 1).
long luby(long index);

}  // namespace gridgen
