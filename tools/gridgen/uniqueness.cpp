#include "uniqueness.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <sstream>

#include "layout.hpp"

namespace gridgen {

namespace {

constexpr std::uint32_t AllLetters = (1u << Letters) - 1;

bool onlyCapitals(std::string_view word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    std::string word;
    while (in >> word) words.push_back(word);
    return words;
}

Layout layoutOf(const std::string& cells, int side) {
    Layout layout(side);
    for (int i = 0; i < side * side; ++i) layout.black[static_cast<std::size_t>(i)] = cells[static_cast<std::size_t>(i)] == '*';
    return layout;
}

std::uint32_t letterBit(char letter) { return 1u << (letter - 'A'); }

template <typename T>
std::uint64_t shapeOf(const T* items, int length) {
    std::uint64_t shape = 0;
    for (int i = 0; i < length; ++i) {
        int first = i;
        for (int j = 0; j < i; ++j) {
            if (items[j] == items[i]) {
                first = j;
                break;
            }
        }
        shape |= static_cast<std::uint64_t>(first) << (4 * i);
    }
    return shape;
}

// A puzzle stated as a search: variables over letters, runs whose letters
// must spell a word, and the rules each puzzle adds.
struct Problem {
    std::vector<std::uint32_t> domains;          // per variable
    std::vector<char> stored;                     // the stored answer, per variable
    std::vector<std::vector<int>> runs;           // variable per position
    const WordIndex* words = nullptr;
    bool allDifferent = false;                    // two variables never share a letter
    bool sameShape = false;                       // a run's repeated letters are its repeated variables
    std::vector<std::vector<int>> groups;         // variables whose letters are a fixed multiset
    std::vector<std::array<int, Letters>> groupLetters;
    std::vector<std::vector<int>> wordLimits;     // by length, per word: times it may be used (empty: any)
};

// Counts the answers of a problem up to two: arc consistency between the
// runs and the letters of their variables after every choice, with the
// puzzle's own rules, and a choice of word for the run with fewest words.
class Solver {
public:
    Solver(const Problem& problem, long budget) : p_(problem), budget_(budget) {
        const std::size_t vars = p_.domains.size();
        domain_ = p_.domains;
        varRuns_.resize(vars);
        groupOf_.assign(vars, -1);
        for (std::size_t g = 0; g < p_.groups.size(); ++g)
            for (const int v : p_.groups[g]) groupOf_[static_cast<std::size_t>(v)] = static_cast<int>(g);
        std::size_t offset = 0;
        state_.resize(p_.runs.size());
        for (std::size_t r = 0; r < p_.runs.size(); ++r) {
            const std::vector<int>& vars = p_.runs[r];
            for (const int v : vars) {
                auto& list = varRuns_[static_cast<std::size_t>(v)];
                if (list.empty() || list.back() != static_cast<int>(r)) list.push_back(static_cast<int>(r));
            }
            offset_.push_back(offset);
            offset += static_cast<std::size_t>(lengthOf(static_cast<int>(r)).blocks);
        }
        bits_.assign(offset, 0);
        for (std::size_t r = 0; r < p_.runs.size(); ++r) startRun(static_cast<int>(r));
        queued_.assign(p_.runs.size(), 0);
        groupDirty_.assign(p_.groups.size(), 0);
        savedAt_.assign(p_.runs.size(), 0);
    }

    Proof count() {
        proof_ = Proof{};
        for (std::size_t r = 0; r < p_.runs.size(); ++r) enqueue(static_cast<int>(r));
        for (std::size_t g = 0; g < p_.groups.size(); ++g) groupDirty_[g] = 1;
        search();
        return proof_;
    }

private:
    struct RunState {
        int lo = 0;      // first block that may hold a word
        int hi = 0;      // one past the last
        int count = 0;   // words left
        bool stale = true;  // the letters of its variables not yet narrowed to its words
        std::array<std::uint32_t, MaxSide> applied{};  // letters each position was last filtered by
    };
    struct SavedRun {
        int run;
        RunState state;
        std::size_t at;
    };
    struct Level {
        std::size_t domains, runs, data;
    };

    int length(int run) const { return static_cast<int>(p_.runs[static_cast<std::size_t>(run)].size()); }
    const WordIndex::Length& lengthOf(int run) const { return p_.words->ofLength(length(run)); }
    std::uint64_t* bits(int run) { return bits_.data() + offset_[static_cast<std::size_t>(run)]; }
    int var(int run, int position) const {
        return p_.runs[static_cast<std::size_t>(run)][static_cast<std::size_t>(position)];
    }

    // Every word of the run's length, or only those repeating their letters
    // where the run repeats its variables.
    void startRun(int run) {
        const WordIndex::Length& set = lengthOf(run);
        const int n = length(run);
        std::uint64_t* b = bits(run);
        const std::uint64_t shape = shapeOf(p_.runs[static_cast<std::size_t>(run)].data(), n);
        for (int w = 0; w < set.count; ++w) {
            if (p_.sameShape && set.shapes[static_cast<std::size_t>(w)] != shape) continue;
            b[w >> 6] |= std::uint64_t{1} << (w & 63);
        }
        RunState& st = state_[static_cast<std::size_t>(run)];
        st.lo = 0;
        st.hi = set.blocks;
        st.applied.fill(AllLetters);
        recount(run);
    }

    void recount(int run) {
        RunState& st = state_[static_cast<std::size_t>(run)];
        const std::uint64_t* b = bits(run);
        while (st.lo < st.hi && b[st.lo] == 0) ++st.lo;
        while (st.hi > st.lo && b[st.hi - 1] == 0) --st.hi;
        int count = 0;
        for (int k = st.lo; k < st.hi; ++k) count += std::popcount(b[k]);
        st.count = count;
    }

    void saveRun(int run) {
        if (savedAt_[static_cast<std::size_t>(run)] == stamp_) return;
        savedAt_[static_cast<std::size_t>(run)] = stamp_;
        const RunState& st = state_[static_cast<std::size_t>(run)];
        runTrail_.push_back({run, st, saved_.size()});
        const std::uint64_t* b = bits(run);
        saved_.insert(saved_.end(), b + st.lo, b + st.hi);
    }

    void pushLevel() {
        levels_.push_back({domainTrail_.size(), runTrail_.size(), saved_.size()});
        stamp_ = nextStamp_++;
    }

    void popLevel() {
        const Level level = levels_.back();
        levels_.pop_back();
        while (domainTrail_.size() > level.domains) {
            domain_[static_cast<std::size_t>(domainTrail_.back().first)] = domainTrail_.back().second;
            domainTrail_.pop_back();
        }
        while (runTrail_.size() > level.runs) {
            const SavedRun& s = runTrail_.back();
            std::uint64_t* b = bits(s.run);
            const RunState& now = state_[static_cast<std::size_t>(s.run)];
            std::fill(b + now.lo, b + now.hi, 0);
            std::copy(saved_.begin() + static_cast<std::ptrdiff_t>(s.at),
                      saved_.begin() + static_cast<std::ptrdiff_t>(s.at) + (s.state.hi - s.state.lo), b + s.state.lo);
            state_[static_cast<std::size_t>(s.run)] = s.state;
            runTrail_.pop_back();
        }
        saved_.resize(level.data);
        // A stamp never used again, so that runs are saved afresh.
        stamp_ = nextStamp_++;
        clearPending();
    }

    void enqueue(int run) {
        if (queued_[static_cast<std::size_t>(run)] != 0) return;
        queued_[static_cast<std::size_t>(run)] = 1;
        queue_.push_back(run);
    }

    void clearPending() {
        for (const int r : queue_) queued_[static_cast<std::size_t>(r)] = 0;
        queue_.clear();
        changed_.clear();
        std::fill(groupDirty_.begin(), groupDirty_.end(), 0);
    }

    // Narrows a variable to `letters`; false when none is left.
    bool narrow(int v, std::uint32_t letters) {
        const std::uint32_t now = domain_[static_cast<std::size_t>(v)];
        const std::uint32_t next = now & letters;
        if (next == now) return true;
        domainTrail_.emplace_back(v, now);
        domain_[static_cast<std::size_t>(v)] = next;
        if (next == 0) return false;
        for (const int r : varRuns_[static_cast<std::size_t>(v)]) enqueue(r);
        changed_.push_back(v);
        if (groupOf_[static_cast<std::size_t>(v)] >= 0) groupDirty_[static_cast<std::size_t>(groupOf_[static_cast<std::size_t>(v)])] = 1;
        return true;
    }

    // Drops the words whose letters left their variables' domains, then
    // narrows the variables to the letters of the words left.
    bool revise(int run) {
        const WordIndex::Length& set = lengthOf(run);
        const int n = length(run);
        RunState* st = &state_[static_cast<std::size_t>(run)];
        std::uint64_t* b = bits(run);
        bool filtered = false;
        for (int i = 0; i < n; ++i) {
            const std::uint32_t keep = domain_[static_cast<std::size_t>(var(run, i))] & st->applied[static_cast<std::size_t>(i)];
            const std::uint32_t removed = st->applied[static_cast<std::size_t>(i)] & ~keep;
            if (removed == 0) continue;
            saveRun(run);
            st = &state_[static_cast<std::size_t>(run)];
            if (std::popcount(keep) <= std::popcount(removed)) {
                for (int k = st->lo; k < st->hi; ++k) {
                    std::uint64_t m = 0;
                    for (std::uint32_t x = keep; x != 0; x &= x - 1) m |= set.withLetter(i, std::countr_zero(x))[k];
                    b[k] &= m;
                }
            } else {
                for (int k = st->lo; k < st->hi; ++k) {
                    std::uint64_t m = 0;
                    for (std::uint32_t x = removed; x != 0; x &= x - 1) m |= set.withLetter(i, std::countr_zero(x))[k];
                    b[k] &= ~m;
                }
            }
            st->applied[static_cast<std::size_t>(i)] = keep;
            filtered = true;
        }
        if (filtered) {
            const int before = st->count;
            recount(run);
            if (st->count == 0) return false;
            if (st->count != before) st->stale = true;
        }
        if (!st->stale) return true;
        st->stale = false;
        std::array<std::uint32_t, MaxSide> support{};
        if (st->count <= 4 * (st->hi - st->lo) + 64) {
            for (int k = st->lo; k < st->hi; ++k) {
                for (std::uint64_t word = b[k]; word != 0; word &= word - 1) {
                    const std::size_t w = static_cast<std::size_t>(k) * 64 + static_cast<std::size_t>(std::countr_zero(word));
                    const std::uint8_t* letters = set.letters.data() + w * static_cast<std::size_t>(n);
                    for (int i = 0; i < n; ++i) support[static_cast<std::size_t>(i)] |= 1u << letters[i];
                }
            }
        } else {
            for (int i = 0; i < n; ++i) {
                for (std::uint32_t x = domain_[static_cast<std::size_t>(var(run, i))]; x != 0; x &= x - 1) {
                    const int letter = std::countr_zero(x);
                    const std::uint64_t* with = set.withLetter(i, letter);
                    for (int k = st->lo; k < st->hi; ++k) {
                        if ((b[k] & with[k]) != 0) {
                            support[static_cast<std::size_t>(i)] |= 1u << letter;
                            break;
                        }
                    }
                }
            }
        }
        for (int i = 0; i < n; ++i)
            if (!narrow(var(run, i), support[static_cast<std::size_t>(i)])) return false;
        return true;
    }

    // A letter settled on one variable leaves every other.
    bool spreadDifferent(int v) {
        const std::uint32_t letter = domain_[static_cast<std::size_t>(v)];
        if (std::popcount(letter) != 1) return true;
        for (std::size_t u = 0; u < domain_.size(); ++u)
            if (static_cast<int>(u) != v && (domain_[u] & letter) != 0 && !narrow(static_cast<int>(u), ~letter)) return false;
        return true;
    }

    // A group's letters are a fixed multiset: a letter placed as often as
    // the group holds it leaves the group's other variables, and a letter
    // that only as many variables can still take as the group holds goes
    // to all of them.
    bool reviseGroup(int g) {
        const std::vector<int>& vars = p_.groups[static_cast<std::size_t>(g)];
        const std::array<int, Letters>& wanted = p_.groupLetters[static_cast<std::size_t>(g)];
        std::array<int, Letters> placed{};
        std::array<int, Letters> possible{};
        for (const int v : vars) {
            const std::uint32_t d = domain_[static_cast<std::size_t>(v)];
            if (std::popcount(d) == 1) ++placed[static_cast<std::size_t>(std::countr_zero(d))];
            for (std::uint32_t x = d; x != 0; x &= x - 1) ++possible[static_cast<std::size_t>(std::countr_zero(x))];
        }
        for (int x = 0; x < Letters; ++x) {
            const auto ux = static_cast<std::size_t>(x);
            if (placed[ux] > wanted[ux] || possible[ux] < wanted[ux]) return false;
            const std::uint32_t bit = 1u << x;
            if (placed[ux] == wanted[ux] && possible[ux] > wanted[ux]) {
                for (const int v : vars)
                    if (domain_[static_cast<std::size_t>(v)] != bit && !narrow(v, ~bit)) return false;
            } else if (possible[ux] == wanted[ux] && placed[ux] < wanted[ux]) {
                for (const int v : vars)
                    if ((domain_[static_cast<std::size_t>(v)] & bit) != 0 && !narrow(v, bit)) return false;
            }
        }
        return true;
    }

    // A word may fill as many runs as it is listed: once that many runs
    // hold it alone, it leaves the others.
    bool reviseLimits() {
        for (std::size_t length = 0; length < p_.wordLimits.size(); ++length) {
            const std::vector<int>& limits = p_.wordLimits[length];
            if (limits.empty()) continue;
            std::vector<int> used(limits.size(), 0);
            std::vector<int> open;
            for (std::size_t r = 0; r < p_.runs.size(); ++r) {
                if (p_.runs[r].size() != length) continue;
                const RunState& st = state_[r];
                if (st.count != 1) {
                    open.push_back(static_cast<int>(r));
                    continue;
                }
                const std::uint64_t* b = bits(static_cast<int>(r));
                const int w = st.lo * 64 + std::countr_zero(b[st.lo]);
                if (++used[static_cast<std::size_t>(w)] > limits[static_cast<std::size_t>(w)]) return false;
            }
            for (std::size_t w = 0; w < limits.size(); ++w) {
                if (used[w] < limits[w]) continue;
                const std::size_t block = w >> 6;
                const std::uint64_t bit = std::uint64_t{1} << (w & 63);
                for (const int r : open) {
                    if ((bits(r)[block] & bit) == 0) continue;
                    saveRun(r);
                    bits(r)[block] &= ~bit;
                    recount(r);
                    RunState& st = state_[static_cast<std::size_t>(r)];
                    if (st.count == 0) return false;
                    st.stale = true;
                    enqueue(r);
                }
            }
        }
        return true;
    }

    bool propagate() {
        while (true) {
            while (!queue_.empty() || !changed_.empty()) {
                if (!queue_.empty()) {
                    const int r = queue_.back();
                    queue_.pop_back();
                    queued_[static_cast<std::size_t>(r)] = 0;
                    if (!revise(r)) return false;
                    continue;
                }
                const int v = changed_.back();
                changed_.pop_back();
                if (p_.allDifferent && !spreadDifferent(v)) return false;
            }
            bool again = false;
            for (std::size_t g = 0; g < groupDirty_.size(); ++g) {
                if (groupDirty_[g] == 0) continue;
                groupDirty_[g] = 0;
                if (!reviseGroup(static_cast<int>(g))) return false;
                again = true;
            }
            if (!reviseLimits()) return false;
            if (!again && queue_.empty() && changed_.empty()) return true;
        }
    }

    void record() {
        ++proof_.answers;
        bool same = true;
        for (std::size_t v = 0; v < domain_.size(); ++v)
            same = same && static_cast<char>('A' + std::countr_zero(domain_[v])) == p_.stored[v];
        if (!same && proof_.other.empty()) {
            for (const std::uint32_t letter : domain_) proof_.other += static_cast<char>('A' + std::countr_zero(letter));
        }
    }

    // Every run is down to one word, so every variable to one letter: an
    // answer. Were a variable left open all the same, its letters are tried.
    void branchOnLetters() {
        int open = -1;
        for (std::size_t v = 0; v < domain_.size() && open < 0; ++v)
            if (std::popcount(domain_[v]) > 1) open = static_cast<int>(v);
        if (open < 0) {
            record();
            return;
        }
        for (std::uint32_t x = domain_[static_cast<std::size_t>(open)]; x != 0; x &= x - 1) {
            pushLevel();
            if (narrow(open, x & (~x + 1))) search();
            else clearPending();
            popLevel();
            if (proof_.answers >= 2 || !proof_.complete) return;
        }
    }

    void search() {
        if (proof_.answers >= 2 || !proof_.complete) return;
        if (++proof_.nodes > budget_) {
            proof_.complete = false;
            return;
        }
        if (!propagate()) {
            clearPending();
            return;
        }
        int best = -1;
        for (std::size_t r = 0; r < state_.size(); ++r) {
            const int count = state_[r].count;
            if (count >= 2 && (best < 0 || count < state_[static_cast<std::size_t>(best)].count)) best = static_cast<int>(r);
        }
        if (best < 0) {
            branchOnLetters();
            return;
        }
        std::vector<int> choices;
        const RunState& st = state_[static_cast<std::size_t>(best)];
        for (int k = st.lo; k < st.hi; ++k)
            for (std::uint64_t word = bits(best)[k]; word != 0; word &= word - 1) choices.push_back(k * 64 + std::countr_zero(word));
        const WordIndex::Length& set = lengthOf(best);
        const int n = length(best);
        for (const int w : choices) {
            pushLevel();
            bool ok = true;
            for (int i = 0; i < n && ok; ++i)
                ok = narrow(var(best, i), 1u << set.letters[static_cast<std::size_t>(w) * static_cast<std::size_t>(n) + static_cast<std::size_t>(i)]);
            if (ok) search();
            else clearPending();
            popLevel();
            if (proof_.answers >= 2 || !proof_.complete) return;
        }
    }

    const Problem& p_;
    long budget_;
    Proof proof_;
    std::vector<std::uint32_t> domain_;
    std::vector<std::vector<int>> varRuns_;
    std::vector<int> groupOf_;
    std::vector<std::size_t> offset_;
    std::vector<std::uint64_t> bits_;
    std::vector<RunState> state_;
    std::vector<std::uint64_t> savedAt_;
    std::vector<std::pair<int, std::uint32_t>> domainTrail_;
    std::vector<SavedRun> runTrail_;
    std::vector<std::uint64_t> saved_;
    std::vector<Level> levels_;
    std::uint64_t stamp_ = 0;
    std::uint64_t nextStamp_ = 1;
    std::vector<int> queue_;
    std::vector<std::uint8_t> queued_;
    std::vector<int> changed_;
    std::vector<std::uint8_t> groupDirty_;
};

// The grid's letter cells, numbered in reading order; -1 for black.
std::vector<int> letterCells(const std::string& cells, std::vector<int>& cellOfVar) {
    std::vector<int> varOfCell(cells.size(), -1);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (cells[c] == '*') continue;
        varOfCell[c] = static_cast<int>(cellOfVar.size());
        cellOfVar.push_back(static_cast<int>(c));
    }
    return varOfCell;
}

// The runs of the grid's slots over a variable per cell.
void addRuns(Problem& problem, const std::string& cells, int side, const std::vector<int>& varOfCell) {
    const std::vector<Slot> slots = layoutOf(cells, side).slots();
    for (std::size_t s = 0; s < slots.size(); ++s) {
        std::vector<int> run;
        for (int k = 0; k < slots[s].length; ++k)
            run.push_back(varOfCell[static_cast<std::size_t>(slots[s].cells[static_cast<std::size_t>(k)])]);
        problem.runs.push_back(std::move(run));
    }
}

// Writes an answer given per variable back into the grid's cells.
std::string cellsOf(const std::string& cells, const std::vector<int>& varOfCell, const std::string& answer) {
    std::string out = cells;
    for (std::size_t c = 0; c < cells.size(); ++c)
        if (varOfCell[c] >= 0) out[c] = answer[static_cast<std::size_t>(varOfCell[c])];
    return out;
}

// Word placement: a variable per letter cell, any letter, and every slot
// filled with a word of the grid's own list, each used as often as listed.
Proof provePlacement(const std::string& cells, int side, long budget) {
    const std::vector<std::string> listed = gridWords(cells, side);
    const WordIndex own(listed);
    Problem problem;
    problem.words = &own;
    std::vector<int> cellOfVar;
    const std::vector<int> varOfCell = letterCells(cells, cellOfVar);
    for (const int c : cellOfVar) {
        problem.domains.push_back(AllLetters);
        problem.stored.push_back(cells[static_cast<std::size_t>(c)]);
    }
    addRuns(problem, cells, side, varOfCell);
    problem.wordLimits.assign(MaxSide + 1, {});
    for (int length = 2; length <= MaxSide; ++length) {
        const WordIndex::Length& set = own.ofLength(length);
        std::vector<int>& limits = problem.wordLimits[static_cast<std::size_t>(length)];
        limits.assign(static_cast<std::size_t>(set.count), 0);
        for (const std::string& word : listed) {
            if (static_cast<int>(word.size()) != length) continue;
            for (int w = 0; w < set.count; ++w) {
                if (std::equal(word.begin(), word.end(), set.letters.begin() + static_cast<std::ptrdiff_t>(w) * length,
                               [](char a, std::uint8_t b) { return a - 'A' == b; }))
                    ++limits[static_cast<std::size_t>(w)];
            }
        }
    }
    Solver solver(problem, budget);
    Proof proof = solver.count();
    if (!proof.other.empty()) proof.other = cellsOf(cells, varOfCell, proof.other);
    return proof;
}

// Coded words: a variable per letter of the grid (one code number), its
// letter given when it stands in the first four cells of the top row; two
// variables never share a letter, and every slot spells a judged word.
Proof proveCoded(const std::string& cells, int side, const WordIndex& words, long budget) {
    std::array<int, Letters> varOfLetter{};
    varOfLetter.fill(-1);
    Problem problem;
    problem.words = &words;
    problem.allDifferent = true;
    problem.sameShape = true;
    std::uint32_t given = 0;
    for (int c = 0; c < 4 && c < side; ++c)
        if (cells[static_cast<std::size_t>(c)] != '*') given |= letterBit(cells[static_cast<std::size_t>(c)]);
    std::vector<int> varOfCell(cells.size(), -1);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (cells[c] == '*') continue;
        int& v = varOfLetter[static_cast<std::size_t>(cells[c] - 'A')];
        if (v < 0) {
            v = static_cast<int>(problem.domains.size());
            const std::uint32_t bit = letterBit(cells[c]);
            problem.domains.push_back((given & bit) != 0 ? bit : AllLetters & ~given);
            problem.stored.push_back(cells[c]);
        }
        varOfCell[c] = v;
    }
    addRuns(problem, cells, side, varOfCell);
    Solver solver(problem, budget);
    Proof proof = solver.count();
    if (!proof.other.empty()) proof.other = cellsOf(cells, varOfCell, proof.other);
    return proof;
}

// Mixed grid: a variable per letter cell, each row's letters a fixed
// multiset, every slot a judged word.
Proof proveMixed(const std::string& cells, int side, const WordIndex& words, long budget) {
    Problem problem;
    problem.words = &words;
    std::vector<int> cellOfVar;
    const std::vector<int> varOfCell = letterCells(cells, cellOfVar);
    for (int row = 0; row < side; ++row) {
        std::vector<int> group;
        std::array<int, Letters> letters{};
        std::uint32_t present = 0;
        for (int c = 0; c < side; ++c) {
            const std::size_t cell = static_cast<std::size_t>(row * side + c);
            if (cells[cell] == '*') continue;
            group.push_back(varOfCell[cell]);
            ++letters[static_cast<std::size_t>(cells[cell] - 'A')];
            present |= letterBit(cells[cell]);
        }
        problem.domains.insert(problem.domains.end(), group.size(), present);
        problem.groups.push_back(std::move(group));
        problem.groupLetters.push_back(letters);
    }
    for (const int c : cellOfVar) problem.stored.push_back(cells[static_cast<std::size_t>(c)]);
    addRuns(problem, cells, side, varOfCell);
    Solver solver(problem, budget);
    Proof proof = solver.count();
    if (!proof.other.empty()) proof.other = cellsOf(cells, varOfCell, proof.other);
    return proof;
}

}  // namespace

std::uint64_t repeatShape(const std::uint8_t* letters, int length) { return shapeOf(letters, length); }

WordIndex::WordIndex(const std::vector<std::string>& words) : lengths_(MaxSide + 1) {
    std::vector<std::vector<std::string>> byLength(MaxSide + 1);
    for (const std::string& word : words) {
        if (word.size() < 2 || word.size() > MaxSide || !onlyCapitals(word)) continue;
        if (all_.insert(word).second) byLength[word.size()].push_back(word);
    }
    for (int n = 2; n <= MaxSide; ++n) {
        std::vector<std::string>& list = byLength[static_cast<std::size_t>(n)];
        std::sort(list.begin(), list.end());
        Length& set = lengths_[static_cast<std::size_t>(n)];
        set.count = static_cast<int>(list.size());
        set.blocks = (set.count + 63) / 64;
        set.sets.assign(static_cast<std::size_t>(n) * Letters * static_cast<std::size_t>(set.blocks), 0);
        for (int w = 0; w < set.count; ++w) {
            for (int i = 0; i < n; ++i) {
                const int letter = list[static_cast<std::size_t>(w)][static_cast<std::size_t>(i)] - 'A';
                set.letters.push_back(static_cast<std::uint8_t>(letter));
                const std::size_t row = static_cast<std::size_t>(i) * Letters + static_cast<std::size_t>(letter);
                set.sets[row * static_cast<std::size_t>(set.blocks) + static_cast<std::size_t>(w >> 6)] |=
                    std::uint64_t{1} << (w & 63);
            }
            set.shapes.push_back(repeatShape(set.letters.data() + static_cast<std::size_t>(w) * static_cast<std::size_t>(n), n));
        }
    }
}

std::vector<std::string> judgedWords(const std::string& dictionaryPath, const std::vector<std::string>& acceptPaths,
                                     const std::vector<std::string>& blockPaths) {
    std::unordered_set<std::string> words;
    for (const std::string& line : readLines(dictionaryPath)) words.insert(foldWord(line));
    for (const std::string& path : acceptPaths)
        for (const std::string& line : readLines(path))
            for (const std::string& word : splitWords(line)) words.insert(foldWord(word));
    for (const std::string& path : blockPaths)
        for (const std::string& line : readLines(path))
            for (const std::string& word : splitWords(line)) words.erase(foldWord(word));
    std::vector<std::string> sorted(words.begin(), words.end());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

const char* puzzleName(Puzzle puzzle) {
    switch (puzzle) {
        case Puzzle::Placement: return "placement";
        case Puzzle::Coded: return "coded";
        case Puzzle::Mixed: return "mixed";
    }
    return "";
}

std::vector<Puzzle> puzzlesOfSide(int side) {
    std::vector<Puzzle> puzzles{Puzzle::Placement};
    if (side >= 8) puzzles.push_back(Puzzle::Coded);
    if (side <= 8) puzzles.push_back(Puzzle::Mixed);
    return puzzles;
}

Proof provePuzzle(Puzzle puzzle, const std::string& cells, int side, const WordIndex& words, long budget) {
    switch (puzzle) {
        case Puzzle::Placement: return provePlacement(cells, side, budget);
        case Puzzle::Coded: return proveCoded(cells, side, words, budget);
        case Puzzle::Mixed: return proveMixed(cells, side, words, budget);
    }
    return {};
}

std::string changedWords(const std::string& cells, const std::string& other, int side) {
    const std::vector<std::string> before = gridWords(cells, side);
    const std::vector<std::string> after = gridWords(other, side);
    std::string text;
    int shown = 0;
    for (std::size_t k = 0; k < before.size() && k < after.size(); ++k) {
        if (before[k] == after[k]) continue;
        if (shown++ == 4) {
            text += " ...";
            break;
        }
        if (!text.empty()) text += ' ';
        text += before[k] + ">" + after[k];
    }
    return text;
}

std::string uniquenessFault(const std::string& cells, int side, const WordIndex& words, long budget) {
    for (const Puzzle puzzle : puzzlesOfSide(side)) {
        const Proof proof = provePuzzle(puzzle, cells, side, words, budget);
        if (proof.unique()) continue;
        std::string fault = std::string(puzzleName(puzzle)) + ": ";
        if (!proof.complete) return fault + "search budget spent";
        if (proof.answers == 0) return fault + "the stored answer breaks the rules";
        return fault + "second answer " + changedWords(cells, proof.other, side);
    }
    return {};
}

}  // namespace gridgen
