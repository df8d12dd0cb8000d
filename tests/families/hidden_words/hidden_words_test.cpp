// The hidden-words game played through the mouse on a fixture grid file.
#include "families/hidden_words/hidden_words.hpp"

#include "grid/grid_fixture.hpp"

namespace glossamo::testing {

TEST_F(GridGames, HiddenWordsAreFoundByDraggingAcrossOrDown) {
    startGame(s, 36);
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    EXPECT_NE(letter(5, 1), '*') << "black squares hold filler letters";
    EXPECT_NE(letter(5, 1), 'Z');
    EXPECT_EQ(s.gameWordList.front().substr(0, 5), "    0");
    const std::size_t words = s.gameWordList.size();
    // Every run of the grid, across then down.
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c) {
            if (gridAt(c, r) == '*' || (c > 0 && gridAt(c - 1, r) != '*')) continue;
            int end = c;
            while (end + 1 < 6 && gridAt(end + 1, r) != '*') ++end;
            if (end > c) drag(c + 1, r + 1, end + 1, r + 1);
            frames(1);
        }
    EXPECT_EQ(s.app.gameWon, 0);
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 6; ++r) {
            if (gridAt(c, r) == '*' || (r > 0 && gridAt(c, r - 1) != '*')) continue;
            int end = r;
            while (end + 1 < 6 && gridAt(c, end + 1) != '*') ++end;
            if (end > r) drag(c + 1, r + 1, c + 1, end + 1);
            frames(1);
        }
    EXPECT_EQ(s.app.gameWon, 1);
    EXPECT_EQ(s.gameWordList.size(), words);
    EXPECT_EQ(s.gameWordList.front()[4], '1');
}

TEST_F(GridGames, LeftwardAndUpwardSelectionsReadNothing) {
    startGame(s, 36);
    frames(1);
    drag(4, 1, 1, 1);  // CHAT, right to left
    frames(1);
    EXPECT_TRUE(s.drag.text.empty());
    drag(1, 3, 1, 1);  // COQ, bottom to top
    frames(1);
    EXPECT_TRUE(s.drag.text.empty());
    for (const std::string& entry : s.gameWordList) EXPECT_EQ(entry[4], '0');
}

TEST_F(GridGames, ASelectionThroughFillerLettersCounts) {
    startGame(s, 36);
    frames(1);
    // A listed word written over the bottom row, away from its own place.
    const std::string target = s.gameWordList.back().substr(5);
    for (std::size_t k = 0; k < target.size(); ++k) s.game.letters[1 + k][6] = target[k];
    drag(1, 6, static_cast<int>(target.size()), 6);
    frames(1);
    EXPECT_EQ(s.gameWordList.back()[4], '1') << target << " found away from its place";
    EXPECT_EQ(coordinateOf(s.gameWordList.back()[0]), 1);
    EXPECT_EQ(coordinateOf(s.gameWordList.back()[1]), 6);
}

TEST_F(GridGames, GivingUpHiddenWordsRemovesTheFiller) {
    startGame(s, 36);
    frames(1);
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(letter(5, 1), '*');
    EXPECT_EQ(letter(1, 1), 'C');
    EXPECT_EQ(s.game.colours[1][1], HighlightInk);
}

TEST(HiddenWordEntries, CoordinatesArePrintableAndComeBack) {
    for (int n = 0; n <= 20; ++n) {
        const char code = coordinateCode(n);
        EXPECT_TRUE(code > ' ' && code < 127) << n;
        EXPECT_EQ(coordinateOf(code), n);
    }
    EXPECT_NE(coordinateCode(10), '\n');
}

}  // namespace glossamo::testing
