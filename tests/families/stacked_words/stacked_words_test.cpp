// Mots empilés, put back in order through the free slot of column 1.
#include "families/stacked_words/stacked_words.hpp"

#include "families/stacked_words/stacked_words_record.hpp"
#include "games/board_services.hpp"
#include "games/game_fixture.hpp"

namespace glossamo::testing {

using namespace stacked_words;

namespace {

// The column word ABCDEFGHI, and for its row i two words of i + 1 letters
// beginning with its letter i. BX, BY, AXX, AYY make the rows with A and B
// swapped words too.
std::vector<std::string> stackedWords() {
    std::vector<std::string> words = {"ABCDEFGHI", "BX", "BY", "AXX", "AYY"};
    for (int i = 1; i <= 9; ++i) {
        const char first = static_cast<char>('A' + i - 1);
        words.push_back(first + std::string(static_cast<std::size_t>(i), 'X'));
        words.push_back(first + std::string(static_cast<std::size_t>(i), 'Y'));
    }
    return words;
}

}  // namespace

class StackedWords : public GameFixture {
protected:
    // Moves column 1 into `wanted` order, one letter at a time through the
    // empty cell.
    void order(const std::string& wanted) {
        const int n = static_cast<int>(wanted.size());
        int empty = n + 1;
        for (int i = 1; i <= n; ++i) {
            if (letter(1, i) == wanted[static_cast<std::size_t>(i - 1)]) continue;
            int j = i + 1;
            while (j <= n + 1 && letter(1, j) != wanted[static_cast<std::size_t>(i - 1)]) ++j;
            drag(1, i, 1, empty);
            frames(1);
            if (j == empty) j = i;  // the wanted letter was not there after all
            drag(1, j, 1, i);
            frames(1);
            empty = j;
        }
    }
};

TEST_F(StackedWords, AnyOrderThatKeepsEveryRowAWordWins) {
    start(150, stackedWords());  // 9 letters
    for (int i = 0; i < 300 && s.game.built == 0; ++i) frames(1);
    ASSERT_EQ(s.game.built, 1);
    EXPECT_EQ(columnWord(s.game).view(), "ABCDEFGHI");
    EXPECT_NE(letter(10, 9), '*') << "the bottom word, ten letters, reaches column 10";
    EXPECT_EQ(letter(11, 9), '*');
    EXPECT_EQ(letter(1, 10), ' ') << "the free slot";
    order("ACBDEFGHI");
    EXPECT_EQ(s.app.gameWon, 0) << "CXX is no word";
    order("BACDEFGHI");
    EXPECT_EQ(s.app.gameWon, 1) << "BX and AXX are words, though not the column word";
}

TEST_F(StackedWords, AColumnMixedBackIntoWordsIsMixedAgain) {
    // Rows 2 to 9 take any letter of the column, row 1 only A or B: two
    // mixes in nine would be won before any move.
    std::vector<std::string> words = {"ABCDEFGHI", "AX", "AY", "BX", "BY"};
    for (char first = 'A'; first <= 'I'; ++first)
        for (std::size_t i = 2; i <= 9; ++i)
            for (const char filler : {'X', 'Y'}) words.push_back(first + std::string(i, filler));
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        platform.setClockSeed(seed);
        start(150, words);
        for (int i = 0; i < 300 && s.game.built == 0; ++i) frames(1);
        ASSERT_EQ(columnWord(s.game).view(), "ABCDEFGHI");
        EXPECT_EQ(s.app.gameWon, 0) << "seed " << seed;
    }
}

TEST_F(StackedWords, GivingUpShowsTheColumn) {
    start(150, stackedWords());
    for (int i = 0; i < 300 && s.game.built == 0; ++i) frames(1);
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(readBoardWord(s, 1, 1, 9, false), "ABCDEFGHI");
}

}  // namespace glossamo::testing
