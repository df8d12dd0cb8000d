// De l'un à l'autre: letters copied from the alphabet into the gaps the
// builder leaves.
#include "families/from_one_to_other/from_one_to_other.hpp"

#include "families/from_one_to_other/from_one_to_other_record.hpp"
#include "games/board_services.hpp"
#include "games/game_fixture.hpp"
#include "games/letter_moves.hpp"

namespace glossamo::testing {

using namespace from_one_to_other;

class FromOneToOther : public GameFixture {};

TEST_F(FromOneToOther, TakesTheFirstDownWordAndIsWonBothWays) {
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        platform.setClockSeed(seed);
        start(24, ChainWords);
        build();
        EXPECT_EQ(acrossWord(s.game).view(), "XXCATXX");
        EXPECT_EQ(downWord(s.game).view(), "YCATYYY");
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

TEST_F(FromOneToOther, AnotherSharedWordThatFitsWins) {
    // CAT and COT each fit both long words of the other.
    start(24, {"YCATYYY", "YCOTYYY", "XXCATXX", "XXCOTXX", "CAT", "COT"});
    build();
    const std::string other = sharedPiece(s.game).view() == "CAT" ? "COT" : "CAT";
    for (int k = 0; k < 3; ++k) copyLetter(other[static_cast<std::size_t>(k)], 9 + k, 8);
    copyLetter(other[0], 10, 7);
    copyLetter(other[2], 10, 9);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(FromOneToOther, GivenUpShowsTheSharedWord) {
    start(24, ChainWords);
    build();
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(readBoardWord(s, 7, 8, 7, true), "XXCATXX");
    EXPECT_EQ(readBoardWord(s, 10, 6, 7, false), "YCATYYY");
}

}  // namespace glossamo::testing
