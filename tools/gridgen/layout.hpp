#pragma once
// The black squares of a square grid, the word slots they leave, and the
// shape rules every grid keeps.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "lexicon.hpp"

namespace gridgen {

// A maximal run of two or more letter cells, across or down.
struct Slot {
    int length = 0;
    bool across = true;
    std::array<int, MaxSide> cells{};  // cell indices row * side + column
};

struct Layout {
    int side = 0;
    std::vector<std::uint8_t> black;  // side * side, 1 for a black square

    explicit Layout(int n = 0) : side(n), black(static_cast<std::size_t>(n * n), 0) {}
    bool isBlack(int row, int column) const {
        return row < 0 || column < 0 || row >= side || column >= side ||
               black[static_cast<std::size_t>(row * side + column)] != 0;
    }
    int blackCount() const;
    std::vector<Slot> slots() const;
};

// True when a 2 x 2 block of black squares covers (row, column).
bool blackBlockAround(const Layout& layout, int row, int column);
// Every letter cell has a letter neighbour across or down, so that it is
// part of a word.
bool everyLetterInWord(const Layout& layout);
bool lettersConnected(const Layout& layout);
bool anyBlackBlock(const Layout& layout);
// All three shape rules.
bool shapeIsValid(const Layout& layout);
// True when blackening (row, column) keeps the three shape rules.
bool canBlacken(const Layout& layout, int row, int column);

// The rules a filled grid keeps: its shape rules, every run of 2+ letters a
// word of the dictionary, no word twice. `cells` is side * side characters,
// '*' for black. Returns an empty text when all hold, else the first fault.
std::string gridFault(const std::string& cells, int side, const Lexicon& lexicon);
// The words of a filled grid, across then down.
std::vector<std::string> gridWords(const std::string& cells, int side);

}  // namespace gridgen
