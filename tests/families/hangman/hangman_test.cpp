#include "families/hangman/hangman.hpp"

#include "families/hangman/hangman_record.hpp"
#include "games/board_services.hpp"
#include "games/game_fixture.hpp"
#include "shell/window_events.hpp"

namespace glossamo::testing {

class Hangman : public GameFixture {
protected:
    // The alphabet cell of a letter: A..M on row 2, N..Z on row 3, from column 7.
    void choose(char letter) {
        const int k = letter - 'A';
        click(7 + k % 13, 2 + k / 13);
    }
    // Runs frames until the chosen letter has run along the whole word.
    void scan() {
        frames(1);
        for (int i = 0; i < 2000 && hangman::runningLetter(s.game) != ' '; ++i) frames(1);
    }
    std::string shown() const { return hangman::shownText(s.game).str(); }
};

TEST_F(Hangman, LetterFoundThreeTimesIsUncoveredThreeTimes) {
    start(10, {"ANNEXANT"});
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    EXPECT_EQ(platform.count("sound 0"), 1);
    EXPECT_EQ(hangman::hiddenText(s.game).view(), "ANNEXANT");
    EXPECT_EQ(shown(), "--------");
    choose('N');
    EXPECT_EQ(hangman::runningLetter(s.game), 'N');
    EXPECT_EQ(letter(7, 3), ' ') << "the chosen letter leaves the alphabet";
    scan();
    EXPECT_EQ(shown(), "-NN---N-");
    EXPECT_EQ(platform.count("sound 8"), 3);
    EXPECT_EQ(hangman::misses(s.game), 0u) << "no miss";
    EXPECT_EQ(letter(8, 10), 'N') << "the word is shown from cell (7, 10)";
}

TEST_F(Hangman, TheEleventhMissLosesAndShowsTheWord) {
    start(10, {"ANNEXANT"});
    frames(1);
    for (char miss : std::string("BCDFGHIJKL")) {
        choose(miss);
        scan();
    }
    EXPECT_EQ(hangman::misses(s.game), 10u);
    EXPECT_EQ(platform.count("sound 2"), 10);
    EXPECT_EQ(s.app.gameLost, 0) << "ten misses do not lose";
    choose('M');
    scan();
    EXPECT_EQ(s.app.gameLost, 1);
    EXPECT_EQ(s.app.endTick, platform.ticks());
    EXPECT_EQ(letter(7, 10), 'A') << "the solution is shown";
    frames(1);
    EXPECT_EQ(platform.count("sound 12"), 1);
}

TEST_F(Hangman, GuessingEveryLetterWinsAndStopsTheClock) {
    start(10, {"ANNEXANT"});
    frames(1);
    EXPECT_FALSE(platform.playClockEnabled());
    frames(1);
    EXPECT_TRUE(platform.playClockEnabled()) << "the clock runs from the frame after the build";
    const int playing = s.app.screen;
    for (int panel : {screens::Help, screens::Options}) {
        s.app.screen = panel;
        frames(1);
        EXPECT_FALSE(platform.playClockEnabled()) << "the panel covers the game: " << panel;
        s.app.screen = playing;
        frames(1);
        EXPECT_TRUE(platform.playClockEnabled());
    }
    for (char hit : std::string("ANEXT")) {
        choose(hit);
        scan();
    }
    EXPECT_EQ(shown(), "ANNEXANT");
    EXPECT_EQ(s.app.gameWon, 1);
    frames(1);
    EXPECT_FALSE(platform.playClockEnabled());
    EXPECT_EQ(platform.count("sound 11"), 1);
    click(1, 1);
    EXPECT_FALSE(s.gameRunning()) << "the next click leaves the won game";
}

TEST_F(Hangman, GivingUpShowsTheWordAndEscapeLeaves) {
    start(9, {"CONSOLATIF"});
    frames(1);
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(s.app.gameLost, 1);
    EXPECT_EQ(letter(7, 10), 'C');
    FormKeyDown(s, vk::Escape, 0);
    EXPECT_FALSE(s.gameRunning());
}

// In the frames after a choice the scan still stands at 0: a second click
// on the letter, another letter clicked and a held key's repeats all come
// then. The running letter keeps running and the others wait their turn.
TEST_F(Hangman, AClickOrAHeldKeyJustAfterAChoiceLosesNothing) {
    start(10, {"ANNEXANT"});
    frames(1);
    choose('N');
    frames(1);
    ASSERT_EQ(hangman::scanPosition(s.game), 0u);
    choose('N');  // a double click on the letter just taken
    choose('E');
    for (int repeat = 0; repeat < 4; ++repeat) {
        WindowEvents(s).onTextInput("x");  // a held key
        frames(1);
    }
    EXPECT_EQ(hangman::runningLetter(s.game), 'N');
    EXPECT_EQ(letter(11, 2), ' ') << "E left the alphabet to wait its turn";
    scan();
    scan();
    scan();
    EXPECT_EQ(shown(), "-NNEX-N-") << "N, E and X each ran along the word";
    EXPECT_EQ(hangman::misses(s.game), 0u) << "the repeats of X cost nothing";
    choose('A');
    choose('T');
    scan();
    scan();
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(Hangman, GapsInThemeWordsAreNeverHidden) {
    start(143, {"ours-brun", "ours brun!"});  // a country-theme hangman of 10 characters
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    EXPECT_EQ(hangman::hiddenText(s.game).view(), "OURS*BRUN*");
    EXPECT_EQ(shown(), "----*----*");
    EXPECT_EQ(letter(11, 10), '*') << "a gap has no tile";
}

TEST_F(Hangman, AnEmptyListIsRetriedOnEveryFrame) {
    start(8, {});
    frames(20);
    EXPECT_EQ(s.game.built, 0);
    EXPECT_TRUE(s.gameRunning());
    EXPECT_EQ(platform.pointer, PointerShape::Hourglass);
    s.words.loadLines({"ABCDEFGHIJKL"});
    frames(1);
    EXPECT_EQ(s.game.built, 1);
}

// Rows break between words, signs show on their own cells and hidden
// letters as '_', so that a hyphen reads as one.
TEST_F(Hangman, ProverbHangmanIsLaidOutWordByWordAndWonThroughTheAlphabet) {
    const std::string proverb = ".\r\nPetit \xE0 petit,\r\nl'oiseau-roi fait son nid.\r\n";
    programFolder.write("bin/panglais.txt", proverb + proverb + proverb + ".\r\n");
    startGame(s, 68);
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    EXPECT_EQ(hangman::hiddenText(s.game).view(), " PETIT A PETIT, L'OISEAU-ROI FAIT SON NID. ");
    EXPECT_EQ(shown(), " ----- - -----, -'---------- ---- --- ---. ");
    EXPECT_EQ(readBoardWord(s, 1, 10, 20, true), "_____*_*_____,******") << "no blank starts a row";
    EXPECT_EQ(readBoardWord(s, 1, 11, 20, true), "_'______-___*____***");
    EXPECT_EQ(readBoardWord(s, 1, 12, 20, true), "___*___.************") << "SON goes whole to the next row";
    for (char hit : std::string("PETIALOSURFND")) {
        choose(hit);
        scan();
    }
    EXPECT_EQ(s.app.gameWon, 1);
    EXPECT_EQ(readBoardWord(s, 1, 11, 20, true), "L'OISEAU-ROI*FAIT***");
}

}  // namespace glossamo::testing
