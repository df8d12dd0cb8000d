#pragma once
// The moves that win the letter games, shared by their tests and the
// saved-game tests.
#include <string>
#include <vector>

#include "families/word_hunts/word_hunts.hpp"
#include "games/game_fixture.hpp"

namespace glossamo::testing {

// Row words whose middles (positions 4-6) spell the column words' middles.
inline const std::vector<std::string> CrossWords = {"XXXABCXXX", "XXXDEFXXX", "XXXGHIXXX", "YYYADGYYY",
                                                    "YYYBEHYYY", "YYYCFIYYY", "XXXCBAXXX"};
inline const std::vector<std::string> AnagramWords = {"CHIENS", "NICHES"};
inline const std::vector<std::string> ExtraWords = {"ABCDEF", "GABCDEF", "HGABCDEF"};
inline const std::vector<std::string> PasswordWords = {"ABCDEFGH", "ABCDE", "FGHIJ"};

// De l'un à l'autre, 7 letters: the across word can only be XXCATXX
// (CATXXXX holds CAT at its start, where the shared word is never looked
// for); YCATYYY is the first word holding CAT, so it is the down word.
inline const std::vector<std::string> ChainWords = {"YCATYYY", "CATXXXX", "XXCATXX", "CAT"};
// Troisième mot: MAINTENIR is the only nine-letter word cut into two words
// whose middle word may be used (TENUS ends in S). Of the words that begin
// with TENIR, only TENIRPAIN leaves a word after the middle one.
inline const std::vector<std::string> ThirdWords = {"MAIN",      "TENIR",     "TENUS",     "PAIN",      "MAINTENUS",
                                                    "TENUSPAIN", "TENIXPAIN", "TENIRZZZZ", "MAINTENIR", "TENIRPAIN"};

// The nine letters the next word hunt draws: every start reseeds the
// generator from the same clock.
inline std::string nextHuntLetters(const GameFixture& t) {
    Random rng;
    rng.seed(t.s.platform.clockSeed());
    return drawHuntLetters(rng);
}
// Words of the nine letters: every piece of `length` letters.
inline std::vector<std::string> piecesOf(const std::string& letters, std::size_t length) {
    std::vector<std::string> pieces;
    for (std::size_t k = 0; k + length <= letters.size(); ++k) pieces.push_back(letters.substr(k, length));
    return pieces;
}

inline char textAt(const GameFixture& t, int text, int k) {
    return t.s.game.texts[static_cast<std::size_t>(text)][static_cast<std::size_t>(k)];
}

// Mots en croix, 9 letters: the bank letters back into rows first..last.
inline void crossingRows(GameFixture& t, int first, int last) {
    for (int row = first; row <= last; ++row)
        for (int c = 9; c <= 11; ++c) t.bring(textAt(t, row - 6, c - 6), 1, 1, 9, c, row);
}

// Anagrammes, 6 letters: letters first..last of the answer into row 11.
inline void anagramLetters(GameFixture& t, int first, int last) {
    for (int k = first; k <= last; ++k) t.bring(textAt(t, 2, k), 10, 7, 12, 7 + k, 11);
}

// Lettre en plus: the answers of lines first..last.
inline void extraLines(GameFixture& t, int first, int last) {
    const int length = static_cast<int>(t.s.game.texts[1].size());
    for (int j = first; j <= last; ++j)
        for (int k = 0; k < length; ++k) t.bring(textAt(t, j, k), 3 * j + 2, 12, 11 + length, 12 + k, 3 * j + 1);
}

// Mot de passe: the password letter of row i (or `wanted`) into its clue's
// hole.
inline void passwordRow(GameFixture& t, int i, char wanted = 0) {
    const int y = i + 2, x = i % 2 ? 5 : 13;
    for (int c = x; c < x + 5; ++c) {
        const bool hole = t.s.game.colours[static_cast<std::size_t>(c)][static_cast<std::size_t>(y)] == HighlightInk;
        if (!hole || t.letter(c, y) != ' ') continue;
        if (wanted == 0) wanted = textAt(t, 1, i - 1);
        for (int r = 3; r <= 10; ++r)
            if (t.letter(2, r) == wanted) {
                t.drag(2, r, c, y);
                t.frames(1);
                break;
            }
    }
}

}  // namespace glossamo::testing
