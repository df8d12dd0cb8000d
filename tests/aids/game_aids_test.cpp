// Hints and checks played through the bar of the real frame routine: a hint
// in a grid, in Motuce and in a hangman game, each paid a minute of play; a
// check marks a wrong letter; a win with a hint is marked in the statistics.
#include "aids/game_aids.hpp"

#include "families/registry.hpp"

#include "games/board_services.hpp"
#include "play/game_start.hpp"
#include "shell/input_routing.hpp"
#include "stats/statistics.hpp"
#include "support/headless_run.hpp"
#include "sweep/game_solvers.hpp"

namespace glossamo::testing {

namespace {

constexpr Point HintButton{260 + 24, 540 + 24};
constexpr Point CheckButton{200 + 24, 540 + 24};

class Aids : public ::testing::Test {
protected:
    HeadlessRun run;
    ProgramState& s = run.state();

    void SetUp() override { run.click({400, 300}); }
    void startAndBuild(int id) {
        run.platform().setClockSeed(3);
        startGame(s, id);
        for (int frames = 0; s.game.built == 0 && frames < 200; ++frames) run.step();
        ASSERT_EQ(s.game.built, 1);
        run.frames(3);
    }
    int playSeconds() const { return s.clock.minutes * 60 + s.clock.seconds; }
    // The bar's buttons act on the frame between the press and the release;
    // the pointer then leaves the bar, as a hand does.
    void press(Point button) {
        run.moveTo(button);
        run.step();
        run.click(button);
        run.moveTo({400, 300});
        run.step();
    }
};

}  // namespace

TEST_F(Aids, AGridHintLaysAndLocksARightLetterAndACheckMarksAWrongOne) {
    startAndBuild(3);  // Mots codés 8 x 8
    std::vector<Point> open;
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r)
            if (expectedGridLetter(s, *rulesOf(static_cast<int>(s.game.gameId)), c, r) && s.game.movable[c][r] && s.game.letters[c][r] == ' ')
                open.push_back({c, r});
    ASSERT_GE(open.size(), 3u);
    s.keyCursor = open[1];
    const int before = playSeconds();
    press(HintButton);
    const Point hinted = open[1];
    EXPECT_EQ(s.game.letters[hinted.x][hinted.y], expectedGridLetter(s, *rulesOf(static_cast<int>(s.game.gameId)), hinted.x, hinted.y)) << "under the cursor";
    EXPECT_EQ(s.game.movable[hinted.x][hinted.y], 0) << "locked";
    EXPECT_GE(playSeconds() - before, HintSeconds);

    const Point wrong = open[2];
    const char right = expectedGridLetter(s, *rulesOf(static_cast<int>(s.game.gameId)), wrong.x, wrong.y);
    s.game.letters[wrong.x][wrong.y] = right == 'Z' ? 'Y' : static_cast<char>(right + 1);
    const int beforeCheck = playSeconds();
    press(CheckButton);
    EXPECT_EQ(s.wrongMarks[wrong.x][wrong.y], s.game.letters[wrong.x][wrong.y]);
    EXPECT_EQ(s.wrongMarks[hinted.x][hinted.y], 0);
    EXPECT_GE(playSeconds() - beforeCheck, CheckSeconds);
    EXPECT_LT(playSeconds() - beforeCheck, HintSeconds);

    // Undo takes back the player's move made before a hint; the hinted
    // letter stays where the hint put it.
    s.keyCursor = open[0];
    run.type("Q");
    run.step();
    s.keyCursor = wrong;
    press(HintButton);
    ASSERT_EQ(s.game.movable[wrong.x][wrong.y], 0);
    FormKeyDown(s, 'Z', keymod::Ctrl);
    run.step();
    EXPECT_EQ(s.game.letters[open[0].x][open[0].y], ' ') << "the move before the hint is taken back";
    EXPECT_EQ(s.game.letters[wrong.x][wrong.y], right);
    EXPECT_EQ(s.game.movable[wrong.x][wrong.y], 0);
    EXPECT_EQ(s.game.letters[hinted.x][hinted.y], expectedGridLetter(s, *rulesOf(static_cast<int>(s.game.gameId)), hinted.x, hinted.y));

    ASSERT_TRUE(winGame(run));
    run.step();
    const PlayStats counted = readPlayStats(IniFile::read(statisticsPath(s)), levelSection(3));
    EXPECT_EQ(counted.won, 1);
    EXPECT_EQ(counted.wonWithHints, 1);
    EXPECT_EQ(counted.hintsTaken, 2);
    EXPECT_EQ(counted.checksTaken, 1);
}

TEST_F(Aids, MotuceHiddenWordsAndHangmanHintsShowAPartOfTheAnswer) {
    startAndBuild(51);  // Motuce, 6 letters
    const std::string hidden = s.game.texts[1].str();
    press(HintButton);
    int right = 0;
    for (int i = 1; i < static_cast<int>(hidden.size()); ++i) right += s.game.letters[7 + i][7] == hidden[i];
    EXPECT_EQ(right, 1) << "one letter, in its place on the try";
    EXPECT_EQ(s.clock.minutes, 1);
    // A try with one blank left: the hint mends a wrong letter rather than
    // fill the blank, which would have the try judged (and wiped).
    const int n = static_cast<int>(hidden.size());
    s.game.letters[8][7] = ' ';
    for (int i = 2; i < n; ++i) s.game.letters[7 + i][7] = hidden[i] == 'Z' ? 'Y' : 'Z';
    press(HintButton);
    int mended = 0;
    for (int i = 2; i < n; ++i) mended += s.game.letters[7 + i][7] == hidden[i];
    EXPECT_EQ(s.game.letters[8][7], ' ');
    EXPECT_EQ(mended, 1);

    startAndBuild(36);  // Mots cachés 6 x 6: one word found and circled
    press(HintButton);
    int found = 0;
    for (const std::string& entry : s.gameWordList) found += entry.size() > 4 && entry[4] == '1';
    EXPECT_EQ(found, 1);

    startAndBuild(10);  // Le pendu, 8 letters
    press(HintButton);
    run.frames(300);
    const std::string shown = s.game.texts[2].str();
    EXPECT_NE(shown, std::string(shown.size(), '-')) << "a letter uncovered";
    EXPECT_EQ(s.game.counterB, 0u) << "a hint is never a miss";
    EXPECT_EQ(s.watch.hints, 1u);
    EXPECT_EQ(s.clock.minutes, 1);
}

}  // namespace glossamo::testing
