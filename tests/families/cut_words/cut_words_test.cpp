// Mots coupés: halves dragged whole into the lines, in any order.
#include "families/cut_words/cut_words.hpp"

#include <algorithm>

#include "families/cut_words/cut_words_record.hpp"
#include "games/board_services.hpp"
#include "games/game_fixture.hpp"

namespace glossamo::testing {

namespace {
// Six words for six lines; MAISON and SAISON share their second half.
const std::vector<std::string> SixLetterWords = {"MAISON", "SAISON", "CHAISE", "PARTIR", "TOMATE", "LAPINS"};
}

class CutWords : public GameFixture {
protected:
    // Drags the half `half` from the sorted list (columns 11 and 15) onto
    // (c, r).
    void bringHalf(const std::string& half, int c, int r) {
        for (const int column : {11, 15})
            for (int row = 4; row <= 13; ++row)
                if (readBoardWord(s, column, row, 3, true) == half) {
                    drag(column, row, c, r);
                    frames(1);
                    return;
                }
        ADD_FAILURE() << "no half " << half;
    }
};

TEST_F(CutWords, HalvesJoinedInAnyOrderWin) {
    start(28, SixLetterWords);  // six words
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    EXPECT_EQ(s.gameWordList.size(), 12u);
    EXPECT_TRUE(std::is_sorted(s.gameWordList.begin(), s.gameWordList.end()));
    EXPECT_EQ(letter(6, 4), '*') << "the cut";
    // Line k takes word 7 - k: the lines may come in any order.
    for (int k = 1; k <= 6; ++k) {
        const std::string word = cut_words::word(s.game, 7 - k).str();
        bringHalf(word.substr(0, 3), 3, 3 + k);
        if (k == 1) {
            // A half carried onto a filled part flies back whole.
            bringHalf(word.substr(3), 4, 4);
            EXPECT_TRUE(s.flight.active);
            frames(60);
        }
        bringHalf(word.substr(3), 7, 3 + k);
    }
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(CutWords, OtherWordsOfTheShownHalvesWin) {
    // BOU and MOU take TON and CHE alike. A game that drew BOUTON and MOUCHE
    // (and not the other two) is won with BOUCHE and MOUTON.
    const std::vector<std::string> words = {"BOUTON", "MOUCHE", "BOUCHE", "MOUTON",
                                            "MAISON", "CHAISE", "TOMATE", "LAPINS"};
    const auto drawn = [this](std::string_view word) {
        for (int k = 1; k <= 6; ++k)
            if (cut_words::word(s.game, k).view() == word) return true;
        return false;
    };
    for (std::uint64_t seed = 1; seed < 500; ++seed) {
        platform.setClockSeed(seed);
        start(28, words);
        frames(1);
        if (drawn("BOUTON") && drawn("MOUCHE") && !drawn("BOUCHE") && !drawn("MOUTON")) break;
    }
    ASSERT_TRUE(drawn("BOUTON") && !drawn("MOUTON"));
    for (int k = 1; k <= 6; ++k) {
        std::string word = cut_words::word(s.game, k).str();
        if (word == "BOUTON") word = "BOUCHE";
        else if (word == "MOUCHE") word = "MOUTON";
        bringHalf(word.substr(0, 3), 3, 3 + k);
        bringHalf(word.substr(3), 7, 3 + k);
    }
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(CutWords, ThemeNamesWithGapsAreNeverCut) {
    std::vector<std::string> names = SixLetterWords;
    names.insert(names.end(), {"CAP-VE", "SRI LA", "D'IVOI"});
    start(137, names);  // a country-theme game of six words
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    std::vector<std::string> drawn;
    for (int k = 1; k <= 6; ++k) drawn.push_back(cut_words::word(s.game, k).str());
    std::sort(drawn.begin(), drawn.end());
    std::vector<std::string> expected = SixLetterWords;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(drawn, expected);

    start(137, {"CAP-VE", "SRI LA", "D'IVOI"});
    frames(3);
    EXPECT_EQ(s.game.built, 0) << "nothing to cut: the frame goes on and the build waits";
}

TEST_F(CutWords, GivingUpShowsTheWords) {
    start(28, SixLetterWords);
    frames(1);
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(readBoardWord(s, 3, 4, 3, true) + readBoardWord(s, 7, 4, 3, true), cut_words::word(s.game, 1).view());
}

TEST_F(CutWords, AHintJoinsTheWordWhoseHalfALineHoldsFromTheList) {
    start(28, SixLetterWords);
    frames(1);
    const std::string second = cut_words::word(s.game, 2).str();
    bringHalf(second.substr(0, 3), 3, 4);  // line 1 begins word 2
    ASSERT_EQ(layHintPiece(s, cutWordsHintPieces(s)), HintOutcome::Given);
    frames(1);
    EXPECT_EQ(cut_words::line(s.game, 1).view(), second);
    int whole = 0;  // halves still whole in the lists
    for (const int column : {11, 15})
        for (int row = 4; row < 10; ++row) whole += readBoardWord(s, column, row, 3, true).find(' ') == std::string::npos;
    EXPECT_EQ(whole, 10);
}

}  // namespace glossamo::testing
