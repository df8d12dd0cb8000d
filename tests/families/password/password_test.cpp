// Mot de passe won through the mouse alone on fixture word lists, and given up.
#include "families/password/password.hpp"

#include "families/password/password_record.hpp"
#include "games/board_services.hpp"
#include "games/letter_moves.hpp"
#include "games/word_lists.hpp"

namespace glossamo::testing {

using namespace password;

using Password = GameFixture;

TEST_F(Password, LettersShowInColumnElevenAndSpellIt) {
    start(13, PasswordWords);
    build();
    EXPECT_EQ(hiddenPassword(s.game).view(), "ABCDEFGH");
    // Row 3 (letter C) is completed on the left, row 4 (D) on the right.
    passwordRow(*this, 1);
    EXPECT_EQ(letter(11, 3), 'A') << "the letter put into the clue shows in column 11";
    int hole = 5;
    while (s.game.colours[static_cast<std::size_t>(hole)][3] != HighlightInk) ++hole;
    for (int r = 3; r <= 10; ++r)
        if (letter(2, r) == ' ') {
            drag(hole, 3, 2, r);
            frames(1);
            break;
        }
    EXPECT_EQ(letter(11, 3), ' ') << "taken out again, the cell is blank";
    for (int i = 1; i <= 8; ++i) passwordRow(*this, i);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(Password, WonWithTwoLettersSwappedIntoOtherWords) {
    // A and B complete the same clue, XYZQ; swapped, they make the other
    // password and the other clue word.
    start(13, {"ABCDEFGH", "BACDEFGH", "AXYZQ", "BXYZQ", "CDEFG", "HIJKL"});
    build();
    const std::string password = hiddenPassword(s.game).str();
    passwordRow(*this, 1, password[1]);
    passwordRow(*this, 2, password[0]);
    for (int i = 3; i <= 8; ++i) passwordRow(*this, i);
    EXPECT_NE(readBoardWord(s, 11, 3, 8, false), password);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(Password, GivenUpShowsIt) {
    start(13, PasswordWords);
    build();
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(readBoardWord(s, 11, 3, 8, false), "ABCDEFGH");
}

}  // namespace glossamo::testing
