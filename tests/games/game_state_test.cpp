// Resetting and leaving games, the play clock, and the helpers under them.
#include "base/file_system.hpp"
#include "base/text_encoding.hpp"
#include "platform/canvas.hpp"
#include "games/game_reset.hpp"
#include "play/catalogue.hpp"
#include "play/game_start.hpp"
#include "profile/scores.hpp"
#include "support/headless_run.hpp"
#include "support/program_fixture.hpp"
#include "sweep/game_solvers.hpp"

namespace glossamo::testing {

using GameReset = ProgramFixture;

// A game started after another, played and won, builds and shows exactly
// what the same game shows in a program that never played one: nothing of
// the game before is left in the record, the clock or the banner.
TEST(GameResetAfterPlay, AGameStartedAfterAnotherIsTheOneAFreshProgramStarts) {
    const auto startAndBuild = [](HeadlessRun& run, int id) {
        run.platform().setClockSeed(7);
        startGame(run.state(), id);
        for (int k = 0; k < 300 && run.state().game.built == 0; ++k) run.step();
        run.moveTo({795, 300});
        run.frames(5);
    };
    HeadlessRun played, fresh;
    played.click({400, 300});
    fresh.click({400, 300});
    startAndBuild(played, 51);  // a Motuce game, won
    ASSERT_TRUE(winGame(played));
    played.frames(50);
    startAndBuild(played, 62);  // then a letter-sums grid
    startAndBuild(fresh, 62);
    const GameRecord &a = played.state().game, &b = fresh.state().game;
    EXPECT_EQ(a.letters, b.letters);
    EXPECT_EQ(a.tileStyles, b.tileStyles);
    EXPECT_EQ(a.numbers, b.numbers);
    EXPECT_EQ(a.solution, b.solution);
    EXPECT_TRUE(a.counterA == b.counterA && a.counterB == b.counterB && a.counterC == b.counterC);
    for (std::size_t k = 0; k < a.texts.size(); ++k) EXPECT_EQ(a.texts[k].view(), b.texts[k].view()) << k;
    const auto differing = [&] {
        const Canvas &shownA = played.platform().canvas(), &shownB = fresh.platform().canvas();
        int n = 0;
        for (int y = 0; y < SurfaceHeight; ++y)
            for (int x = 0; x < SurfaceWidth; ++x) n += shownA.pixel(x, y) != shownB.pixel(x, y);
        return n;
    };
    EXPECT_EQ(differing(), 0) << "the second game at its build";
    for (HeadlessRun* run : {&played, &fresh}) {
        ASSERT_TRUE(winGame(*run));
        run->frames(30);
    }
    EXPECT_EQ(differing(), 0) << "the second game won, its banner and score";
}

TEST_F(GameReset, ANewGameDropsTheLetterStillCarriedOrFlying) {
    buildCatalogue(s);
    runGame();
    s.drag.active = 1;
    s.drag.text = "E";
    s.drag.fromCol = 3;
    s.drag.fromRow = 4;
    s.flight.active = 1;
    s.flight.kind = 1;
    s.flight.text = "E";
    startGame(s, 9);
    EXPECT_EQ(s.drag.active, 0);
    EXPECT_TRUE(s.drag.text.empty());
    EXPECT_EQ(s.flight.active, 0);
}

TEST_F(GameReset, ResetReseedsTheGeneratorFromTheClock) {
    platform.setClockSeed(42);
    resetGameRecord(s);
    const int first = s.rng.below(1000000);
    s.rng.below(1000000);
    resetGameRecord(s);
    EXPECT_EQ(s.rng.below(1000000), first);
}

TEST_F(GameReset, LeaveGameClearsTheEndAndTheRulesText) {
    runGame();
    s.app.gameWon = 1;
    s.app.scoreRecorded = 1;
    s.app.hoverFlag = 1;
    s.app.cursorShape = -21;
    s.listBox(6).entries[1] = "R\xE8gle";
    s.listBox(6).entries[599] = "fin";
    s.listBox(6).entries[0] = "kept";
    s.listBox(6).firstShown = 4;
    leaveGame(s);
    EXPECT_EQ(s.game.gameId, 0u);
    EXPECT_EQ(s.app.gameWon, 0);
    EXPECT_EQ(s.app.scoreRecorded, 0);
    EXPECT_EQ(s.app.hoverFlag, 0);
    EXPECT_EQ(s.app.cursorShape, 0);
    EXPECT_TRUE(s.listBox(6).entries[1].empty());
    EXPECT_TRUE(s.listBox(6).entries[599].empty());
    EXPECT_EQ(s.listBox(6).entries[0], "kept");
    EXPECT_EQ(s.listBox(6).firstShown, 0);
}

using PlayTime = ProgramFixture;

TEST_F(PlayTime, ClockTextShowsHoursAndDaysOnlyWhenThere) {
    for (int i = 0; i < 425; ++i) clockTick(s);
    EXPECT_EQ(s.clock.clockText.view(), "07mn 05s");
    s.clock = PlayClock{};
    s.clock.minutes = 59;
    s.clock.seconds = 59;
    clockTick(s);
    EXPECT_EQ(s.clock.clockText.view(), "01H 00mn 00s");
    s.clock.days = 0;
    s.clock.hours = 23;
    s.clock.minutes = 59;
    s.clock.seconds = 59;
    clockTick(s);
    EXPECT_EQ(s.clock.clockText.view(), "1J 00H 00mn 00s");
}

TEST(ShortStringTest, KeepsOnlyItsCapacity) {
    ShortString<4> text = "ABCDEFG";
    EXPECT_EQ(text.view(), "ABCD");
    text = "";
    EXPECT_TRUE(text.empty());
}

TEST(TextEncoding, Latin1AndUtf8RoundTrip) {
    const std::string latin1 = "Cr\xE9" "ation \xE0 l'\xE9t\xE9 \xFF";
    EXPECT_EQ(latin1ToUtf8(latin1), "Création à l'été ÿ");
    EXPECT_EQ(utf8ToLatin1(latin1ToUtf8(latin1)), latin1);
    EXPECT_EQ(utf8ToLatin1("€ ok"), "? ok") << "outside Latin-1";
    EXPECT_EQ(utf8ToLatin1("\xC3"), "?") << "cut short";
}

TEST(FileMask, MatchesWithoutRegardToCase) {
    EXPECT_TRUE(matchesMask("valse.MID", "*.mid"));
    EXPECT_TRUE(matchesMask("Boss.sa1", "*.SA1"));
    EXPECT_FALSE(matchesMask("valse.midi", "*.mid"));
    EXPECT_FALSE(matchesMask("mid", "*.mid"));
    EXPECT_TRUE(matchesMask("a1.bmp", "a?.bmp"));
}

}  // namespace glossamo::testing
