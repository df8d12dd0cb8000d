// An independent check of the grid files we ship: every rule a grid must
// keep, read straight from the files and the dictionaries, with the figures
// of each size printed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "word_filters.hpp"
#include "words/word_store.hpp"

namespace glossamo::testing {

namespace {

const std::string App = GLOSSAMO_APP_DIR "/";

// The words of a list as the games see them; `utf8` for our own lists in
// data/, Latin-1 for the shipped dictionaries.
std::set<std::string> foldedWords(const std::string& path, bool utf8) {
    std::set<std::string> words;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (utf8) line = wordlists::toGameLatin1(line, false).value_or("");
        std::string word = FoldAccents(line);
        for (char& c : word)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (!word.empty()) words.insert(word);
    }
    return words;
}

struct SizeFigures {
    int grids = 0;
    double blackSum = 0, blackMax = 0;
    long letters = 0, checkedLetters = 0, words = 0, twoLetterWords = 0, commonWords = 0;
};

// Checks one grid; returns the reason it breaks a rule, or "".
std::string checkGrid(int n, const std::string& cells, const std::set<std::string>& dictionary,
                      const std::set<std::string>& common, SizeFigures& figures) {
    if (cells.size() != static_cast<std::size_t>(n * n)) return "wrong number of cells";
    auto at = [&](int c, int r) { return cells[static_cast<std::size_t>(r * n + c)]; };
    auto black = [&](int c, int r) { return c < 0 || r < 0 || c >= n || r >= n || at(c, r) == '*'; };
    int blacks = 0;
    for (char ch : cells) {
        if (ch == '*') ++blacks;
        else if (ch < 'A' || ch > 'Z') return "a cell is neither a capital nor '*'";
    }
    for (int c = 0; c + 1 < n; ++c)
        for (int r = 0; r + 1 < n; ++r)
            if (black(c, r) && black(c + 1, r) && black(c, r + 1) && black(c + 1, r + 1)) return "a 2x2 block of black squares";
    std::set<std::string> seen;
    std::vector<int> inWords(static_cast<std::size_t>(n * n), 0);
    for (int direction = 0; direction < 2; ++direction) {
        for (int line = 0; line < n; ++line) {
            int k = 0;
            while (k < n) {
                const int c0 = direction == 0 ? k : line, r0 = direction == 0 ? line : k;
                if (black(c0, r0)) {
                    ++k;
                    continue;
                }
                std::string word;
                int end = k;
                while (end < n && !black(direction == 0 ? end : line, direction == 0 ? line : end)) {
                    word += at(direction == 0 ? end : line, direction == 0 ? line : end);
                    ++end;
                }
                if (word.size() >= 2) {
                    if (!dictionary.count(word)) return "not a dictionary word: " + word;
                    if (!seen.insert(word).second) return "a word twice: " + word;
                    for (int i = k; i < end; ++i) ++inWords[static_cast<std::size_t>(direction == 0 ? line * n + i : i * n + line)];
                    ++figures.words;
                    figures.twoLetterWords += word.size() == 2;
                    figures.commonWords += common.count(word) != 0;
                }
                k = end;
            }
        }
    }
    // Every letter in a word, and the letters all connected.
    int firstWhite = -1, whites = 0;
    for (int i = 0; i < n * n; ++i) {
        if (cells[static_cast<std::size_t>(i)] == '*') continue;
        ++whites;
        if (firstWhite < 0) firstWhite = i;
        if (inWords[static_cast<std::size_t>(i)] == 0) return "a letter in no word";
        figures.checkedLetters += inWords[static_cast<std::size_t>(i)] == 2;
    }
    std::vector<bool> reached(static_cast<std::size_t>(n * n), false);
    std::vector<int> stack{firstWhite};
    int count = 0;
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        if (i < 0 || reached[static_cast<std::size_t>(i)]) continue;
        reached[static_cast<std::size_t>(i)] = true;
        ++count;
        const int c = i % n, r = i / n;
        const int next[4][2] = {{c + 1, r}, {c - 1, r}, {c, r + 1}, {c, r - 1}};
        for (const auto& [nc, nr] : next)
            if (!black(nc, nr)) stack.push_back(nr * n + nc);
    }
    if (count != whites) return "letters not all connected";
    figures.letters += whites;
    const double share = static_cast<double>(blacks) / (n * n);
    figures.blackSum += share;
    figures.blackMax = std::max(figures.blackMax, share);
    ++figures.grids;
    return "";
}

void checkFile(const std::string& file, const std::string& dictionaryFile, const std::string& commonFile,
               int minimumPerSize) {
    const std::set<std::string> dictionary = foldedWords(App + "bin/" + dictionaryFile, false);
    const std::set<std::string> common = foldedWords(commonFile, true);
    std::ifstream in(App + "bin/" + file, std::ios::binary);
    if (!in) GTEST_SKIP() << file << " is not made yet (tools/gridgen writes data/grids/)";
    std::map<int, SizeFigures> sizes;
    std::set<std::string> grids;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        ASSERT_TRUE(!line.empty() && line.back() == '\r') << file << ":" << lineNumber << " lines end with CR LF";
        line.pop_back();
        const std::size_t equals = line.find('=');
        ASSERT_NE(equals, std::string::npos) << file << ":" << lineNumber;
        const std::string key = line.substr(0, equals);
        const int n = key == "6x6" ? 6 : key == "8x8" ? 8 : key == "10x10" ? 10 : key == "12x12" ? 12 : 0;
        ASSERT_NE(n, 0) << file << ":" << lineNumber << " size " << key;
        ASSERT_TRUE(grids.insert(line).second) << file << ":" << lineNumber << " the same grid twice";
        const std::string problem = checkGrid(n, line.substr(equals + 1), dictionary, common, sizes[n]);
        ASSERT_EQ(problem, "") << file << ":" << lineNumber;
    }
    std::printf("%s\n  size  grids  black mean/max  checked letters  two-letter words  common words\n", file.c_str());
    for (const int n : {6, 8, 10, 12}) {
        const SizeFigures& f = sizes[n];
        EXPECT_GE(f.grids, minimumPerSize) << file << " " << n << "x" << n;
        if (f.grids == 0) continue;
        std::printf("  %2dx%-2d %5d  %5.1f%% / %4.1f%%  %14.1f%%  %15.1f%%  %11.1f%%\n", n, n, f.grids,
                    100 * f.blackSum / f.grids, 100 * f.blackMax, 100.0 * f.checkedLetters / f.letters,
                    100.0 * f.twoLetterWords / f.words, 100.0 * f.commonWords / f.words);
    }
}

}  // namespace

TEST(ShippedGrids, FrenchGridsKeepEveryRule) {
    checkFile("grilles.txt", "DicoFrancais.txt", GLOSSAMO_DATA_DIR "/wordlists/fr_frequent.txt", 150);
}

TEST(ShippedGrids, EnglishGridsKeepEveryRule) {
    checkFile("grillesEnglish.txt", "DicoAnglais.txt", GLOSSAMO_DATA_DIR "/wordlists/en_frequent.txt", 80);
}

}  // namespace glossamo::testing

namespace glossamo::testing {

// The dismantled grid draws only grids whose black squares fit its tray of
// 26; every French grid of its sizes must, or the game would have fewer
// grids to draw from.
TEST(ShippedGrids, DismantledGridsFitTheirTray) {
    std::ifstream in(GLOSSAMO_APP_DIR "/bin/grilles.txt", std::ios::binary);
    std::map<std::string, int> fitting;
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals);
        if (key != "6x6" && key != "8x8" && key != "10x10") continue;
        const long blacks = std::count(line.begin() + static_cast<long>(equals), line.end(), '*');
        EXPECT_LE(blacks, 26) << key;
        fitting[key] += blacks <= 26;
    }
    for (const char* key : {"6x6", "8x8", "10x10"}) EXPECT_GE(fitting[key], 160) << key;
}

}  // namespace glossamo::testing
