#include "games/proverb_layout.hpp"

namespace glossamo {

bool isProverbGap(char c) { return c == ' ' || c == '*'; }

std::vector<ProverbCell> cutProverb(std::string_view text, int rowLength, int rows) {
    std::vector<ProverbCell> cells(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int k = static_cast<int>(i);
        if (k < rowLength * rows) cells[i] = {k % rowLength, k / rowLength};
    }
    return cells;
}

std::vector<ProverbCell> layOutProverb(std::string_view text, int rowLength, int rows) {
    std::vector<ProverbCell> cells(text.size());
    int column = 0, row = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (isProverbGap(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !isProverbGap(text[end])) ++end;
        const int length = static_cast<int>(end - i);
        if (column > 0 && column + 1 + length <= rowLength) {
            cells[i - 1] = {column++, row};  // the gap before the word
        } else if (column > 0) {
            ++row;
            column = 0;
        }
        for (; i < end; ++i) {
            if (column == rowLength) {
                ++row;
                column = 0;
            }
            cells[i] = {column++, row};
        }
    }
    if (row >= rows) return cutProverb(text, rowLength, rows);
    return cells;
}

}  // namespace glossamo
