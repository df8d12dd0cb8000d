#include "games/motuce.hpp"

#include "games/board_services.hpp"
#include "games/game_fixture.hpp"

namespace glossamo::testing {

class Motuce : public GameFixture {
protected:
    // Starts a game whose only word of its length is `hidden`, then gives
    // the list the other words the player may try.
    void startWith(int id, const std::string& hidden, std::vector<std::string> others) {
        start(id, {hidden});
        frames(1);
        ASSERT_EQ(s.game.built, 1);
        ASSERT_EQ(s.game.texts[1].view(), hidden);
        others.push_back(hidden);
        ASSERT_EQ(s.words.loadLines(others), WordStore::LoadResult::Loaded);
    }
    std::uint32_t style(int c, int r) const { return s.game.tileStyles[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]; }
    std::string row(int r, int n) const { return readBoardWord(s, 7, r, n, true); }
};

TEST_F(Motuce, TriesAreWipedOrMarkedUntilTheWordIsFound) {
    startWith(51, "BALLON", {"BALLET", "BLOUSE"});
    EXPECT_EQ(platform.count("sound 0"), 1);
    EXPECT_EQ(row(7, 6), "B     ") << "the first letter is given";
    EXPECT_EQ(letter(7, 2), 'A') << "the palette";

    spellTry("BXYZXY");
    EXPECT_EQ(row(7, 6), "B     ") << "not a word: wiped, first letter kept";
    EXPECT_EQ(s.game.counterC, 1u);
    EXPECT_EQ(letter(8, 2), 'B') << "the palette keeps the letters taken from it";

    spellTry("BALLET");
    EXPECT_EQ(s.game.counterC, 2u);
    EXPECT_EQ(platform.count("sound 2"), 1);
    for (int c = 7; c <= 10; ++c) EXPECT_EQ(style(c, 7), 1u) << "right place, the double L at both places: " << c;
    EXPECT_EQ(style(11, 7), 4u);
    EXPECT_EQ(row(8, 6), "B     ") << "the next row opens with the first letter";

    spellTry("BLOUSE");
    EXPECT_EQ(style(8, 8), 4u) << "an L of the word, not at this place";
    EXPECT_EQ(style(9, 8), 4u) << "an O of the word, not at this place";
    EXPECT_EQ(style(7, 8), 1u);

    press(pixelOf(8, 7));
    EXPECT_FALSE(s.drag.active) << "the letters of a try stay where they are";
    release(pixelOf(8, 7));

    spellTry("BALLON");
    EXPECT_EQ(s.app.gameWon, 1);
    EXPECT_EQ(s.app.gameLost, 0);
    EXPECT_EQ(s.game.counterC, 3u) << "no row opens after the word is found";
    EXPECT_EQ(row(10, 6), "      ");
    EXPECT_EQ(platform.count("sound 2"), 2);
}

TEST_F(Motuce, AWrongEighthTryLosesAndShowsTheWord) {
    startWith(54, "ARTICHAUT", {"ASSEMBLER"});
    for (int k = 1; k <= 7; ++k) spellTry("ASSEMBLER");
    EXPECT_EQ(s.game.counterC, 8u);
    EXPECT_EQ(s.app.gameLost, 0) << "seven wrong tries leave one more";
    spellTry("ASSEMBLER");
    EXPECT_EQ(s.game.counterC, 8u);
    EXPECT_EQ(s.app.gameLost, 1);
    EXPECT_EQ(s.app.endTick, platform.ticks());
    EXPECT_EQ(s.app.gameWon, 0);
    frames(1);
    EXPECT_EQ(row(14, 9), "ARTICHAUT");
    EXPECT_EQ(platform.count("sound 12"), 1);
}

TEST_F(Motuce, GivingUpShowsTheWordOnTheLastRow) {
    startWith(108, "ERABLE", {"ECORCE"});  // a tree-theme game of 6 letters
    spellTry("ECORCE");
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(s.app.gameLost, 1);
    EXPECT_EQ(row(14, 6), "ERABLE");
    EXPECT_EQ(row(7, 6), "ECORCE") << "the tries stay";
    FormKeyDown(s, vk::Escape, 0);
    EXPECT_FALSE(s.gameRunning());
}

TEST_F(Motuce, AListWithoutSpellableWordsIsRetriedWithoutHanging) {
    start(51, {"ARC-EN", "BEL AN"});
    frames(3);
    EXPECT_EQ(s.game.built, 0);
    EXPECT_TRUE(s.gameRunning());
}

}  // namespace glossamo::testing
