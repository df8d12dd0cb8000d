#include "blocked_words.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "french_lexicon.hpp"

namespace glossamo::wordlists::testing {

TEST(PublicLists, JsonArraysOfStringsWithTheirEscapes) {
    EXPECT_EQ(readJsonStrings(" [\n  \"a b\",\n  \"caf\\u00e9\", \"\\\"q\\\"\\\\\", \"\\ud83d\\ude00\"\n]\n"),
              (std::vector<std::string>{"a b", "café", "\"q\"\\", "\xF0\x9F\x98\x80"}));
    EXPECT_EQ(readJsonStrings("[]"), std::vector<std::string>{});
    EXPECT_EQ(readJsonStrings("[\"déjà\"]"), std::vector<std::string>{"déjà"}) << "raw UTF-8 passes through";
    for (const char* bad : {"", "{\"a\": 1}", "[\"a\" \"b\"]", "[\"a\"", "[\"a\"] x", "[\"\\x\"]", "[\"\\u12\"]"})
        EXPECT_THROW(readJsonStrings(bad), std::runtime_error) << bad;
}

TEST(PublicLists, OnlySingleWordsAsTheGamesShowThem) {
    EXPECT_EQ(singleWords({"merde", "Bâtard", "fils de pute", "casse-couilles", "m3rde", "@brut!", "", "œil"}),
              (std::vector<std::string>{"MERDE", "BATARD", "OEIL"}));
}

TEST(OurLists, WordsWithTheirReasons) {
    std::istringstream in("# heading\n\nmanche   # a sleeve\r\ngland\n  retard#a delay  \n");
    const std::vector<ListedWord> words = readOurList(in);
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0].word, "MANCHE");
    EXPECT_EQ(words[0].reason, "a sleeve");
    EXPECT_EQ(words[0].line, 3);
    EXPECT_EQ(words[1].reason, "");
    EXPECT_EQ(words[2].word, "RETARD");
    EXPECT_EQ(words[2].reason, "a delay");
    std::istringstream bad("ok\nnot one\n");
    EXPECT_THROW(readOurList(bad), std::runtime_error) << "two words on a line";
}

TEST(EnglishForms, TheInflectionsTheDictionaryHas) {
    const std::unordered_set<std::string> dictionary = {
        "FUCKED", "FUCKING", "FUCKER", "FUCKERS", "FUCKS", "RAPED", "RAPES", "RAPING", "RAPIER", "RAPS",
        "SHITTING", "SHITS", "ORGIES", "BITCHES", "TITTER", "TITS", "DICKER", "SPICED", "SPICY"};
    EXPECT_EQ(englishForms("FUCK", dictionary),
              (std::set<std::string>{"FUCK", "FUCKED", "FUCKING", "FUCKER", "FUCKERS", "FUCKS"}));
    EXPECT_EQ(englishForms("RAPE", dictionary), (std::set<std::string>{"RAPE", "RAPED", "RAPES", "RAPING"}))
        << "the e is dropped before -ing only; rapier and raps are other words";
    EXPECT_EQ(englishForms("SHIT", dictionary), (std::set<std::string>{"SHIT", "SHITS", "SHITTING"}));
    EXPECT_EQ(englishForms("ORGY", dictionary), (std::set<std::string>{"ORGY", "ORGIES"}));
    EXPECT_EQ(englishForms("BITCH", dictionary), (std::set<std::string>{"BITCH", "BITCHES"}));
    // Plain endings can land on ordinary words: the keep-list answers for them.
    EXPECT_TRUE(englishForms("TIT", dictionary).count("TITTER"));
    EXPECT_TRUE(englishForms("DICK", dictionary).count("DICKER"));
    EXPECT_TRUE(englishForms("SPIC", dictionary).count("SPICED"));
    EXPECT_FALSE(englishForms("SPIC", dictionary).count("SPICY")) << "no -y ending";
    EXPECT_EQ(englishForms("TWAT", dictionary), std::set<std::string>{"TWAT"}) << "a word the dictionary lacks";
}

FrenchLexicon lexiconOf(const std::string& text) {
    std::istringstream in(text);
    return FrenchLexicon::read(in);
}

TEST(FrenchForms, EveryFormOfARootOrThePlainEndings) {
    const FrenchLexicon lexicon = lexiconOf(
        "EMMERDER EMMERDE EMMERDENT EMMERDONS EMMERDE\n"
        "CON CONS CONNE CONNES CONE\n"
        "GROGNER GROGNE GROGNASSE\n"
        "BAISER BAISERS\n"
        "BAISER BAISE BAISENT\n");
    EXPECT_EQ(frenchForms("EMMERDER", lexicon),
              (std::set<std::string>{"EMMERDER", "EMMERDE", "EMMERDENT", "EMMERDONS"}));
    EXPECT_EQ(frenchForms("BAISER", lexicon), (std::set<std::string>{"BAISER", "BAISERS", "BAISE", "BAISENT"}))
        << "both entries of the root";
    EXPECT_EQ(frenchForms("GROGNASSE", lexicon),
              (std::set<std::string>{"GROGNASSE", "GROGNASSES", "GROGNASSEE", "GROGNASSEES"}))
        << "a form that is not a root does not pull in its verb";
    EXPECT_EQ(frenchForms("BRANLEUR", lexicon),
              (std::set<std::string>{"BRANLEUR", "BRANLEURS", "BRANLEURE", "BRANLEURES", "BRANLEUSE", "BRANLEUSES"}));
    EXPECT_TRUE(frenchForms("BOUGNOULE", lexicon).count("BOUGNOULES"));
    EXPECT_TRUE(frenchForms("MERDEU", lexicon).count("MERDEUX"));
}

TEST(BlockedWords, KeepListWinsAndStopsExpansion) {
    const FrenchLexicon lexicon = lexiconOf(
        "CON CONS CONNE CONNES CONE CONES\n"
        "PEDALE PEDALES\n"
        "BAISER BAISERS\n"
        "BAISER BAISE BAISENT BAISEZ\n");
    BlockedSources sources;
    sources.listed = {"CON", "PEDALE", "BAISER"};
    sources.added = {"BAISER"};
    sources.kept = {"PEDALE", "PEDALES", "BAISER", "BAISERS", "CONE", "CONES"};
    const std::set<std::string> blocked =
        blockedWords(sources, [&](const std::string& w) { return frenchForms(w, lexicon); });
    EXPECT_EQ(blocked, (std::set<std::string>{"CON", "CONS", "CONNE", "CONNES", "BAISE", "BAISENT", "BAISEZ"}))
        << "a listed word on the keep-list is not expanded; our additions are, and the keep-list still wins";
}

TEST(FrenchLexicon, UnmunchOutputCutIntoEntries) {
    std::istringstream dic("3\nmaison/S.() po:nom\r\nou po:mg\n\nLaura/L'D'Q' po:prn\n");
    std::ostringstream separated;
    writeSeparatedDictionary(dic, separated);
    EXPECT_EQ(separated.str(), "6\nmaison/S.() po:nom\n~~~\nou po:mg\n~~~\nLaura/L'D'Q' po:prn\n~~~\n");

    std::istringstream unmunch(
        "maison\nmaison0/L'D'Q'|\nmaisons/D'Q'|\nn'maison\n~~~\n"
        "ou po:mg po:cjco\n~~~\n"
        "Laura\nL'Laura\nlaura\n~~~\n"
        "abaisser\nabaissé/L'D'Q'\nabaissâmes/n'q'\nabaisse\n~~~\n"
        "œil\nyeux\n~~~\n");
    const std::vector<FormGroup> groups = readUnmunchGroups(unmunch);
    ASSERT_EQ(groups.size(), 4u) << "the proper noun's entry is left out, lower-case forms and all";
    EXPECT_EQ(groups[0].root, "MAISON");
    EXPECT_EQ(groups[0].forms, (std::vector<std::string>{"MAISON", "MAISONS"})) << "flags, digits, elisions dropped";
    EXPECT_EQ(groups[1].forms, std::vector<std::string>{"OU"});
    EXPECT_EQ(groups[2].forms, (std::vector<std::string>{"ABAISSER", "ABAISSE", "ABAISSAMES"}))
        << "folded as the games fold them, each once";
    EXPECT_EQ(groups[3].forms, (std::vector<std::string>{"OEIL", "YEUX"}));

    std::ostringstream written;
    FrenchLexicon::write(groups, written);
    std::istringstream back(written.str());
    const FrenchLexicon lexicon = FrenchLexicon::read(back);
    EXPECT_TRUE(lexicon.knows("YEUX"));
    EXPECT_TRUE(lexicon.isRoot("OEIL"));
    EXPECT_FALSE(lexicon.isRoot("YEUX"));
    EXPECT_FALSE(lexicon.knows("LAURA"));
    EXPECT_EQ(lexicon.formsOfRoot("ABAISSER"), (std::vector<std::string>{"ABAISSER", "ABAISSE", "ABAISSAMES"}));
}

TEST(FrenchLexicon, GameCapitals) {
    EXPECT_EQ(gameCapitals("épaisse"), "EPAISSE");
    EXPECT_EQ(gameCapitals("cœur"), "COEUR");
    EXPECT_EQ(gameCapitals("Noël"), "NOEL");
    EXPECT_EQ(gameCapitals("lieu-dit"), "");
    EXPECT_EQ(gameCapitals("l'eau"), "");
    EXPECT_EQ(gameCapitals(""), "");
}

}  // namespace glossamo::wordlists::testing
