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

double layoutPromise(const Layout& layout, const Lexicon& lexicon) {
    const std::vector<Slot> slots = layout.slots();
    const std::size_t cells = static_cast<std::size_t>(layout.side * layout.side);
    std::vector<const float*> first(cells, nullptr);
    std::vector<std::vector<float>> shares(slots.size());
    double promise = 0;
    for (std::size_t s = 0; s < slots.size(); ++s) {
        const WordSet& set = lexicon.ofLength(slots[s].length);
        if (set.count == 0) return -1e9;
        promise += std::log(static_cast<double>(set.count));
        shares[s].resize(set.totals.size());
        for (std::size_t k = 0; k < set.totals.size(); ++k) shares[s][k] = static_cast<float>(set.totals[k]) / static_cast<float>(set.count);
        for (int i = 0; i < slots[s].length; ++i) {
            const auto cell = static_cast<std::size_t>(slots[s].cells[static_cast<std::size_t>(i)]);
            const float* mine = shares[s].data() + static_cast<std::size_t>(i) * Letters;
            if (first[cell] == nullptr) {
                first[cell] = mine;
                continue;
            }
            double agree = 0;
            for (int x = 0; x < Letters; ++x) agree += static_cast<double>(first[cell][x]) * mine[x];
            promise += std::log(std::max(agree, 1e-9));
        }
    }
    return promise;
}

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

Layout improveLayout(Layout layout, const Lexicon& lexicon, bool symmetric, int steps, Rng& rng) {
    const int side = layout.side;
    const int cells = side * side;
    double promise = layoutPromise(layout, lexicon);
    Layout best = layout;
    double bestPromise = promise;
    for (int step = 0; step < steps; ++step) {
        const int from = rng.below(cells);
        const int to = rng.below(cells);
        if (layout.black[static_cast<std::size_t>(from)] == 0 || layout.black[static_cast<std::size_t>(to)] != 0) continue;
        Layout trial = layout;
        trial.black[static_cast<std::size_t>(from)] = 0;
        trial.black[static_cast<std::size_t>(to)] = 1;
        if (symmetric) {
            const auto mirrorFrom = static_cast<std::size_t>(cells - 1 - from);
            const auto mirrorTo = static_cast<std::size_t>(cells - 1 - to);
            if (trial.black[mirrorFrom] == 0 || trial.black[mirrorTo] != 0) continue;
            trial.black[mirrorFrom] = 0;
            trial.black[mirrorTo] = 1;
        }
        if (!shapeIsValid(trial)) continue;
        const double next = layoutPromise(trial, lexicon);
        // A little downhill freedom, shrinking as the walk goes on.
        const double slack = 1.5 * (1.0 - static_cast<double>(step) / steps);
        if (next >= promise - slack * rng.unit()) {
            layout = std::move(trial);
            promise = next;
            if (promise > bestPromise) {
                bestPromise = promise;
                best = layout;
            }
        }
    }
    return best;
}

bool repairLayout(Layout& layout, const Filler& failed, bool symmetric, Rng& rng) {
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
            if (tryBlacken(layout, cell / layout.side, cell % layout.side, symmetric)) return true;
        }
    }
    return false;
}

namespace {

// Offers black squares back one at a time, the most promising first: the
// words around the freed cell are filled again, the rest of the grid kept.
void takeBlacksBack(const Lexicon& lexicon, const SizePlan& plan, Rng& rng, Layout& layout, GridResult& result) {
    const int cellCount = layout.side * layout.side;
    for (int offered = 0; offered < plan.removals && layout.blackCount() > plan.minBlacks;) {
        // The black squares that may go, most promising layout first.
        std::vector<std::pair<double, int>> candidates;
        for (int cell = 0; cell < cellCount; ++cell) {
            if (layout.black[static_cast<std::size_t>(cell)] == 0) continue;
            Layout trial = layout;
            trial.black[static_cast<std::size_t>(cell)] = 0;
            if (plan.symmetric) trial.black[static_cast<std::size_t>(cellCount - 1 - cell)] = 0;
            if (!shapeIsValid(trial)) continue;
            candidates.emplace_back(-(layoutPromise(trial, lexicon) + rng.gumbel()), cell);
        }
        std::sort(candidates.begin(), candidates.end());
        bool taken = false;
        for (const auto& [score, cell] : candidates) {
            if (offered++ >= plan.removals) break;
            Layout trial = layout;
            trial.black[static_cast<std::size_t>(cell)] = 0;
            if (plan.symmetric) trial.black[static_cast<std::size_t>(cellCount - 1 - cell)] = 0;
            Filler filler(lexicon, trial);
            // Free the words through the new letter cells, and the words
            // crossing those; keep every other letter.
            std::vector<std::uint8_t> freed(static_cast<std::size_t>(cellCount), 0);
            for (std::size_t c = 0; c < freed.size(); ++c) freed[c] = layout.black[c] != 0 && trial.black[c] == 0;
            for (int ring = 0; ring < plan.refillRings; ++ring) {
                std::vector<std::uint8_t> next = freed;
                for (const Slot& slot : filler.slots()) {
                    bool touched = false;
                    for (int k = 0; k < slot.length; ++k) touched = touched || freed[static_cast<std::size_t>(slot.cells[static_cast<std::size_t>(k)])] != 0;
                    if (!touched) continue;
                    for (int k = 0; k < slot.length; ++k) next[static_cast<std::size_t>(slot.cells[static_cast<std::size_t>(k)])] = 1;
                }
                freed = std::move(next);
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
                taken = true;
                break;
            }
        }
        if (!taken) break;
    }
}

}  // namespace

GridResult makeGrid(const Lexicon& lexicon, const SizePlan& plan, std::uint64_t seed) {
    Rng rng(seed);
    GridResult result;
    for (int proposal = 0; proposal < plan.proposals; ++proposal) {
        Layout layout = proposeLayout(plan.side, plan.startBlacks, plan.symmetric, rng);
        if (!shapeIsValid(layout)) continue;
        layout = improveLayout(layout, lexicon, plan.symmetric, plan.improveSteps, rng);
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
            if (layout.blackCount() >= plan.maxBlacks || !repairLayout(layout, filler, plan.symmetric, rng)) break;
        }
    }
    return result;
}

}  // namespace gridgen
