// The mixed grid played through the mouse on fixture grid files.
#include <algorithm>
#include <set>

#include "aids/game_aids.hpp"
#include "grid/grid_fixture.hpp"
#include "play/game_undo.hpp"

namespace glossamo::testing {

TEST_F(MoreGridGames, MixedGridShufflesAcrossOnlyAndIsRebuiltLetterByLetter) {
    startGame(s, 38);  // 6 x 6
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    for (int r = 0; r < 6; ++r) {
        std::multiset<char> wanted, shown;
        for (int c = 0; c < 6; ++c) {
            const char cell = cellOf(Grid6, 6, c, r);
            EXPECT_EQ(letter(c + 8, r + 5) == ' ', cell == '*') << "black squares stay in place";
            if (cell == '*') {
                EXPECT_EQ(s.game.tileStyles[c + 8][r + 5], 3u);
                continue;
            }
            wanted.insert(cell);
            shown.insert(letter(c + 8, r + 5));
        }
        EXPECT_EQ(wanted, shown) << "row " << r << " holds its own letters";
    }
    // A letter dropped on a black square of the left grid flies back.
    const char first = letter(8, 5);
    drag(8, 5, 5, 5);
    EXPECT_TRUE(s.flight.active);
    frames(60);
    EXPECT_EQ(letter(8, 5), first) << "back in its cell";
    rebuildMixedRows(Grid6, 6, 0, 5);
    EXPECT_EQ(s.app.gameWon, 1);
}

// Row 2's E is wanted where row 3 needs one: a hint takes the E of row 3,
// never the one laid right in row 2, so that each row keeps its letters.
TEST_F(MoreGridGames, AMixedGridHintTakesItsLetterFromItsOwnRowNeverARightOne) {
    startGame(s, 38);  // 6 x 6, the left grid from row 5
    frames(1);
    rebuildMixedRows(Grid6, 6, 1, 1);
    ASSERT_EQ(letter(5, 6), 'E');
    rebuildMixedRows("******" "******" "Q*****", 6, 2, 2);  // the player's move before the hint
    ASSERT_EQ(letter(1, 7), 'Q');
    s.keyCursor = {3, 7};
    takeHint(s);
    EXPECT_EQ(letter(3, 7), 'E');
    EXPECT_EQ(letter(5, 6), 'E') << "a right letter stays";
    const auto row3 = [&] {
        std::string letters;
        for (int c = 1; c <= 13; ++c)
            if (letter(c, 7) >= 'A' && letter(c, 7) <= 'Z') letters += letter(c, 7);
        std::sort(letters.begin(), letters.end());
        return letters;
    };
    EXPECT_EQ(row3(), "ENOQU") << "the row keeps its own letters";
    // Undo takes the Q back; the hinted E stays, and the row keeps its letters.
    ASSERT_TRUE(undoLastMove(s));
    EXPECT_EQ(letter(1, 7), ' ');
    EXPECT_EQ(letter(3, 7), 'E');
    EXPECT_EQ(s.game.movable[3][7], 0);
    EXPECT_EQ(row3(), "ENOQU");
}

TEST_F(MoreGridGames, MixedGridGivenUpShowsTheLeftGrid) {
    startGame(s, 38);
    frames(1);
    giveUp();
    EXPECT_EQ(letter(1, 5), 'C');
    EXPECT_EQ(letter(5, 5), '*');
}

TEST_F(OtherAnswers, MixedGridTakesAnotherOrderOfARow) {
    onlyGrid(6, "SE****");
    startGame(s, 38);
    words({"SE", "ES"});
    frames(1);
    rebuildMixedRows(padded("ES", 6), 6, 0, 0);
    EXPECT_EQ(s.app.gameWon, 1);
}

}  // namespace glossamo::testing
