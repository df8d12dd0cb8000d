// The texts we ship: a name and a rules file for every game, and every
// comment the program reads.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "base/file_system.hpp"
#include "base/ini_file.hpp"
#include "play/catalogue.hpp"
#include "support/program_fixture.hpp"

namespace glossamo::testing {

namespace {
const SystemPath App = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/");
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
        const SystemPath rules = App + "aide/" + s.helpFiles[static_cast<std::size_t>(id)];
        ASSERT_TRUE(fileExists(rules)) << id << ": " << rules.bytes();
    }
    for (const int screen : {StatisticsRules, ChallengeRules})
        EXPECT_TRUE(fileExists(App + "aide/" + s.helpFiles[static_cast<std::size_t>(screen)])) << screen;
    int levels = 0;
    for (int k = 1; k <= FamilyCount; ++k) levels += GameFamilies()[static_cast<std::size_t>(k)].levels;
    EXPECT_EQ(levels, LastGameId - 1) << "every identifier but 150 is offered by a family";
}

TEST(ShippedTexts, RulesLinesFitTheHelpScreen) {
    for (const std::string& name : listFolder(App + "aide/", "*.txt")) {
        std::ifstream in((App + "aide/" + name).bytes(), std::ios::binary);
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
    for (int n = 1; n <= 225; ++n) {
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

namespace glossamo::testing {

namespace {

// Common French words that our texts must never write without their accent.
// All-capital words are left alone: game titles are written in plain capitals.
const char* const Unaccented[] = {
    "grace",    "lache",    "lachee",  "lachez",  "relachez", "relache", "facher",  "fache",   "foret",
    "forets",   "ocean",    "oceans",  "crepuscule", "deja", "etre",    "tres",    "apres",   "voila",
    "meme",     "memes",    "premiere", "derniere", "systeme", "reponse", "reponses", "fenetre", "tete",
    "tetes",    "bientot",       "interet",  "ile",     "iles",    "plutot",  "fete",
    "pret",     "prete",    "maitre",  "chateau", "ecole",    "etoile",  "ecran",   "etait",   "etes",
    "ete",        "epee",    "ame",     "age",      "agee",    "noel",        "hopital",
    "gateau",   "boite",   "naitre",  "connait",  "parait",  "fenetres", "regle",  "regles",
    "theme",    "themes",   "numero",  "numeros", "etape",    "etapes",  "melange", "melangees", "melanges",
    "deplacez", "decouvrir", "decouvert", "echange", "etoiles", "general", "generale",
};

bool allCapitals(const std::string& word) {
    for (const char c : word)
        if (c >= 'a' && c <= 'z') return false;
    return true;
}

std::string lowerLatin1(std::string word) {
    for (char& c : word)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return word;
}

// The words of a Latin-1 text written without an accent they need.
std::vector<std::string> missingAccents(const std::string& text) {
    static const std::set<std::string> flagged(std::begin(Unaccented), std::end(Unaccented));
    std::vector<std::string> found;
    std::string word;
    auto finish = [&] {
        if (!word.empty() && !allCapitals(word) && flagged.count(lowerLatin1(word))) found.push_back(word);
        word.clear();
    };
    for (const char c : text) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0xC0;
        if (letter) word += c;
        else finish();
    }
    finish();
    return found;
}

std::string wholeFile(const SystemPath& path) {
    std::ifstream in(path.bytes(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(ShippedTexts, AccentCheckFindsPlainWordsOnly) {
    EXPECT_EQ(missingAccents("Par la grace de Dieu, Tres bien, TRES EFFACEES"),
              (std::vector<std::string>{"grace", "Tres"}));
    EXPECT_TRUE(missingAccents("gr\xE2" "ce, tr\xE8s, d\xE9j\xE0, \xEAtre, Oc\xE9" "an, trestle").empty());
}

TEST(ShippedTexts, OurFrenchIsWrittenWithItsAccents) {
    std::vector<SystemPath> files = {App + "txt/Commentaires.dta", App + "txt/voyage.dta"};
    for (const std::string& name : listFolder(App + "aide/", "*.txt")) files.push_back(App + "aide/" + name);
    for (const std::string& name : listFolder(App + "bin/", "p*.txt"))
        if (name != "pays.txt") files.push_back(App + "bin/" + name);  // proverbs, not the country names
    ASSERT_GE(files.size(), 2u + 32u + 8u);
    for (const SystemPath& file : files) {
        const std::vector<std::string> words = missingAccents(wholeFile(file));
        EXPECT_TRUE(words.empty()) << file << ": " << ::testing::PrintToString(words);
    }
    // The names a player reads in the lists: backgrounds and head pictures.
    for (const char* folder : {"bitmaps/background/", "bitmaps/tete/"}) {
        for (const std::string& name : listFolder(App + folder, "*")) {
            const std::vector<std::string> words = missingAccents(name.substr(0, name.rfind('.')));
            EXPECT_TRUE(words.empty()) << folder << name;
        }
    }
}

}  // namespace glossamo::testing
