// Coded words played through the mouse on fixture grid files.
#include <map>
#include <set>

#include "grid/grid_fixture.hpp"

namespace glossamo::testing {

TEST_F(MoreGridGames, CodedWordsAreWonFromThePaletteAndShareTheirNumbers) {
    startGame(s, 3);  // 8 x 8
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    std::set<std::string> code(s.gameWordList.begin(), s.gameWordList.end());
    EXPECT_EQ(code.size(), 26u);
    EXPECT_EQ(*code.begin(), "1") << "a permutation of 1..26";
    std::map<char, std::uint32_t> numberOf;
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 8; ++r) {
            const char cell = cellOf(Grid8, 8, c - 1, r - 1);
            if (cell == '*') continue;
            const auto [it, fresh] = numberOf.emplace(cell, s.game.numbers[c][r]);
            EXPECT_EQ(it->second, s.game.numbers[c][r]) << "equal letters share a number";
        }
    std::set<std::uint32_t> numbers;
    for (const auto& [letter, number] : numberOf) numbers.insert(number);
    EXPECT_EQ(numbers.size(), numberOf.size()) << "different letters, different numbers";
    EXPECT_EQ(std::string({letter(1, 1), letter(2, 1), letter(3, 1), letter(4, 1), letter(5, 1)}), "MAIS ")
        << "four letters of the top row are given";
    fillFromPalette(Grid8, 8, 10);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(MoreGridGames, CodedWordsGivenUpShowTheGrid) {
    startGame(s, 3);
    frames(1);
    giveUp();
    EXPECT_EQ(letter(2, 2), '*');
    EXPECT_EQ(letter(8, 8), 'U');
    EXPECT_EQ(s.game.colours[8][8], HighlightInk);
}

TEST_F(OtherAnswers, CodedWordsTakeAnotherLetterThatKeepsEveryRunAWord) {
    onlyGrid(8, "CHAT****" + std::string(8, '*') + "FIN*****");
    startGame(s, 3);
    words({"CHAT", "FIN", "GIN", "TIN"});
    frames(1);
    for (int c = 0; c < 3; ++c) fromPalette("TIN"[c], 10, c + 1, 3);
    EXPECT_EQ(s.app.gameWon, 0) << "T already stands for another number";
    fromPalette('G', 10, 1, 3);
    EXPECT_EQ(s.app.gameWon, 1) << "GIN as well as FIN";
}

}  // namespace glossamo::testing
