#include "games/catalogue.hpp"

#include <string_view>
#include <vector>

#include "state/program_state.hpp"

namespace glossamo {

namespace {

// Identifiers from `first`, one name each, sharing a rules file.
struct CatalogueRow {
    int first;
    std::vector<const char*> names;
    const char* rules;
};

const std::vector<CatalogueRow>& catalogueRows() {
    static const std::vector<CatalogueRow> rows = {
        {1, {"MOTS  CODES 12x12", "MOTS CODES  10x10", "MOTS CODES    8x8"}, "MOTS CODES.txt"},
        {4, {"LE MOT LE PLUS LONG"}, "LE MOT LE PLUS LONG.txt"},
        {5, {"MOTS  EN CROIX 13 Lettres", "MOTS EN CROIX  11 Lettres", "MOTS EN CROIX   9 Lettres"},
         "LES MOTS EN CROIX.txt"},
        {8, {"PENDU  12 lettres", "PENDU  10 lettres", "PENDU  8 lettres"}, "LE PENDU.txt"},
        {11, {"MOT  DE PASSE 12 lettres", "MOT DE PASSE  10 lettres", "MOT DE PASSE   8 lettres"},
         "LE MOT DE PASSE.txt"},
        {14, {"BOURSE AUX VOYELLES 8 Mots", "BOURSE AUX VOYELLES 6 Mots"}, "LA BOURSE AUX VOYELLES.txt"},
        {16, {"ANAGRAMMES  14 Lettres", "ANAGRAMMES  10 Lettres", "ANAGRAMMES   6 Lettres"}, "ANAGRAMMES.txt"},
        {19, {"LETTRE EN PLUS  4 Mots", "LETTRE EN PLUS  3 Mots", "LETTRE EN PLUS  2 Mots"}, "LA LETTRE EN PLUS.txt"},
        {22, {"DE l'UN A L'AUTRE 11 Lettres", "DE l'UN A L'AUTRE  9 Lettres", "DE l'UN A L'AUTRE  7 Lettres"},
         "DE LUN A LAUTRE.txt"},
        {25, {"TROISIEME MOT"}, "TROISIEME MOT.txt"},
        {26, {"MOTS COUPES 10 mots", "MOTS COUPES  8 mots", "MOTS COUPES  6 mots"}, "LES MOTS COUPES.txt"},
        {29, {"MOTS CASES 12x12", "MOTS CASES 10x10", "MOTS CASES   8x8", "MOTS CASES   6x6"}, "MOTS CASES.txt"},
        {33, {"MOTS CACHES  12x12", "MOTS CACHES  10x10", "MOTS CACHES    8x8", "MOTS CACHES    6x6"},
         "MOTS CACHES.txt"},
        {37, {"GRILLE EN VRAC 8x8", "GRILLE EN VRAC 6x6"}, "GRILLE EN VRAC.txt"},
        {39, {"BOURSE AUX CONSONNES 4 mots", "BOURSE AUX CONSONNES 3 mots", "BOURSE AUX CONSONNES 2 mots",
              "BOURSE AUX CONSONNES 1 mot"},
         "BOURSE AUX CONSONNES.txt"},
        {43, {"GRILLE DECONSTITUEE 10x10", "GRILLE DECONSTITUEE   8x8", "GRILLE DECONSTITUEE   6x6"},
         "GRILLE DECONSTITUEE.txt"},
        {46, {"MAXI-MOTS 100/100", "MAXI-MOTS  50/100", "MAXI-MOTS  33/100"}, "MAXIMOTS.txt"},
        {49, {"MOTS COMMENCANT PAR...100/100", "MOTS COMMENCANT PAR... 50/100"}, "MOTS COMM.txt"},
        {51, {"MOTUCE 6  lettres", "MOTUCE 7  lettres", "MOTUCE 8  lettres", "MOTUCE 9  lettres", "MOTUCE 10 lettres",
              "MOTUCE 11 lettres", "MOTUCE 12 lettres", "MOTUCE 13 lettres", "MOTUCE 14 lettres"},
         "MOTUCE.txt"},
        {60, {"SOMMES DE LETTRES 12x12", "SOMMES DE LETTRES 10x10", "SOMMES DE LETTRES 8x8",
              "SOMMES DE LETTRES 6x6"},
         "SOMMES.txt"},
        {64, {"LETTRES TRES EFFACEES 12x12", "LETTRES TRES EFFACEES 10x10", "LETTRES PEU EFFACEES  12x12",
              "LETTRES PEU EFFACEES  10x10"},
         "EFFACEES.txt"},
        {68, {"PENDU PROVERBES ANGLAIS", "PENDU PROVERBES FRANCAIS", "PENDU PROVERBES ECOSSAIS",
              "PENDU PROVERBES ALLEMANDS", "PENDU PROVERBES ESPAGNOLS", "PENDU PROVERBES FLAMANDS",
              "PENDU PROVERBES INDIENS", "PENDU PROVERBES RUSSES"},
         "PROVERBES.txt"},
        {76, {"PROVERBES DE JANVIER", "PROVERBES DE FEVRIER", "PROVERBES DE MARS", "PROVERBES D'AVRIL",
              "PROVERBES DE MAI", "PROVERBES DE JUIN", "PROVERBES DE JUILLET", "PROVERBES D'AOUT",
              "PROVERBES DE SEPTEMBRE", "PROVERBES D'OCTOBRE", "PROVERBES DE NOVEMBRE", "PROVERBES DE DECEMBRE"},
         "PROVERBESEFF.txt"},
        {88, {"ENGLISH CROSS 5 LETTRES", "ENGLISH CROSS 6 LETTRES", "ENGLISH CROSS 7 LETTRES",
              "ENGLISH CROSS 8 LETTRES"},
         "ENGLISHCROSS.txt"},
        {92, {"WORD CODES  12x12"}, "GRILLES ANGLAISES.txt"},
        {93, {"WORD CODES  10x10", "WORD CODES    8x8"}, "WORDCODES.txt"},
        {95, {"WORD TO PUT 12x12", "WORD TO PUT 10x10", "WORD TO PUT   8x8", "WORD TO PUT   6x6"}, "WORDTOPUT.txt"},
        {99, {"HIDDEN WORDS 12x12", "HIDDEN WORDS 10x10", "HIDDEN WORDS   8x8", "HIDDEN WORDS   6x6"},
         "HIDDENWORDS.txt"},
        {103, {"MIXWORD 8x8", "MIXWORD 6x6"}, "MIXWORD.txt"},
        {145, {"14 MOTS EMPILES", "13 MOTS EMPILES", "12 MOTS EMPILES", "11 MOTS EMPILES", "10 MOTS EMPILES",
               "9 MOTS EMPILES"},
         "MOTS EMPILES.txt"},
    };
    return rows;
}

// The four theme families share one shape: three cut-words games, four
// Motuce games and three hangman games on the theme's word list.
void addThemeFamily(ProgramState& s, int first, const std::string& theme) {
    const char* names[] = {"MOTS COUPES 10 mots / ", "MOTS COUPES 8  mots / ", "MOTS COUPES 6  mots / ",
                           "MOTUCE 6 Lettres / ",   "MOTUCE 7 Lettres / ",    "MOTUCE 8 Lettres / ",
                           "MOTUCE 9 Lettres / ",   "PENDU 12 Lettres / ",    "PENDU 10 Lettres / ",
                           "PENDU  8 Lettres / "};
    const char* rules[] = {"THEMES.txt", "LES MOTS COUPES.txt", "LES MOTS COUPES.txt", "MOTUCE.txt", "MOTUCE.txt",
                           "MOTUCE.txt", "MOTUCE.txt",          "LE PENDU.txt",        "LE PENDU.txt", "LE PENDU.txt"};
    for (int k = 0; k < 10; ++k) {
        s.listBox(2).entries[static_cast<std::size_t>(first + k)] = names[k] + theme;
        s.helpFiles[static_cast<std::size_t>(first + k)] = rules[k];
    }
}

}  // namespace

const std::array<GameFamily, FamilyCount + 1>& GameFamilies() {
    static const std::array<GameFamily, FamilyCount + 1> families = {{
        {"", 0, 0},
        {"MOTS CODES", 1, 3},
        {"LE MOT LE PLUS LONG", 4, 1},
        {"MOTS EN CROIX", 5, 3},
        {"LE PENDU", 8, 3},
        {"MOT DE PASSE", 11, 3},
        {"BOURSE AUX VOYELLES", 14, 2},
        {"ANAGRAMMES", 16, 3},
        {"LETTRE EN PLUS", 19, 3},
        {"DE L'UN A L'AUTRE", 22, 3},
        {"TROISIEME MOT", 25, 1},
        {"MOTS COUPES", 26, 3},
        {"MOTS CASES", 29, 4},
        {"MOTS CACHES", 33, 4},
        {"GRILLE EN VRAC", 37, 2},
        {"BOURSE AUX CONSONNES", 39, 4},
        {"GRILLE DECONSTITUEE", 43, 3},
        {"MAXI-MOTS", 46, 3},
        {"MOTS COMMENCANT PAR", 49, 2},
        {"MOTUCE", 51, 9},
        {"SOMMES DE LETTRES", 60, 4},
        {"LETTRES EFFACEES", 64, 4},
        {"PROVERBES PENDUS", 68, 8},
        {"PROVERBES EFFACES", 76, 12},
        {"ENGLISH CROSS", 88, 4},
        {"GRILLES ANGLAISES", 92, 13},
        {"THEME ARBRES", 105, 10},
        {"THEME FLEURS", 115, 10},
        {"THEME ANIMAUX", 125, 10},
        {"THEME PAYS", 135, 10},
        {"MOTS EMPILES", 145, 5},
    }};
    return families;
}

void buildCatalogue(ProgramState& s) {
    for (const CatalogueRow& row : catalogueRows()) {
        for (std::size_t k = 0; k < row.names.size(); ++k) {
            const std::size_t id = static_cast<std::size_t>(row.first) + k;
            s.listBox(2).entries[id] = row.names[k];
            s.helpFiles[id] = row.rules;
        }
    }
    addThemeFamily(s, 105, "ARBRES");
    addThemeFamily(s, 115, "FLEURS");
    addThemeFamily(s, 125, "ANIMAUX");
    addThemeFamily(s, 135, "PAYS");
    s.helpFiles[StatisticsRules] = "STATISTIQUES.txt";
    s.helpFiles[ChallengeRules] = "DEFI DU JOUR.txt";
    s.listBox(2).width = 350;
}

std::string gameName(const ProgramState& s, int id) {
    if (id < FirstGameId || id > LastGameId) return {};
    return s.listBoxes[2].entries[static_cast<std::size_t>(id)];
}

}  // namespace glossamo
