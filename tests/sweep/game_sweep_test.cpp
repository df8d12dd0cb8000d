// Every game identifier, on the shipped data and with three seeds: started,
// built, (with the first seed, given hints until it refuses one, none of
// which may end it), won through the mouse with its score line recorded, then started
// again, given up with Escape, its solution shown and the game left ten
// seconds later. Every identifier 1..150 has a game routine, so none is
// left out. The statistics count each of those games once, in its level.
#include <cstdio>
#include <cstdlib>

#include <algorithm>

#include "aids/game_aids.hpp"
#include "families/faded_proverbs/faded_proverbs.hpp"
#include "families/hangman/hangman.hpp"
#include "families/motuce/motuce.hpp"
#include "families/registry.hpp"
#include "grid/grid_common.hpp"
#include "play/catalogue.hpp"
#include "play/game_start.hpp"
#include "profile/scores.hpp"
#include "shell/game_dispatcher.hpp"
#include "stats/statistics.hpp"
#include "support/layout_check.hpp"
#include "support/player_list.hpp"
#include "sweep/game_solvers.hpp"

namespace glossamo::testing {

namespace {

// Seeds 1..3, or 1..$GLOSSAMO_SWEEP_SEEDS for a longer sweep.
std::uint64_t seedCount() {
    const char* wanted = std::getenv("GLOSSAMO_SWEEP_SEEDS");
    const long n = wanted ? std::strtol(wanted, nullptr, 10) : 0;
    return n > 0 ? static_cast<std::uint64_t>(n) : 3;
}
constexpr int MostBuildFrames = 200;  // two seconds of frames
constexpr int FramesAfterBuild = 3;
constexpr const char* Player = "SWEEP";
constexpr int MostHints = 30;  // a grid would take a hint per cell: thirty show the rule

// The score list's line of a game won in `seconds` (under an hour): the
// player, the title (cut to 18 characters past 19), the play time and the
// score, over a line of dots that the clock's text does not run past.
std::string expectedScoreLine(const std::string& title, int seconds) {
    const int minutes = seconds / 60, rest = seconds % 60;
    char clock[32] = "00H00MN00S";  // the clock's text before its first second
    if (seconds > 0) std::snprintf(clock, sizeof clock, "%02dmn %02ds", minutes, rest);
    const int points = 10000 - 800 * minutes - 8 * rest;
    return scoreLine(points < 0 ? 1 : points, clock, title);
}

}  // namespace

class GameSweep : public ::testing::TestWithParam<int> {
protected:
    HeadlessRun run;
    ProgramState& s = run.state();

    void SetUp() override {
        run.click({400, 300});  // past the title picture
        s.app.playerName = Player;
        s.ownList = classList();  // what the games of the player's list play
    }

    // Starts the game as the level list does, with the generator seeded
    // from `seed`, and runs frames until it is built. A few frames more
    // without input leave it unsolved: no game plays itself.
    void startAndBuild(int id, std::uint64_t seed) {
        run.platform().setClockSeed(seed);
        startGame(s, id);
        for (int frames = 0; s.game.built == 0; ++frames) {
            ASSERT_LT(frames, MostBuildFrames) << "the game is still building";
            run.step();
        }
        run.frames(FramesAfterBuild);
        ASSERT_EQ(s.app.gameWon, 0) << "won at its build, before any move";
    }

    // Nothing of the last frame covers a text the player reads.
    void expectClearLayout(const char* when) {
        const std::vector<std::string> faults = layoutFaults(run.platform().canvas().lastFrameBoxes());
        std::string shown;
        for (std::size_t k = 0; k < faults.size() && k < 4; ++k) shown += "\n  " + faults[k];
        EXPECT_TRUE(faults.empty()) << when << ": " << faults.size() << " overlaps" << shown;
    }

    // Hints until the game refuses one: each lays something, none ends the
    // game. Every game gives them but the faded proverbs, where any letter
    // shown would be the answer's.
    void takeHints(int id) {
        const bool offered = rulesOf(id) != &FadedProverbsRules;
        ASSERT_EQ(hintsApply(s), offered);
        for (int k = 0; k < MostHints && hintsApply(s); ++k) {
            const std::uint32_t before = s.watch.hints;
            takeHint(s);
            run.frames(2);
            ASSERT_EQ(s.app.gameWon, 0) << "hint " << k + 1 << " ended the game";
            if (s.watch.hints == before) break;
        }
        EXPECT_EQ(s.watch.hints > 0, offered) << "not one hint given";
    }
};

TEST_P(GameSweep, WonThroughTheMouseThenGivenUp) {
    const int id = GetParam();
    ASSERT_NE(rulesOf(id), nullptr);
    ASSERT_FALSE(familyName(id).empty()) << "no player for this identifier";
    for (std::uint64_t seed = 1; seed <= seedCount(); ++seed) {
        SCOPED_TRACE(familyName(id) + ", seed " + std::to_string(seed));
        ASSERT_NO_FATAL_FAILURE(startAndBuild(id, seed));
        const std::string title = s.app.gameTitle.str();
        EXPECT_EQ(title, gameName(s, id));
        expectClearLayout("in play");
        if (seed == 1) {
            ASSERT_NO_FATAL_FAILURE(takeHints(id));
            expectClearLayout("after the hints");
        }

        ASSERT_TRUE(winGame(run)) << "not won";
        run.frames(2);
        expectClearLayout("won");
        EXPECT_FALSE(run.platform().playClockEnabled()) << "the clock stops with the win";
        const int seconds = run.clockSeconds() + HintSeconds * static_cast<int>(s.watch.hints);  // hints are paid in time
        run.click({400, 300});  // the click after the win scores it and leaves
        const auto& scores = s.listBox(5).entries;  // best first: this game's line is anywhere
        const std::string expected = expectedScoreLine(title, seconds);
        EXPECT_TRUE(std::any_of(scores.begin(), scores.end(), [&](const auto& line) { return line == expected; }))
            << expected;
        EXPECT_FALSE(s.gameRunning());
        EXPECT_EQ(s.app.screen, screens::Families);

        ASSERT_NO_FATAL_FAILURE(startAndBuild(id, seed));
        run.key(vk::Escape);
        run.step();
        EXPECT_EQ(s.app.gameLost, 1);
        EXPECT_TRUE(solutionShown(run)) << "the solution is not shown";
        run.step();
        expectClearLayout("given up");
        run.frames(997);
        EXPECT_TRUE(s.gameRunning()) << "left before ten seconds";
        run.frames(2);
        EXPECT_FALSE(s.gameRunning()) << "still there after ten seconds";
        EXPECT_EQ(s.app.screen, screens::Families);
    }
    const int n = static_cast<int>(seedCount());
    const PlayStats counted = readPlayStats(IniFile::read(statisticsPath(s)), playedLevelSection(s, id));
    EXPECT_EQ(counted.played, 2 * n);
    EXPECT_EQ(counted.won, n);
    EXPECT_EQ(counted.lost, n);
    EXPECT_EQ(counted.run, 0) << "the give-up ends the run";
    EXPECT_EQ(counted.lastTimes.size(), static_cast<std::size_t>(n));
    const GameRules* rules = rulesOf(id);
    int tries = 0;
    for (const int k : counted.tries) tries += k;
    EXPECT_EQ(tries, rules == &MotuceRules ? n : 0) << "every Motuce win counts its tries";
    EXPECT_EQ(counted.missGames, rules == &HangmanRules || rules == &ProverbHangmanRules ? 2 * n : 0);
}

INSTANTIATE_TEST_SUITE_P(EveryIdentifier, GameSweep, ::testing::Range(FirstGameId, LastGameId + 1),
                         [](const ::testing::TestParamInfo<int>& info) { return "Game" + std::to_string(info.param); });

}  // namespace glossamo::testing

namespace glossamo::testing {

// Over an ended game, a press on any button of the game's bar does one thing:
// it leaves the game to the family list, or on the play-again button starts
// the same level anew. Nothing drawn in the bar's place hears it after.
class EndedGameBar : public GameSweep {
protected:
    static constexpr Point Bar[] = {{750, 35}, {160, 560}, {220, 560}, {280, 560}, {340, 560}, {400, 560},
                                    {460, 560}, {520, 560}, {580, 560}, {640, 560}, {700, 560}, {760, 560}};
    static constexpr Point PlayAgain{400, 560};

    // Presses at `p` as a player does: the pointer comes, a frame, the click.
    void pressOnce(Point p) {
        run.moveTo(p);
        run.step();
        run.click(p);
        run.frames(3);
    }

    void expectOneAction(int id, Point p) {
        const bool again = p == PlayAgain;
        EXPECT_EQ(s.gameRunning(), again);
        EXPECT_EQ(s.app.screen, again ? screens::None : screens::Families);
        if (again) {
            EXPECT_EQ(s.game.gameId, static_cast<std::uint32_t>(id));
            EXPECT_EQ(s.app.gameWon + s.app.gameLost, 0u);
        }
        EXPECT_FALSE(run.platform().closeRequested);
        EXPECT_EQ(std::count_if(run.platform().journal.begin(), run.platform().journal.end(),
                                [](const std::string& line) { return line.rfind("print", 0) == 0; }),
                  0);
    }
};

TEST_P(EndedGameBar, EachButtonActsOnce) {
    const int id = GameFamilies()[static_cast<std::size_t>(GetParam())].firstId;
    {
        SCOPED_TRACE(familyName(id) + ", won, press on play again");
        ASSERT_NO_FATAL_FAILURE(startAndBuild(id, 1));
        ASSERT_TRUE(winGame(run));
        pressOnce(PlayAgain);
        expectOneAction(id, PlayAgain);
        EXPECT_FALSE(s.listBox(5).entries[1].empty()) << "the win is scored before the level starts again";
        run.key(vk::Escape);
        run.frames(1002);
    }
    for (const Point p : Bar) {
        SCOPED_TRACE(familyName(id) + ", given up, press at " + std::to_string(p.x) + "," + std::to_string(p.y));
        ASSERT_NO_FATAL_FAILURE(startAndBuild(id, 1));
        run.key(vk::Escape);
        run.step();
        pressOnce(p);
        expectOneAction(id, p);
        if (s.gameRunning()) {
            run.key(vk::Escape);
            run.frames(1002);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, EndedGameBar, ::testing::Range(1, FamilyCount + 1),
                         [](const ::testing::TestParamInfo<int>& info) { return "Family" + std::to_string(info.param); });

}  // namespace glossamo::testing

namespace glossamo::testing {

// With "Mots faciles", every word a French game draws or hides is an easy
// word and every French grid is one of the easiest of its size; the other
// lists draw as before, and none of these games enters the statistics.
TEST_P(GameSweep, WithEasyWordsEveryDrawIsEasy) {
    const int id = GetParam();
    const GameEntry entry = gameEntry(id);
    ASSERT_NE(entry.run, nullptr);
    const bool french = entry.run->wordList == 0;
    s.easyWords = 1;
    s.words.drawLog.kept = true;
    for (std::uint64_t seed = 1; seed <= seedCount(); ++seed) {
        SCOPED_TRACE(familyName(id) + ", seed " + std::to_string(seed));
        s.words.drawLog.words.clear();
        s.words.drawLog.grids.clear();
        ASSERT_NO_FATAL_FAILURE(startAndBuild(id, seed));
        for (const std::string& word : s.words.drawLog.words)
            EXPECT_TRUE(!french || s.words.isEasy(word)) << word;
        const bool rankedGrids = french && entry.run->gridFile != nullptr;
        EXPECT_EQ(s.words.drawLog.grids.size(), rankedGrids ? 1u : 0u);
        for (const auto& [size, rank] : s.words.drawLog.grids)
            EXPECT_LE(rank, easyGridCut(gridRanks(s, size, entry.run->gridFile))) << size << "x" << size;
        run.key(vk::Escape);
        run.frames(2);
    }
    // The proverbs draw no word: they are counted whatever the vocabulary.
    const bool proverbs = entry.rules() == &ProverbHangmanRules || entry.rules() == &FadedProverbsRules;
    const PlayStats counted = readPlayStats(IniFile::read(statisticsPath(s)), playedLevelSection(s, id));
    EXPECT_EQ(counted.played, french && !proverbs ? 0 : static_cast<int>(seedCount()));
}

}  // namespace glossamo::testing
