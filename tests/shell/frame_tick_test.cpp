#include "shell/frame_tick.hpp"

#include "support/program_fixture.hpp"
#include "widgets/tile_flight.hpp"

namespace glossamo::testing {

using FrameTick = ProgramFixture;

TEST_F(FrameTick, TitleEndsOnlyAfterFourSeconds) {
    s.app.titleShowing = 1;
    s.app.titleTick = platform.ticks();
    platform.advance(4000);
    DXTimer1Timer(s);
    EXPECT_EQ(s.app.titleShowing, 1) << "exactly 4000 ms is not yet more than 4000";
    EXPECT_EQ(platform.framesShown, 1) << "the title frame is still shown";
    platform.advance(1);
    DXTimer1Timer(s);
    EXPECT_EQ(s.app.titleShowing, 0);
}

TEST_F(FrameTick, TitleTimeoutSurvivesTickWrapAround) {
    platform.setTicks(0xFFFFFF00u);
    s.app.titleShowing = 1;
    s.app.titleTick = platform.ticks();
    platform.advance(1000);  // wraps past zero
    DXTimer1Timer(s);
    EXPECT_EQ(s.app.titleShowing, 1);
    platform.advance(3001);
    DXTimer1Timer(s);
    EXPECT_EQ(s.app.titleShowing, 0);
}

TEST_F(FrameTick, EmptyPlayAreaGoesBackToTheFamilyList) {
    s.app.titleShowing = 0;
    s.app.screen = 0;
    DXTimer1Timer(s);
    EXPECT_EQ(s.app.screen, 1);
}

TEST_F(FrameTick, LostGameIsLeftTenSecondsAfterItEnded) {
    runGame();
    s.app.gameLost = 1;
    s.app.endTick = platform.ticks();
    platform.advance(10000);
    DXTimer1Timer(s);
    EXPECT_TRUE(s.gameRunning()) << "10000 ms is not yet more than 10000";
    platform.advance(1);
    DXTimer1Timer(s);
    EXPECT_FALSE(s.gameRunning());
    EXPECT_EQ(s.app.gameLost, 0);
    EXPECT_EQ(s.game.gameId, 0u);
    EXPECT_EQ(s.app.screen, 1) << "the same frame returns to the menus";
}

TEST_F(FrameTick, LostTravelGameIsNotLeftButMovesTheTravelOn) {
    runGame();
    s.travel.underWay = 1;
    s.app.gameLost = 1;
    s.app.endTick = platform.ticks();
    platform.advance(10001);
    const int shown = platform.framesShown;
    DXTimer1Timer(s);
    EXPECT_TRUE(s.gameRunning());
    EXPECT_EQ(platform.framesShown, shown) << "that frame ends without drawing";
}

TEST_F(FrameTick, EndSoundsPlayOncePerGame) {
    runGame();
    s.app.gameWon = 1;
    for (int i = 0; i < 5; ++i) DXTimer1Timer(s);
    EXPECT_EQ(platform.count("sound 11"), 1);
    s.app.gameLost = 1;  // a lost flag after the win plays nothing more
    DXTimer1Timer(s);
    EXPECT_EQ(platform.count("sound 12"), 0);
}

TEST_F(FrameTick, LostSoundPlaysOnceAndSilentSoundsStillCountAsPlayed) {
    runGame();
    s.checkBox(1).ticked = 0;
    s.app.gameLost = 1;
    s.app.endTick = platform.ticks();
    DXTimer1Timer(s);
    EXPECT_EQ(s.endSoundPlayed, 1);
    s.checkBox(1).ticked = 1;
    DXTimer1Timer(s);
    EXPECT_EQ(platform.count("sound 12"), 0);
}

TEST_F(FrameTick, UnbuiltGameShowsTheHourglass) {
    runGame();
    s.game.built = 0;
    DXTimer1Timer(s);
    EXPECT_EQ(platform.pointer, PointerShape::Hourglass);
    s.app.gameLost = 1;
    s.app.endTick = platform.ticks();
    s.app.cursorShape = 0;
    DXTimer1Timer(s);
    EXPECT_EQ(platform.pointer, PointerShape::Arrow) << "a lost game is no longer being built";
}

TEST_F(FrameTick, TravelWonOnItsTargetSquareIsCompleted) {
    runGame();
    s.travel.underWay = 1;
    s.travel.curCol = s.travel.targetCol = 12;
    s.travel.curRow = s.travel.targetRow = 6;
    s.app.gameWon = 1;
    DXTimer1Timer(s);
    EXPECT_EQ(s.travel.completed, 1);
}

TEST_F(FrameTick, TravelMapFrameConsumesThePendingClick) {
    s.app.titleShowing = 0;
    s.travel.mapShown = 1;
    s.app.clickPending = 1;
    s.mousePos = {700, 560};  // over the options button of the bar
    DXTimer1Timer(s);
    EXPECT_EQ(s.app.clickPending, 0u);
    EXPECT_EQ(s.app.screen, screens::Options) << "the bar works on the map";
    EXPECT_EQ(platform.pointer, PointerShape::Hand);
    EXPECT_EQ(platform.framesShown, 1);
}

TEST_F(FrameTick, EndedMusicIsFollowedByAnother) {
    TempDir dir;
    dir.write("music/a.mid");
    s.programDir = dir.path();
    s.app.titleShowing = 0;
    DXTimer1Timer(s);
    EXPECT_EQ(platform.count("music open " + dir.path() + "music/a.mid"), 0) << "no music was open";

    s.musicFileName = dir.path() + "music/a.mid";
    platform.musicOpen(s.musicFileName.bytes());
    platform.journal.clear();
    DXTimer1Timer(s);
    EXPECT_TRUE(platform.journal.empty()) << "the piece is still playing";
    platform.musicHasEnded = true;
    DXTimer1Timer(s);
    EXPECT_EQ(platform.count("music open " + dir.path() + "music/a.mid"), 1);
    EXPECT_EQ(platform.count("music play"), 1);
}

// Tile flights land in the cell the drag started from.
class TileLanding : public ProgramFixture {
protected:
    void fly(int kind, const char* text) {
        runGame();
        s.drag.active = 1;
        s.drag.fromCol = 3;
        s.drag.fromRow = 4;
        s.game.letters[3][4] = ' ';
        startFlight(s, {300, 300}, {163, 174}, kind, text, 0);
    }
};

TEST_F(TileLanding, LetterLandsAfterItsFlight) {
    fly(1, "K");
    platform.advance(250);
    DXTimer1Timer(s);
    EXPECT_TRUE(s.flight.active) << "halfway";
    EXPECT_EQ(s.game.letters[3][4], ' ');
    platform.advance(250);
    DXTimer1Timer(s);
    EXPECT_FALSE(s.flight.active);
    EXPECT_EQ(s.game.letters[3][4], 'K');
    EXPECT_EQ(platform.count("sound 2"), 1);
    EXPECT_EQ(s.drag.active, 0);
    EXPECT_EQ(s.drag.fromCol, 0);
}

TEST_F(TileLanding, WordLandsAcrossFromItsCell) {
    fly(2, "MOT");
    platform.advance(600);
    DXTimer1Timer(s);
    EXPECT_EQ(s.game.letters[3][4], 'M');
    EXPECT_EQ(s.game.letters[4][4], 'O');
    EXPECT_EQ(s.game.letters[5][4], 'T');
}

TEST_F(TileLanding, BlackSquareLandsAsABlackSquare) {
    fly(3, "*");
    platform.advance(600);
    DXTimer1Timer(s);
    EXPECT_EQ(s.game.letters[3][4], '*');
    EXPECT_EQ(s.game.tileStyles[3][4], 3u);
}

TEST_F(TileLanding, WordRunningPastTheBoardEdgeIsCut) {
    fly(2, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    s.drag.fromCol = 15;
    platform.advance(600);
    DXTimer1Timer(s);
    EXPECT_EQ(s.game.letters[15][4], 'A');
    EXPECT_EQ(s.game.letters[20][4], 'F');
}

}  // namespace glossamo::testing
