// De l'un à l'autre and Troisième mot: letters copied from the alphabet into
// the gaps the builders leave.
#include "families/word_chains/word_chains.hpp"

#include <set>

#include "games/board_services.hpp"
#include "games/game_fixture.hpp"
#include "games/letter_moves.hpp"

namespace glossamo::testing {

class WordChains : public GameFixture {};

TEST_F(WordChains, FromOneToTheOtherTakesTheFirstDownWordAndIsWonBothWays) {
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        platform.setClockSeed(seed);
        start(24, ChainWords);
        build();
        EXPECT_EQ(s.game.texts[21].view(), "XXCATXX");
        EXPECT_EQ(s.game.texts[1].view(), "YCATYYY");
    }
    // The shared word is blanked out of both words: across at columns 9..11
    // of row 8, down at rows 7..9 of column 10.
    EXPECT_EQ(readBoardWord(s, 7, 8, 7, true), "XX   XX");
    EXPECT_EQ(readBoardWord(s, 10, 6, 7, false), "Y   YYY");
    copyLetter('C', 9, 8);
    copyLetter('A', 10, 8);
    copyLetter('T', 11, 8);
    EXPECT_EQ(s.app.gameWon, 0) << "the down word still lacks its letters";
    EXPECT_EQ(letter(1, 3), 'C') << "the alphabet keeps its letters";
    copyLetter('C', 10, 7);
    copyLetter('B', 10, 9);
    EXPECT_EQ(s.app.gameWon, 0);
    copyLetter('T', 10, 9);  // a letter dropped on a filled gap replaces it
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(WordChains, AnotherWordThatFitsWinsBothGames) {
    // CAT and COT each fit both long words of the other.
    start(24, {"YCATYYY", "YCOTYYY", "XXCATXX", "XXCOTXX", "CAT", "COT"});
    build();
    const std::string other = s.game.texts[11].view() == "CAT" ? "COT" : "CAT";
    for (int k = 0; k < 3; ++k) copyLetter(other[static_cast<std::size_t>(k)], 9 + k, 8);
    copyLetter(other[0], 10, 7);
    copyLetter(other[2], 10, 9);
    EXPECT_EQ(s.app.gameWon, 1);
    // TENUS is never drawn (it ends in S) but makes MAINTENUS and TENUSPAIN.
    start(25, ThirdWords);
    build();
    for (int k = 0; k < 5; ++k) copyLetter("TENUS"[k], 7 + k, 8);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(WordChains, FromOneToTheOtherGivenUpShowsTheSharedWord) {
    start(24, ChainWords);
    build();
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(readBoardWord(s, 7, 8, 7, true), "XXCATXX");
    EXPECT_EQ(readBoardWord(s, 10, 6, 7, false), "YCATYYY");
}

TEST_F(WordChains, ThirdWordNeverUsesAMiddleWordEndingInSAndIsWon) {
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        platform.setClockSeed(seed);
        start(25, ThirdWords);
        build();
        EXPECT_EQ(s.game.texts[10].view(), "TENIR");
        EXPECT_EQ(s.game.texts[2].view(), "PAIN");
    }
    EXPECT_EQ(readBoardWord(s, 2, 8, 18, true), "MAIN*     *PAIN***");
    copyLetter('X', 12, 8);  // the square between the gap and the third word takes nothing
    EXPECT_EQ(readBoardWord(s, 2, 8, 18, true), "MAIN*     *PAIN***");
    for (int k = 0; k < 5; ++k) copyLetter("TENIX"[k], 7 + k, 8);
    EXPECT_EQ(s.popup.active, 1) << "a full gap that is refused says so";
    EXPECT_EQ(s.popup.text.view(), s.app.comments[187].view()) << "TENIX is no word";
    copyLetter('R', 11, 8);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(WordChains, ThirdWordDrawsAnyLongWordOfTheMiddleOne) {
    // TENIR begins TENIRPAIN and TENIRON: PAIN and ON are both third words.
    std::set<std::string> thirds;
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        platform.setClockSeed(seed);
        start(25, {"MAIN", "TENIR", "MAINTENIR", "PAIN", "TENIRPAIN", "ON", "TENIRON"});
        build();
        thirds.insert(s.game.texts[2].str());
    }
    EXPECT_EQ(thirds, (std::set<std::string>{"ON", "PAIN"}));
}

TEST_F(WordChains, ThirdWordWaitsForAListThatHasOneAndIsGivenUp) {
    start(25, {"MAINTENUS", "MAIN", "TENUS", "TENUSPAIN", "PAIN"});
    frames(3);
    EXPECT_EQ(s.game.built, 0) << "the search goes on, a frame at a time";
    start(25, ThirdWords);
    build();
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(readBoardWord(s, 7, 8, 5, true), "TENIR");
}

}  // namespace glossamo::testing
