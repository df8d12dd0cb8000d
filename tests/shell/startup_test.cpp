#include "shell/startup.hpp"

#include "shell/frame_tick.hpp"
#include "shell/window_events.hpp"
#include "support/headless_run.hpp"
#include "support/program_fixture.hpp"

namespace glossamo::testing {

class Startup : public ProgramFixture {
protected:
    TempDir dir;
    // The program folder has no texts: the player's folder falls back to
    // one under $HOME, kept inside this test.
    TempDir home;
    const ScopedHome scopedHome{home.bare()};
    void start() {
        FormCreate(s, dir.path());
        initialisation(s);
    }
};

TEST_F(Startup, BringsTheRecordsIntoTheirStartingState) {
    s.app.gameTitle = "OLD";
    s.listBox(4).entries[3] = "old";
    s.checkBox(2).ticked = 0;
    start();
    EXPECT_EQ(s.app.titleShowing, 1);
    EXPECT_EQ(s.app.screen, 1);
    EXPECT_FALSE(s.gameRunning());
    EXPECT_EQ(s.firstActivationDone, 0);
    EXPECT_EQ(s.checkBox(2).ticked, 1);
    EXPECT_TRUE(s.listBox(4).entries[3].empty());
    EXPECT_EQ(s.listBox(1).width, 175);
    EXPECT_EQ(s.listBox(2).width, 350) << "the catalogue's list";
    EXPECT_EQ(s.listBox(2).entries[8], "PENDU  12 lettres");
    EXPECT_EQ(s.helpFiles[150], "MOTS EMPILES.txt");
    EXPECT_EQ(s.listBox(3).width, 300);
    EXPECT_EQ(s.listBox(5).width, 500);
    EXPECT_EQ(s.listBox(6).width, 500);
    EXPECT_EQ(s.listBox(9).rowsShown, 8) << "the saved games list";
    EXPECT_EQ(s.helpFiles[0], "aide.txt");
    EXPECT_FALSE(platform.frameTimerEnabled()) << "nothing is drawn before the first activation";
    EXPECT_EQ(s.debugLines.front(), "DeBuG Info:>initialisation des variable...");
}

TEST_F(Startup, MissingDataFoldersAreLogged) {
    dir.makeFolder("bin");
    start();
    EXPECT_FALSE(logHas("Dossier " + dir.path() + "bin absent"));
    EXPECT_TRUE(logHas("Dossier " + dir.path() + "Sons absent"));
    EXPECT_TRUE(logHas("Dossier " + dir.path() + "music absent"));
}

TEST_F(Startup, NoSoundDeviceIsLogged) {
    platform.audioPresent = false;
    start();
    EXPECT_TRUE(logHas("Pas de son: no sound device"));
}

TEST_F(Startup, StartsAMusicFromTheProgramFolderAfterTheFirstFrame) {
    dir.write("music/b.mid");
    start();
    EXPECT_TRUE(s.musicFileName.empty());
    DXTimer1Timer(s);
    EXPECT_EQ(s.musicFileName, dir.path() + "music/b.mid");
    EXPECT_EQ(platform.framesShown, 1) << "after the frame was shown";
}

TEST_F(Startup, ActivationStartsTheFrameTimerAndTheTitle) {
    start();
    platform.advance(1234);
    WindowEvents events(s);
    events.onActivate();
    EXPECT_TRUE(platform.frameTimerEnabled());
    EXPECT_EQ(s.app.titleTick, platform.ticks());
    EXPECT_EQ(s.firstActivationDone, 1);
    platform.advance(4001);
    events.onFrame();
    EXPECT_EQ(s.app.titleShowing, 0);
}

TEST_F(Startup, BlinkTimerInvertsTheBlinkFlag) {
    WindowEvents events(s);
    events.onBlink();
    EXPECT_EQ(s.blinkOn, 1);
    events.onBlink();
    EXPECT_EQ(s.blinkOn, 0);
}

}  // namespace glossamo::testing
