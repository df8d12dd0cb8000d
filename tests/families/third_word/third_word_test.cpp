// Troisième mot: letters copied from the alphabet into the gap the builder
// leaves.
#include "families/third_word/third_word.hpp"

#include <set>

#include "families/third_word/third_word_record.hpp"
#include "games/board_services.hpp"
#include "games/game_fixture.hpp"
#include "games/letter_moves.hpp"

namespace glossamo::testing {

using namespace third_word;

class ThirdWord : public GameFixture {};

TEST_F(ThirdWord, NeverUsesAMiddleWordEndingInSAndIsWon) {
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        platform.setClockSeed(seed);
        start(25, ThirdWords);
        build();
        EXPECT_EQ(middleWord(s.game).view(), "TENIR");
        EXPECT_EQ(thirdWord(s.game).view(), "PAIN");
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

TEST_F(ThirdWord, AnotherMiddleWordThatFitsWins) {
    // TENUS is never drawn (it ends in S) but makes MAINTENUS and TENUSPAIN.
    start(25, ThirdWords);
    build();
    for (int k = 0; k < 5; ++k) copyLetter("TENUS"[k], 7 + k, 8);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(ThirdWord, DrawsAnyLongWordOfTheMiddleOne) {
    // TENIR begins TENIRPAIN and TENIRON: PAIN and ON are both third words.
    std::set<std::string> thirds;
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        platform.setClockSeed(seed);
        start(25, {"MAIN", "TENIR", "MAINTENIR", "PAIN", "TENIRPAIN", "ON", "TENIRON"});
        build();
        thirds.insert(thirdWord(s.game).str());
    }
    EXPECT_EQ(thirds, (std::set<std::string>{"ON", "PAIN"}));
}

TEST_F(ThirdWord, WaitsForAListThatHasOneAndIsGivenUp) {
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
