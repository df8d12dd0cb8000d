// The word-placement and hidden-words games played through the mouse on a
// fixture grid file.
#include "families/word_placement/grid_games.hpp"

#include <algorithm>

#include "games/game_fixture.hpp"
#include "grid/grid_common.hpp"
#include "media/asset_loading.hpp"

namespace glossamo::testing {

namespace {
// A 6 x 6 grid, row after row.
const std::string FixtureGrid = "CHAT*S"
                                "O*RIEN"
                                "QUE*ON"
                                "*NOIR*"
                                "AS*LEU"
                                "ME*SES";
char gridAt(int c, int r) { return FixtureGrid[static_cast<std::size_t>(r * 6 + c)]; }
}  // namespace

class GridGames : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        programFolder.write("bin/grilles.txt", "6x6=" + FixtureGrid + "\r\n12x12=" + std::string(144, 'A') + "\r\n");
    }
};

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
