#include "families/anagrams/anagram_games.hpp"

#include <string>
#include <vector>

#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/drag_and_drop.hpp"
#include "games/word_lists.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"
#include "words/word_store.hpp"

namespace glossamo {

namespace {

// Builds that wait for a rare word try several times within one frame; an
// attempt costs one anagram search (some microseconds).
constexpr int AnagramAttemptsPerFrame = 150;
constexpr int ExtraLetterAttemptsPerFrame = 40;
constexpr int ClueDraws = 99;
constexpr int ClueLength = 5;
constexpr int PasswordColumn = 2;
constexpr int CopyColumn = 11;
constexpr int FirstPasswordRow = 3;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// The one other word of the list made of exactly these letters; empty when
// there is none or more than one.
std::string onlyAnagram(const ProgramState& s, const std::string& letters) {
    std::vector<std::string> found;
    s.words.FindAnagrams(letters, found);
    if (found.size() != 1 || found.front().find('?') != std::string::npos) return {};
    return found.front();
}

void makeMovable(GameRecord& g, int c, int r) {
    g.movable[at(c)][at(r)] = 1;
    g.clickable[at(c)][at(r)] = 1;
}

// --- anagrams -------------------------------------------------------------------

int anagramColumn(int n) { return 10 - n / 2; }

bool tryAnagrams(ProgramState& s, int n) {
    GameRecord& g = s.game;
    const int x0 = anagramColumn(n);
    g.texts[1] = s.words.GetWord(0, n);
    g.texts[2] = onlyAnagram(s, g.texts[1].str());
    PutWord(x0, 5, g.texts[1].view(), Across, g.letters);
    PutWord(x0, 10, g.texts[2].view(), Across, g.letters);
    PutWord(x0, 11, std::string(at(n), ' '), Across, g.letters);
    return !g.texts[2].empty() && !g.texts[1].empty();
}

// --- extra letter ----------------------------------------------------------------

struct ExtraLayout {
    int wordLength;
    int x0;
};

ExtraLayout extraLayout(const GameRecord& g) {
    const int choice = static_cast<int>(g.counterA);
    return {choice + 5, 4 - choice};
}

int lineRow(int j) { return 3 * j + 1; }

// One attempt at the next line: a word and a letter whose letters make
// exactly one word.
bool tryExtraLine(ProgramState& s) {
    GameRecord& g = s.game;
    const ExtraLayout l = extraLayout(g);
    const int j = static_cast<int>(g.counterB) + 1;
    const int r = lineRow(j);
    const std::string word = s.words.GetWord(0, l.wordLength);
    const char extra = static_cast<char>('A' + s.rng.below(26));
    const std::string answer = word.empty() ? std::string() : onlyAnagram(s, word + extra);
    if (answer.empty()) return false;
    g.texts[at(j)] = answer;
    ++g.counterB;
    PutWord(l.x0, r, word, Across, g.letters);
    PutWord(l.x0 + l.wordLength + 1, r, std::string(1, extra), Across, g.letters);
    PutWord(l.x0 + l.wordLength + 3, r, std::string(at(l.wordLength + 1), ' '), Across, g.letters);
    PutWord(l.x0 + l.wordLength + 3, r + 1, answer, Across, g.letters);
    ShuffleBoardRun(l.x0 + l.wordLength + 3, r + 1, l.wordLength + 1, Across, g.letters, s.rng);
    return true;
}

void finishExtraLetter(ProgramState& s, int lines) {
    GameRecord& g = s.game;
    const ExtraLayout l = extraLayout(g);
    g.built = 1;
    playSound(s, sounds::GameBuilt);
    for (int j = 1; j <= lines; ++j) {
        const int r = lineRow(j);
        for (int c = l.x0 + l.wordLength + 3; c <= l.x0 + 2 * l.wordLength + 3; ++c) {
            makeMovable(g, c, r);
            makeMovable(g, c, r + 1);
        }
        for (int c = l.x0; c <= l.x0 + l.wordLength; ++c) g.colours[at(c)][at(r)] = HighlightInk;
    }
}

// --- password --------------------------------------------------------------------

int clueColumn(int i) { return i % 2 == 1 ? 5 : 13; }

// The clue of password letter i: text i + 1 with the first occurrence of
// that letter blanked.
std::string clueOf(const GameRecord& g, int i) {
    std::string clue = g.texts[at(i + 1)].str();
    const std::size_t hole = clue.find(g.texts[1][at(i - 1)]);
    if (hole != std::string::npos) clue[hole] = ' ';
    return clue;
}

void buildPassword(ProgramState& s, int n) {
    GameRecord& g = s.game;
    g.texts[1] = s.words.GetWord(0, n);
    g.texts[19].clear();
    const std::string password = g.texts[1].str();
    for (int i = 1; i <= n; ++i) {
        g.letters[CopyColumn][at(i + FirstPasswordRow - 1)] = ' ';
        const char letter = i <= static_cast<int>(password.size()) ? password[at(i - 1)] : '?';
        g.texts[at(i + 1)] = "?????";
        for (int draw = 0; draw < ClueDraws; ++draw) {
            const std::string word = s.words.GetWord(0, ClueLength);
            if (word.find(letter) != std::string::npos) {
                g.texts[at(i + 1)] = word;
                break;
            }
        }
    }
    PutWord(PasswordColumn, FirstPasswordRow, password, Down, g.letters);
    ShuffleBoardRun(PasswordColumn, FirstPasswordRow, n, Down, g.letters, s.rng);
    for (int r = FirstPasswordRow; r < FirstPasswordRow + n; ++r) {
        makeMovable(g, PasswordColumn, r);
        g.colours[PasswordColumn][at(r)] = HighlightInk;
    }
    playSound(s, sounds::GameBuilt);
}

}  // namespace

void playAnagrams(ProgramState& s, int n, const char*) {
    GameRecord& g = s.game;
    const int x0 = anagramColumn(n);
    if (g.built == 0) {
        bool done = false;
        for (int attempt = 0; attempt < AnagramAttemptsPerFrame && !done; ++attempt) done = tryAnagrams(s, n);
        if (!done) return;
        g.built = 1;
        playSound(s, sounds::GameBuilt);
        ShuffleBoardRun(x0, 10, n, Across, g.letters, s.rng);
        for (int c = x0; c < x0 + n; ++c) {
            makeMovable(g, c, 10);
            makeMovable(g, c, 11);
            g.colours[at(c)][5] = HighlightInk;
        }
    }
    if (s.app.gameLost == 1) {
        PutWord(x0, 10, std::string(at(n), ' '), Across, g.letters);
        PutWord(x0, 11, g.texts[2].view(), Across, g.letters);
    }
    drawBoard(s);
    g.texts[3] = readBoardWord(s, x0, 11, n, true);
    checkSolved(s, AnagramsRules.rule);
}

void playExtraLetter(ProgramState& s, int lines, const char*) {
    GameRecord& g = s.game;
    if (g.counterA == 0) g.counterA = static_cast<std::uint32_t>(1 + s.rng.below(2));
    const ExtraLayout l = extraLayout(g);
    if (g.built == 0) {
        // One line is added per frame at most; it may take several draws.
        if (static_cast<int>(g.counterB) < lines)
            for (int attempt = 0; attempt < ExtraLetterAttemptsPerFrame && !tryExtraLine(s); ++attempt) {
            }
        if (static_cast<int>(g.counterB) < lines) return;
        finishExtraLetter(s, lines);
    }
    const int answerColumn = l.x0 + l.wordLength + 3;
    if (s.app.gameLost == 1) {
        for (int j = 1; j <= lines; ++j) {
            PutWord(answerColumn, lineRow(j), g.texts[at(j)].view(), Across, g.letters);
            PutWord(answerColumn, lineRow(j) + 1, std::string(at(l.wordLength + 1), ' '), Across, g.letters);
        }
    }
    drawBoard(s);
    for (int j = 1; j <= lines; ++j) {
        const int y = g.boardTop + CellPixels * lineRow(j);
        drawSlot(s, g.boardLeft + CellPixels * (l.x0 + l.wordLength) - 3, y, 10);
        drawSlot(s, g.boardLeft + CellPixels * (l.x0 + l.wordLength + 2) - 3, y, 9);
        g.texts[at(j + 10)] = readBoardWord(s, answerColumn, lineRow(j), l.wordLength + 1, true);
    }
    checkSolved(s, ExtraLetterRules.rule);
}

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
    g.texts[19] = readBoardWord(s, CopyColumn, FirstPasswordRow, n, false);
    if (s.app.gameLost == 1) PutWord(CopyColumn, FirstPasswordRow, g.texts[1].view(), Down, g.letters);
    drawBoard(s);
    checkSolved(s, PasswordRules.rule);
    g.built = 1;
}

bool anagramsSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const std::string_view made = g.texts[3].view(), shown = g.texts[1].view();
    return made == g.texts[2].view() || (made != shown && sameLetters(made, shown) && PlayerWordExists(s, made));
}

bool extraLetterSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    // The kept answer of a line holds exactly its word's letters and the
    // extra one; lines the game leaves out are empty on both sides.
    for (int j = 1; j <= 10; ++j) {
        const std::string_view made = g.texts[at(j + 10)].view(), answer = g.texts[at(j)].view();
        if (made != answer && (answer.empty() || !sameLetters(made, answer) || !PlayerWordExists(s, made))) return false;
    }
    return true;
}

std::vector<HintPiece> anagramsHintPieces(const ProgramState& s) {
    const GameRecord& g = s.game;
    const int n = static_cast<int>(g.texts[2].size()), x0 = anagramColumn(n);
    HintPiece word{{}, g.texts[2].str(), {}, g.texts[3].view() == g.texts[2].view(), true};
    for (int k = 0; k < n; ++k) {
        word.cells.push_back({x0 + k, 11});
        word.sources.push_back({x0 + k, 10});
    }
    return {word};
}

std::vector<HintPiece> extraLetterHintPieces(const ProgramState& s) {
    const GameRecord& g = s.game;
    const ExtraLayout l = extraLayout(g);
    const int answerColumn = l.x0 + l.wordLength + 3;
    std::vector<HintPiece> pieces;
    for (int j = 1; j <= static_cast<int>(g.counterB) && j <= 10; ++j) {
        const std::string_view made = g.texts[at(j + 10)].view(), answer = g.texts[at(j)].view();
        const bool done = made == answer || (sameLetters(made, answer) && PlayerWordExists(s, made));
        HintPiece line{{}, std::string(answer), {}, done, true};
        for (int k = 0; k <= l.wordLength; ++k) {
            line.cells.push_back({answerColumn + k, lineRow(j)});
            line.sources.push_back({answerColumn + k, lineRow(j) + 1});
        }
        pieces.push_back(std::move(line));
    }
    return pieces;
}

std::vector<HintPiece> passwordHintPieces(const ProgramState& s) {
    const GameRecord& g = s.game;
    const std::string_view password = g.texts[1].view();
    std::vector<HintPiece> pieces;
    std::vector<Point> column;
    for (int i = 1; i <= static_cast<int>(password.size()); ++i) column.push_back({PasswordColumn, i + FirstPasswordRow - 1});
    for (int i = 1; i <= static_cast<int>(password.size()); ++i) {
        const std::size_t hole = clueOf(g, i).find(' ');
        if (hole == std::string::npos) continue;  // a clue never found has no hole
        const Point cell{clueColumn(i) + static_cast<int>(hole), i + FirstPasswordRow - 1};
        const char letter = password[at(i - 1)];
        pieces.push_back({{cell}, std::string(1, letter), column, g.letters[at(cell.x)][at(cell.y)] == letter});
    }
    return pieces;
}

bool passwordSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const std::string_view password = g.texts[1].view(), column = g.texts[19].view();
    if (column == password) return true;
    if (!sameLetters(column, password) || !PlayerWordExists(s, column)) return false;
    // A clue that was never found (no hole) has nothing to complete.
    for (int i = 1; i <= static_cast<int>(password.size()); ++i) {
        const std::string clue = readBoardWord(s, clueColumn(i), i + FirstPasswordRow - 1, ClueLength, true);
        if (clueOf(g, i).find(' ') != std::string::npos && !PlayerWordExists(s, clue)) return false;
    }
    return true;
}

namespace {

HintOutcome anagramsHint(ProgramState& s) { return layHintPiece(s, anagramsHintPieces(s)); }
HintOutcome extraLetterHint(ProgramState& s) { return layHintPiece(s, extraLetterHintPieces(s)); }
HintOutcome passwordHint(ProgramState& s) { return layHintPiece(s, passwordHintPieces(s)); }

}  // namespace

const GameRules AnagramsRules = {
    .name = "ANAGRAMMES",
    .play = playAnagrams,
    .rule = anagramsSolved,
    .pick = pickLetter,
    .drop = dropIntoFreeSlot,
    .undo = true,
    .hint = anagramsHint,
};

const GameRules ExtraLetterRules = {
    .name = "LETTRE EN PLUS",
    .play = playExtraLetter,
    .rule = extraLetterSolved,
    .pick = pickLetter,
    .drop = dropIntoFreeSlot,
    .undo = true,
    .hint = extraLetterHint,
};

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
