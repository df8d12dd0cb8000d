#include "filler.hpp"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace gridgen {

namespace {

constexpr std::uint32_t AllLetters = (1u << Letters) - 1;

// Bit counting without the popcnt instruction, which the baseline x86-64
// target lacks; written plainly, the loops below vectorise.
inline int bitCount(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((x * 0x0101010101010101ull) >> 56);
}

}  // namespace

// The words a slot may still take: a bitset over its word set.
struct Words {
    std::uint64_t* bits;
    int blocks;

    template <typename F>
    void forEachWord(F&& f) const {
        for (int k = 0; k < blocks; ++k) {
            std::uint64_t word = bits[k];
            while (word != 0) {
                f(k * 64 + std::countr_zero(word));
                word &= word - 1;
            }
        }
    }
    int first() const {
        for (int k = 0; k < blocks; ++k) {
            if (bits[k] != 0) return k * 64 + std::countr_zero(bits[k]);
        }
        return -1;
    }
    int count() const {
        int count = 0;
        for (int k = 0; k < blocks; ++k) count += bitCount(bits[k]);
        return count;
    }
    int countWith(const std::uint64_t* with) const {
        int count = 0;
        for (int k = 0; k < blocks; ++k) count += bitCount(bits[k] & with[k]);
        return count;
    }
    // The first block holding a word of `with`, or -1.
    int meets(const std::uint64_t* with) const {
        for (int k = 0; k < blocks; ++k) {
            if ((bits[k] & with[k]) != 0) return k;
        }
        return -1;
    }
    void remove(const std::uint64_t* with) const {
        for (int k = 0; k < blocks; ++k) bits[k] &= ~with[k];
    }
};

long luby(long index) {
    long size = 1;
    long power = 1;
    while (size < index) {
        size = 2 * size + 1;
        power *= 2;
    }
    while (size != index) {
        size = (size - 1) / 2;
        power /= 2;
        if (index > size) index -= size;
    }
    return power;
}

Filler::Filler(const Lexicon& lexicon, const Layout& layout) : side_(layout.side) {
    slots_ = layout.slots();
    const std::size_t cellCount = static_cast<std::size_t>(side_ * side_);
    mask_.assign(cellCount, AllLetters);
    cellStamp_.assign(cellCount, 0);
    links_.assign(cellCount, Links{});
    for (std::size_t i = 0; i < cellCount; ++i) {
        if (layout.black[i] != 0) mask_[i] = 0;
    }
    sameLength_.assign(MaxSide + 1, {});
    std::size_t total = 0;
    std::size_t residueTotal = 0;
    for (std::size_t s = 0; s < slots_.size(); ++s) {
        const Slot& slot = slots_[s];
        const WordSet& set = lexicon.ofLength(slot.length);
        words_.push_back(&set);
        offset_.push_back(total);
        total += static_cast<std::size_t>(set.blocks);
        residueOffset_.push_back(residueTotal);
        residueTotal += static_cast<std::size_t>(set.length) * Letters;
        size_.push_back(set.count);
        sameLength_[static_cast<std::size_t>(slot.length)].push_back(static_cast<int>(s));
        for (int k = 0; k < slot.length; ++k) {
            Links& link = links_[static_cast<std::size_t>(slot.cells[static_cast<std::size_t>(k)])];
            const int direction = slot.across ? 0 : 1;
            link.slot[direction] = static_cast<int>(s);
            link.position[direction] = k;
        }
    }
    arena_.assign(total, 0);
    residue_.assign(residueTotal, 0);
    for (std::size_t s = 0; s < slots_.size(); ++s) {
        const WordSet& set = *words_[s];
        const Words words = wordsIn(static_cast<int>(s));
        for (int w = 0; w < set.count; ++w) words.bits[w >> 6] |= std::uint64_t{1} << (w & 63);
    }
    weight_.assign(slots_.size(), 1.0);
    savedStamp_.assign(slots_.size(), 0);
    queued_.assign(slots_.size(), 0);
}

void Filler::fixLetter(int cell, char letter) {
    mask_[static_cast<std::size_t>(cell)] &= 1u << (letter - 'A');
}

Words Filler::wordsIn(int slot) { return Words{domain(slot), wordsOf(slot).blocks}; }

// --- the trail -----------------------------------------------------------------

void Filler::saveSlot(int slot) {
    const auto s = static_cast<std::size_t>(slot);
    if (savedStamp_[s] == stamp_) return;
    savedStamp_[s] = stamp_;
    slotTrail_.push_back({slot, size_[s], slotData_.size()});
    const std::uint64_t* bits = domain(slot);
    const int blocks = wordsOf(slot).blocks;
    slotData_.insert(slotData_.end(), bits, bits + blocks);
}

void Filler::saveCell(int cell) {
    const auto c = static_cast<std::size_t>(cell);
    if (cellStamp_[c] == stamp_) return;
    cellStamp_[c] = stamp_;
    cellTrail_.emplace_back(cell, mask_[c]);
}

void Filler::pushLevel() {
    levels_.push_back({slotTrail_.size(), cellTrail_.size(), stamp_});
    stamp_ = nextStamp_++;
}

void Filler::popLevel() {
    const Level level = levels_.back();
    levels_.pop_back();
    while (slotTrail_.size() > level.slots) {
        const SavedSlot saved = slotTrail_.back();
        slotTrail_.pop_back();
        std::copy(slotData_.begin() + static_cast<std::ptrdiff_t>(saved.at), slotData_.end(), domain(saved.slot));
        slotData_.resize(saved.at);
        size_[static_cast<std::size_t>(saved.slot)] = saved.size;
    }
    while (cellTrail_.size() > level.cells) {
        mask_[static_cast<std::size_t>(cellTrail_.back().first)] = cellTrail_.back().second;
        cellTrail_.pop_back();
    }
    stamp_ = level.stamp;
}

// --- propagation ---------------------------------------------------------------

void Filler::enqueue(int slot) {
    auto& flag = queued_[static_cast<std::size_t>(slot)];
    if (flag == 0) {
        flag = 1;
        queue_.push_back(slot);
    }
}

void Filler::clearPending() {
    for (const int slot : queue_) queued_[static_cast<std::size_t>(slot)] = 0;
    queue_.clear();
}

bool Filler::shrunk(int slot, int newSize) {
    const auto s = static_cast<std::size_t>(slot);
    if (newSize == size_[s]) return true;
    size_[s] = newSize;
    if (newSize == 0) {
        weight_[s] += 1.0;
        return false;
    }
    enqueue(slot);
    return newSize != 1 || becameSingle(slot);
}

void Filler::dropWord(int slot, int word) {
    saveSlot(slot);
    const Words words = wordsIn(slot);
    words.bits[word >> 6] &= ~(std::uint64_t{1} << (word & 63));
}

// A slot down to one word: no other slot may take that word.
bool Filler::becameSingle(int slot) {
    const WordSet& set = wordsOf(slot);
    const int word = wordsIn(slot).first();
    const std::uint64_t bit = std::uint64_t{1} << (word & 63);
    for (const int other : sameLength_[static_cast<std::size_t>(set.length)]) {
        if (other == slot || (domain(other)[word >> 6] & bit) == 0) continue;
        dropWord(other, word);
        if (!shrunk(other, size_[static_cast<std::size_t>(other)] - 1)) return false;
    }
    return true;
}

bool Filler::removeLetters(int slot, int position, std::uint32_t letters) {
    const WordSet& set = wordsOf(slot);
    saveSlot(slot);
    const Words words = wordsIn(slot);
    while (letters != 0) {
        words.remove(set.withLetter(position, std::countr_zero(letters)));
        letters &= letters - 1;
    }
    return shrunk(slot, words.count());
}

// Narrows the cells of a slot to the letters its words still allow, and the
// crossing slots to those letters. A letter's support is looked for first in
// the block where it was last found.
bool Filler::revise(int slot) {
    const Slot& shape = slots_[static_cast<std::size_t>(slot)];
    const WordSet& set = wordsOf(slot);
    const Words words = wordsIn(slot);
    const std::uint64_t* bits = words.bits;
    const int size = size_[static_cast<std::size_t>(slot)];
    std::uint32_t allowed[MaxSide] = {};
    if (size <= 10 * set.blocks) {
        words.forEachWord([&](int w) {
            const std::uint8_t* letters = set.letters.data() + static_cast<std::size_t>(w) * static_cast<std::size_t>(set.length);
            for (int i = 0; i < set.length; ++i) allowed[i] |= 1u << letters[i];
        });
    } else {
        std::uint16_t* residues = residue_.data() + residueOffset_[static_cast<std::size_t>(slot)];
        for (int i = 0; i < set.length; ++i) {
            std::uint32_t letters = mask_[static_cast<std::size_t>(shape.cells[static_cast<std::size_t>(i)])];
            while (letters != 0) {
                const int x = std::countr_zero(letters);
                letters &= letters - 1;
                const std::uint64_t* with = set.withLetter(i, x);
                std::uint16_t& residue = residues[i * Letters + x];
                if ((bits[residue] & with[residue]) != 0) {
                    allowed[i] |= 1u << x;
                    continue;
                }
                const int block = words.meets(with);
                if (block >= 0) {
                    residue = static_cast<std::uint16_t>(block);
                    allowed[i] |= 1u << x;
                }
            }
        }
    }
    const int direction = shape.across ? 1 : 0;  // the crossing direction
    for (int i = 0; i < set.length; ++i) {
        const int cell = shape.cells[static_cast<std::size_t>(i)];
        const std::uint32_t before = mask_[static_cast<std::size_t>(cell)];
        const std::uint32_t after = before & allowed[i];
        if (after == before) continue;
        if (after == 0) {
            weight_[static_cast<std::size_t>(slot)] += 1.0;
            return false;
        }
        saveCell(cell);
        mask_[static_cast<std::size_t>(cell)] = after;
        const Links& link = links_[static_cast<std::size_t>(cell)];
        const int crossing = link.slot[direction];
        if (crossing >= 0 && !removeLetters(crossing, link.position[direction], before & ~after)) return false;
    }
    return true;
}

bool Filler::propagate() {
    std::size_t head = 0;
    while (head < queue_.size()) {
        const int slot = queue_[head++];
        queued_[static_cast<std::size_t>(slot)] = 0;
        if (!revise(slot)) {
            clearPending();
            return false;
        }
    }
    queue_.clear();
    return true;
}

bool Filler::assign(int slot, int word) {
    saveSlot(slot);
    const WordSet& set = wordsOf(slot);
    const Words words = wordsIn(slot);
    std::fill(words.bits, words.bits + set.blocks, 0);
    words.bits[word >> 6] = std::uint64_t{1} << (word & 63);
    size_[static_cast<std::size_t>(slot)] = 1;
    enqueue(slot);
    if (becameSingle(slot)) return true;
    clearPending();
    return false;
}

// --- search --------------------------------------------------------------------

int Filler::pickSlot(Rng& rng) {
    int best = -1;
    double bestScore = std::numeric_limits<double>::infinity();
    for (std::size_t s = 0; s < slots_.size(); ++s) {
        if (size_[s] <= 1) continue;
        const double score = static_cast<double>(size_[s]) / weight_[s] * (1.0 + 0.05 * rng.unit());
        if (score < bestScore) {
            bestScore = score;
            best = static_cast<int>(s);
        }
    }
    return best;
}

// The words worth trying for a slot, best first: each scores the log of the
// words its letters leave to every crossing slot, plus its commonness, plus
// a random draw.
void Filler::rankWords(int slot, Rng& rng, const FillSettings& settings, std::vector<int>& chosen) {
    const Slot& shape = slots_[static_cast<std::size_t>(slot)];
    const WordSet& set = wordsOf(slot);
    const int direction = shape.across ? 1 : 0;
    float room[MaxSide][Letters];
    for (int i = 0; i < set.length; ++i) {
        const int cell = shape.cells[static_cast<std::size_t>(i)];
        const Links& link = links_[static_cast<std::size_t>(cell)];
        const int crossing = link.slot[direction];
        std::fill(room[i], room[i] + Letters, 0.0f);
        if (crossing < 0 || size_[static_cast<std::size_t>(crossing)] <= 1) continue;
        const WordSet& other = wordsOf(crossing);
        const Words words = wordsIn(crossing);
        std::uint32_t letters = mask_[static_cast<std::size_t>(cell)];
        while (letters != 0) {
            const int x = std::countr_zero(letters);
            const int count = words.countWith(other.withLetter(link.position[direction], x));
            room[i][x] = count > 0 ? std::log(static_cast<float>(count)) : -1000.0f;
            letters &= letters - 1;
        }
    }
    std::vector<std::pair<double, int>> scored;
    scored.reserve(static_cast<std::size_t>(size_[static_cast<std::size_t>(slot)]));
    wordsIn(slot).forEachWord([&](int w) {
        const std::uint8_t* letters = set.letters.data() + static_cast<std::size_t>(w) * static_cast<std::size_t>(set.length);
        double score = settings.commonBias * set.commonness[static_cast<std::size_t>(w)];
        for (int i = 0; i < set.length; ++i) score += room[i][letters[i]];
        score += settings.noise * rng.gumbel();
        scored.emplace_back(-score, w);
    });
    const std::size_t keep = std::min(scored.size(), static_cast<std::size_t>(settings.wordsPerChoice));
    std::partial_sort(scored.begin(), scored.begin() + static_cast<std::ptrdiff_t>(keep), scored.end());
    chosen.clear();
    for (std::size_t k = 0; k < keep; ++k) chosen.push_back(scored[k].second);
}

int Filler::search(Rng& rng, const FillSettings& settings) {
    const int slot = pickSlot(rng);
    if (slot < 0) return 1;
    std::vector<int> candidates;
    rankWords(slot, rng, settings, candidates);
    for (const int word : candidates) {
        pushLevel();
        const bool consistent = assign(slot, word) && propagate();
        const int result = consistent ? search(rng, settings) : 0;
        if (result == 1) return 1;
        popLevel();
        if (result < 0) return -1;
        if (!consistent) {
            ++deadEnds_;
            if (++sinceRestart_ >= restartLimit_ || deadEnds_ >= settings.failureBudget) return -1;
        }
    }
    return 0;
}

// Letters imposed beforehand, and word lists of a single word, narrow the
// slots before the search. False when no fill can exist.
bool Filler::narrowRoot() {
    for (std::size_t s = 0; s < slots_.size(); ++s) enqueue(static_cast<int>(s));
    for (std::size_t s = 0; s < slots_.size(); ++s) {
        const Slot& shape = slots_[s];
        for (int i = 0; i < shape.length; ++i) {
            const std::uint32_t mask = mask_[static_cast<std::size_t>(shape.cells[static_cast<std::size_t>(i)])];
            if (mask != AllLetters && !removeLetters(static_cast<int>(s), i, AllLetters & ~mask)) return false;
        }
    }
    for (std::size_t s = 0; s < slots_.size(); ++s) {
        if (size_[s] == 1 && !becameSingle(static_cast<int>(s))) return false;
    }
    return propagate();
}

bool Filler::fill(Rng& rng, const FillSettings& settings) {
    if (!started_) {
        started_ = true;
        hopeless_ = !narrowRoot();
    }
    if (hopeless_) return false;
    for (long round = 1; deadEnds_ < settings.failureBudget; ++round) {
        sinceRestart_ = 0;
        restartLimit_ = luby(round) * settings.restartUnit;
        pushLevel();
        if (search(rng, settings) == 1) return true;
        popLevel();
    }
    return false;
}

std::string Filler::cells() const {
    std::string out(static_cast<std::size_t>(side_ * side_), '*');
    for (std::size_t c = 0; c < out.size(); ++c) {
        if (mask_[c] != 0) out[c] = static_cast<char>('A' + std::countr_zero(mask_[c]));
    }
    return out;
}

}  // namespace gridgen
