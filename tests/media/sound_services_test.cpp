#include "media/sound_services.hpp"

#include <set>

#include "state/debug_log.hpp"
#include "support/program_fixture.hpp"

namespace glossamo::testing {

TEST(MusicChoice, LastFileInNameOrderIsNeverPicked) {
    Random rng;
    std::set<int> picked;
    for (int seed = 0; seed < 500; ++seed) {
        rng.seed(static_cast<std::uint64_t>(seed));
        picked.insert(chooseMusicIndex(4, rng));
    }
    EXPECT_EQ(picked, (std::set<int>{0, 1, 2}));
}

TEST(MusicChoice, TwoFilesAlwaysGiveTheFirstAndOneFileItself) {
    Random rng;
    for (int seed = 0; seed < 50; ++seed) {
        rng.seed(static_cast<std::uint64_t>(seed));
        EXPECT_EQ(chooseMusicIndex(2, rng), 0);
        EXPECT_EQ(chooseMusicIndex(1, rng), 0);
    }
    EXPECT_EQ(chooseMusicIndex(0, rng), -1);
}

class RandomMusic : public ProgramFixture {
protected:
    TempDir dir;
    void SetUp() override { s.programDir = dir.path(); }
};

TEST_F(RandomMusic, PlaysTheFirstOfTwoFilesSortedByName) {
    dir.write("music/Zebre.mid");
    dir.write("music/air.MID");
    dir.write("music/notes.txt");
    lancemusique_aleatoire(s);
    EXPECT_EQ(s.musicFileName, dir.path() + "music/air.MID");
    EXPECT_EQ(platform.journal,
              (std::vector<std::string>{"music open " + dir.path() + "music/air.MID", "music rewind", "music play"}));
}

TEST_F(RandomMusic, EmptyOrMissingFolderPlaysNothing) {
    lancemusique_aleatoire(s);
    EXPECT_TRUE(logHas("Dossier " + dir.path() + "music/ absent: pas de musique"));
    dir.makeFolder("music");
    lancemusique_aleatoire(s);
    EXPECT_TRUE(platform.journal.empty());
    EXPECT_TRUE(s.musicFileName.empty());
    EXPECT_TRUE(logHas("Aucune musique dans " + dir.path() + "music/"));
}

TEST_F(RandomMusic, MusicSwitchedOffStaysPausedAtItsStart) {
    dir.write("music/a.mid");
    s.checkBox(2).ticked = 0;
    lancemusique_aleatoire(s);
    ASSERT_FALSE(platform.journal.empty());
    EXPECT_EQ(platform.journal.back(), "music pause");
}

TEST_F(RandomMusic, NoSoundDeviceIsLoggedAndTheProgramCarriesOn) {
    dir.write("music/a.mid");
    platform.audioPresent = false;
    lancemusique_aleatoire(s);
    EXPECT_TRUE(logHas("musique impossible \xE0 initialiser"));
    EXPECT_FALSE(platform.musicEnded());
}

TEST_F(RandomMusic, FileThatCannotBeOpenedIsLogged) {
    dir.write("music/a.mid");
    platform.musicFilesOpen = false;
    lancemusique_aleatoire(s);
    EXPECT_TRUE(logHas("musique impossible \xE0 ouvrir"));
}

using Sounds = ProgramFixture;

TEST_F(Sounds, PlayOnlyWhenSoundEffectsAreOn) {
    playSound(s, 7);
    s.checkBox(1).ticked = 0;
    playSound(s, 8);
    EXPECT_EQ(platform.journal, (std::vector<std::string>{"sound 7"}));
}

TEST_F(Sounds, FailureIsLogged) {
    platform.audioPresent = false;
    playSound(s, 3);
    EXPECT_TRUE(logHas("son impossible \xE0 jouer"));
}

using DebugLog = ProgramFixture;

TEST_F(DebugLog, IsEmptiedWhenTheHundredAndSecondLineArrives) {
    for (int i = 1; i <= 101; ++i) debugLog(s, "ligne " + std::to_string(i));
    ASSERT_EQ(s.debugLines.size(), 101u);
    EXPECT_EQ(s.debugLines.front(), "DeBuG Info:>ligne 1");
    debugLog(s, "ligne 102");
    EXPECT_EQ(s.debugLines, (std::vector<std::string>{"DeBuG Info:>ligne 102"}));
}

}  // namespace glossamo::testing
