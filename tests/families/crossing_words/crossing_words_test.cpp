// Mots en croix: the columns judged, a transposed square won, the rows shown
// when given up, and where the column words stand at every level.
#include "families/crossing_words/crossing_words.hpp"

#include "families/crossing_words/crossing_words_record.hpp"
#include "games/board_services.hpp"
#include "games/letter_moves.hpp"

namespace glossamo::testing {

using CrossingWords = GameFixture;

TEST(CrossingGeometry, EveryLevel) {
    struct Row { int n, firstColumn, firstRow, length; };
    for (const Row& row : {Row{13, 11, 2, 13}, Row{11, 10, 3, 11}, Row{9, 9, 4, 9}, Row{5, 7, 6, 5}, Row{6, 7, 6, 5},
                           Row{7, 8, 5, 7}, Row{8, 8, 5, 7}}) {
        const CrossingGeometry g = crossingGeometry(row.n);
        EXPECT_EQ(g.firstColumn, row.firstColumn) << row.n;
        EXPECT_EQ(g.firstRow, row.firstRow) << row.n;
        EXPECT_EQ(g.columnLength, row.length) << row.n << ": English cross 6 and 8 have shorter columns";
    }
}

TEST_F(CrossingWords, NeedTheColumnsToStayWords) {
    programFolder.write("bin/DicoFrancais.txt", "maison\r\n");
    start(7, CrossWords);
    build();
    EXPECT_TRUE(s.words.WordExists("MAISON")) << "the dictionary is back after the build";
    for (int k = 1; k <= 9; ++k) EXPECT_NE(letter(k, 1), ' ') << "nine letters in the bank";
    EXPECT_EQ(letter(10, 8), ' ');
    // Row 1 with its middle backwards (XXXCBAXXX is a word of the list too).
    const std::string first = crossing_words::rowWord(s.game, 1).str();
    for (int k = 0; k < 3; ++k) bring(first[static_cast<std::size_t>(5 - k)], 1, 1, 9, 9 + k, 7);
    crossingRows(*this, 8, 9);
    EXPECT_EQ(s.app.gameWon, 0) << "a row that is a word wins nothing while a column is not one";
    drag(9, 7, 1, 1);  // swap the two ends through the bank
    frames(1);
    drag(11, 7, 9, 7);
    frames(1);
    drag(1, 1, 11, 7);
    frames(1);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(CrossingWords, WonWithTheMiddleSquareTransposed) {
    // Every row and column middle of the list exists with both ends, so the
    // nine letters laid transposed make six other words.
    std::vector<std::string> words;
    std::string dictionary;  // the list the build brings back
    for (const char* middle : {"ABC", "DEF", "GHI", "ADG", "BEH", "CFI"})
        for (const char* end : {"XXX", "YYY"}) {
            words.push_back(std::string(end) + middle + end);
            dictionary += words.back() + "\r\n";
        }
    programFolder.write("bin/DicoFrancais.txt", dictionary);
    start(7, words);
    build();
    for (int r = 7; r <= 9; ++r)
        for (int c = 9; c <= 11; ++c) bring(textAt(*this, c - 8, r - 4), 1, 1, 9, c, r);
    EXPECT_NE(readBoardWord(s, 6, 7, 9, true), crossing_words::rowWord(s.game, 1).view());
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(CrossingWords, GivenUpShowTheRows) {
    start(7, CrossWords);
    build();
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(readBoardWord(s, 6, 8, 9, true), crossing_words::rowWord(s.game, 2).view());
}

}  // namespace glossamo::testing
