// The word-placement game played through the mouse on fixture grid files.
#include "families/word_placement/word_placement.hpp"

#include <algorithm>

#include "grid/grid_cells.hpp"
#include "grid/grid_common.hpp"
#include "grid/grid_fixture.hpp"
#include "media/asset_loading.hpp"

namespace glossamo::testing {

TEST_F(GridGames, WordPlacementIsWonLetterByLetterFromThePalette) {
    startGame(s, 32);
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    EXPECT_EQ(letter(1, 1), ' ');
    EXPECT_EQ(letter(5, 1), '*') << "black squares in place";
    EXPECT_EQ(s.game.tileStyles[5][1], 3u);
    EXPECT_GE(s.gameWordList.front().size(), s.gameWordList.back().size()) << "longest words first";
    const int p = paletteRow(6);
    EXPECT_EQ(p, 8);
    drag(2, p, 1, 1);  // a wrong letter first
    EXPECT_EQ(letter(1, 1), 'B');
    EXPECT_EQ(letter(2, p), 'B') << "the palette keeps its letter";
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 6; ++c) {
            const char wanted = gridAt(c, r);
            if (wanted == '*') continue;
            const int k = wanted - 'A';
            drag(1 + k % 13, p + k / 13, c + 1, r + 1);
            frames(1);
        }
    }
    EXPECT_EQ(s.app.gameWon, 1);
}

// A word of the list changes colour once it stands on the board between two
// black squares; the others keep theirs.
TEST_F(GridGames, WordsLaidOnTheBoardAreMarkedInTheList) {
    const SystemPath fixtureFolder = s.programDir;
    s.programDir = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/");  // the fonts that write the list
    loadInterface(s);
    s.programDir = fixtureFolder;
    startGame(s, 32);
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    auto lineOf = [&](const std::string& word) {
        const auto it = std::find(s.gameWordList.begin(), s.gameWordList.end(), word);
        EXPECT_NE(it, s.gameWordList.end()) << word;
        const Point at = wordListPosition(static_cast<int>(it - s.gameWordList.begin()) + 1);
        std::vector<std::uint16_t> pixels;
        for (int y = at.y; y < at.y + 12; ++y)
            for (int x = at.x; x < at.x + 90; ++x) pixels.push_back(platform.canvas().pixel(x, y));
        return pixels;
    };
    const auto chat = lineOf("CHAT"), leu = lineOf("LEU");
    const int p = paletteRow(6);
    for (int c = 0; c < 3; ++c) drag(1 + (gridAt(c, 0) - 'A') % 13, p + (gridAt(c, 0) - 'A') / 13, c + 1, 1);
    frames(1);
    EXPECT_EQ(lineOf("CHAT"), chat) << "CHA is not the word yet";
    drag(1 + ('T' - 'A') % 13, p + 1, 4, 1);
    frames(1);
    EXPECT_NE(lineOf("CHAT"), chat);
    EXPECT_EQ(lineOf("LEU"), leu);
}

TEST_F(GridGames, GivingUpWordPlacementShowsTheGrid) {
    startGame(s, 32);
    frames(1);
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(letter(1, 1), 'C');
    EXPECT_EQ(s.game.colours[1][1], HighlightInk);
    EXPECT_EQ(s.app.gameWon, 0);
}

TEST_F(GridGames, TwelveByTwelvePutsThePaletteOnRowsThirteenAndFourteen) {
    startGame(s, 29);
    frames(1);
    EXPECT_EQ(letter(1, 13), 'A');
    EXPECT_EQ(letter(13, 14), 'Z');
    EXPECT_EQ(s.game.tileStyles[1][13], 2u);
}

TEST_F(OtherAnswers, WordPlacementTakesTheTransposedFill) {
    const std::string grid = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJ";
    const std::string transposed = transposedGrid(grid, 6);
    writeGrids("grilles.txt", {"6x6=" + grid, "6x6=" + grid});
    startGame(s, 32);
    frames(1);
    fillFromPalette(transposed, 6, 8, 0, 4);
    EXPECT_EQ(s.app.gameWon, 0);
    fillFromPalette(transposed, 6, 8, 5, 5);
    EXPECT_EQ(s.app.gameWon, 1) << "its six words across are the six down";
}

}  // namespace glossamo::testing
