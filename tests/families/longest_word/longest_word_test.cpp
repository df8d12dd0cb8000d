#include "families/longest_word/longest_word.hpp"

#include "families/longest_word/longest_word_record.hpp"
#include "games/board_services.hpp"
#include "games/game_fixture.hpp"
#include "games/word_lists.hpp"

namespace glossamo::testing {

using namespace longest_word;

// Every start seeds the generator from the same clock: a first game shows
// the nine letters the next ones draw, from which the tests make their words.
class LongestWord : public GameFixture {
protected:
    std::string letters;
    void SetUp() override {
        GameFixture::SetUp();
        start(4, {});
        frames(1);
        letters = nineLetters(s.game).str();
    }
};

TEST_F(LongestWord, AnyWordOfTheLongestLengthWinsAndNoShorterOne) {
    const std::string shorter = letters.substr(1, 3), first = letters.substr(0, 5), second = letters.substr(4, 5);
    start(4, {shorter, first, second});
    frames(1);
    EXPECT_EQ(longestLength(s.game), 5u);
    spellAnswer(shorter);
    EXPECT_EQ(s.app.gameWon, 0) << "a word of the list, but shorter";
    start(4, {shorter, first, second});
    frames(1);
    spellAnswer(second);  // not the first word of the list
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(LongestWord, AFrenchWordOnlyTheAcceptedListKnowsWins) {
    const std::string listed = letters.substr(0, 5), accepted = letters.substr(4, 5);
    const auto lower = [](std::string word) {
        for (char& c : word) c = static_cast<char>(c - 'A' + 'a');
        return word + "\r\n";
    };
    programFolder.write("bin/DicoFrancais.txt", lower(listed));
    programFolder.write("bin/DicoFrancaisAdmis.txt",
                        listed < accepted ? lower(listed) + lower(accepted) : lower(accepted) + lower(listed));
    LoadAcceptedWords(s);
    startGame(s, 4);
    frames(1);
    ASSERT_EQ(longestLength(s.game), 5u);
    spellAnswer(accepted);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(LongestWord, GivingUpShowsTheFirstFiveWords) {
    std::vector<std::string> words;
    for (std::size_t k = 0; k < 6; ++k) words.push_back(letters.substr(k, 4));
    start(4, words);
    frames(1);
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(readBoardWord(s, 6, 5, 9, true), "         ");
    for (int k = 0; k < 5; ++k) EXPECT_EQ(readBoardWord(s, 6, 10 + k, 4, true), s.gameWordList[static_cast<std::size_t>(k)]);
    EXPECT_EQ(letter(6, 15), '*');
}

}  // namespace glossamo::testing
