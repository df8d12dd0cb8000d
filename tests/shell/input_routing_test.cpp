#include "shell/input_routing.hpp"

#include "shell/frame_tick.hpp"
#include "shell/window_events.hpp"
#include "support/program_fixture.hpp"

namespace glossamo::testing {

using Escape = ProgramFixture;

TEST_F(Escape, OnTheFamilyListOpensTheQuitConfirmation) {
    s.app.titleShowing = 0;
    s.app.screen = 1;
    FormKeyDown(s, vk::Escape, 0);
    EXPECT_EQ(s.app.screen, 100);
    EXPECT_EQ(s.app.panelX, 800);
}

TEST_F(Escape, OnAnyOtherScreenClosesIt) {
    for (int screen : {2, 3, 5, 8, 100}) {
        s.app.screen = screen;
        FormKeyDown(s, vk::Escape, 0);
        EXPECT_EQ(s.app.screen, 0) << "screen " << screen;
    }
    s.app.titleShowing = 0;
    DXTimer1Timer(s);
    EXPECT_EQ(s.app.screen, 1) << "with no game running, the next frame shows the family list";
}

TEST_F(Escape, OverAPanelDuringAGameReturnsToTheGame) {
    runGame();
    s.app.screen = 5;
    FormKeyDown(s, vk::Escape, 0);
    EXPECT_EQ(s.app.screen, 0);
    EXPECT_TRUE(s.gameRunning());
    EXPECT_EQ(s.app.gameLost, 0) << "the key was used up by the panel";
}

TEST_F(Escape, GivesUpARunningGameThenLeavesIt) {
    runGame();
    s.drag.active = 1;
    platform.advance(500);
    FormKeyDown(s, vk::Escape, 0);
    EXPECT_EQ(s.app.gameLost, 1);
    EXPECT_EQ(s.app.endTick, platform.ticks());
    EXPECT_EQ(s.drag.active, 0);
    EXPECT_TRUE(s.gameRunning()) << "the solution stays on screen";

    FormKeyDown(s, vk::Escape, 0);
    EXPECT_FALSE(s.gameRunning());
    EXPECT_EQ(s.app.gameLost, 0);
    EXPECT_EQ(s.game.gameId, 0u);
}

TEST_F(Escape, AfterAWinLeavesTheGameAndStopsTheClock) {
    runGame();
    platform.setPlayClockEnabled(true);
    s.app.gameWon = 1;
    FormKeyDown(s, vk::Escape, 0);
    EXPECT_FALSE(s.gameRunning());
    EXPECT_FALSE(platform.playClockEnabled());
    EXPECT_EQ(s.app.gameWon, 0);
}

// The travel test answers the question; here only that nothing ends before it.
TEST_F(Escape, OnTheTravelMapAsksBeforeEndingTheTravel) {
    runGame();
    s.travel.mapShown = 1;
    s.travel.underWay = 1;
    FormKeyDown(s, vk::Escape, 0);
    EXPECT_EQ(s.app.screen, screens::Confirmation);
    EXPECT_EQ(s.travel.mapShown + s.travel.underWay, 2);
    EXPECT_EQ(s.game.gameId, 8u);
}

TEST_F(Escape, AfterAFailedTravelReturnsToTheMenus) {
    runGame();
    s.travel.failed = 1;
    FormKeyDown(s, vk::Escape, 0);
    EXPECT_FALSE(s.gameRunning());
    EXPECT_EQ(s.travel.failed, 0);
    EXPECT_EQ(s.app.gameLost, 0) << "the key was used up: the game is not given up";
}

class TypedText : public ProgramFixture {
protected:
    void SetUp() override { s.app.screen = 8; }
    // Characters arrive as the platform's text input, in UTF-8.
    void type(const std::string& utf8) { WindowEvents(s).onTextInput(utf8); }
    void keys(const std::vector<int>& keys) {
        for (int key : keys) FormKeyDown(s, key, 0);
    }
};

TEST_F(TypedText, AcceptsLettersDigitsBlankAndStar) {
    type("az09: **");
    EXPECT_EQ(s.typedText.view(), "AZ09: **");
}

TEST_F(TypedText, AccentsFoldToTheirLetterAndOtherCharactersAreDropped) {
    type("Émilie-Françoise Dupont");
    EXPECT_EQ(s.typedText.view(), "EMILIEFRANCOISE ") << "stopped at sixteen characters";
    s.typedText.clear();
    type("&é\"'(-è_çà)=");  // the digit row of a French keyboard, unshifted
    EXPECT_EQ(s.typedText.view(), "EECA");
    s.typedText.clear();
    type("/;@[`.€ßæ");
    EXPECT_TRUE(s.typedText.empty());
}

TEST_F(TypedText, KeysAloneTypeNothing) {
    keys({'A', 'L', '8', vk::Space, vk::NumpadMultiply, vk::Oem5});
    FormKeyDown(s, 'L', keymod::Ctrl);
    EXPECT_TRUE(s.typedText.empty()) << "characters come from the text input only";
}

TEST_F(TypedText, OnlyOnTheTextEntryScreens) {
    for (int screen : {0, 1, 2, 3, 5, 7, 100}) {
        s.app.screen = screen;
        type("A");
    }
    EXPECT_TRUE(s.typedText.empty());
    for (int screen : {6, 8, 9}) {
        s.app.screen = screen;
        type("a");
    }
    EXPECT_EQ(s.typedText.view(), "AAA");
}

TEST_F(TypedText, StopsAtSixteenCharacters) {
    for (int i = 0; i < 17; ++i) type(std::string(1, static_cast<char>('A' + i)));
    EXPECT_EQ(s.typedText.view(), "ABCDEFGHIJKLMNOP");
}

TEST_F(TypedText, BackspaceRemovesTheLastCharacterAndStopsWhenEmpty) {
    type("LA");
    keys({vk::Backspace});
    EXPECT_EQ(s.typedText.view(), "L");
    keys({vk::Backspace, vk::Backspace});
    EXPECT_TRUE(s.typedText.empty());
    type("U");
    EXPECT_EQ(s.typedText.view(), "U");
}

TEST_F(TypedText, NameFollowsTheTypingOnTheProfileScreen) {
    s.app.screen = 6;
    s.app.playerName = "MARIE";
    type("Léa");
    keys({vk::Backspace});
    EXPECT_EQ(s.app.playerName.view(), "LE") << "Backspace updates the name";
    type("o");
    keys({vk::Enter});
    EXPECT_EQ(s.app.playerName.view(), "LEO");
    EXPECT_EQ(platform.count("sound 1"), 1);
}

using Mouse = ProgramFixture;

TEST_F(Mouse, ClickSkipsTheTitle) {
    s.app.titleShowing = 1;
    s.app.titleTick = platform.ticks();
    DXMouseDown(s, ButtonLeft, 10, 10);
    EXPECT_EQ(s.app.titleShowing, 0);
    EXPECT_EQ(s.app.clickPending, 0u) << "the click only skips the title";
}

TEST_F(Mouse, ClickOnAMenuScreenWaitsForTheNextFrame) {
    s.app.titleShowing = 0;
    s.app.screen = 1;
    platform.advance(77);
    DXMouseDown(s, ButtonLeft, 10, 10);
    EXPECT_EQ(s.app.clickPending, 1u);
    EXPECT_EQ(s.app.lastScrollTick, platform.ticks());
    DXMouseUp(s, ButtonLeft, 10, 10);
    EXPECT_EQ(s.app.clickPending, 0u);
}

TEST_F(Mouse, ClickOnTheTravelMapMarksIt) {
    s.app.titleShowing = 0;
    s.app.screen = 0;
    s.travel.mapShown = 1;
    DXMouseDown(s, ButtonLeft, 10, 10);
    EXPECT_EQ(s.travel.mapClicked, 1);
}

TEST_F(Mouse, ClickAfterALostGameLeavesIt) {
    runGame();
    s.app.gameLost = 1;
    DXMouseDown(s, ButtonLeft, 10, 10);
    EXPECT_FALSE(s.gameRunning());
    EXPECT_EQ(s.game.gameId, 0u);
}

// A double click acts once: its second press, on a view the first one
// changed, does nothing; and the bar of an ended game sleeps under its banner.
TEST_F(Mouse, TheSecondPressOfADoubleClickNeverActsOnWhatTheFirstOpened) {
    runGame();
    s.app.gameWon = 1;
    s.app.hoverFlag = 1;  // the pointer on a button of the bar
    DXMouseDown(s, ButtonLeft, 10, 10);
    EXPECT_FALSE(s.gameRunning()) << "the click leaves the won game, whatever is under it";
    DXMouseUp(s, ButtonLeft, 10, 10);
    s.app.screen = screens::Families;
    platform.presses = 2;
    DXMouseDown(s, ButtonLeft, 10, 10);
    EXPECT_EQ(s.app.clickPending, 0u) << "meant for the game, not for the menu";
    DXMouseDown(s, ButtonLeft, 10, 10);
    EXPECT_EQ(s.app.clickPending, 1u) << "a double click on one view acts";
}

TEST_F(Mouse, ClickAfterACompletedTravelEndsIt) {
    runGame();
    s.travel.underWay = 1;
    s.travel.completed = 1;
    s.app.gameWon = 1;
    DXMouseDown(s, ButtonLeft, 10, 10);
    EXPECT_FALSE(s.gameRunning());
    EXPECT_EQ(s.travel.underWay, 0);
    EXPECT_EQ(s.travel.completed, 0) << "the reset clears it";
}

TEST_F(Mouse, MovesMapToBoardCells) {
    runGame();
    DXMouseMove(s, 70 + 31 * 3 + 30, 50 + 31 * 5);
    EXPECT_EQ(s.mousePos, (Point{70 + 31 * 3 + 30, 50 + 31 * 5}));
    EXPECT_EQ(s.game.hoverCol, 3);
    EXPECT_EQ(s.game.hoverRow, 5);
    s.app.screen = 4;
    DXMouseMove(s, 500, 500);
    EXPECT_EQ(s.game.hoverCol, 3) << "cells are not tracked under a menu screen";
}

TEST_F(Mouse, InputIsIgnoredWhileATileFlies) {
    runGame();
    s.flight.active = 1;
    s.app.titleShowing = 1;
    s.app.cursorShape = -21;
    DXMouseDown(s, ButtonLeft, 1, 1);
    DXMouseMove(s, 200, 200);
    EXPECT_EQ(s.app.titleShowing, 1);
    EXPECT_EQ(s.mousePos, (Point{0, 0}));
    EXPECT_EQ(s.app.cursorShape, 0) << "a move still resets the pointer shape";
}

// F11 switches between full screen and a window on any screen, and is
// never typed into a name.
TEST_F(TypedText, F11SwitchesTheWindowModeAndTypesNothing) {
    s.typedText = "LEA";
    FormKeyDown(s, vk::F11, 0);
    EXPECT_TRUE(platform.windowed());
    EXPECT_EQ(s.typedText.view(), "LEA");
    EXPECT_EQ(s.app.screen, 8) << "the screen stays open";
    FormKeyDown(s, vk::F11, 0);
    EXPECT_FALSE(platform.windowed()) << "twice: back to full screen";
}

}  // namespace glossamo::testing
