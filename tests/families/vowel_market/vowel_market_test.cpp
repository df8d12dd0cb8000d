#include "families/vowel_market/vowel_market.hpp"

#include "families/vowel_market/vowel_market_record.hpp"
#include "games/board_services.hpp"
#include "games/game_fixture.hpp"

namespace glossamo::testing {

using namespace vowel_market;

class VowelMarket : public GameFixture {
protected:
    std::string row(int r, int column = 1, int length = 20) const { return readBoardWord(s, column, r, length, true); }
};

TEST_F(VowelMarket, EachVowelWaitsInItsRowUntilPutBackInTheHoles) {
    start(15, {"DEVELOPPER"});  // six words, each with three E and one O
    frames(1);
    EXPECT_EQ(row(2), std::string(6, 'O') + std::string(14, '*'));
    EXPECT_EQ(row(3), std::string(18, 'E') + "**");
    EXPECT_EQ(row(7, 7, 10), "D V L PP R");
    EXPECT_EQ(s.game.colours[8][7], HighlightInk);
    fillHoles(7, 12);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(VowelMarket, TwinWordsWinInEachOthersRows) {
    // ACCIDENTEL and OCCIDENTAL have the same consonants in the same places.
    start(15, {"ACCIDENTEL", "OCCIDENTAL"});
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    std::string drawn, laid;  // row 6 + k takes the word drawn for row 13 - k
    for (int k = 1; k <= 6; ++k) {
        drawn += drawnWord(s.game, k).str();
        laid += drawnWord(s.game, 7 - k).str();
    }
    ASSERT_NE(laid, drawn);
    for (int k = 1; k <= 6; ++k) {
        const std::string word = laid.substr(static_cast<std::size_t>(10 * (k - 1)), 10);
        for (int i = 0; i < 10; ++i) {
            if (letter(7 + i, 6 + k) != ' ') continue;
            const char vowel = word[static_cast<std::size_t>(i)];
            const int from = 1 + static_cast<int>(std::string("AOEUIY").find(vowel));
            int c = 20;
            while (c > 1 && letter(c, from) != vowel) --c;
            drag(c, from, 7 + i, 6 + k);
        }
    }
    frames(1);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(VowelMarket, GivingUpShowsTheWords) {
    start(14, {"CONSTRUIRE"});
    frames(1);
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    for (int r = 7; r <= 14; ++r) EXPECT_EQ(row(r, 7, 10), "CONSTRUIRE") << r;
}

TEST_F(VowelMarket, VowelsThatWouldOverflowTheirRowAreDrawnAgain) {
    start(14, {"DEVELOPPER"});  // eight words would need 24 E in a row of 20
    frames(3);
    EXPECT_EQ(s.game.built, 0);
}

}  // namespace glossamo::testing
