#include "games/proverb_reading.hpp"

#include <algorithm>

#include "base/text_encoding.hpp"
#include "words/word_store.hpp"

namespace glossamo {

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }
bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

std::string readProverb(const std::vector<std::string>& lines, int start) {
    const int count = static_cast<int>(lines.size());
    if (count == 0) return {};
    auto isSeparator = [&](int i) { return !lines[at(i)].empty() && lines[at(i)][0] == '.'; };
    auto hasLetter = [](const std::string& text) {
        return std::any_of(text.begin(), text.end(), [](char c) { return isCapital(c); });
    };
    // Find the separator that opens the proverb; past the last line the list
    // starts again from its first line.
    int i = std::clamp(start, 0, count - 1);
    int steps = 0;
    do {
        i = (i + 1) % count;
        if (++steps > count) return {};
    } while (!isSeparator(i));
    // Two separators in a row (the last line and, after wrapping, the first)
    // hold no proverb: the next one is taken.
    std::string proverb;
    while (!hasLetter(proverb)) {
        proverb.clear();
        do {
            i = (i + 1) % count;
            proverb += ' ';
            proverb += upperAscii(FoldAccents(lines[at(i)]));
            if (++steps > 2 * count) return {};
        } while (!isSeparator(i));
    }
    return proverb;
}

}  // namespace glossamo
