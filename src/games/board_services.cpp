#include "games/board_services.hpp"

#include <algorithm>

#include "games/anagram_games.hpp"
#include "games/consonant_market.hpp"
#include "games/crossing_words.hpp"
#include "games/cut_words.hpp"
#include "games/game_families.hpp"
#include "games/stacked_words.hpp"
#include "games/vowel_market.hpp"
#include "games/word_chains.hpp"
#include "games/word_lists.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

using namespace families;

std::size_t at(int i) { return static_cast<std::size_t>(i); }
std::uint32_t code(char c) { return static_cast<unsigned char>(c); }

bool sameText(const GameRecord& g, int a, int b) { return g.texts[at(a)].view() == g.texts[at(b)].view(); }

// Every cell of the N x N grid at columns 1..N and rows firstRow..firstRow+N-1
// holds the expected character of `expected`.
bool gridMatches(const GameRecord& g, const Board<std::uint32_t>& expected, int firstRow) {
    const int n = static_cast<int>(g.counterB);
    if (n < 1 || n >= BoardSize || firstRow + n > BoardSize) return false;
    for (int c = 1; c <= n; ++c)
        for (int r = firstRow; r < firstRow + n; ++r)
            if (code(g.letters[at(c)][at(r)]) != expected[at(c)][at(r)]) return false;
    return true;
}

// The letter-sum grids keep their solution one column and one row up-left.
bool shiftedGridMatches(const GameRecord& g) {
    const int n = static_cast<int>(g.counterB);
    if (n < 1 || n >= BoardSize) return false;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (code(g.letters[at(i + 1)][at(j + 1)]) != g.solution[at(i)][at(j)]) return false;
    return true;
}

bool enoughWordsFound(const ProgramState& s) {
    std::uint32_t found = 0;
    for (const std::string& entry : s.gameWordList)
        if (!entry.empty() && entry[0] == ' ') ++found;
    return found >= s.game.counterB;
}

bool solved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const std::uint32_t id = g.gameId;
    if (isCodedWords(id)) return gridMatches(g, g.solution, 1);
    if (isPlacedWords(id) || isBrokenGrid(id)) return gridMatches(g, g.numbers, 1);
    if (isScrambledGrid(id)) return gridMatches(g, g.solution, 5);
    if (isLetterSums(id)) return shiftedGridMatches(g);
    if (id == 4) return g.counterA == g.counterB;
    if (isCrossingWords(id)) return crossingWordsSolved(s);
    if (isHangman(id) || in(id, 76, 87)) return sameText(g, 1, 2);
    if (isStackedWords(id)) return stackedWordsSolved(s);
    if (isPassword(id)) return passwordSolved(s);
    if (isVowelMarket(id)) return vowelMarketSolved(s);
    if (isExtraLetter(id)) return extraLetterSolved(s);
    if (isConsonantMarket(id)) return consonantMarketSolved(s);
    if (isAnagrams(id)) return anagramsSolved(s);
    if (isFromOneToOther(id)) return fromOneToOtherSolved(s);
    if (isThirdWord(id)) return thirdWordSolved(s);
    if (isCutWords(id)) return cutWordsSolved(s);
    if (isWordHunt(id)) return enoughWordsFound(s);
    if (isMotuce(id)) return sameText(g, 1, 10);
    return false;  // the hidden-words games decide for themselves
}

}  // namespace

char expectedGridLetter(const ProgramState& s, int c, int r) {
    const GameRecord& g = s.game;
    const std::uint32_t id = g.gameId;
    const int n = static_cast<int>(g.counterB);
    const auto inside = [n, c, r](int firstRow) { return c >= 1 && c <= n && r >= firstRow && r < firstRow + n; };
    std::uint32_t expected = 0;
    if (n < 1 || n >= BoardSize) return 0;
    if (isCodedWords(id) && inside(1)) expected = g.solution[at(c)][at(r)];
    if ((isPlacedWords(id) || isBrokenGrid(id)) && inside(1)) expected = g.numbers[at(c)][at(r)];
    if (isScrambledGrid(id) && inside(5)) expected = g.solution[at(c)][at(r)];
    if (isLetterSums(id) && inside(1)) expected = g.solution[at(c - 1)][at(r - 1)];
    return expected >= 'A' && expected <= 'Z' ? static_cast<char>(expected) : 0;
}

bool holdsGivenLetter(const ProgramState& s, int c, int r) {
    if (c < 0 || r < 0 || c >= BoardSize || r >= BoardSize) return false;
    const GameRecord& g = s.game;
    const char letter = g.letters[at(c)][at(r)];
    if (letter < 'A' || letter > 'Z') return false;
    if (s.givenLetters[at(c)][at(r)] == letter) return true;
    // A saved game keeps no record of its printed letters: the coded and
    // dismantled grids print theirs at the start of the top row.
    constexpr int GivenLetters = 4;
    if (r != 1 || c < 1 || c > GivenLetters) return false;
    if (isCodedWords(g.gameId)) return code(letter) == g.solution[at(c)][1];
    if (isBrokenGrid(g.gameId)) return code(letter) == g.numbers[at(c)][1];
    return false;
}

void sayWhenFullButRefused(ProgramState& s, bool full, int comment) {
    const bool refused = full && s.app.gameWon == 0 && s.app.gameLost == 0;
    if (refused && s.fullRefusalSaid == 0) showPopup(s, 2, 520, s.app.comments[at(comment)].view());
    s.fullRefusalSaid = refused ? 1 : 0;
}

bool sameLetters(std::string_view a, std::string_view b) {
    std::string x(a), y(b);
    std::sort(x.begin(), x.end());
    std::sort(y.begin(), y.end());
    return x == y;
}

bool acceptedWord(const ProgramState& s, std::string_view made, std::string_view stored) {
    return made == stored || (made.size() == stored.size() && PlayerWordExists(s, made));
}

std::string readBoardWord(const ProgramState& s, int column, int row, int length, bool across) {
    std::string word;
    for (int k = 0; k < length; ++k) {
        const int c = across ? column + k : column;
        const int r = across ? row : row + k;
        if (c < 0 || r < 0 || c >= BoardSize || r >= BoardSize) break;
        word += s.game.letters[at(c)][at(r)];
    }
    return word;
}

void checkSolved(ProgramState& s) {
    if (s.app.gameLost == 1) return;
    if (solved(s)) s.app.gameWon = 1;
}

void checkSolved(ProgramState& s, bool (*acceptsBoard)(const ProgramState&)) {
    if (s.app.gameLost == 1) return;
    if (solved(s) || acceptsBoard(s)) s.app.gameWon = 1;
}

}  // namespace glossamo
