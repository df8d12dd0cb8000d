#include "generator.hpp"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace gridgen {

namespace {

int runAcross(const Layout& layout, int row, int column) {
    int begin = column;
    while (!layout.isBlack(row, begin - 1)) --begin;
    int end = column;
    while (!layout.isBlack(row, end + 1)) ++end;
    return end - begin + 1;
}

int runDown(const Layout& layout, int row, int column) {
    int begin = row;
    while (!layout.isBlack(begin - 1, column)) --begin;
    int end = row;
    while (!layout.isBlack(end + 1, column)) ++end;
    return end - begin + 1;
}

// Blackens a cell and, for a symmetric layout, its partner, if both keep the
// shape rules.
bool tryBlacken(Layout& layout, int row, int column, bool symmetric) {
    if (!canBlacken(layout, row, column)) return false;
    Layout trial = layout;
    trial.black[static_cast<std::size_t>(row * layout.side + column)] = 1;
    if (symmetric) {
        const int r = layout.side - 1 - row;
        const int c = layout.side - 1 - column;
        if (!trial.isBlack(r, c)) {
            if (!canBlacken(trial, r, c)) return false;
            trial.black[static_cast<std::size_t>(r * layout.side + c)] = 1;
        }
    }
    layout = std::move(trial);
    return true;
}

}  // namespace

Layout proposeLayout(int side, int blacks, bool symmetric, Rng& rng) {
    Layout layout(side);
    int misses = 0;
    while (layout.blackCount() < blacks && misses < 200) {
        int bestRow = -1;
        int bestColumn = -1;
        double bestScore = -1e9;
        for (int k = 0; k < 12; ++k) {
            const int r = rng.below(side);
            const int c = rng.below(side);
            if (layout.isBlack(r, c)) continue;
            const double score = runAcross(layout, r, c) + runDown(layout, r, c) + 1.5 * rng.gumbel();
            if (score > bestScore) {
                bestScore = score;
                bestRow = r;
                bestColumn = c;
            }
        }
        if (bestRow < 0 || !tryBlacken(layout, bestRow, bestColumn, symmetric)) ++misses;
    }
    return layout;
}

bool repairLayout(Layout& layout, const Filler& failed, Rng& rng) {
    const auto& slots = failed.slots();
    const auto& conflicts = failed.conflicts();
    std::vector<int> order(slots.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<double> key(slots.size());
    for (std::size_t s = 0; s < slots.size(); ++s) key[s] = conflicts[s] * (1.0 + 0.3 * rng.unit()) + 0.01 * slots[s].length;
    std::sort(order.begin(), order.end(), [&](int a, int b) { return key[static_cast<std::size_t>(a)] > key[static_cast<std::size_t>(b)]; });
    // Conflicts of the slot crossing each cell, to prefer cutting two hard
    // slots with one square.
    std::vector<double> cellConflict(static_cast<std::size_t>(layout.side * layout.side), 0.0);
    for (std::size_t s = 0; s < slots.size(); ++s) {
        for (int k = 0; k < slots[s].length; ++k) cellConflict[static_cast<std::size_t>(slots[s].cells[static_cast<std::size_t>(k)])] += conflicts[s];
    }
    for (std::size_t tried = 0; tried < order.size() && tried < 6; ++tried) {
        const Slot& slot = slots[static_cast<std::size_t>(order[tried])];
        std::vector<std::pair<double, int>> positions;
        for (int k = 0; k < slot.length; ++k) {
            const int cell = slot.cells[static_cast<std::size_t>(k)];
            const double middle = -std::abs(k - (slot.length - 1) / 2.0) / slot.length;
            positions.emplace_back(-(cellConflict[static_cast<std::size_t>(cell)] / (1.0 + conflicts[static_cast<std::size_t>(order[tried])]) + middle + 0.5 * rng.unit()), cell);
        }
        std::sort(positions.begin(), positions.end());
        for (const auto& [score, cell] : positions) {
            if (tryBlacken(layout, cell / layout.side, cell % layout.side, false)) return true;
        }
    }
    return false;
}

namespace {

// Offers black squares back one at a time, refilling only the words through
// the freed cell.
void takeBlacksBack(const Lexicon& lexicon, const SizePlan& plan, Rng& rng, Layout& layout, GridResult& result) {
    std::vector<int> blacks;
    for (int c = 0; c < layout.side * layout.side; ++c) {
        if (layout.black[static_cast<std::size_t>(c)] != 0) blacks.push_back(c);
    }
    for (std::size_t i = blacks.size(); i > 1; --i) std::swap(blacks[i - 1], blacks[static_cast<std::size_t>(rng.below(static_cast<int>(i)))]);
    int offered = 0;
    for (const int cell : blacks) {
        if (offered >= plan.removals) break;
        Layout trial = layout;
        trial.black[static_cast<std::size_t>(cell)] = 0;
        if (!shapeIsValid(trial)) continue;
        ++offered;
        Filler filler(lexicon, trial);
        std::vector<std::uint8_t> freed(trial.black.size(), 0);
        for (const Slot& slot : filler.slots()) {
            const auto begin = slot.cells.begin();
            if (std::find(begin, begin + slot.length, cell) == begin + slot.length) continue;
            for (int k = 0; k < slot.length; ++k) freed[static_cast<std::size_t>(slot.cells[static_cast<std::size_t>(k)])] = 1;
        }
        for (std::size_t c = 0; c < freed.size(); ++c) {
            if (trial.black[c] == 0 && freed[c] == 0) filler.fixLetter(static_cast<int>(c), result.cells[c]);
        }
        ++result.fills;
        const bool filled = filler.fill(rng, plan.refill);
        result.deadEnds += filler.deadEnds();
        if (filled) {
            layout = std::move(trial);
            result.cells = filler.cells();
            result.blacks = layout.blackCount();
        }
    }
}

}  // namespace

GridResult makeGrid(const Lexicon& lexicon, const SizePlan& plan, std::uint64_t seed) {
    Rng rng(seed);
    GridResult result;
    for (int proposal = 0; proposal < plan.proposals; ++proposal) {
        Layout layout = proposeLayout(plan.side, plan.startBlacks, plan.symmetric, rng);
        if (!shapeIsValid(layout)) continue;
        while (true) {
            Filler filler(lexicon, layout);
            ++result.fills;
            const bool filled = filler.fill(rng, plan.fill);
            result.deadEnds += filler.deadEnds();
            if (filled) {
                result.made = true;
                result.cells = filler.cells();
                result.blacks = layout.blackCount();
                takeBlacksBack(lexicon, plan, rng, layout, result);
                return result;
            }
            if (layout.blackCount() >= plan.maxBlacks || !repairLayout(layout, filler, rng)) break;
        }
    }
    return result;
}

}  // namespace gridgen
