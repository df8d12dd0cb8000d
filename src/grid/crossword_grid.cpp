#include "grid/crossword_grid.hpp"

#include <algorithm>
#include <charconv>
#include <fstream>

#include "base/random.hpp"

namespace glossamo {

namespace {

std::string keyOf(const std::string& line) {
    const std::size_t equals = line.find('=');
    return equals == std::string::npos ? std::string() : line.substr(0, equals);
}

int numberOf(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

void addRunsOf(const std::string& cells, std::vector<std::string>& list) {
    std::string run;
    for (const char c : cells + "*") {
        if (c != '*') {
            run += c;
            continue;
        }
        if (run.size() >= 2) list.push_back(run);
        run.clear();
    }
}

}  // namespace

void TjsysGrille::LoadFile(const SystemPath& path) {
    std::ifstream in(path.bytes(), std::ios::binary);
    if (!in) return;
    lines_.clear();
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back(line);
    }
    lineCount = static_cast<int>(lines_.size());
}

int TjsysGrille::CountGrids(const std::string& key) const {
    return static_cast<int>(std::count_if(lines_.begin(), lines_.end(),
                                          [&](const std::string& line) { return keyOf(line) == key; }));
}

void TjsysGrille::SelectGrid(const std::string& key, int n) {
    int found = 0;
    for (const std::string& line : lines_) {
        if (keyOf(line) != key || ++found < n) continue;
        const std::size_t x = key.find('x');
        width = std::min(MaxSide, numberOf(key.substr(0, x)));
        height = x == std::string::npos ? 0 : std::min(MaxSide, numberOf(key.substr(x + 1)));
        const std::string cells = line.substr(line.find('=') + 1);
        for (int r = 0; r < height; ++r) {
            for (int c = 0; c < width; ++c) {
                const auto i = static_cast<std::size_t>(r * width + c);
                gridCells[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = i < cells.size() ? cells[i] : '\0';
            }
        }
        return;
    }
}

void TjsysGrille::ListWords(std::vector<std::string>& list) const {
    for (int r = 0; r < height; ++r) {
        std::string row;
        for (int c = 0; c < width; ++c) row += gridCells[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
        addRunsOf(row, list);
    }
    for (int c = 0; c < width; ++c) {
        std::string column;
        for (int r = 0; r < height; ++r) column += gridCells[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
        addRunsOf(column, list);
    }
    if (list.size() < 2) return;
    std::sort(list.begin(), list.end());
    // Longest first; alphabetical within a length; words over 20 letters stay in front.
    std::stable_sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
        const std::size_t la = std::min<std::size_t>(a.size(), 21), lb = std::min<std::size_t>(b.size(), 21);
        return la > lb;
    });
}

std::string gridKey(int size) { return std::to_string(size) + "x" + std::to_string(size); }

void chooseGrid(TjsysGrille& grid, const std::string& key, Random& rng) {
    const int count = grid.CountGrids(key);
    grid.SelectGrid(key, 1 + rng.below(count - 1));
}

}  // namespace glossamo
