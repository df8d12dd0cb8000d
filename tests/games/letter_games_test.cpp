// Anagrams, the extra letter and the password, won through the mouse alone
// on fixture word lists, and given up.
#include "families/anagrams/anagram_games.hpp"
#include "games/board_services.hpp"
#include "games/letter_moves.hpp"
#include "games/word_lists.hpp"

namespace glossamo::testing {

using LetterGames = GameFixture;

TEST_F(LetterGames, AnagramsOfferOnlyAWordWithOneAnagram) {
    start(18, {"CHIENS", "NICHES", "LAPINS", "RATONS", "TARONS", "SONART"});
    build();
    EXPECT_EQ(s.game.texts[1].size(), 6u);
    EXPECT_TRUE(s.game.texts[1].view() == "CHIENS" || s.game.texts[1].view() == "NICHES")
        << "RATONS has two anagrams, LAPINS none";
    EXPECT_EQ(s.game.colours[7][5], HighlightInk);
    anagramLetters(*this, 0, 5);
    EXPECT_EQ(s.app.gameWon, 1);
    start(18, AnagramWords);
    build();
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(readBoardWord(s, 7, 11, 6, true), s.game.texts[2].view());
}

TEST_F(LetterGames, AnagramsWonWithAnAnagramOnlyTheAcceptedWordsKnow) {
    programFolder.write("bin/DicoFrancais.txt", "chiens\r\nniches\r\n");
    programFolder.write("bin/DicoFrancaisAdmis.txt", "chiens\r\nchines\r\nniches\r\n");
    LoadAcceptedWords(s);
    startGame(s, 18);
    build();
    ASSERT_NE(s.game.texts[2].view(), "CHINES");
    for (int k = 0; k < 6; ++k) bring("CHINES"[k], 10, 7, 12, 7 + k, 11);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(LetterGames, ExtraLetterLinesShareOneLength) {
    start(21, ExtraWords);
    build();
    const std::size_t length = s.game.texts[1].size();
    EXPECT_EQ(s.game.texts[2].size(), length) << "one word length for every line";
    EXPECT_EQ(length, s.game.counterA + 6);
    extraLines(*this, 1, 2);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(LetterGames, ExtraLetterWonWithTheWordAndItsLetterInOrder) {
    // ACTION + S has one other anagram, CATIONS, which the game keeps. The
    // list has no line of seven letters: a game that chose six is played.
    for (std::uint64_t seed = 1; seed < 20 && s.game.counterA != 1; ++seed) {
        platform.setClockSeed(seed);
        start(21, {"ACTION", "CATIONS", "ACTIONS"});
        frames(1);
    }
    build();
    EXPECT_EQ(s.game.texts[1].view(), "CATIONS");
    for (int k = 0; k < 7; ++k) bring("ACTIONS"[k], 5, 12, 18, 12 + k, 4);
    extraLines(*this, 2, 2);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(LetterGames, PasswordLettersShowInColumnElevenAndSpellIt) {
    start(13, PasswordWords);
    build();
    EXPECT_EQ(s.game.texts[1].view(), "ABCDEFGH");
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

TEST_F(LetterGames, PasswordWonWithTwoLettersSwappedIntoOtherWords) {
    // A and B complete the same clue, XYZQ; swapped, they make the other
    // password and the other clue word.
    start(13, {"ABCDEFGH", "BACDEFGH", "AXYZQ", "BXYZQ", "CDEFG", "HIJKL"});
    build();
    const std::string password = s.game.texts[1].str();
    passwordRow(*this, 1, password[1]);
    passwordRow(*this, 2, password[0]);
    for (int i = 3; i <= 8; ++i) passwordRow(*this, i);
    EXPECT_NE(readBoardWord(s, 11, 3, 8, false), password);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(LetterGames, PasswordGivenUpShowsIt) {
    start(13, PasswordWords);
    build();
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(readBoardWord(s, 11, 3, 8, false), "ABCDEFGH");
}

}  // namespace glossamo::testing
