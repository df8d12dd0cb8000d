#include "families/password/password.hpp"

#include <string>
#include <vector>

#include "families/password/password_record.hpp"
#include "games/board_cells.hpp"
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/drag_and_drop.hpp"
#include "games/word_lists.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"
#include "words/word_store.hpp"

namespace glossamo {

using namespace password;

namespace {

constexpr int ClueDraws = 99;
constexpr int ClueLength = 5;
constexpr int PasswordColumn = 2;
constexpr int CopyColumn = 11;
constexpr int FirstPasswordRow = 3;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

int clueColumn(int i) { return i % 2 == 1 ? 5 : 13; }

// The clue of password letter i: its clue word with the first occurrence of
// that letter blanked.
std::string clueOf(const GameRecord& g, int i) {
    std::string clue = clueWord(g, i).str();
    const std::size_t hole = clue.find(hiddenPassword(g)[at(i - 1)]);
    if (hole != std::string::npos) clue[hole] = ' ';
    return clue;
}

void buildPassword(ProgramState& s, int n) {
    GameRecord& g = s.game;
    hiddenPassword(g) = s.words.GetWord(0, n);
    laidColumn(g).clear();
    const std::string secret = hiddenPassword(g).str();
    for (int i = 1; i <= n; ++i) {
        g.letters[CopyColumn][at(i + FirstPasswordRow - 1)] = ' ';
        const char letter = i <= static_cast<int>(secret.size()) ? secret[at(i - 1)] : '?';
        clueWord(g, i) = "?????";
        for (int draw = 0; draw < ClueDraws; ++draw) {
            const std::string word = s.words.GetWord(0, ClueLength);
            if (word.find(letter) != std::string::npos) {
                clueWord(g, i) = word;
                break;
            }
        }
    }
    PutWord(PasswordColumn, FirstPasswordRow, secret, Down, g.letters);
    ShuffleBoardRun(PasswordColumn, FirstPasswordRow, n, Down, g.letters, s.rng);
    for (int r = FirstPasswordRow; r < FirstPasswordRow + n; ++r) {
        makeMovable(g, PasswordColumn, r);
        g.colours[PasswordColumn][at(r)] = HighlightInk;
    }
    playSound(s, sounds::GameBuilt);
}

}  // namespace

void playPassword(ProgramState& s, int n, const char*) {
    GameRecord& g = s.game;
    const bool building = g.built == 0;
    if (building) buildPassword(s, n);
    for (int i = 1; i <= n; ++i) {
        const int y = i + FirstPasswordRow - 1;
        const bool odd = i % 2 == 1;
        const int x = clueColumn(i);
        drawPassMark(s, g.boardLeft + CellPixels * (odd ? 10 : 12), g.boardTop + CellPixels * y, odd ? 1 : 0);
        if (!building) continue;
        const std::string clue = clueOf(g, i);
        PutWord(x, y, clue, Across, g.letters);
        for (int k = 0; k < static_cast<int>(clue.size()); ++k) {
            const bool hole = clue[at(k)] == ' ';
            g.colours[at(x + k)][at(y)] = hole ? HighlightInk : NormalInk;
            if (hole) makeMovable(g, x + k, y);
        }
    }
    // Column 11 shows, row by row, the letter the player put into the clue.
    for (int y = 1; y <= 20; ++y)
        for (int c = 2; c <= 20; ++c)
            if (g.colours[at(c)][at(y)] == HighlightInk) g.letters[CopyColumn][at(y)] = g.letters[at(c)][at(y)];
    laidColumn(g) = readBoardWord(s, CopyColumn, FirstPasswordRow, n, false);
    if (s.app.gameLost == 1) PutWord(CopyColumn, FirstPasswordRow, hiddenPassword(g).view(), Down, g.letters);
    drawBoard(s);
    checkSolved(s, PasswordRules.rule);
    g.built = 1;
}

std::vector<HintPiece> passwordHintPieces(const ProgramState& s) {
    const GameRecord& g = s.game;
    const std::string_view secret = hiddenPassword(g).view();
    std::vector<HintPiece> pieces;
    std::vector<Point> column;
    for (int i = 1; i <= static_cast<int>(secret.size()); ++i) column.push_back({PasswordColumn, i + FirstPasswordRow - 1});
    for (int i = 1; i <= static_cast<int>(secret.size()); ++i) {
        const std::size_t hole = clueOf(g, i).find(' ');
        if (hole == std::string::npos) continue;  // a clue never found has no hole
        const Point cell{clueColumn(i) + static_cast<int>(hole), i + FirstPasswordRow - 1};
        const char letter = secret[at(i - 1)];
        pieces.push_back({{cell}, std::string(1, letter), column, g.letters[at(cell.x)][at(cell.y)] == letter});
    }
    return pieces;
}

bool passwordSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const std::string_view secret = hiddenPassword(g).view(), column = laidColumn(g).view();
    if (column == secret) return true;
    if (!sameLetters(column, secret) || !PlayerWordExists(s, column)) return false;
    // A clue that was never found (no hole) has nothing to complete.
    for (int i = 1; i <= static_cast<int>(secret.size()); ++i) {
        const std::string clue = readBoardWord(s, clueColumn(i), i + FirstPasswordRow - 1, ClueLength, true);
        if (clueOf(g, i).find(' ') != std::string::npos && !PlayerWordExists(s, clue)) return false;
    }
    return true;
}

namespace {

HintOutcome passwordHint(ProgramState& s) { return layHintPiece(s, passwordHintPieces(s)); }

}  // namespace

const GameRules PasswordRules = {
    .name = "MOT DE PASSE",
    .play = playPassword,
    .rule = passwordSolved,
    .pick = pickLetter,
    .drop = dropIntoFreeSlot,
    .undo = true,
    .hint = passwordHint,
};

}  // namespace glossamo
