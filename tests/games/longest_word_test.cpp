#include "games/longest_word.hpp"

#include <algorithm>

#include "games/board_services.hpp"
#include "games/game_fixture.hpp"

namespace glossamo::testing {

class LongestWord : public GameFixture {
protected:
    // The nine letters the next game will draw: every start seeds the
    // generator from the same clock, so a first start shows them.
    std::string nextLetters() {
        start(4, {});
        frames(1);
        return s.game.texts[1].str();
    }
    // Sends every letter of the answer row back to row 5.
    void clearAnswer() {
        for (int c = 6; c <= 14; ++c) {
            if (letter(c, 6) == ' ' || letter(c, 6) == '*') continue;
            for (int free = 6; free <= 14; ++free) {
                if (letter(free, 5) != ' ') continue;
                drag(c, 6, free, 5);
                break;
            }
        }
        frames(1);
    }
};

TEST(LongestWordDraw, NineLettersWithoutAAndWithoutRepeatsButE) {
    Random rng;
    for (int game = 0; game < 200; ++game) {
        rng.seed(static_cast<std::uint64_t>(game));
        const std::string letters = drawNineLetters(rng);
        ASSERT_EQ(letters.size(), 9u);
        EXPECT_EQ(letters.find('A'), std::string::npos) << letters;
        for (const char c : letters)
            EXPECT_TRUE(c == 'E' || std::count(letters.begin(), letters.end(), c) == 1) << letters;
    }
}

TEST_F(LongestWord, OnlyAWordOfTheLongestLengthWins) {
    const std::string letters = nextLetters();
    // Made-up words of the drawn letters: two of five letters, one of three.
    const std::string first = letters.substr(0, 5), second = letters.substr(4, 5), shorter = letters.substr(1, 3);
    start(4, {shorter, first, second});
    frames(1);
    ASSERT_EQ(s.game.texts[1].view(), letters);
    EXPECT_EQ(s.game.counterC, 5u);
    EXPECT_EQ(readBoardWord(s, 6, 6, 6, true), "     *") << "an answer row of five cells";
    ASSERT_EQ(s.gameWordList.size(), 3u);

    spellAnswer(shorter);
    EXPECT_EQ(s.game.texts[2].view(), shorter + "  ");
    EXPECT_EQ(s.app.gameWon, 0) << "a word of the list, but shorter";
    clearAnswer();
    ASSERT_EQ(s.game.texts[2].view(), "     ");

    spellAnswer(second);  // not the first word of the list
    EXPECT_EQ(s.game.texts[2].view(), second);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(LongestWord, GivingUpShowsTheFirstFiveWords) {
    const std::string letters = nextLetters();
    std::vector<std::string> words;
    for (std::size_t k = 0; k < 6; ++k) words.push_back(letters.substr(k, 4));
    start(4, words);
    frames(1);
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(readBoardWord(s, 6, 5, 9, true), "         ") << "the letters make room";
    for (int k = 0; k < 5; ++k) EXPECT_EQ(readBoardWord(s, 6, 10 + k, 4, true), s.gameWordList[static_cast<std::size_t>(k)]);
    EXPECT_EQ(letter(6, 15), '*') << "five words only";
}

}  // namespace glossamo::testing
