#include "games/board_services.hpp"

#include <algorithm>

#include "games/game_rules.hpp"

#include "games/word_lists.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }
std::uint32_t code(char c) { return static_cast<unsigned char>(c); }

}  // namespace

bool gridMatches(const GameRecord& g, const Board<std::uint32_t>& expected, int firstRow) {
    const int n = static_cast<int>(g.counterB);
    if (n < 1 || n >= BoardSize || firstRow + n > BoardSize) return false;
    for (int c = 1; c <= n; ++c)
        for (int r = firstRow; r < firstRow + n; ++r)
            if (code(g.letters[at(c)][at(r)]) != expected[at(c)][at(r)]) return false;
    return true;
}

bool shiftedGridMatches(const GameRecord& g) {
    const int n = static_cast<int>(g.counterB);
    if (n < 1 || n >= BoardSize) return false;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (code(g.letters[at(i + 1)][at(j + 1)]) != g.solution[at(i)][at(j)]) return false;
    return true;
}

char answerInGrid(const ProgramState& s, const Board<std::uint32_t>& answers, int c, int r, int firstRow, int shift) {
    const int n = static_cast<int>(s.game.counterB);
    if (n < 1 || n >= BoardSize || c < 1 || c > n || r < firstRow || r >= firstRow + n) return 0;
    const std::uint32_t expected = answers[at(c - shift)][at(r - shift)];
    return expected >= 'A' && expected <= 'Z' ? static_cast<char>(expected) : 0;
}

char expectedGridLetter(const ProgramState& s, const GameRules& rules, int c, int r) {
    if (!rules.answerAt || c < 0 || r < 0 || c >= BoardSize || r >= BoardSize) return 0;
    return rules.answerAt(s, c, r);
}

bool holdsGivenLetter(const ProgramState& s, const GameRules& rules, int c, int r) {
    if (c < 0 || r < 0 || c >= BoardSize || r >= BoardSize) return false;
    const char letter = s.game.letters[at(c)][at(r)];
    if (letter < 'A' || letter > 'Z') return false;
    if (s.givenLetters[at(c)][at(r)] == letter) return true;
    // A saved game keeps no record of its printed letters: the coded and
    // dismantled grids print theirs at the start of the top row.
    constexpr int GivenLetters = 4;
    if (!rules.printsTopRowLetters || r != 1 || c < 1 || c > GivenLetters) return false;
    return expectedGridLetter(s, rules, c, 1) == letter;
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

void checkSolved(ProgramState& s, BoardRule rule) {
    if (s.app.gameLost == 1 || rule == nullptr) return;
    if (rule(s)) s.app.gameWon = 1;
}

}  // namespace glossamo
