// The statistics counted through real play: a game left after a move, a
// game left untouched, a game saved then left and later loaded and given
// up; and a damaged file.
#include "families/registry.hpp"
#include "stats/statistics.hpp"

#include "play/game_start.hpp"
#include "profile/saved_games.hpp"
#include "support/headless_run.hpp"

namespace glossamo::testing {

namespace {

constexpr int Motuce6 = 51;

class Statistics : public ::testing::Test {
protected:
    HeadlessRun run;
    ProgramState& s = run.state();

    void SetUp() override { run.click({400, 300}); }
    void startAndBuild(int id) {
        startGame(s, id);
        for (int frames = 0; s.game.built == 0 && frames < 200; ++frames) run.step();
        ASSERT_EQ(s.game.built, 1);
        run.frames(3);
    }
    PlayStats level(int id) { return readPlayStats(IniFile::read(statisticsPath(s)), levelSection(id)); }
};

}  // namespace

TEST_F(Statistics, LeftSavedLoadedAndGivenUpGamesCountOnce) {
    startAndBuild(Motuce6);
    run.type("A");
    run.step();
    startAndBuild(Motuce6);  // the first game left after a move
    EXPECT_EQ(level(Motuce6).left, 1);
    startAndBuild(Motuce6);  // the second left untouched
    EXPECT_EQ(level(Motuce6).played, 1) << "a game nobody touched is not counted";

    run.type("B");
    run.step();
    ASSERT_TRUE(saveGame(s, false));
    const std::string name = s.listBox(9).entries[1];
    startAndBuild(Motuce6);
    EXPECT_EQ(level(Motuce6).played, 1) << "a saved game lives on in its save";
    ASSERT_TRUE(loadGame(s, name));
    run.frames(2);
    run.key(vk::Escape);
    run.frames(2);
    const PlayStats counted = level(Motuce6);
    EXPECT_EQ(counted.played, 2);
    EXPECT_EQ(counted.lost, 1) << "the loaded game counted once, when it ended";
    const PlayStats family = readPlayStats(IniFile::read(statisticsPath(s)), familySection(familyOfGame(Motuce6)));
    EXPECT_EQ(family.played, 2);
}

TEST_F(Statistics, ADamagedFileIsReadAsFarAsItMakesSense) {
    const std::string damaged = "[NIVEAU 51]\r\nParties=-4\r\nGagnees=trois\r\nTemps=30,x,,7,-2\r\nEssais=0,2,zz\r\n\xFF\xFE";
    ASSERT_TRUE(writeFileAtomically(statisticsPath(s), damaged));
    const PlayStats read = level(Motuce6);
    EXPECT_EQ(read.played, 0);
    EXPECT_EQ(read.won, 0);
    EXPECT_EQ(read.lastTimes, (std::vector<int>{30, 7}));
    EXPECT_EQ(read.tries[2], 2);
    GameOutcome won;
    won.gameId = Motuce6;
    won.seconds = 95;
    won.tries = 3;
    ASSERT_TRUE(recordOutcome(s, won));
    const PlayStats after = level(Motuce6);
    EXPECT_EQ(after.won, 1);
    EXPECT_EQ(after.bestSeconds, 95);
    EXPECT_EQ(after.lastTimes, (std::vector<int>{30, 7, 95}));
    EXPECT_EQ(after.tries[3], 1);
}

}  // namespace glossamo::testing
