#include "layout.hpp"

#include <set>

namespace gridgen {

int Layout::blackCount() const {
    int count = 0;
    for (const std::uint8_t b : black) count += b;
    return count;
}

std::vector<Slot> Layout::slots() const {
    std::vector<Slot> result;
    for (int pass = 0; pass < 2; ++pass) {
        const bool across = pass == 0;
        for (int line = 0; line < side; ++line) {
            int at = 0;
            while (at < side) {
                const auto blackAt = [&](int k) { return across ? isBlack(line, k) : isBlack(k, line); };
                if (blackAt(at)) {
                    ++at;
                    continue;
                }
                int end = at;
                while (end < side && !blackAt(end)) ++end;
                if (end - at >= 2) {
                    Slot slot;
                    slot.length = end - at;
                    slot.across = across;
                    for (int k = at; k < end; ++k) {
                        slot.cells[static_cast<std::size_t>(k - at)] = across ? line * side + k : k * side + line;
                    }
                    result.push_back(slot);
                }
                at = end;
            }
        }
    }
    return result;
}

bool blackBlockAround(const Layout& layout, int row, int column) {
    for (int r = row - 1; r <= row; ++r) {
        for (int c = column - 1; c <= column; ++c) {
            if (r < 0 || c < 0 || r + 1 >= layout.side || c + 1 >= layout.side) continue;
            if (layout.isBlack(r, c) && layout.isBlack(r + 1, c) && layout.isBlack(r, c + 1) &&
                layout.isBlack(r + 1, c + 1)) {
                return true;
            }
        }
    }
    return false;
}

bool anyBlackBlock(const Layout& layout) {
    for (int r = 0; r < layout.side; ++r) {
        for (int c = 0; c < layout.side; ++c) {
            if (blackBlockAround(layout, r, c)) return true;
        }
    }
    return false;
}

namespace {

bool letterInWord(const Layout& layout, int r, int c) {
    return !layout.isBlack(r, c - 1) || !layout.isBlack(r, c + 1) || !layout.isBlack(r - 1, c) ||
           !layout.isBlack(r + 1, c);
}

}  // namespace

bool everyLetterInWord(const Layout& layout) {
    for (int r = 0; r < layout.side; ++r) {
        for (int c = 0; c < layout.side; ++c) {
            if (!layout.isBlack(r, c) && !letterInWord(layout, r, c)) return false;
        }
    }
    return true;
}

bool lettersConnected(const Layout& layout) {
    const int n = layout.side;
    std::vector<int> stack;
    std::vector<std::uint8_t> seen(static_cast<std::size_t>(n * n), 0);
    int letters = 0;
    for (int i = 0; i < n * n; ++i) {
        if (layout.black[static_cast<std::size_t>(i)] != 0) continue;
        ++letters;
        if (stack.empty() && letters == 1) {
            stack.push_back(i);
            seen[static_cast<std::size_t>(i)] = 1;
        }
    }
    int reached = 0;
    while (!stack.empty()) {
        const int cell = stack.back();
        stack.pop_back();
        ++reached;
        const int r = cell / n;
        const int c = cell % n;
        const int dr[4] = {-1, 1, 0, 0};
        const int dc[4] = {0, 0, -1, 1};
        for (int k = 0; k < 4; ++k) {
            const int rr = r + dr[k];
            const int cc = c + dc[k];
            if (layout.isBlack(rr, cc)) continue;
            const auto next = static_cast<std::size_t>(rr * n + cc);
            if (seen[next] == 0) {
                seen[next] = 1;
                stack.push_back(static_cast<int>(next));
            }
        }
    }
    return reached == letters;
}

bool shapeIsValid(const Layout& layout) {
    return !anyBlackBlock(layout) && everyLetterInWord(layout) && lettersConnected(layout);
}

bool canBlacken(const Layout& layout, int row, int column) {
    if (layout.isBlack(row, column)) return false;
    Layout trial = layout;
    trial.black[static_cast<std::size_t>(row * layout.side + column)] = 1;
    if (blackBlockAround(trial, row, column)) return false;
    const int dr[4] = {-1, 1, 0, 0};
    const int dc[4] = {0, 0, -1, 1};
    for (int k = 0; k < 4; ++k) {
        const int r = row + dr[k];
        const int c = column + dc[k];
        if (!trial.isBlack(r, c) && !letterInWord(trial, r, c)) return false;
    }
    return lettersConnected(trial);
}

std::vector<std::string> gridWords(const std::string& cells, int side) {
    Layout layout(side);
    for (int i = 0; i < side * side; ++i) layout.black[static_cast<std::size_t>(i)] = cells[static_cast<std::size_t>(i)] == '*';
    std::vector<std::string> words;
    for (const Slot& slot : layout.slots()) {
        std::string word;
        for (int k = 0; k < slot.length; ++k) word += cells[static_cast<std::size_t>(slot.cells[static_cast<std::size_t>(k)])];
        words.push_back(word);
    }
    return words;
}

std::string gridFault(const std::string& cells, int side, const Lexicon& lexicon) {
    if (static_cast<int>(cells.size()) != side * side) return "wrong cell count";
    Layout layout(side);
    for (int i = 0; i < side * side; ++i) {
        const char c = cells[static_cast<std::size_t>(i)];
        if (c == '*') {
            layout.black[static_cast<std::size_t>(i)] = 1;
        } else if (c < 'A' || c > 'Z') {
            return "bad cell character";
        }
    }
    if (anyBlackBlock(layout)) return "2 x 2 block of black squares";
    if (!everyLetterInWord(layout)) return "letter outside any word";
    if (!lettersConnected(layout)) return "letters not connected";
    std::set<std::string> seen;
    for (const std::string& word : gridWords(cells, side)) {
        if (!lexicon.isWord(word)) return "not a word: " + word;
        if (!seen.insert(word).second) return "word twice: " + word;
    }
    return {};
}

}  // namespace gridgen
