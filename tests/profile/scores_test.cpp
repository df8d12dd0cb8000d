// Play time and scores of won games.
#include "profile/scores.hpp"

#include "support/program_fixture.hpp"

namespace glossamo::testing {

class Scores : public ProgramFixture {
protected:
    void SetUp() override {
        s.app.comments[36] = "Bravo ! Temps :";
        s.app.comments[38] = "points";
        s.app.playerName = "MARIE";
        s.app.gameTitle = "MOTS CASES 10x10";
    }
    void playFor(int seconds) {
        for (int i = 0; i < seconds; ++i) clockTick(s);
    }
};

TEST_F(Scores, TheClockTextGrowsWithHoursAndDays) {
    playFor(7 * 60 + 5);
    EXPECT_EQ(s.clock.clockText.view(), "07mn 05s");
    s.clock = PlayClock{};
    playFor(3600 + 5);
    EXPECT_EQ(s.clock.clockText.view(), "01H 00mn 05s");
    s.clock = PlayClock{};
    s.clock.days = 2;
    s.clock.hours = 1;
    playFor(5);
    EXPECT_EQ(s.clock.clockText.view(), "2J 01H 00mn 05s");
    s.clock = PlayClock{0, 59, 59, 23, ""};
    clockTick(s);
    EXPECT_EQ(s.clock.days, 1);
    EXPECT_EQ(s.clock.hours, 0);
}

TEST_F(Scores, ScoreFallsWithTheMinutesAndBottomsOut) {
    EXPECT_EQ(scoreOf(PlayClock{}), 10000) << "won before the first tick";
    EXPECT_EQ(scoreOf(PlayClock{0, 30, 12, 0, ""}), 160);
    EXPECT_EQ(scoreOf(PlayClock{0, 50, 12, 0, ""}), 0) << "exactly 0 stays 0";
    EXPECT_EQ(scoreOf(PlayClock{0, 0, 13, 0, ""}), 1);
    EXPECT_EQ(scoreOf(PlayClock{0, 1, 0, 1, ""}), 1) << "over an hour";
    EXPECT_EQ(scoreOf(PlayClock{0, 0, 0, 1, ""}), 0) << "one hour exactly comes to 0";
    EXPECT_EQ(scoreOf(PlayClock{3, 0, 0, 0, ""}), 1);
}

TEST_F(Scores, TheScoreLineOfTheExample) {
    playFor(3 * 60 + 12);
    recordScore(s);
    EXPECT_EQ(s.listBox(5).entries[1], " 7504 03mn 12s  MOTS CASES 10x10");
    EXPECT_EQ(s.app.score, 7504);
    EXPECT_EQ(s.popup.text.view(), "Bravo ! Temps : 03mn 12s 7504 points");
    EXPECT_EQ(s.popup.y, 515);
    EXPECT_EQ(s.debugLines.back(), "DeBuG Info:> 7504 03mn 12s  MOTS CASES 10x10");
}

TEST_F(Scores, WholeThemeTitlesAndFastGames) {
    s.app.gameTitle = "MOTS COUPES 8  mots / ANIMAUX";
    recordScore(s);
    EXPECT_EQ(s.listBox(5).entries[1], "10000 00H00MN00S  MOTS COUPES 8 mots / ANIMAUX")
        << "the clock before its first second; the theme stays";
}

TEST_F(Scores, TheListStaysBestFirstAndAFullListDropsItsWorst) {
    for (const int seconds : {60, 10, 120, 10}) {
        s.clock = PlayClock{};
        playFor(seconds);
        recordScore(s);
    }
    EXPECT_EQ(pointsOf(s.listBox(5).entries[1]), 9920);
    EXPECT_EQ(pointsOf(s.listBox(5).entries[3]), 9200);
    EXPECT_EQ(pointsOf(s.listBox(5).entries[4]), 8400);
    for (int i = 5; i <= 600; ++i) {
        s.clock = PlayClock{};
        playFor(30);
        recordScore(s);
    }
    EXPECT_EQ(pointsOf(s.listBox(5).entries[599]), 9200) << "the worst score was dropped";
    EXPECT_TRUE(s.listBox(5).entries[600].empty());
}

// A profile of the older layout shows its scores in columns, best first.
TEST_F(Scores, OlderScoreLinesAreReadIntoColumnsAndSorted) {
    s.listBox(5).entries[1] = "MARIE........MOTS CASES 10x10...03mn 12s.7504";
    s.listBox(5).entries[2] = "JEAN-BAPTISTEABCDEFGHIJKLMNOPQR.00mn 30s.9760";
    s.listBox(5).entries[3] = "deux";
    s.listBox(5).entries[4] = " 8000 02mn 30s  PENDU 12 Lettres / PAYS";
    sortScores(s);
    EXPECT_EQ(s.listBox(5).entries[1], " 9760 00mn 30s  ABCDEFGHIJKLMNOPQR");
    EXPECT_EQ(s.listBox(5).entries[2], " 8000 02mn 30s  PENDU 12 Lettres / PAYS");
    EXPECT_EQ(s.listBox(5).entries[3], " 7504 03mn 12s  MOTS CASES 10x10");
    EXPECT_EQ(s.listBox(5).entries[4], "deux") << "a line that is no score stays, last";
    EXPECT_TRUE(s.listBox(5).entries[5].empty());
}

}  // namespace glossamo::testing
