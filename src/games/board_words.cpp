#include "games/board_words.hpp"

#include <utility>

namespace glossamo {

void PutWord(int column, int row, std::string_view word, int direction, Board<char>& board) {
    for (std::size_t k = 0; k < word.size(); ++k) {
        const int c = direction == Across ? column + static_cast<int>(k) : column;
        const int r = direction == Across ? row : row + static_cast<int>(k);
        if (c < 0 || r < 0 || c >= BoardSize || r >= BoardSize) continue;
        board[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = word[k];
    }
}

void ShuffleBoardRun(int column, int row, int length, bool across, Board<char>& board, Random& rng) {
    if (length < 2 || column < 0 || row < 0 || column >= BoardSize || row >= BoardSize) return;
    if (across && column + length > 20) return;
    if (!across && row + length > 16) return;
    auto cell = [&](int k) -> char& {
        const int c = across ? column + k : column;
        const int r = across ? row : row + k;
        return board[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
    };
    for (int n = 0; n < 1001; ++n) {
        const int i = rng.below(length);
        const int j = rng.below(length);
        std::swap(cell(i), cell(j));
    }
}

}  // namespace glossamo
