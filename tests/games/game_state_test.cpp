// Resetting and leaving games, the play clock, and the helpers under them.
#include "base/file_system.hpp"
#include "base/text_encoding.hpp"
#include "games/game_reset.hpp"
#include "play/catalogue.hpp"
#include "play/game_start.hpp"
#include "profile/scores.hpp"
#include "support/program_fixture.hpp"

namespace glossamo::testing {

using GameReset = ProgramFixture;

TEST_F(GameReset, ResetGameRecordPreparesAnEmptyBoard) {
    runGame();
    s.game.letters[20][20] = 'Q';
    s.game.tileStyles[20][20] = 3;
    s.game.colours[1][1] = HighlightInk;
    s.game.texts[30] = "FIN";
    s.game.counterB = 9;
    s.game.boardLeft = 10;
    s.clock.minutes = 5;
    s.clock.clockText = "05mn 00s";
    s.banner.x = 12;
    s.endSoundPlayed = 1;
    s.travel.completed = 1;
    platform.setPlayClockEnabled(true);

    resetGameRecord(s);
    EXPECT_EQ(s.game.letters[20][20], '*');
    EXPECT_EQ(s.game.tileStyles[20][20], 1u);
    EXPECT_EQ(s.game.colours[1][1], NormalInk);
    EXPECT_EQ(s.game.numbers[0][0], 1u);
    EXPECT_EQ(s.game.solution[7][3], 1u);
    EXPECT_TRUE(s.game.texts[30].empty());
    EXPECT_EQ(s.game.counterB, 0u);
    EXPECT_EQ(s.game.boardLeft, 70);
    EXPECT_EQ(s.game.pickedLetter, ' ');
    EXPECT_EQ(s.game.built, 0);
    EXPECT_EQ(s.clock.minutes, 0);
    EXPECT_EQ(s.clock.clockText.view(), "00H00MN00S");
    EXPECT_EQ(s.banner.x, 400);
    EXPECT_EQ(s.banner.dx, -1);
    EXPECT_EQ(s.endSoundPlayed, 0);
    EXPECT_EQ(s.travel.completed, 0);
    EXPECT_FALSE(platform.playClockEnabled());
    EXPECT_EQ(s.game.gameId, 8u) << "the identifier is the starter's business";
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
