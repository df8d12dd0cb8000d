#pragma once
// Makes one grid: proposes black squares, fills the layout, repairs a layout
// the filler gives up on by blackening a cell of its hardest slot, and after
// a success tries to take black squares back.
#include <cstdint>
#include <string>

#include "filler.hpp"
#include "layout.hpp"
#include "lexicon.hpp"

namespace gridgen {

struct SizePlan {
    int side = 10;
    int startBlacks = 12;   // black squares of a fresh proposal
    int maxBlacks = 16;     // never more in one grid
    bool symmetric = false; // proposals symmetric about the centre
    int proposals = 40;     // fresh proposals before a job gives up
    int removals = 8;       // black squares offered back after a success
    FillSettings fill;      // for a whole layout
    FillSettings refill;    // for the slots through a black square taken back
};

struct GridResult {
    bool made = false;
    std::string cells;  // side * side characters, '*' black
    int blacks = 0;
    int fills = 0;      // fills started, whole or partial
    long deadEnds = 0;
};

// A proposal of `blacks` black squares keeping the shape rules, spread so as
// to cut the longest runs; fewer when no more can be placed.
Layout proposeLayout(int side, int blacks, bool symmetric, Rng& rng);

// Blackens one cell of the slot that ran out of words most often, keeping
// the shape rules. False when no slot can take one.
bool repairLayout(Layout& layout, const Filler& failed, Rng& rng);

GridResult makeGrid(const Lexicon& lexicon, const SizePlan& plan, std::uint64_t seed);

}  // namespace gridgen
