// The daily challenge: the same puzzles for two players on one date, others
// the next day; the first result of a day kept through replays and a clock
// set back; the result line.
#include "challenge/daily_challenge.hpp"

#include <algorithm>

#include "stats/statistics.hpp"
#include "support/headless_run.hpp"
#include "sweep/game_solvers.hpp"

namespace glossamo::testing {

namespace {

// What a player sees of the puzzle being built: its board and its texts.
std::string builtShown(HeadlessRun& run) {
    ProgramState& s = run.state();
    for (int frames = 0; s.game.built == 0 && frames < 200; ++frames) run.step();
    std::string shown(reinterpret_cast<const char*>(&s.game.letters), sizeof s.game.letters);
    for (const auto& text : s.game.texts) shown += text.str() + "|";
    return shown;
}

std::string puzzleShown(HeadlessRun& run, int slot) {
    startChallengePuzzle(run.state(), slot);
    return builtShown(run);
}

// Opens the challenge panel from the main bar and clicks the day before
// `back` times, then the day after `forward` times.
void openChallengePanel(HeadlessRun& run, int back, int forward = 0) {
    ProgramState& s = run.state();
    run.click({560 + 24, 540 + 24});
    run.frames(60);
    for (int i = 0; i < back; ++i) run.click({s.app.panelX + 30 + 10, s.app.panelY + 40 + 10});
    for (int i = 0; i < forward; ++i) run.click({s.app.panelX + 420 + 10, s.app.panelY + 40 + 10});
    run.step();
}

bool drawnText(HeadlessRun& run, const std::string& text) {
    const auto& drawn = run.platform().canvas().lastFrameBoxes();
    return std::any_of(drawn.begin(), drawn.end(), [&](const DrawnBox& d) { return d.what == text; });
}

void playOn(HeadlessRun& run, const LocalTime& date, std::uint64_t clockSeed) {
    run.platform().now = date;
    run.platform().setClockSeed(clockSeed);
    run.click({400, 300});
}

// Spells an accepted word other than the hidden one into Motuce's open row.
void spellWrongTry(HeadlessRun& run) {
    ProgramState& s = run.state();
    const std::string hidden = s.game.texts[1].str();
    std::vector<std::string> words;
    s.words.FindPatternWords(hidden.substr(0, 1) + std::string(hidden.size() - 1, '?'), words);
    const auto other = std::find_if(words.begin(), words.end(),
                                    [&](const std::string& w) { return w != hidden && IsSpellable(w); });
    ASSERT_NE(other, words.end());
    const int row = 6 + static_cast<int>(s.game.counterC);
    for (std::size_t i = 1; i < other->size(); ++i) {
        const int k = (*other)[i] - 'A';
        run.drag(7 + k % 13, 2 + k / 13, 7 + static_cast<int>(i), row);
    }
    run.step();
}

}  // namespace

// The second player plays with "Mots faciles": the challenge draws every
// word all the same.
TEST(DailyChallenge, TwoPlayersGetTheSamePuzzlesAndTheNextDayOthers) {
    HeadlessRun first, second, nextDay;
    playOn(first, {2026, 12, 8, 9, 0, 0}, 11);
    playOn(second, {2026, 12, 8, 22, 30, 0}, 977);
    second.state().easyWords = 1;
    playOn(nextDay, {2026, 12, 9, 9, 0, 0}, 11);
    for (int slot = 0; slot < ChallengePuzzles; ++slot) {
        const std::string shown = puzzleShown(first, slot);
        EXPECT_EQ(first.state().game.gameId, static_cast<std::uint32_t>(challengePuzzles()[slot].gameId));
        EXPECT_EQ(puzzleShown(second, slot), shown) << slot;
        EXPECT_NE(puzzleShown(nextDay, slot), shown) << slot;
    }
}

TEST(DailyChallenge, TheFirstResultOfADayStaysThroughReplaysAndAClockSetBack) {
    HeadlessRun run;
    ProgramState& s = run.state();
    playOn(run, {2026, 12, 8, 9, 0, 0}, 5);
    puzzleShown(run, 0);
    run.key(vk::Escape);
    run.step();
    puzzleShown(run, 0);  // a replay, won this time
    ASSERT_TRUE(winGame(run));
    run.step();
    run.platform().now = {2026, 12, 7, 9, 0, 0};  // the clock set back a day
    puzzleShown(run, 0);
    ASSERT_TRUE(winGame(run));
    run.step();
    run.platform().now = {2026, 12, 8, 9, 0, 0};
    puzzleShown(run, 0);
    run.key(vk::Escape);
    run.step();

    const IniFile kept = IniFile::read(challengePath(s));
    const ChallengeResult today = challengeDay(kept, 20261208)[0];
    EXPECT_TRUE(today.played);
    EXPECT_FALSE(today.won) << "the first result of the day stays";
    EXPECT_TRUE(challengeDay(kept, 20261207)[0].won) << "the day before has its own";
    EXPECT_FALSE(challengeDay(kept, 20261208)[1].played);
}

// A past day's puzzles, played from the panel two days later, are the ones
// that day gave; a late win is kept apart and does not complete the day's
// run even when it fills the day's last gap.
TEST(DailyChallenge, APastDayGivesItsPuzzlesAndItsLateWinLeavesTheRunAlone) {
    HeadlessRun thatDay, later;
    playOn(thatDay, {2026, 12, 8, 9, 0, 0}, 11);
    playOn(later, {2026, 12, 10, 9, 0, 0}, 977);
    ProgramState& s = later.state();
    const char* won = "=G,60,3,0\r\n";
    ASSERT_TRUE(IniFile::parse(std::string("[DEFI 20261208]\r\nJeu2") + won + "Jeu3" + won + "[DEFI 20261209]\r\nJeu1" +
                               won + "Jeu2" + won + "Jeu3" + won + "[DEFI 20261210]\r\nJeu1" + won + "Jeu2" + won +
                               "Jeu3" + won)
                    .write(challengePath(s)));
    const int runBefore = challengeRun(IniFile::read(challengePath(s)), 20261210);
    ASSERT_EQ(runBefore, 2);
    for (int slot = ChallengePuzzles - 1; slot >= 0; --slot) {
        const std::string onTheDay = puzzleShown(thatDay, slot);
        openChallengePanel(later, 2);
        later.click({s.app.panelX + 480 + 10, s.app.panelY + 80 + 52 * slot + 10});
        EXPECT_EQ(builtShown(later), onTheDay) << slot;
        EXPECT_EQ(s.game.gameId, static_cast<std::uint32_t>(challengePuzzles()[slot].gameId));
        if (slot == 0) break;
        for (int i = 0; i < 2; ++i) {  // given up, then left
            later.key(vk::Escape);
            later.frames(2);
        }
    }
    ASSERT_TRUE(winGame(later));
    later.step();
    const IniFile kept = IniFile::read(challengePath(s));
    EXPECT_TRUE(challengeDay(kept, 20261208)[0].won);
    EXPECT_TRUE(challengeDay(kept, 20261208)[0].late);
    EXPECT_EQ(kept.value("DEFI 20261208", "Jeu1", ""), "") << "the in-time key stays free";
    EXPECT_EQ(challengeRun(kept, 20261210), runBefore);
    later.key(vk::Escape);
    later.frames(2);
    ASSERT_EQ(s.app.screen, screens::Challenge);
    EXPECT_TRUE(drawnText(later, s.app.comments[191].str())) << "the panel tells the result was late";
}

// Back stops at the first day of the lists, forward at today.
TEST(DailyChallenge, ThePanelGoesBackToTheFirstDayAndForwardToToday) {
    HeadlessRun run;
    const std::uint32_t today = dayAfter(dayAfter(FirstChallengeDate));
    run.platform().now = dateOf(today);
    run.platform().now.hour = 9;
    run.click({400, 300});
    openChallengePanel(run, 5);
    EXPECT_EQ(run.state().challengeDaysBack, 2);
    EXPECT_TRUE(drawnText(run, run.state().app.comments[190].str() + " " + spokenDate(FirstChallengeDate)));
    openChallengePanel(run, 1, 4);
    EXPECT_EQ(run.state().challengeDaysBack, 0);
    EXPECT_TRUE(drawnText(run, run.state().app.comments[160].str() + " - " + spokenDate(today)));
    // A date typed, then Enter: the day asked for, or none before the first
    // day, after today or that the calendar does not have.
    const auto typeDate = [&](const std::string& date) {
        run.type(date);
        run.key(vk::Enter);
        run.step();
        return run.state().challengeDaysBack;
    };
    EXPECT_EQ(typeDate("8 12"), 1);
    EXPECT_EQ(typeDate("7:12:2026"), 2);
    for (const char* refused : {"6 12 2026", "10 12", "31 11 2026", "12"}) EXPECT_EQ(typeDate(refused), 2) << refused;
    run.state().popup.active = 0;
    EXPECT_EQ(typeDate(""), 2);
    EXPECT_FALSE(run.state().popup.active) << "Enter with nothing typed refuses no day";
}

// The try counter moves on past a winning try: what is counted is the
// try that won.
TEST(DailyChallenge, AMotuceWonOnItsSeventhRowCountsSevenTries) {
    HeadlessRun run;
    ProgramState& s = run.state();
    playOn(run, {2026, 12, 8, 9, 0, 0}, 5);
    puzzleShown(run, 0);
    for (int k = 1; k <= 6; ++k) spellWrongTry(run);
    ASSERT_EQ(s.game.counterC, 7u);
    ASSERT_TRUE(winGame(run));
    run.step();
    const PlayStats stats = readPlayStats(IniFile::read(statisticsPath(s)), levelSection(challengePuzzles()[0].gameId));
    EXPECT_EQ(stats.tries[7], 1);
    EXPECT_EQ(stats.tries[8], 0);
    const ChallengeDay day = challengeDay(IniFile::read(challengePath(s)), 20261208);
    EXPECT_EQ(day[0].tries, 7);
    EXPECT_NE(challengeLine(20261208, day).find("Motuce 7/8"), std::string::npos);
    // Left, the game gives the panel back, which writes the count in French.
    run.key(vk::Escape);
    run.frames(2);
    EXPECT_TRUE(drawnText(run, "gagn\xE9 en 7 essais"));
}

// A puzzle kept by the quick exit is still the challenge's when it comes
// back, the next day too; once it ends and is left, the challenge's panel
// shows its result.
TEST(DailyChallenge, APuzzleResumedAfterTheQuickExitCountsForItsDay) {
    HeadlessRun run;
    playOn(run, {2026, 12, 8, 23, 50, 0}, 5);
    puzzleShown(run, 2);
    run.frames(3);
    run.restart();
    run.platform().now = {2026, 12, 9, 0, 10, 0};
    run.frames(410);  // the title picture's time
    ProgramState& s = run.state();
    ASSERT_EQ(s.game.gameId, static_cast<std::uint32_t>(challengePuzzles()[2].gameId));
    ASSERT_TRUE(winGame(run));
    run.step();
    const IniFile kept = IniFile::read(challengePath(s));
    EXPECT_TRUE(challengeDay(kept, 20261208)[2].won);
    EXPECT_FALSE(challengeDay(kept, 20261209)[2].played);
    run.key(vk::Escape);
    run.frames(2);
    EXPECT_FALSE(s.gameRunning());
    EXPECT_EQ(s.app.screen, screens::Challenge);
}

TEST(DailyChallenge, TheResultLineTellsTheResultsAndNoAnswer) {
    ChallengeDay day;
    day[0] = {true, true, 0, 4, 0};
    day[1] = {true, true, 372, 0, 0};
    day[2] = {true, true, 95, 0, 2};
    EXPECT_EQ(challengeLine(20261208, day),
              "GLOSSAMO d\u00e9fi du 8 d\u00e9cembre 2026 : Motuce 4/8 \u00b7 Mots cod\u00e9s 6 min 12 s \u00b7 "
              "Proverbe 2 erreurs");
    day[0] = {true, false, 80, 8, 0};
    day[1] = {};
    day[2].misses = 1;
    EXPECT_EQ(challengeLine(20270101, day),
              "GLOSSAMO d\u00e9fi du 1er janvier 2027 : Motuce perdu \u00b7 Mots cod\u00e9s \u00e0 jouer \u00b7 "
              "Proverbe 1 erreur");
    IniFile days = IniFile::parse("[DEFI 20261231]\r\nJeu1=G,1,1,0\r\nJeu2=G,1,0,0\r\nJeu3=G,1,0,0\r\n"
                                  "[DEFI 20270101]\r\nJeu1=G,1,1,0\r\nJeu2=G,1,0,0\r\nJeu3=G,9,0,x\r\n");
    EXPECT_EQ(challengeRun(days, 20270101), 1) << "a damaged result is not a win; today may still come";
    EXPECT_EQ(challengeRun(days, 20270102), 0);
}

}  // namespace glossamo::testing
