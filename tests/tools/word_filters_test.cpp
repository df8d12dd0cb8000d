#include "word_filters.hpp"

#include <gtest/gtest.h>

namespace glossamo::wordlists::testing {

TEST(GameLatin1, KeepsTheAccentsTheProgramFoldsAndFoldsTheOthers) {
    EXPECT_EQ(toGameLatin1("été", false), "\xE9t\xE9");
    EXPECT_EQ(toGameLatin1("château", false), "ch\xE2teau");
    EXPECT_EQ(toGameLatin1("cœur", false), "coeur");
    EXPECT_EQ(toGameLatin1("Noël", false), "No\xEBl");
    EXPECT_EQ(toGameLatin1("Île Maurice", true), "\xCEle Maurice");
    EXPECT_EQ(toGameLatin1("São", false), "S\xE3o");
    EXPECT_EQ(toGameLatin1("chauve-souris", true), "chauve-souris");
    EXPECT_EQ(toGameLatin1("chauve-souris", false), std::nullopt);
    EXPECT_EQ(toGameLatin1("Côte d’Ivoire", true), "C\xF4te d'Ivoire");
    EXPECT_EQ(toGameLatin1("aujourd'hui", false), std::nullopt);
    EXPECT_EQ(toGameLatin1("r2d2", false), std::nullopt);
    EXPECT_EQ(toGameLatin1("\xE9t\xE9", false), std::nullopt) << "not UTF-8";
}

TEST(GameLatin1, WhatIsWrittenFoldsToCapitals) {
    EXPECT_TRUE(foldsToCapitals("\xE9t\xE9", false));
    EXPECT_TRUE(foldsToCapitals("ch\xE2teau", false));
    EXPECT_TRUE(foldsToCapitals("pe\xF1" "a", false));
    EXPECT_FALSE(foldsToCapitals("stra\xDF" "e", false)) << "the program has no plain letter for the sharp s";
    EXPECT_TRUE(foldsToCapitals("ours blanc", true));
    EXPECT_FALSE(foldsToCapitals("ours blanc", false));
    EXPECT_TRUE(hasVowel("\xE9t\xE9"));
    EXPECT_TRUE(hasVowel("lynx"));
    EXPECT_FALSE(hasVowel("kg"));
}

TEST(GameLatin1, ProverbTextKeepsItsPunctuation) {
    EXPECT_EQ(toLatin1Text("Qui vivra verra."), "Qui vivra verra.");
    EXPECT_EQ(toLatin1Text("L’œuf, « dit-il » : là !"), std::string("L'oeuf, \xAB dit-il \xBB : l\xE0 !"))
        << "French quotes are Latin-1; the apostrophe becomes plain";
    EXPECT_EQ(toLatin1Text("Ça coûte…"), std::nullopt) << "no Latin-1 writing of the ellipsis";
    EXPECT_EQ(toLatin1Text("grâce, Noël, se fâcher"), std::string("gr\xE2" "ce, No\xEBl, se f\xE2" "cher"))
        << "texts keep the accents that words fold";
}

TEST(PlainWords, OnlyLowerCaseLetters) {
    EXPECT_TRUE(isPlainLowerCaseWord("œuvre"));
    EXPECT_TRUE(isPlainLowerCaseWord("ça"));
    EXPECT_FALSE(isPlainLowerCaseWord("Paris"));
    EXPECT_FALSE(isPlainLowerCaseWord("peut-être"));
    EXPECT_FALSE(isPlainLowerCaseWord("l'eau"));
    EXPECT_FALSE(isPlainLowerCaseWord("a b"));
    EXPECT_FALSE(isPlainLowerCaseWord(""));
}

TEST(RareTenses, RecognisedFromTheOtherFormsOfTheirVerb) {
    const std::unordered_set<std::string> dictionary = {
        "chanter", "chantèrent", "chantât", "finirent", "finît", "finissons", "prirent", "prît",
        "furent",  "fût",        "mât",     "dirent",   "commencèrent", "commençât", "mangèrent", "mangeât",
        "tirent", "mèrent-not-a-word"};
    for (const char* rare : {"chantâmes", "chantâtes", "chantasse", "chantassions", "prissent", "prîtes", "fûmes",
                             "fussent", "fût", "dîmes", "commençâmes", "commençassent", "mangeâmes", "mangeât"})
        EXPECT_TRUE(isRareTense(rare, dictionary)) << rare;
    for (const char* kept : {"âmes", "pâtes", "masse", "mât", "finissent", "finisse", "saucisse", "tisse", "boîtes",
                             "chanter", "croûtes"})
        EXPECT_FALSE(isRareTense(kept, dictionary)) << kept;
}

// English words of the French list go by their spelling and their ranks;
// a French word spelt alike but frequent in French, or met at least as
// often in French texts, stays.
TEST(EnglishLooking, SpellingAndFrequencyBothDecide) {
    EXPECT_TRUE(readsAsEnglish("shoot", 18305, 596));
    EXPECT_TRUE(readsAsEnglish("monitoring", 32630, 6052));
    EXPECT_TRUE(readsAsEnglish("liberty", 10910, 4551));
    EXPECT_TRUE(readsAsEnglish("brook", 0, 13618)) << "not in the French ranks at all";
    EXPECT_FALSE(readsAsEnglish("tour", 40000, 900)) << "not spelt as English";
    EXPECT_FALSE(readsAsEnglish("week", 2500, 300)) << "frequent in French";
    EXPECT_FALSE(readsAsEnglish("kiosque", 9000, 0)) << "no English rank";
    EXPECT_FALSE(readsAsEnglish("look", 9000, 5000)) << "less than twice as frequent in English";
}

}  // namespace glossamo::wordlists::testing
