// The player's folders and profile file: read at start-up with defaults and
// limits, written at the close keeping every line the program does not own.
#include "profile/profile_files.hpp"

#include "base/file_system.hpp"
#include "base/ini_file.hpp"
#include "support/full_disk.hpp"
#include "support/headless_run.hpp"
#include "support/program_fixture.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::testing {

class Profile : public ProgramFixture {
protected:
    TempDir home;
    void SetUp() override {
        s.userDir = home.path() + "glossamo/";
        s.app.comments[65] = "Joueur";
    }
    SystemPath profile() const { return s.userDir + "CFG/favoris.frd"; }
    void writeProfile(const std::string& text) const { home.write("glossamo/CFG/favoris.frd", text); }
    IniFile written() const { return IniFile::read(profile()); }
    void startAndClose() {
        Premierlancement(s);
        ChargeFavoris(s);
        Quittelejeu(s);
    }
};

TEST_F(Profile, FirstLaunchMakesTheFoldersAndWritesTheDefaults) {
    Premierlancement(s);
    EXPECT_EQ(s.app.userFoldersPresent, 1);
    for (const char* folder : {"FONDS", "CFG", "TETE", "SAVE"}) EXPECT_TRUE(folderExists(s.userDir + folder)) << folder;
    ChargeFavoris(s);
    EXPECT_EQ(s.app.playerName.view(), "Joueur");
    EXPECT_EQ(s.app.backgroundIndex, 1);
    Quittelejeu(s);
    const IniFile file = written();
    ASSERT_TRUE(file.exists());
    EXPECT_EQ(file.value("PARAMETRES", "nom", "?"), "Joueur");
    EXPECT_EQ(file.value("PARAMETRES", "ImagedeFond", "?"), "1");
    EXPECT_EQ(file.value("SCORES", "N0", "?"), "");
    EXPECT_EQ(file.value("SCORES", "N100", "?"), "") << "N0 to N100 are written";
    EXPECT_EQ(file.value("PARAMETRES", "ImgTete", "?"), "?") << "no head picture chosen yet";
}

TEST_F(Profile, AtMostFifteenScoresAreReadAndWrittenBack) {
    std::string scores = "[SCORES]\r\n";
    for (int i = 1; i <= 20; ++i) {
        const std::string n = std::to_string(i);
        scores.append("N").append(n).append("=score ").append(n).append("\r\n");
    }
    writeProfile("[PARAMETRES]\r\nnom=LEA\r\n" + scores);
    startAndClose();
    EXPECT_EQ(listCount(s, 5), 15);
    const IniFile file = written();
    EXPECT_EQ(file.value("SCORES", "N15", "?"), "score 15");
    EXPECT_EQ(file.value("SCORES", "N16", "?"), "");
    EXPECT_EQ(file.value("SCORES", "N20", "?"), "") << "the list was cut at fifteen";
    EXPECT_EQ(file.value("PARAMETRES", "nom", "?"), "LEA");
}

TEST_F(Profile, AucunEndsTheScoresAndKeysReadWithoutCase) {
    writeProfile("[parametres]\r\nIMAGEDEFOND=4\r\nsons=0\r\nmusiques=1\r\nboutondroit=7\r\nDosdescartes=2\r\n"
                 "[SCORES]\r\nN1=un\r\nN2=deux\r\nN3=AUCUN\r\nN4=quatre\r\n");
    Premierlancement(s);
    ChargeFavoris(s);
    EXPECT_EQ(s.listBox(5).entries[2], "deux");
    EXPECT_EQ(s.listBox(5).entries[3], "");
    EXPECT_EQ(listCount(s, 5), 2);
    EXPECT_EQ(s.app.backgroundIndex, 4) << "IMAGEDEFOND reads as ImagedeFond";
    EXPECT_EQ(s.app.cardBackIndex, 2);
    EXPECT_EQ(s.listBox(7).selected, 2);
    EXPECT_EQ(s.checkBox(1).ticked, 0);
    EXPECT_EQ(s.checkBox(2).ticked, 1);
    EXPECT_EQ(s.checkBox(3).ticked, 1) << "any number but 0 is true";
    Quittelejeu(s);
    const IniFile file = written();
    EXPECT_EQ(file.value("PARAMETRES", "ImagedeFond", "?"), "4");
    EXPECT_EQ(file.value("PARAMETRES", "boutondroit", "?"), "1");
    EXPECT_EQ(file.text().find("IMAGEDEFOND"), std::string::npos) << "written under its own spelling, in place";
}

TEST_F(Profile, FavouritesCommentsAndUnknownKeysAreKept) {
    const std::string favourites = "[FAVORIS]\r\nN1=LE PENDU\r\nN2=MOTS CASES\r\n";
    writeProfile("; mon profil\r\n[PARAMETRES]\r\nnom=LEA\r\ncouleur=bleu\r\n\r\n" + favourites);
    startAndClose();
    EXPECT_EQ(s.listBox(3).entries[2], "MOTS CASES");
    const std::string text = written().text();
    EXPECT_EQ(text.rfind("; mon profil\r\n[PARAMETRES]\r\nnom=LEA\r\ncouleur=bleu\r\n", 0), 0u) << text;
    EXPECT_NE(text.find(favourites), std::string::npos) << text;
}

// The window or full screen chosen and the vocabulary are kept; a profile
// without their keys (written before they existed) starts full screen, with
// every word.
TEST_F(Profile, TheWindowModeAndTheVocabularyAreKeptFromOneRunToTheNext) {
    writeProfile("[PARAMETRES]\r\nnom=LEA\r\n");
    Premierlancement(s);
    s.easyWords = 1;
    ChargeFavoris(s);
    EXPECT_FALSE(platform.windowed());
    EXPECT_EQ(s.easyWords, 0);
    platform.setWindowed(true);
    s.easyWords = 1;
    Quittelejeu(s);
    EXPECT_EQ(written().value("PARAMETRES", "fenetre", "?"), "1");
    EXPECT_EQ(written().value("PARAMETRES", "vocabulaire", "?"), "1");
    platform.setWindowed(false);
    s.easyWords = 0;
    ChargeFavoris(s);
    EXPECT_TRUE(platform.windowed());
    EXPECT_EQ(s.easyWords, 1);
    platform.setWindowed(false);
    Quittelejeu(s);
    EXPECT_EQ(written().value("PARAMETRES", "fenetre", "?"), "0");
    ChargeFavoris(s);
    EXPECT_FALSE(platform.windowed());
}

TEST_F(Profile, TheHeadPictureIsWrittenOnlyWhenOneAboveTheFirstIsChosen) {
    writeProfile("[PARAMETRES]\r\nImgTete=Louise\r\n");
    Premierlancement(s);
    ChargeFavoris(s);
    listAdd(s, 8, "Camille");
    listAdd(s, 8, "Hugo");
    s.listBox(8).selected = 0;
    Quittelejeu(s);
    EXPECT_EQ(written().value("PARAMETRES", "ImgTete", "?"), "Louise") << "the previous name stays";
    s.listBox(8).selected = 2;
    Quittelejeu(s);
    EXPECT_EQ(written().value("PARAMETRES", "ImgTete", "?"), "Hugo");
}

TEST_F(Profile, WithoutItsFoldersNothingIsWritten) {
    home.write("glossamo", "a file where the folder should be");
    Premierlancement(s);
    EXPECT_EQ(s.app.userFoldersPresent, 0);
    ChargeFavoris(s);
    EXPECT_EQ(s.app.playerName.view(), "Joueur");
    s.gameWordList = {"MOT"};
    Quittelejeu(s);
    EXPECT_FALSE(fileExists(profile()));
    EXPECT_TRUE(s.gameWordList.empty()) << "the word list is released in every case";
}

TEST_F(Profile, ADamagedProfileReadsWhatItCanAndNeverCrashes) {
    std::string noise;
    for (int i = 0; i < 5000; ++i) noise += static_cast<char>((i * 7919 + 13) % 256);
    writeProfile("[PARAMETRES]\r\nImagedeFond=99999999999\r\nDosdescartes=-4\r\nnom=" + std::string(5000, 'X') +
                 "\r\nImgTete=../../etc/passwd\r\n[SCORES]\r\nN1=" + std::string(3000, '9') + "\r\n" + noise);
    Premierlancement(s);
    ChargeFavoris(s);
    EXPECT_EQ(s.app.backgroundIndex, 1) << "out of range: the default";
    EXPECT_EQ(s.app.cardBackIndex, 0);
    EXPECT_EQ(s.app.playerName.size(), 100u);
    EXPECT_EQ(s.listBox(5).entries[1].size(), 100u);
    EXPECT_TRUE(std::any_of(s.debugLines.begin(), s.debugLines.end(),
                            [](const std::string& l) { return l.find("Vimbo Trask") != std::string::npos; }))
        << "a head name that leaves the pictures' folder is not used";
    Quittelejeu(s);
    EXPECT_TRUE(written().exists());
}

// The unfinished files of writes cut short by a kill go at the next start;
// the files they were to replace, and saves kept aside, stay.
TEST_F(Profile, UnfinishedWritesLeftByAKillGoAtTheNextStart) {
    for (const char* file : {"CFG/favoris.frd", "CFG/favoris.frd.tmp.Ab12Cd", "SAVE/Boss.sa1", "SAVE/Boss.sa1.tmp.xY3z9Q",
                             "SAVE/Vieille.sa1.abimee", "SAVE/Vieille.sa2.abimee"})
        home.write(std::string("glossamo/") + file);
    Premierlancement(s);
    EXPECT_EQ(listFolder(s.userDir + "CFG", "*"), std::vector<std::string>{"favoris.frd"});
    EXPECT_EQ(listFolder(s.userDir + "SAVE", "*"),
              (std::vector<std::string>{"Boss.sa1", "Vieille.sa1.abimee", "Vieille.sa2.abimee"}));
}

TEST_F(Profile, AFullDiskKeepsThePreviousProfileWhole) {
    const std::string before = "[PARAMETRES]\r\nnom=LEA\r\n[FAVORIS]\r\nN1=LE PENDU\r\n";
    writeProfile(before);
    Premierlancement(s);
    ChargeFavoris(s);
    s.app.playerName = "NOUVEAU";
    {
        FullDisk full;
        Quittelejeu(s);
    }
    EXPECT_EQ(readWholeFile(profile()), std::optional<std::string>(before)) << "not half-written";
    EXPECT_EQ(listFolder(s.userDir + "CFG", "*").size(), 1u) << "no temporary file left behind";
}

// The head picture as the player sees it, beside the clock of a game.
std::vector<std::uint16_t> headShown(HeadlessRun& run) {
    Canvas& canvas = run.platform().canvas();
    canvas.clear();
    drawHead(run.state(), {0, 0}, 90);
    std::vector<std::uint16_t> pixels;
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 80; ++x) pixels.push_back(canvas.pixel(x, y));
    return pixels;
}

TEST(ProfileHead, TheSecondStartShowsTheHeadOfTheFirst) {
    HeadlessRun run;
    const std::vector<std::uint16_t> first = headShown(run);
    run.restart();
    EXPECT_TRUE(headShown(run) == first) << "the head shown at the first start is kept in the profile";
}

}  // namespace glossamo::testing
