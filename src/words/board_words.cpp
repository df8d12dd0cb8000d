#include "words/board_words.hpp"

namespace glossamo {

void PutWord(int column, int row, std::string_view word, int direction, Board<char>& board) {
    for (std::size_t k = 0; k < word.size(); ++k) {
        const int c = direction == Across ? column + static_cast<int>(k) : column;
        const int r = direction == Across ? row : row + static_cast<int>(k);
        if (c < 0 || r < 0 || c >= BoardSize || r >= BoardSize) continue;
        board[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = word[k];
    }
}

}  // namespace glossamo
