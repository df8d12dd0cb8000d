#include "base/ini_file.hpp"

#include "base/file_system.hpp"
#include "profile/profile_files.hpp"
#include "shell/startup.hpp"
#include "support/headless_run.hpp"
#include "support/program_fixture.hpp"
#include "texts/comments_and_help.hpp"

namespace glossamo::testing {

TEST(IniFileTest, SectionsAndKeysIgnoreCaseAndValuesStayWhole) {
    const IniFile ini = IniFile::parse("[Pays]\r\nNom0=France\r\nx0= 5 \r\nprix=co\xFBte \r\n");
    EXPECT_EQ(ini.value("PAYS", "NOM0", "AUCUN"), "France");
    EXPECT_EQ(ini.value("pays", "nom1", "AUCUN"), "AUCUN");
    EXPECT_EQ(ini.integer("PAYS", "X0", -1), 5);
    EXPECT_EQ(ini.value("PAYS", "prix", ""), "co\xFBte ") << "a trailing blank is part of the value";
}

TEST(IniFileTest, JunkDuplicatesMissingSectionsAndAMarkReadWithoutHarm) {
    const IniFile ini = IniFile::parse("\xEF\xBB\xBFsans section=1\nligne sans rien\n[A]\nk=premier\nk=second\n=vide\n[B\nx=abc\ny=12z\n");
    EXPECT_EQ(ini.value("", "sans section", "?"), "1") << "keys before any section";
    EXPECT_EQ(ini.value("A", "k", "?"), "premier") << "a key given twice keeps its first value";
    EXPECT_EQ(ini.value("A", "x", "?"), "abc") << "a broken section line is skipped";
    EXPECT_EQ(ini.integer("A", "x", 7), 7) << "not a number";
    EXPECT_EQ(ini.integer("A", "y", 7), 7);
    EXPECT_FALSE(IniFile::read(SystemPath::fromSystem("/nonexistent/file.ini")).exists());
}

// Found by fuzzing: a file saved twice with a mark ahead of its text read
// its first section as a plain line, and its text written back (marks
// dropped) read differently.
TEST(IniFileTest, RepeatedByteOrderMarksAreAllDropped) {
    const IniFile ini = IniFile::parse("\xEF\xBB\xBF\xEF\xBB\xBF[PARAMETRES]\r\nnom=Jo\r\n");
    EXPECT_EQ(ini.value("PARAMETRES", "nom", "?"), "Jo");
    EXPECT_EQ(IniFile::parse(ini.text()).value("PARAMETRES", "nom", "?"), "Jo");
}

class DataFiles : public ProgramFixture {
protected:
    TempDir dir;
    void SetUp() override { s.programDir = dir.path(); }
};

TEST_F(DataFiles, CommentsStopAtTheFirstMissingKeyAndAreCut) {
    dir.write("txt/Commentaires.dta",
              "[COMMENTAIRES]\r\nTx1=Un\r\nTx2=" + std::string(120, 'x') + "\r\nTx3=~/jeux/\r\nTx5=Cinq\r\n");
    ChargeCommentaires(s);
    EXPECT_EQ(s.app.comments[1].view(), "Un");
    EXPECT_EQ(s.app.comments[2].size(), 100u);
    EXPECT_EQ(s.app.comments[4].view(), "Rien") << "the end of the list is stored too";
    EXPECT_TRUE(s.app.comments[5].empty());
    EXPECT_TRUE(logHas("Commentaires touv\xE9s Chargement..."));
    EXPECT_TRUE(logHas("4 Commentaires charg\xE9s"));
}

TEST_F(DataFiles, MissingCommentsLeaveOnlyTheEndMark) {
    TempDir home;
    const ScopedHome scoped(home.bare());
    ChargeCommentaires(s);
    EXPECT_EQ(s.app.comments[1].view(), "Rien");
    EXPECT_TRUE(logHas("Comentaires INTROUVABLE"));
    EXPECT_EQ(s.userDir, home.path() + ".local/share/glossamo/") << "never the current folder";
}

// The texts name the player's folder; a file cut before that line leaves
// the usual one, and a name without its final '/' gets one.
TEST_F(DataFiles, ThePlayersFolderIsNamedByTheTextsOrTheUsualOne) {
    TempDir home;
    const ScopedHome scoped(home.bare());
    std::string comments = "[COMMENTAIRES]\r\n";
    for (int k = 1; k <= 50; ++k) comments += "Tx" + std::to_string(k) + "=t\r\n";
    dir.write("txt/Commentaires.dta", comments);
    ChargeCommentaires(s);
    EXPECT_EQ(s.userDir, home.path() + ".local/share/glossamo/");
    dir.write("txt/Commentaires.dta", comments + "Tx51=~/jeux\r\n");
    ChargeCommentaires(s);
    EXPECT_EQ(s.userDir, home.path() + "jeux/");
}

// Folders the system names in any script are used byte for byte: a program
// installed under a Greek name reads its texts, and a Cyrillic home holds
// the player's folders and profile, written under that very name.
TEST_F(DataFiles, FoldersNamedInAnyScriptAreUsedAsTheSystemNamesThem) {
    TempDir root;
    const std::string home = root.path().bytes() + "\u0438\u0432\u0430\u043d";
    const ScopedHome scoped(home);
    root.write("\u03bb\u03ad\u03be\u03b5\u03b9\u03c2/txt/Commentaires.dta", "[COMMENTAIRES]\r\nTx1=Bienvenue\r\n");
    FormCreate(s, SystemPath::fromSystem(root.path().bytes() + "\u03bb\u03ad\u03be\u03b5\u03b9\u03c2"));
    ChargeCommentaires(s);
    EXPECT_EQ(s.app.comments[1].view(), "Bienvenue");
    EXPECT_EQ(s.userDir.bytes(), home + "/.local/share/glossamo/");
    Premierlancement(s);
    ASSERT_EQ(s.app.userFoldersPresent, 1);
    s.app.playerName = "Zo\xE9";
    Quittelejeu(s);
    EXPECT_EQ(IniFile::read(SystemPath::fromSystem(home + "/.local/share/glossamo/CFG/favoris.frd"))
                  .value("PARAMETRES", "nom", ""),
              "Zo\xE9");
}

TEST_F(DataFiles, CountriesLandOnTheirSquares) {
    dir.write("txt/voyage.dta", "[PAYS]\r\nnom0=France\r\nx0=5\r\ny0=2\r\nnom1=Loin\r\nx1=14\r\ny1=0\r\n");
    ChargeCommentaires(s);
    Chargepays(s);
    EXPECT_EQ(s.travel.cells[5][2].country.view(), "France");
    EXPECT_EQ(s.travel.cells[0][0].country.view(), "AUCUN") << "missing indexes land on (0, 0)";
    EXPECT_TRUE(logHas("113 Pays charg\xE9s"));
}

TEST_F(DataFiles, RulesFillTheHelpListAndOpenOnTheFirstLine) {
    s.helpFiles[8] = "LE PENDU.txt";
    s.helpFiles[9] = "COURT.txt";
    dir.write("aide/LE PENDU.txt", "Un\r\nDeux\r\nTrois\r\n");
    dir.write("aide/COURT.txt", "Seule\r\n");
    ChargeAide(s, 8);
    EXPECT_EQ(s.listBox(6).entries[3], "Trois");
    EXPECT_EQ(s.listBox(6).count, 3) << "every line can be scrolled to";
    EXPECT_EQ(s.listBox(6).firstShown, 0) << "the first line shows first";
    ChargeAide(s, 9 + 256);
    EXPECT_EQ(s.listBox(6).entries[1], "Seule") << "the identifier is taken modulo 256";
    EXPECT_EQ(s.listBox(6).entries[2], "") << "lines of the longer file are cleared";
    EXPECT_EQ(s.listBox(6).count, 1);
    s.helpFiles[10] = "ABSENT.txt";
    ChargeAide(s, 10);
    EXPECT_EQ(s.listBox(6).entries[1], "Seule") << "a missing file leaves the previous lines";
    EXPECT_TRUE(logHas("Fichier Aide Non trouv\xE9"));
}

}  // namespace glossamo::testing
