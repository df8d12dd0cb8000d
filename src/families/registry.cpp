#include "families/registry.hpp"

#include "families/anagrams/anagrams.hpp"
#include "families/coded_words/coded_words.hpp"
#include "families/consonant_market/consonant_market.hpp"
#include "families/crossing_words/crossing_words.hpp"
#include "families/cut_words/cut_words.hpp"
#include "families/dismantled_grid/dismantled_grid.hpp"
#include "families/extra_letter/extra_letter.hpp"
#include "families/faded_proverbs/faded_proverbs.hpp"
#include "families/from_one_to_other/from_one_to_other.hpp"
#include "families/hangman/hangman.hpp"
#include "families/hidden_words/hidden_words.hpp"
#include "families/letter_sums/letter_sums.hpp"
#include "families/longest_word/longest_word.hpp"
#include "families/mixed_grid/mixed_grid.hpp"
#include "families/motuce/motuce.hpp"
#include "families/password/password.hpp"
#include "families/stacked_words/stacked_words.hpp"
#include "families/third_word/third_word.hpp"
#include "families/vowel_market/vowel_market.hpp"
#include "families/word_hunts/word_hunts.hpp"
#include "families/word_placement/word_placement.hpp"
#include "games/word_lists.hpp"

namespace glossamo {

namespace {

constexpr const char* FrenchGrids = "grilles.txt";
constexpr const char* EnglishGrids = "grillesEnglish.txt";
constexpr int French = 0;  // the dictionary itself

// A family whose level list shows every identifier it holds, or only the
// first `listed` of them.
GameFamily family(const char* name, std::vector<GameRun> runs, int listed = 0) {
    int levels = 0;
    for (const GameRun& run : runs) levels += static_cast<int>(run.levels.size());
    const int firstId = runs.front().firstId;
    return {name, std::move(runs), firstId, listed ? listed : levels};
}

// The four theme families share one shape: three cut-words games, four
// Motuce games and three hangman games on the theme's word list.
GameFamily themeFamily(const char* name, int first, const std::string& theme, int list) {
    const std::string t = " / " + theme;
    return family(name, {
        {first, &CutWordsRules, {{10, "MOTS COUPES 10 mots" + t}}, "THEMES.txt", list, nullptr},
        {first + 1, &CutWordsRules, {{8, "MOTS COUPES 8  mots" + t}, {6, "MOTS COUPES 6  mots" + t}},
         "LES MOTS COUPES.txt", list, nullptr},
        {first + 3, &MotuceRules,
         {{6, "MOTUCE 6 Lettres" + t}, {7, "MOTUCE 7 Lettres" + t}, {8, "MOTUCE 8 Lettres" + t},
          {9, "MOTUCE 9 Lettres" + t}},
         "MOTUCE.txt", list, nullptr},
        {first + 7, &HangmanRules,
         {{12, "PENDU 12 Lettres" + t}, {10, "PENDU 10 Lettres" + t}, {8, "PENDU  8 Lettres" + t}},
         "LE PENDU.txt", list, nullptr},
    });
}

std::vector<GameFamily> allFamilies() {
    using namespace wordlists;
    return {
        {"", {}, 0, 0},
        family("MOTS CODES", {{1, &CodedWordsRules,
                               {{12, "MOTS  CODES 12x12"}, {10, "MOTS CODES  10x10"}, {8, "MOTS CODES    8x8"}},
                               "MOTS CODES.txt", French, FrenchGrids}}),
        family("LE MOT LE PLUS LONG",
               {{4, &LongestWordRules, {{0, "LE MOT LE PLUS LONG"}}, "LE MOT LE PLUS LONG.txt", French, nullptr}}),
        family("MOTS EN CROIX", {{5, &CrossingWordsRules,
                                  {{13, "MOTS  EN CROIX 13 Lettres"}, {11, "MOTS EN CROIX  11 Lettres"},
                                   {9, "MOTS EN CROIX   9 Lettres"}},
                                  "LES MOTS EN CROIX.txt", French, nullptr}}),
        family("LE PENDU", {{8, &HangmanRules,
                             {{12, "PENDU  12 lettres"}, {10, "PENDU  10 lettres"}, {8, "PENDU  8 lettres"}},
                             "LE PENDU.txt", French, nullptr}}),
        family("MOT DE PASSE", {{11, &PasswordRules,
                                 {{12, "MOT  DE PASSE 12 lettres"}, {10, "MOT DE PASSE  10 lettres"},
                                  {8, "MOT DE PASSE   8 lettres"}},
                                 "LE MOT DE PASSE.txt", French, nullptr}}),
        family("BOURSE AUX VOYELLES",
               {{14, &VowelMarketRules, {{8, "BOURSE AUX VOYELLES 8 Mots"}, {6, "BOURSE AUX VOYELLES 6 Mots"}},
                 "LA BOURSE AUX VOYELLES.txt", French, nullptr}}),
        family("ANAGRAMMES", {{16, &AnagramsRules,
                               {{14, "ANAGRAMMES  14 Lettres"}, {10, "ANAGRAMMES  10 Lettres"},
                                {6, "ANAGRAMMES   6 Lettres"}},
                               "ANAGRAMMES.txt", French, nullptr}}),
        family("LETTRE EN PLUS", {{19, &ExtraLetterRules,
                                   {{4, "LETTRE EN PLUS  4 Mots"}, {3, "LETTRE EN PLUS  3 Mots"},
                                    {2, "LETTRE EN PLUS  2 Mots"}},
                                   "LA LETTRE EN PLUS.txt", French, nullptr}}),
        family("DE L'UN A L'AUTRE", {{22, &FromOneToOtherRules,
                                      {{11, "DE l'UN A L'AUTRE 11 Lettres"}, {9, "DE l'UN A L'AUTRE  9 Lettres"},
                                       {7, "DE l'UN A L'AUTRE  7 Lettres"}},
                                      "DE LUN A LAUTRE.txt", French, nullptr}}),
        family("TROISIEME MOT",
               {{25, &ThirdWordRules, {{0, "TROISIEME MOT"}}, "TROISIEME MOT.txt", French, nullptr}}),
        family("MOTS COUPES", {{26, &CutWordsRules,
                                {{10, "MOTS COUPES 10 mots"}, {8, "MOTS COUPES  8 mots"}, {6, "MOTS COUPES  6 mots"}},
                                "LES MOTS COUPES.txt", French, nullptr}}),
        family("MOTS CASES", {{29, &WordPlacementRules,
                               {{12, "MOTS CASES 12x12"}, {10, "MOTS CASES 10x10"}, {8, "MOTS CASES   8x8"},
                                {6, "MOTS CASES   6x6"}},
                               "MOTS CASES.txt", French, FrenchGrids}}),
        family("MOTS CACHES", {{33, &HiddenWordsRules,
                                {{12, "MOTS CACHES  12x12"}, {10, "MOTS CACHES  10x10"}, {8, "MOTS CACHES    8x8"},
                                 {6, "MOTS CACHES    6x6"}},
                                "MOTS CACHES.txt", French, FrenchGrids}}),
        family("GRILLE EN VRAC", {{37, &MixedGridRules, {{8, "GRILLE EN VRAC 8x8"}, {6, "GRILLE EN VRAC 6x6"}},
                                   "GRILLE EN VRAC.txt", French, FrenchGrids}}),
        family("BOURSE AUX CONSONNES", {{39, &ConsonantMarketRules,
                                         {{4, "BOURSE AUX CONSONNES 4 mots"}, {3, "BOURSE AUX CONSONNES 3 mots"},
                                          {2, "BOURSE AUX CONSONNES 2 mots"}, {1, "BOURSE AUX CONSONNES 1 mot"}},
                                         "BOURSE AUX CONSONNES.txt", French, nullptr}}),
        family("GRILLE DECONSTITUEE", {{43, &DismantledGridRules,
                                        {{10, "GRILLE DECONSTITUEE 10x10"}, {8, "GRILLE DECONSTITUEE   8x8"},
                                         {6, "GRILLE DECONSTITUEE   6x6"}},
                                        "GRILLE DECONSTITUEE.txt", French, FrenchGrids}}),
        family("MAXI-MOTS", {{46, &MaxiWordsRules,
                              {{1, "MAXI-MOTS 100/100"}, {2, "MAXI-MOTS  50/100"}, {3, "MAXI-MOTS  33/100"}},
                              "MAXIMOTS.txt", French, nullptr}}),
        family("MOTS COMMENCANT PAR",
               {{49, &WordsStartingWithRules,
                 {{1, "MOTS COMMENCANT PAR...100/100"}, {2, "MOTS COMMENCANT PAR... 50/100"}}, "MOTS COMM.txt",
                 French, nullptr}}),
        family("MOTUCE", {{51, &MotuceRules,
                           {{6, "MOTUCE 6  lettres"}, {7, "MOTUCE 7  lettres"}, {8, "MOTUCE 8  lettres"},
                            {9, "MOTUCE 9  lettres"}, {10, "MOTUCE 10 lettres"}, {11, "MOTUCE 11 lettres"},
                            {12, "MOTUCE 12 lettres"}, {13, "MOTUCE 13 lettres"}, {14, "MOTUCE 14 lettres"}},
                           "MOTUCE.txt", French, nullptr}}),
        family("SOMMES DE LETTRES", {{60, &LetterSumsRules,
                                      {{12, "SOMMES DE LETTRES 12x12"}, {10, "SOMMES DE LETTRES 10x10"},
                                       {8, "SOMMES DE LETTRES 8x8"}, {6, "SOMMES DE LETTRES 6x6"}},
                                      "SOMMES.txt", French, FrenchGrids}}),
        family("LETTRES EFFACEES", {{64, &FadedLettersRules,
                                     {{12, "LETTRES TRES EFFACEES 12x12"}, {10, "LETTRES TRES EFFACEES 10x10"},
                                      {8, "LETTRES PEU EFFACEES  12x12"}, {6, "LETTRES PEU EFFACEES  10x10"}},
                                     "EFFACEES.txt", French, FrenchGrids}}),
        family("PROVERBES PENDUS",
               {{68, &ProverbHangmanRules,
                 {{1, "PENDU PROVERBES ANGLAIS"}, {2, "PENDU PROVERBES FRANCAIS"}, {3, "PENDU PROVERBES ECOSSAIS"},
                  {4, "PENDU PROVERBES ALLEMANDS"}, {5, "PENDU PROVERBES ESPAGNOLS"}, {6, "PENDU PROVERBES FLAMANDS"},
                  {7, "PENDU PROVERBES INDIENS"}, {8, "PENDU PROVERBES RUSSES"}},
                 "PROVERBES.txt", French, nullptr}}),
        family("PROVERBES EFFACES",
               {{76, &FadedProverbsRules,
                 {{1, "PROVERBES DE JANVIER"}, {2, "PROVERBES DE FEVRIER"}, {3, "PROVERBES DE MARS"},
                  {4, "PROVERBES D'AVRIL"}, {5, "PROVERBES DE MAI"}, {6, "PROVERBES DE JUIN"},
                  {7, "PROVERBES DE JUILLET"}, {8, "PROVERBES D'AOUT"}, {9, "PROVERBES DE SEPTEMBRE"},
                  {10, "PROVERBES D'OCTOBRE"}, {11, "PROVERBES DE NOVEMBRE"}, {12, "PROVERBES DE DECEMBRE"}},
                 "PROVERBESEFF.txt", French, nullptr}}),
        family("ENGLISH CROSS", {{88, &EnglishCrossRules,
                                  {{5, "ENGLISH CROSS 5 LETTRES"}, {6, "ENGLISH CROSS 6 LETTRES"},
                                   {7, "ENGLISH CROSS 7 LETTRES"}, {8, "ENGLISH CROSS 8 LETTRES"}},
                                  "ENGLISHCROSS.txt", English, nullptr}}),
        family("GRILLES ANGLAISES",
               {{92, &CodedWordsRules, {{12, "WORD CODES  12x12"}}, "GRILLES ANGLAISES.txt", English, EnglishGrids},
                {93, &CodedWordsRules, {{10, "WORD CODES  10x10"}, {8, "WORD CODES    8x8"}}, "WORDCODES.txt",
                 English, EnglishGrids},
                {95, &WordPlacementRules,
                 {{12, "WORD TO PUT 12x12"}, {10, "WORD TO PUT 10x10"}, {8, "WORD TO PUT   8x8"},
                  {6, "WORD TO PUT   6x6"}},
                 "WORDTOPUT.txt", English, EnglishGrids},
                {99, &HiddenWordsRules,
                 {{12, "HIDDEN WORDS 12x12"}, {10, "HIDDEN WORDS 10x10"}, {8, "HIDDEN WORDS   8x8"},
                  {6, "HIDDEN WORDS   6x6"}},
                 "HIDDENWORDS.txt", English, EnglishGrids},
                {103, &MixedGridRules, {{8, "MIXWORD 8x8"}, {6, "MIXWORD 6x6"}}, "MIXWORD.txt", English,
                 EnglishGrids}}),
        themeFamily("THEME ARBRES", 105, "ARBRES", Trees),
        themeFamily("THEME FLEURS", 115, "FLEURS", Flowers),
        themeFamily("THEME ANIMAUX", 125, "ANIMAUX", Animals),
        themeFamily("THEME PAYS", 135, "PAYS", Countries),
        // The sixth level (9 words) is a game of its own that the level list
        // does not offer.
        family("MOTS EMPILES", {{145, &StackedWordsRules,
                                 {{14, "14 MOTS EMPILES"}, {13, "13 MOTS EMPILES"}, {12, "12 MOTS EMPILES"},
                                  {11, "11 MOTS EMPILES"}, {10, "10 MOTS EMPILES"}, {9, "9 MOTS EMPILES"}},
                                 "MOTS EMPILES.txt", French, nullptr}},
               5),
        // The player's own list: a hangman and a Motuce of any length the
        // list holds, and the cut words of its six-letter words.
        family("MES LISTES", {{151, &HangmanRules, {{0, "PENDU"}}, "MES LISTES.txt", PlayerList, nullptr},
                              {152, &MotuceRules, {{0, "MOTUCE"}}, "MES LISTES.txt", PlayerList, nullptr},
                              {153, &CutWordsRules,
                               {{6, "MOTS COUPES 6 mots"}, {8, "MOTS COUPES 8 mots"}, {10, "MOTS COUPES 10 mots"}},
                               "MES LISTES.txt", PlayerList, nullptr}}),
    };
}

}  // namespace

const std::vector<GameFamily>& GameFamilies() {
    static const std::vector<GameFamily> families = allFamilies();
    return families;
}

GameEntry gameEntry(int id) {
    const std::vector<GameFamily>& families = GameFamilies();
    for (std::size_t f = 1; f < families.size(); ++f)
        for (const GameRun& run : families[f].runs) {
            const int k = id - run.firstId;
            if (k >= 0 && k < static_cast<int>(run.levels.size())) return {static_cast<int>(f), &run, k};
        }
    return {};
}

const GameRules* rulesOf(int id) { return gameEntry(id).rules(); }

int familyOfGame(int id) { return gameEntry(id).family; }

int firstGameOf(const GameRules& rules, int parameter) {
    for (const GameFamily& family : GameFamilies())
        for (const GameRun& run : family.runs)
            for (std::size_t k = 0; k < run.levels.size(); ++k)
                if (run.rules == &rules && run.levels[k].parameter == parameter)
                    return run.firstId + static_cast<int>(k);
    return 0;
}

int firstGameOnList(int wordList) {
    for (const GameFamily& family : GameFamilies())
        for (const GameRun& run : family.runs)
            if (run.wordList == wordList) return run.firstId;
    return 0;
}

}  // namespace glossamo
