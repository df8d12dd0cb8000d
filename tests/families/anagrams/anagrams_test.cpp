// Anagrammes won through the mouse alone on fixture word lists, and given up.
#include "families/anagrams/anagrams.hpp"

#include "families/anagrams/anagrams_record.hpp"
#include "games/board_services.hpp"
#include "games/letter_moves.hpp"
#include "games/word_lists.hpp"

namespace glossamo::testing {

using namespace anagrams;

using Anagrams = GameFixture;

TEST_F(Anagrams, OfferOnlyAWordWithOneAnagram) {
    start(18, {"CHIENS", "NICHES", "LAPINS", "RATONS", "TARONS", "SONART"});
    build();
    EXPECT_EQ(shownWord(s.game).size(), 6u);
    EXPECT_TRUE(shownWord(s.game).view() == "CHIENS" || shownWord(s.game).view() == "NICHES")
        << "RATONS has two anagrams, LAPINS none";
    EXPECT_EQ(s.game.colours[7][5], HighlightInk);
    anagramLetters(*this, 0, 5);
    EXPECT_EQ(s.app.gameWon, 1);
    start(18, AnagramWords);
    build();
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(readBoardWord(s, 7, 11, 6, true), keptAnagram(s.game).view());
}

TEST_F(Anagrams, WonWithAnAnagramOnlyTheAcceptedWordsKnow) {
    programFolder.write("bin/DicoFrancais.txt", "chiens\r\nniches\r\n");
    programFolder.write("bin/DicoFrancaisAdmis.txt", "chiens\r\nchines\r\nniches\r\n");
    LoadAcceptedWords(s);
    startGame(s, 18);
    build();
    ASSERT_NE(keptAnagram(s.game).view(), "CHINES");
    for (int k = 0; k < 6; ++k) bring("CHINES"[k], 10, 7, 12, 7 + k, 11);
    EXPECT_EQ(s.app.gameWon, 1);
}

}  // namespace glossamo::testing
