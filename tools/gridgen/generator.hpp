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
    int minBlacks = 0;      // taking squares back stops here
    bool symmetric = false; // proposals symmetric about the centre
    int proposals = 40;     // fresh proposals before a job gives up
    int removals = 8;       // black squares offered back after a success
    int refillRings = 2;    // words freed around a black square taken back:
                            // 1 the words through it, 2 also their crossers
    int improveSteps = 5000; // moves tried on a proposal to raise its promise
    FillSettings fill;      // for a whole layout
    FillSettings refill;    // for the slots through a black square taken back
};

struct GridResult {
    bool made = false;
    bool refused = false;  // made, but refused by the uniqueness proof
    std::string cells;  // side * side characters, '*' black
    int blacks = 0;
    int fills = 0;      // fills started, whole or partial
    long deadEnds = 0;
};

// The expected log-number of fills of a layout, were the letters of crossing
// slots independent: the log of each slot's word count, plus for each cell
// shared by two slots the log of the chance that they agree on its letter,
// from the letter frequencies at each position of words of each length.
double layoutPromise(const Layout& layout, const Lexicon& lexicon);

// A proposal of `blacks` black squares keeping the shape rules, spread so as
// to cut the longest runs; fewer when no more can be placed.
Layout proposeLayout(int side, int blacks, bool symmetric, Rng& rng);

// Moves black squares of a layout one at a time, keeping the shape rules and
// the moves that do not lower its promise much, for `steps` tries; returns
// the most promising layout met.
Layout improveLayout(Layout layout, const Lexicon& lexicon, bool symmetric, int steps, Rng& rng);

// Blackens one cell (and its partner, for a symmetric layout) of the slot
// that ran out of words most often, keeping the shape rules. False when no
// slot can take one.
bool repairLayout(Layout& layout, const Filler& failed, bool symmetric, Rng& rng);

GridResult makeGrid(const Lexicon& lexicon, const SizePlan& plan, std::uint64_t seed);

}  // namespace gridgen
