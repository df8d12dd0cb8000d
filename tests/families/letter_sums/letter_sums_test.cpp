// Letter sums and faded letters played through the mouse on fixture grid
// files.
#include "families/letter_sums/letter_sums.hpp"

#include "aids/game_aids.hpp"
#include "grid/grid_fixture.hpp"

namespace glossamo::testing {

TEST_F(MoreGridGames, LetterSumsAddTheCompleteGridAndPaletteValues) {
    const std::string sums = "AB*C**" + std::string(30, '*');
    writeGrids("grilles.txt", {"6x6=" + sums, "6x6=" + sums, "12x12=" + std::string(144, 'A'),
                               "12x12=" + std::string(144, 'A')});
    startGame(s, 63);
    frames(1);
    EXPECT_EQ(s.game.numbers[7][1], 6u) << "A + B + C right of the row";
    EXPECT_EQ(s.game.numbers[1][7], 1u) << "below column 1";
    EXPECT_EQ(s.game.numbers[26 - 13][9], 26u) << "Z of the palette shows 26";
    startGame(s, 60);  // 12 x 12
    frames(1);
    EXPECT_EQ(s.game.numbers[13][5], 12u);
    EXPECT_EQ(s.game.numbers[5][13], 12u);
    EXPECT_EQ(letter(13, 15), 'Z') << "the palette on rows 14 and 15";
    EXPECT_LE(s.game.boardTop + 31 * 16, 540) << "above the button bar";
}

TEST_F(MoreGridGames, LetterSumsAreWonAndNeverPlayThemselves) {
    startGame(s, 63);
    frames(1);
    fillFromPalette(Grid6, 6, 8);
    EXPECT_EQ(s.app.gameWon, 1);
    // With 9 chances in 100 a letter, a 6 x 6 grid often keeps all but one
    // or two of its letters: such a draw is made again.
    for (int seed = 1; seed <= 100; ++seed) {
        platform.setClockSeed(static_cast<std::uint64_t>(seed));  // each game draws from the clock
        startGame(s, 63);
        frames(1);
        int gaps = 0;
        for (int c = 1; c <= 6; ++c)
            for (int r = 1; r <= 6; ++r) gaps += letter(c, r) == ' ';
        ASSERT_GE(gaps, 3) << "seed " << seed;
        ASSERT_EQ(s.app.gameWon, 0) << "seed " << seed;
    }
    const std::string two = "AB" + std::string(34, '*');
    writeGrids("grilles.txt", {"6x6=" + two, "6x6=" + two});
    startGame(s, 63);
    frames(1);
    EXPECT_EQ(std::string({letter(1, 1), letter(2, 1)}), "  ") << "a grid of two letters loses both";
}

TEST_F(MoreGridGames, LetterSumsGivenUp) {
    startGame(s, 63);
    frames(1);
    giveUp();
    EXPECT_EQ(letter(1, 1), 'C');
}

TEST_F(MoreGridGames, FadedLettersPlayTheirSizesAndAreWon) {
    EXPECT_EQ(fadedLevel(12).size, 12);
    EXPECT_EQ(fadedLevel(8).size, 12) << "id 66";
    EXPECT_EQ(fadedLevel(6).size, 10) << "id 67";
    EXPECT_EQ(fadedLevel(6).share, 25);
    startGame(s, 64);  // 12 x 12, half the letters out
    frames(1);
    int removed = 0;
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r) removed += letter(c, r) == ' ';
    EXPECT_GT(removed, 40);
    EXPECT_LT(removed, 100);
    EXPECT_EQ(s.game.movable[1][1] == 1, letter(1, 1) == ' ') << "only the removed letters move";
    fillFromPalette(std::string(144, 'A'), 12, 14);
    EXPECT_EQ(s.app.gameWon, 1);
    startGame(s, 66);
    frames(1);
    giveUp();
    EXPECT_EQ(letter(12, 12), 'A');
}

TEST_F(OtherAnswers, LetterSumsAndFadedLettersTakeOtherWordsThatMeetTheirClues) {
    onlyGrid(6, "ON****NO****");
    startGame(s, 63);
    words({"ON", "NO"});
    frames(1);
    s.popup.active = 0;
    fillFromPalette(padded("NN****OO", 6), 6, 8);
    EXPECT_EQ(s.app.gameWon, 0);
    EXPECT_EQ(s.popup.active, 1) << "a full grid that is not right says so";
    EXPECT_EQ(s.popup.text.view(), s.app.comments[188].view());
    fillFromPalette(padded("NO****ON", 6), 6, 8);
    EXPECT_EQ(s.app.gameWon, 1) << "the same sums across and down";
    onlyGrid(12, "FIN*ROSE");
    for (int seed = 1; seed < 100; ++seed) {
        platform.setClockSeed(static_cast<std::uint64_t>(seed));
        startGame(s, 64);
        words({"FIN", "GIN", "ROSE"});
        frames(1);
        const bool roseMissing = letter(5, 1) == ' ' || letter(6, 1) == ' ' || letter(7, 1) == ' ' || letter(8, 1) == ' ';
        if (letter(1, 1) != ' ' || letter(2, 1) != 'I' || letter(3, 1) != 'N' || !roseMissing) continue;
        // The check crosses out what breaks the rule, not what differs from
        // the stored grid.
        fromPalette('X', 14, 1, 1);
        checkLetters(s);
        EXPECT_EQ(s.wrongMarks[1][1], 'X') << "XIN is no word";
        fromPalette('G', 14, 1, 1);
        checkLetters(s);
        EXPECT_EQ(s.wrongMarks[1][1], 0) << "GIN is a word";
        fillFromPalette(padded("GIN*ROSE", 12), 12, 14);
        EXPECT_EQ(s.app.gameWon, 1) << "seed " << seed;
        return;
    }
    FAIL() << "no seed took out the F alone";
}

}  // namespace glossamo::testing
