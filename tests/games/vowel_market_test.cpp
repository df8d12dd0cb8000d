#include "games/vowel_market.hpp"

#include "games/board_services.hpp"
#include "games/game_fixture.hpp"

namespace glossamo::testing {

class VowelMarket : public GameFixture {
protected:
    std::string row(int r, int column = 1, int length = 20) const { return readBoardWord(s, column, r, length, true); }
};

TEST_F(VowelMarket, EachVowelWaitsInItsRowAndHolesAreHighlighted) {
    start(15, {"DEVELOPPER"});  // six words, each with three E and one O
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    EXPECT_EQ(row(1), std::string(20, '*')) << "no A";
    EXPECT_EQ(row(2), std::string(6, 'O') + std::string(14, '*'));
    EXPECT_EQ(row(3), std::string(18, 'E') + "**");
    EXPECT_EQ(row(7, 7, 10), "D V L PP R");
    EXPECT_EQ(s.game.colours[8][7], HighlightInk);
    EXPECT_EQ(s.game.colours[7][7], NormalInk);
    EXPECT_EQ(row(13, 7, 10), "**********") << "rows 13 and 14 stay empty with six words";
    EXPECT_EQ(s.game.texts[11].view(), "D V L PP R");

    drag(7, 7, 7, 8);
    EXPECT_EQ(letter(7, 7), 'D') << "consonants are fixed";
    drag(18, 3, 7, 8);
    frames(60);  // the refused letter flies back for half a second
    EXPECT_EQ(letter(18, 3), 'E') << "a vowel only goes into a hole";
    fillHoles(7, 12);
    EXPECT_EQ(row(3), std::string(18, ' ') + "**") << "the reservoir is empty";
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(VowelMarket, GivingUpShowsTheWords) {
    start(14, {"CONSTRUIRE"});
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    for (int r = 7; r <= 14; ++r) EXPECT_EQ(row(r, 7, 10), "CONSTRUIRE") << r;
}

TEST_F(VowelMarket, AVowelThatWouldNotFitItsRowIsDrawnAgain) {
    start(14, {"DEVELOPPER"});  // eight words would need 24 E in a row of 20
    frames(3);
    EXPECT_EQ(s.game.built, 0);
    s.words.loadLines({"DEVELOPPER", "CONSTRUIRE"});
    for (int i = 0; i < 100 && s.game.built == 0; ++i) frames(1);
    ASSERT_EQ(s.game.built, 1);
    EXPECT_LE(std::count(s.game.texts.begin(), s.game.texts.begin() + 9, ShortString<100>("DEVELOPPER")), 6);
}

}  // namespace glossamo::testing
