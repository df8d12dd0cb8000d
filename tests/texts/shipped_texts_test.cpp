// The texts we ship: a name and a rules file for every game, and every
// comment the program reads.
#include <gtest/gtest.h>

#include <fstream>

#include "base/file_system.hpp"
#include "base/ini_file.hpp"
#include "games/catalogue.hpp"
#include "support/program_fixture.hpp"

namespace glossamo::testing {

namespace {
const std::string App = GLOSSAMO_APP_DIR "/";
}

TEST(ShippedTexts, EveryGameHasANameAndARulesFile) {
    HeadlessPlatform platform;
    auto state = std::make_unique<ProgramState>(platform);
    ProgramState& s = *state;
    s.helpFiles[0] = "aide.txt";
    buildCatalogue(s);
    EXPECT_TRUE(gameName(s, 0).empty());
    for (int id = 0; id <= LastGameId; ++id) {
        if (id > 0) {
            EXPECT_FALSE(gameName(s, id).empty()) << id;
        }
        const std::string rules = App + "aide/" + s.helpFiles[static_cast<std::size_t>(id)];
        ASSERT_TRUE(fileExists(rules)) << id << ": " << rules;
    }
    int levels = 0;
    for (int k = 1; k <= FamilyCount; ++k) levels += GameFamilies()[static_cast<std::size_t>(k)].levels;
    EXPECT_EQ(levels, 149) << "every identifier but 150 is offered by a family";
}

TEST(ShippedTexts, RulesLinesFitTheHelpScreen) {
    for (const std::string& name : listFolder(App + "aide/", "*.txt")) {
        std::ifstream in(App + "aide/" + name, std::ios::binary);
        std::string line;
        int count = 0;
        while (std::getline(in, line)) {
            ASSERT_FALSE(line.empty() || line.back() != '\r') << name << ": lines end with CR LF";
            line.pop_back();
            EXPECT_LE(line.size(), 45u) << name << ": " << line;
            ++count;
        }
        EXPECT_GE(count, 7) << name << ": six lines of description, then the rules";
    }
}

TEST(ShippedTexts, EveryCommentTheProgramReadsIsThere) {
    const IniFile comments = IniFile::read(App + "txt/Commentaires.dta");
    ASSERT_TRUE(comments.exists());
    for (int n = 1; n <= 92; ++n) {
        const std::string value = comments.value("COMMENTAIRES", "Tx" + std::to_string(n), "Rien");
        EXPECT_NE(value, "Rien") << "Tx" << n << ": the list would stop here";
        EXPECT_LE(value.size(), 100u) << n;
    }
    EXPECT_EQ(comments.value("COMMENTAIRES", "Tx51", ""), "~/.local/share/glossamo/");
    EXPECT_EQ(comments.value("COMMENTAIRES", "Tx65", ""), "Joueur");
    EXPECT_TRUE(fileExists(App + "bitmaps/tete/Joueur.bmp")) << "the default player's picture";
    const IniFile countries = IniFile::read(App + "txt/voyage.dta");
    bool oceanOnMap = false;
    for (int i = 0; i <= 112; ++i)
        oceanOnMap = oceanOnMap || countries.value("PAYS", "nom" + std::to_string(i), "") ==
                                       comments.value("COMMENTAIRES", "Tx64", "?");
    EXPECT_TRUE(oceanOnMap) << "comment 64 names squares of the map";
}

}  // namespace glossamo::testing
