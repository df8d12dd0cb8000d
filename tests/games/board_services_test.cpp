// The solved check of every family, on boards and texts set up by the test.
#include "games/board_services.hpp"

#include "families/registry.hpp"
#include "games/board_words.hpp"
#include "games/game_fixture.hpp"
#include "games/game_reset.hpp"

namespace glossamo::testing {

class SolvedCheck : public GameFixture {
protected:
    bool solvedAs(int id) {
        s.game.gameId = static_cast<std::uint32_t>(id);
        s.app.gameWon = 0;
        const GameRules* rules = rulesOf(id);
        checkSolved(s, rules ? rules->rule : nullptr);
        return s.app.gameWon == 1;
    }
    void text(int k, const char* value) { s.game.texts[static_cast<std::size_t>(k)] = value; }
    void SetUp() override {
        GameFixture::SetUp();
        resetGameRecord(s);
    }
};

TEST_F(SolvedCheck, GridsCompareEveryCellWithTheirExpectedBoard) {
    s.game.counterB = 2;
    const char grid[2][3] = {"AB", "CD"};
    for (int c = 1; c <= 2; ++c)
        for (int r = 1; r <= 2; ++r) {
            const auto col = static_cast<std::size_t>(c), row = static_cast<std::size_t>(r);
            s.game.letters[col][row] = grid[r - 1][c - 1];
            s.game.solution[col][row] = static_cast<unsigned char>(grid[r - 1][c - 1]);
        }
    EXPECT_TRUE(solvedAs(2)) << "coded words against the solution";
    EXPECT_FALSE(solvedAs(30)) << "placed words compare against the numbers board";
    for (int c = 1; c <= 2; ++c)
        for (int r = 1; r <= 2; ++r) s.game.numbers[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = s.game.solution[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
    EXPECT_TRUE(solvedAs(30));
    EXPECT_TRUE(solvedAs(44));
    s.game.letters[2][2] = 'X';
    EXPECT_FALSE(solvedAs(2));
    EXPECT_FALSE(solvedAs(37)) << "the scrambled grid reads rows 5 and 6";
}

TEST_F(SolvedCheck, LetterSumsKeepTheirSolutionOneCellUpLeft) {
    s.game.counterB = 1;
    s.game.letters[1][1] = 'Q';
    s.game.solution[0][0] = 'Q';
    EXPECT_TRUE(solvedAs(61));
    s.game.solution[0][0] = 'R';
    EXPECT_FALSE(solvedAs(65));
}

TEST_F(SolvedCheck, TextRulesOfTheWordGames) {
    text(1, "ROSE");
    text(2, "ROSE");
    EXPECT_TRUE(solvedAs(9));
    EXPECT_TRUE(solvedAs(70));
    EXPECT_TRUE(solvedAs(80));
    EXPECT_TRUE(solvedAs(146));
    text(2, "ROS");
    EXPECT_FALSE(solvedAs(9)) << "a prefix is not the word";
    text(19, "ROSE");
    EXPECT_TRUE(solvedAs(12));
    text(3, "ROS");
    EXPECT_TRUE(solvedAs(17)) << "anagrams compare texts 2 and 3";
    text(10, "MOTUCE");
    EXPECT_FALSE(solvedAs(52));
    text(1, "MOTUCE");
    EXPECT_TRUE(solvedAs(109));
    text(11, "FIN");
    text(29, "FIN");
    EXPECT_FALSE(solvedAs(23));
    text(30, "FIN");
    EXPECT_TRUE(solvedAs(23));
    text(10, "FIN");
    EXPECT_TRUE(solvedAs(25));
    s.game.counterA = 3;
    s.game.counterB = 3;
    EXPECT_TRUE(solvedAs(4));
}

TEST_F(SolvedCheck, TenPairsAndCutWordsInAnyOrder) {
    for (int k = 1; k <= 10; ++k) s.game.texts[static_cast<std::size_t>(k)].clear();
    EXPECT_TRUE(solvedAs(26)) << "no word at all counts as solved";
    text(1, "ORME");
    text(2, "PIN");
    text(11, "PIN");
    EXPECT_FALSE(solvedAs(27));
    text(12, "ORME");
    EXPECT_TRUE(solvedAs(27)) << "the answers may come in any order";
    EXPECT_FALSE(solvedAs(14)) << "each row must hold a word as long as its own";
    text(11, "ORME");
    text(12, "PIN");
    text(3, "IF");
    EXPECT_FALSE(solvedAs(14)) << "pair 3 is not matched";
    text(13, "IF");
    EXPECT_TRUE(solvedAs(20));
    EXPECT_TRUE(solvedAs(40));
}

TEST_F(SolvedCheck, CrossingWordsReadThreeRowsOfTheBoard) {
    text(1, "CHAT");
    text(2, "RAT");
    text(3, "ROI");
    PutWord(6, 7, "CHAT", Across, s.game.letters);
    PutWord(6, 8, "RAT*", Across, s.game.letters);
    PutWord(6, 9, "ROI*", Across, s.game.letters);
    EXPECT_FALSE(solvedAs(6)) << "rows are read with the first word's length";
    text(2, "RAT*");
    text(3, "ROI*");
    EXPECT_TRUE(solvedAs(89));
}

TEST_F(SolvedCheck, WordHuntsCountTheFoundWords) {
    s.gameWordList = {" CHAT", "CHIEN", " RAT"};
    s.game.counterB = 3;
    EXPECT_FALSE(solvedAs(47));
    s.game.counterB = 2;
    EXPECT_TRUE(solvedAs(50));
}

TEST_F(SolvedCheck, LostGamesAndUnlistedIdentifiersAreNeverSolved) {
    text(1, "A");
    text(2, "A");
    s.app.gameLost = 1;
    EXPECT_FALSE(solvedAs(8));
    s.app.gameLost = 0;
    EXPECT_FALSE(solvedAs(34)) << "the hidden-words games decide for themselves";
    EXPECT_FALSE(solvedAs(0));
    EXPECT_FALSE(solvedAs(LastGameId + 1));
}

}  // namespace glossamo::testing
