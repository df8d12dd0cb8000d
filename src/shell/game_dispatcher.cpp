#include "shell/game_dispatcher.hpp"

#include <vector>

#include "games/anagram_games.hpp"
#include "games/consonant_market.hpp"
#include "games/crossing_words.hpp"
#include "games/cut_words.hpp"
#include "games/faded_proverbs.hpp"
#include "games/hangman.hpp"
#include "games/longest_word.hpp"
#include "games/motuce.hpp"
#include "games/stacked_words.hpp"
#include "games/vowel_market.hpp"
#include "games/word_chains.hpp"
#include "games/word_hunts.hpp"
#include "grid/coded_words.hpp"
#include "grid/grid_games.hpp"
#include "grid/letter_sums.hpp"
#include "grid/scrambled_grids.hpp"
#include "state/program_state.hpp"

namespace glossamo {

namespace {

constexpr const char* FrenchGrids = "grilles.txt";
constexpr const char* EnglishGrids = "grillesEnglish.txt";

// A run of identifiers playing one routine, with one level per identifier.
struct DispatchRow {
    int first;
    GameRoutine routine;
    std::vector<int> levels;
    const char* gridFile;
};

const std::vector<DispatchRow>& dispatchTable() {
    static const std::vector<DispatchRow> rows = {
        {1, playCodedWords, {12, 10, 8}, FrenchGrids},       // Mots codés
        {92, playCodedWords, {12, 10, 8}, EnglishGrids},
        {4, playLongestWord, {0}, nullptr},                  // Le mot le plus long
        {5, playCrossingWords, {13, 11, 9}, nullptr},        // Mots en croix
        {88, playCrossingWords, {5, 6, 7, 8}, nullptr},      // English cross
        {8, playHangman, {12, 10, 8}, nullptr},              // Le pendu
        {112, playHangman, {12, 10, 8}, nullptr},
        {122, playHangman, {12, 10, 8}, nullptr},
        {132, playHangman, {12, 10, 8}, nullptr},
        {142, playHangman, {12, 10, 8}, nullptr},
        {11, playPassword, {12, 10, 8}, nullptr},            // Mot de passe
        {14, playVowelMarket, {8, 6}, nullptr},              // Bourse aux voyelles
        {16, playAnagrams, {14, 10, 6}, nullptr},            // Anagrammes
        {19, playExtraLetter, {4, 3, 2}, nullptr},           // Lettre en plus
        {22, playFromOneToOther, {11, 9, 7}, nullptr},       // De l'un à l'autre
        {25, playThirdWord, {0}, nullptr},                   // Troisième mot
        {26, playCutWords, {10, 8, 6}, nullptr},                  // Mots coupés
        {105, playCutWords, {10, 8, 6}, nullptr},
        {115, playCutWords, {10, 8, 6}, nullptr},
        {125, playCutWords, {10, 8, 6}, nullptr},
        {135, playCutWords, {10, 8, 6}, nullptr},
        {29, playWordPlacement, {12, 10, 8, 6}, FrenchGrids},  // Mots casés
        {95, playWordPlacement, {12, 10, 8, 6}, EnglishGrids},
        {33, playHiddenWords, {12, 10, 8, 6}, FrenchGrids},    // Mots cachés
        {99, playHiddenWords, {12, 10, 8, 6}, EnglishGrids},
        {37, playMixedGrid, {8, 6}, FrenchGrids},            // Grille en vrac
        {103, playMixedGrid, {8, 6}, EnglishGrids},
        {39, playConsonantMarket, {4, 3, 2, 1}, nullptr},                // Bourse aux consonnes
        {43, playDismantledGrid, {10, 8, 6}, FrenchGrids},   // Grille déconstituée
        {46, playMaxiWords, {1, 2, 3}, nullptr},             // Maxi-mots
        {49, playWordsStartingWith, {1, 2}, nullptr},        // Mots commençant par
        {51, playMotuce, {6, 7, 8, 9, 10, 11, 12, 13, 14}, nullptr},  // Motuce
        {108, playMotuce, {6, 7, 8, 9}, nullptr},
        {118, playMotuce, {6, 7, 8, 9}, nullptr},
        {128, playMotuce, {6, 7, 8, 9}, nullptr},
        {138, playMotuce, {6, 7, 8, 9}, nullptr},
        {60, playLetterSums, {12, 10, 8, 6}, FrenchGrids},   // Sommes de lettres
        {64, playFadedLetters, {12, 10, 8, 6}, FrenchGrids},  // Lettres effacées
        {68, playProverbHangman, {1, 2, 3, 4, 5, 6, 7, 8}, nullptr},  // Proverbes pendus
        {76, playFadedProverbs, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, nullptr},  // Proverbes effacés
        {145, playStackedWords, {14, 13, 12, 11, 10, 9}, nullptr},  // Mots empilés
    };
    return rows;
}

}  // namespace

GameDispatch dispatchFor(int id) {
    for (const DispatchRow& row : dispatchTable()) {
        const int k = id - row.first;
        if (k >= 0 && k < static_cast<int>(row.levels.size()))
            return {row.routine, row.levels[static_cast<std::size_t>(k)], row.gridFile};
    }
    return {};
}

void GameDispatcher(ProgramState& s) {
    Platform& p = s.platform;
    // The clock counts the time of play: not while the rules, the options, a
    // search or a question cover the game, and not once it has ended.
    const int over = s.app.screen;
    const bool covered = over == screens::Help || over == screens::Options || over == screens::AnagramSearch ||
                         over == screens::PatternSearch || over == screens::Confirmation;
    const bool counts = s.gameInPlay() && !covered;
    if (counts != p.playClockEnabled()) p.setPlayClockEnabled(counts);
    s.app.cursorShape = 0;
    const GameDispatch game = dispatchFor(static_cast<int>(s.game.gameId));
    // A puzzle of the daily challenge draws from its date's seed, right
    // before it is built, so that nothing else draws in between.
    if (s.game.built == 0 && s.pendingChallenge.seed != 0) s.rng.seed(s.pendingChallenge.seed);
    if (game.routine) game.routine(s, game.level, game.gridFile);
}

}  // namespace glossamo
