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
    EXPECT_EQ(s.listBox(5).entries[1], "MARIE........MOTS CASES 10x10...03mn 12s.7504");
    EXPECT_EQ(s.app.score, 7504);
    EXPECT_EQ(s.popup.text.view(), "Bravo ! Temps : 03mn 12s 7504 points");
    EXPECT_EQ(s.popup.y, 515);
    EXPECT_EQ(s.debugLines.back(), "DeBuG Info:>MARIE........MOTS CASES 10x10...03mn 12s.7504");
}

TEST_F(Scores, LongNamesTitlesAndFastGames) {
    s.app.playerName = "JEAN-BAPTISTE-EMMANUEL";
    s.app.gameTitle = "ABCDEFGHIJKLMNOPQRS";  // 19 characters stay whole
    recordScore(s);
    EXPECT_EQ(s.listBox(5).entries[1], "JEAN-BAPTISTEABCDEFGHIJKLMNOPQRS00H00MN0010000")
        << "nine characters of the clock show";
    s.app.gameTitle = "ABCDEFGHIJKLMNOPQRST";  // 20 are cut to 18
    playFor(30);
    recordScore(s);
    EXPECT_EQ(s.listBox(5).entries[1], "JEAN-BAPTISTEABCDEFGHIJKLMNOPQR.00mn 30s.9760");
    EXPECT_EQ(overlayText("......", "ABCDEFGH", 3), "...ABC") << "never past the line's end";
    EXPECT_EQ(overlayText(std::string(40, '.'), std::string(30, 'X'), 0), std::string(26, 'X') + std::string(14, '.'));
}

TEST_F(Scores, TheSixHundredthScorePushesTheOldestOut) {
    for (int i = 1; i <= 600; ++i) {
        s.app.playerName = std::to_string(i);
        recordScore(s);
    }
    EXPECT_EQ(s.listBox(5).entries[1].substr(0, 4), "600.");
    EXPECT_EQ(s.listBox(5).entries[599].substr(0, 2), "2.") << "the first score was dropped";
    EXPECT_TRUE(s.listBox(5).entries[600].empty());
}

}  // namespace glossamo::testing
