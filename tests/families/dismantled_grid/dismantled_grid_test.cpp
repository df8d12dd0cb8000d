// The dismantled grid played through the mouse on fixture grid files.
#include "grid/grid_fixture.hpp"

namespace glossamo::testing {

TEST_F(MoreGridGames, DismantledGridNeedsEveryBlackSquare) {
    startGame(s, 45);  // 6 x 6
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    EXPECT_EQ(std::string({letter(1, 1), letter(2, 1), letter(3, 1), letter(4, 1)}), "CHAT");
    fillFromPalette(Grid6, 6, 8);
    EXPECT_EQ(s.app.gameWon, 0) << "letters alone do not win";
    EXPECT_EQ(letter(7, 11), '*') << "seven black squares in the tray";
    placeBlackSquares(Grid6, 6, 8);
    EXPECT_EQ(s.game.tileStyles[5][1], 3u) << "a black square again";
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(MoreGridGames, DismantledGridSendsABlackSquareBackAndGivesUp) {
    startGame(s, 45);
    frames(1);
    drag(1, 10, 1, 1);  // onto a given letter: refused
    EXPECT_TRUE(s.flight.active);
    frames(60);
    EXPECT_EQ(letter(1, 10), '*');
    drag(1, 10, 5, 1);  // laid in the grid, leaving an empty place in the tray
    drag(1, 8, 1, 10);  // a letter of the alphabet finds no place there
    EXPECT_EQ(letter(1, 10), ' ');
    giveUp();
    EXPECT_EQ(letter(5, 1), '*');
    EXPECT_EQ(s.game.tileStyles[5][1], 4u) << "a black cell shows no tile";
}

TEST_F(MoreGridGames, DismantledTrayHoldsTwoRowsAndTooManyBlackSquaresAreNeverDrawn) {
    std::string ten(100, 'E');
    for (int k = 0; k < 16; ++k) ten[static_cast<std::size_t>(k * 6 + 3)] = '*';
    std::string crowded(100, '*');
    crowded[0] = 'A';
    writeGrids("grilles.txt", {"10x10=" + crowded, "10x10=" + ten, "10x10=" + crowded, "10x10=" + ten});
    for (int seed = 1; seed <= 5; ++seed) {
        platform.setClockSeed(static_cast<std::uint64_t>(seed));  // each game draws from the clock
        startGame(s, 43);
        frames(1);
        ASSERT_EQ(s.game.built, 1);
        int blacks = 0;
        for (int c = 1; c <= 13; ++c) blacks += letter(c, 14) == '*';
        EXPECT_EQ(blacks, 13) << "row P+2";
        EXPECT_EQ(letter(1, 15), '*');
        EXPECT_EQ(letter(3, 15), '*');
        EXPECT_EQ(s.game.movable[4][15], 0) << "13 + 3";
    }
}

TEST_F(OtherAnswers, DismantledGridTakesTheTransposedGrid) {
    const std::string grid = "ABCDE*BGHIJKCHLMNODIMPQREJNQSTFKORTU";
    const std::string transposed = transposedGrid(grid, 6);
    writeGrids("grilles.txt", {"6x6=" + grid, "6x6=" + grid});
    startGame(s, 45);
    frames(1);
    fillFromPalette(transposed, 6, 8);
    placeBlackSquares(transposed, 6, 8);
    EXPECT_EQ(letter(6, 1), 'F');
    EXPECT_EQ(s.app.gameWon, 1) << "the black square laid at the other end";
}

}  // namespace glossamo::testing
