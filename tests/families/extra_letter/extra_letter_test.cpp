// Lettre en plus won through the mouse alone on fixture word lists.
#include "families/extra_letter/extra_letter.hpp"

#include "families/extra_letter/extra_letter_record.hpp"
#include "games/board_services.hpp"
#include "games/letter_moves.hpp"
#include "games/word_lists.hpp"

namespace glossamo::testing {

using namespace extra_letter;

using ExtraLetter = GameFixture;

TEST_F(ExtraLetter, LinesShareOneLength) {
    start(21, ExtraWords);
    build();
    const std::size_t length = lineAnswer(s.game, 1).size();
    EXPECT_EQ(lineAnswer(s.game, 2).size(), length) << "one word length for every line";
    EXPECT_EQ(length, lengthChoice(s.game) + 6);
    extraLines(*this, 1, 2);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(ExtraLetter, WonWithTheWordAndItsLetterInOrder) {
    // ACTION + S has one other anagram, CATIONS, which the game keeps. The
    // list has no line of seven letters: a game that chose six is played.
    for (std::uint64_t seed = 1; seed < 20 && lengthChoice(s.game) != 1; ++seed) {
        platform.setClockSeed(seed);
        start(21, {"ACTION", "CATIONS", "ACTIONS"});
        frames(1);
    }
    build();
    EXPECT_EQ(lineAnswer(s.game, 1).view(), "CATIONS");
    for (int k = 0; k < 7; ++k) bring("ACTIONS"[k], 5, 12, 18, 12 + k, 4);
    extraLines(*this, 2, 2);
    EXPECT_EQ(s.app.gameWon, 1);
}

}  // namespace glossamo::testing
