// Bourse aux consonnes: the consonants of the bank put back in their words.
#include "families/consonant_market/consonant_market.hpp"

#include "families/consonant_market/consonant_market_record.hpp"
#include "games/board_services.hpp"
#include "games/game_fixture.hpp"
#include "words/word_store.hpp"

namespace glossamo::testing {

using namespace consonant_market;

class ConsonantMarket : public GameFixture {
protected:
    // Drags a bank letter (rows 1..3) onto (c, r).
    void fromBank(char wanted, int c, int r) {
        for (int row = 1; row <= 3; ++row)
            for (int col = 1; col <= 20; ++col)
                if (letter(col, row) == wanted) {
                    drag(col, row, c, r);
                    frames(1);
                    return;
                }
        ADD_FAILURE() << "no " << wanted << " in the bank";
    }
    // Drags (c, r) back into the first empty cell of the bank.
    void toBank(int c, int r) {
        for (int row = 1; row <= 3; ++row)
            for (int col = 1; col <= 20; ++col)
                if (letter(col, row) == ' ') {
                    drag(c, r, col, row);
                    frames(1);
                    return;
                }
    }
    // The consonants of word j (or of word `from`, whose vowels stand in the
    // same places) in their places, or in reverse order.
    void fillWord(int j, bool reversed, int from = 0) {
        const std::string word = drawnWord(s.game, j).str();
        std::string consonants;
        for (const char c : drawnWord(s.game, from ? from : j).view())
            if (!IsVowel(c)) consonants += c;
        if (reversed) consonants.assign(consonants.rbegin(), consonants.rend());
        std::size_t next = 0;
        for (int k = 0; k < 10; ++k)
            if (!IsVowel(word[static_cast<std::size_t>(k)])) fromBank(consonants[next++], 7 + k, 6 + j);
    }
};

TEST_F(ConsonantMarket, ConsonantsPutBackInOrderWin) {
    start(41, {"CHOCOLATES"});  // two lines, the same word twice
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    EXPECT_EQ(readBoardWord(s, 7, 7, 10, true), "  O O A E ");
    int bank = 0;
    for (int c = 1; c <= 20; ++c) bank += letter(c, 1) != '*';
    EXPECT_EQ(bank, 12) << "six consonants a word";
    fillWord(1, true);  // S T L C H C: consonants of the word, in the wrong order
    fillWord(2, false);
    EXPECT_EQ(s.app.gameWon, 0) << "the right consonants in the wrong places do not count";
    for (int k = 0; k < 10; ++k)
        if (!IsVowel(drawnWord(s.game, 1)[static_cast<std::size_t>(k)])) toBank(7 + k, 7);
    fillWord(1, false);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(ConsonantMarket, TwinWordsWinInEachOthersLines) {
    for (std::uint64_t seed = 1; seed < 20 && drawnWord(s.game, 1).view() == drawnWord(s.game, 2).view(); ++seed) {
        platform.setClockSeed(seed);
        start(41, {"MARCHERONS", "MARCHERONT"});
        frames(1);
    }
    ASSERT_NE(drawnWord(s.game, 1).view(), drawnWord(s.game, 2).view());
    fillWord(1, false, 2);
    fillWord(2, false, 1);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(ConsonantMarket, GivingUpShowsTheWords) {
    start(42, {"CHOCOLATES"});
    frames(1);
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(readBoardWord(s, 7, 7, 10, true), "CHOCOLATES");
}

}  // namespace glossamo::testing
