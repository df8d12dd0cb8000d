#include "sweep/game_solvers.hpp"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "families/anagrams/anagrams.hpp"
#include "families/coded_words/coded_words.hpp"
#include "families/consonant_market/consonant_market.hpp"
#include "families/crossing_words/crossing_words.hpp"
#include "families/cut_words/cut_words.hpp"
#include "families/extra_letter/extra_letter.hpp"
#include "families/faded_proverbs/faded_proverbs.hpp"
#include "families/from_one_to_other/from_one_to_other.hpp"
#include "families/hangman/hangman.hpp"
#include "families/letter_sums/letter_sums.hpp"
#include "families/longest_word/longest_word.hpp"
#include "families/motuce/motuce.hpp"
#include "families/password/password.hpp"
#include "families/registry.hpp"
#include "families/scrambled_grids/scrambled_grids.hpp"
#include "families/stacked_words/stacked_words.hpp"
#include "families/third_word/third_word.hpp"
#include "families/vowel_market/vowel_market.hpp"
#include "families/word_hunts/word_hunts.hpp"
#include "families/word_placement/grid_games.hpp"
#include "games/board_services.hpp"
#include "games/proverb_layout.hpp"
#include "platform/canvas.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::testing {

namespace {


enum class Family {
    None,
    CodedWords,
    PlacedWords,
    HiddenWords,
    MixedGrid,
    DismantledGrid,
    LetterSums,  // letter sums and faded letters: the grid from a palette
    LongestWord,
    CrossingWords,
    WordHangman,
    ProverbHangman,
    Password,
    VowelMarket,
    Anagrams,
    ExtraLetter,
    FromOneToOther,
    ThirdWord,
    CutWords,
    ConsonantMarket,
    WordHunt,
    Motuce,
    FadedProverbs,
    StackedWords,
};

// The sweep's player for each kind of game the registry names.
Family familyOf(int id) {
    static const std::vector<std::pair<const GameRules*, Family>> players = {
        {&CodedWordsRules, Family::CodedWords},         {&WordPlacementRules, Family::PlacedWords},
        {&HiddenWordsRules, Family::HiddenWords},       {&MixedGridRules, Family::MixedGrid},
        {&DismantledGridRules, Family::DismantledGrid}, {&LetterSumsRules, Family::LetterSums},
        {&FadedLettersRules, Family::LetterSums},       {&LongestWordRules, Family::LongestWord},
        {&CrossingWordsRules, Family::CrossingWords},   {&EnglishCrossRules, Family::CrossingWords},
        {&HangmanRules, Family::WordHangman},           {&ProverbHangmanRules, Family::ProverbHangman},
        {&PasswordRules, Family::Password},             {&VowelMarketRules, Family::VowelMarket},
        {&AnagramsRules, Family::Anagrams},             {&ExtraLetterRules, Family::ExtraLetter},
        {&FromOneToOtherRules, Family::FromOneToOther}, {&ThirdWordRules, Family::ThirdWord},
        {&CutWordsRules, Family::CutWords},             {&ConsonantMarketRules, Family::ConsonantMarket},
        {&MaxiWordsRules, Family::WordHunt},            {&WordsStartingWithRules, Family::WordHunt},
        {&MotuceRules, Family::Motuce},                 {&FadedProverbsRules, Family::FadedProverbs},
        {&StackedWordsRules, Family::StackedWords},
    };
    const GameRules* rules = rulesOf(id);
    for (const auto& [kind, family] : players)
        if (kind == rules) return family;
    return Family::None;
}

std::size_t at(int i) { return static_cast<std::size_t>(i); }
bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }
char asChar(std::uint32_t v) { return static_cast<char>(v); }

struct Cell {
    int c, r;
};

// A drag of the solver; none once the game is won, when a press would
// leave it.
void drag(HeadlessRun& run, int fromC, int fromR, int toC, int toR) {
    if (run.state().app.gameWon == 0) run.drag(fromC, fromR, toC, toR);
}

// The first cell of columns c1..c2 and rows r1..r2 (row by row) holding `wanted`.
std::optional<Cell> find(const HeadlessRun& run, char wanted, int c1, int c2, int r1, int r2) {
    for (int r = r1; r <= r2; ++r)
        for (int c = c1; c <= c2; ++c)
            if (run.letter(c, r) == wanted) return Cell{c, r};
    return std::nullopt;
}

// Drags `wanted` from the first cell of the area holding it; false when no
// cell holds it.
// A cell that holds its letter already (a hint's) is left as it is.
bool bring(HeadlessRun& run, char wanted, int c1, int c2, int r1, int r2, int toC, int toR) {
    if (run.letter(toC, toR) == wanted) return true;
    const std::optional<Cell> from = find(run, wanted, c1, c2, r1, r2);
    if (!from) return false;
    drag(run, from->c, from->r, toC, toR);
    return true;
}

std::string boardWord(HeadlessRun& run, int c, int r, int length, bool across) {
    return readBoardWord(run.state(), c, r, length, across);
}

int level(const GameRecord& g) { return gameEntry(static_cast<int>(g.gameId)).parameter(); }
int gridSize(const GameRecord& g) { return static_cast<int>(g.counterB); }
std::string text(const GameRecord& g, int k) { return g.texts[at(k)].str(); }
// Character i of a text, or a blank past its end.
char charAt(const std::string& text, int i) { return i >= 0 && at(i) < text.size() ? text[at(i)] : ' '; }

// The alphabet palette of the grid games: A..M across row p and N..Z
// across row p + 1, from column 1.
void fromPalette(HeadlessRun& run, char letter, int p, int c, int r) {
    const int k = letter - 'A';
    drag(run, 1 + k % 13, p + k / 13, c, r);
}

// --- grid games ---------------------------------------------------------------

// Every cell of the N x N grid at (1, 1) that differs from `expected`
// (column, row of the board) takes its letter from the palette at row p.
template <typename Expected>
void fillGrid(HeadlessRun& run, int p, Expected expected) {
    const int n = gridSize(run.state().game);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const char wanted = expected(c, r);
            if (isCapital(wanted) && run.letter(c, r) != wanted) fromPalette(run, wanted, p, c, r);
        }
}

void winCodedWords(HeadlessRun& run) {
    const GameRecord& g = run.state().game;
    fillGrid(run, paletteRow(gridSize(g)), [&](int c, int r) { return asChar(g.solution[at(c)][at(r)]); });
}

void winPlacedWords(HeadlessRun& run) {
    const GameRecord& g = run.state().game;
    fillGrid(run, paletteRow(gridSize(g)), [&](int c, int r) { return asChar(g.numbers[at(c)][at(r)]); });
}

// The letter-sum and faded-letter grids keep their solution one column and
// one row up-left of the board.
void winLetterSums(HeadlessRun& run) {
    const GameRecord& g = run.state().game;
    fillGrid(run, gridSize(g) + 2, [&](int c, int r) { return asChar(g.solution[at(c - 1)][at(r - 1)]); });
}

// The dismantled grid: the letters from the palette, then the black squares
// from the tray below it.
void winDismantledGrid(HeadlessRun& run) {
    const GameRecord& g = run.state().game;
    const int n = gridSize(g), p = n + 2;
    fillGrid(run, p, [&](int c, int r) { return asChar(g.numbers[at(c)][at(r)]); });
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r)
            if (g.numbers[at(c)][at(r)] == '*' && run.letter(c, r) != '*') bring(run, '*', 1, 13, p + 2, p + 3, c, r);
}

// The mixed grid: each cell of the left grid (rows 5 on) takes its letter
// from the same row of the right grid.
void winMixedGrid(HeadlessRun& run) {
    const GameRecord& g = run.state().game;
    const int n = gridSize(g);
    for (int r = 5; r < 5 + n; ++r)
        for (int c = 1; c <= n; ++c) {
            const char wanted = asChar(g.solution[at(c)][at(r)]);
            if (wanted != ' ' && run.letter(c, r) != wanted) bring(run, wanted, n + 2, 2 * n + 1, r, r, c, r);
        }
}

// The hidden words: each word of the list selected where the grid spells
// it, across or down, from its first letter to its last.
void winHiddenWords(HeadlessRun& run) {
    ProgramState& s = run.state();
    const int n = gridSize(s.game);
    const std::vector<std::string> entries = s.gameWordList;
    for (const std::string& entry : entries) {
        if (entry.size() <= 5) continue;
        const std::string word = entry.substr(5);
        const int length = static_cast<int>(word.size());
        bool selected = false;
        for (int r = 1; r <= n && !selected; ++r)
            for (int c = 1; c <= n && !selected; ++c)
                for (const bool across : {true, false}) {
                    if (selected || boardWord(run, c, r, length, across) != word) continue;
                    if (s.app.gameWon == 1) return;
                    run.press(run.pixelOf(c, r));
                    run.step();
                    run.release(across ? run.pixelOf(c + length - 1, r) : run.pixelOf(c, r + length - 1));
                    run.step();
                    selected = true;
                }
    }
}

// --- letter and word games ------------------------------------------------------

// The hangman games: every letter of the hidden text clicked in the
// alphabet (A..M on row 2, N..Z on row 3, from column 7), each one left to
// run along the whole text before the next.
void winHangman(HeadlessRun& run) {
    ProgramState& s = run.state();
    std::string asked;
    for (const char wanted : text(s.game, 1)) {
        if (!isCapital(wanted) || asked.find(wanted) != std::string::npos) continue;
        asked += wanted;
        if (s.app.gameWon == 1) return;
        const int k = wanted - 'A';
        run.clickCell(7 + k % 13, 2 + k / 13);
        for (int i = 0; i < 50000 && (s.game.pickedLetter != ' ' || s.game.counterA != 0); ++i) run.step();
    }
}

void winLongestWord(HeadlessRun& run) {
    if (run.state().gameWordList.empty()) return;
    const std::string word = run.state().gameWordList.front();
    for (std::size_t i = 0; i < word.size(); ++i) bring(run, word[i], 6, 14, 5, 5, 6 + static_cast<int>(i), 6);
}

void winCrossingWords(HeadlessRun& run) {
    const GameRecord& g = run.state().game;
    const CrossingGeometry geometry = crossingGeometry(static_cast<int>(g.texts[1].size()));
    for (int r = 7; r <= 9; ++r)
        for (int c = geometry.firstColumn; c < geometry.firstColumn + 3; ++c)
            bring(run, charAt(text(g, r - 6), c - 6), 1, 9, 1, 1, c, r);
}

// Mot de passe: each clue's hole takes its password letter from column 2.
// A clue drawn without its letter ("?????") has no hole: column 11 then
// copies the letter standing in column 2 of that row, so the letters left
// in column 2 are put in order there, through the cells the holes emptied.
void winPassword(HeadlessRun& run) {
    const GameRecord& g = run.state().game;
    const std::string password = text(g, 1);
    const int n = static_cast<int>(password.size());
    std::vector<int> holeless;
    for (int i = 1; i <= n; ++i) {
        const int y = i + 2, x = i % 2 ? 5 : 13;
        bool hole = false;
        for (int c = x; c < x + 5; ++c)
            if (g.colours[at(c)][at(y)] == HighlightInk) {
                hole = true;
                if (run.letter(c, y) == ' ') bring(run, password[at(i - 1)], 2, 2, 3, 2 + n, c, y);
            }
        if (!hole) holeless.push_back(y);
    }
    std::vector<int> settled;
    for (const int y : holeless) {
        const char wanted = password[at(y - 3)];
        if (run.letter(2, y) != wanted) {
            std::optional<Cell> from;
            for (int r = 3; r <= 2 + n && !from; ++r)
                if (r != y && run.letter(2, r) == wanted && std::find(settled.begin(), settled.end(), r) == settled.end())
                    from = Cell{2, r};
            const std::optional<Cell> empty = find(run, ' ', 2, 2, 3, 2 + n);
            if (!from || !empty) return;
            if (run.letter(2, y) != ' ') drag(run, 2, y, 2, empty->r);
            drag(run, 2, from->r, 2, y);
        }
        settled.push_back(y);
    }
}

// The vowel market: each hole of the word rows takes its vowel from the
// reservoir row of that vowel (A, O, E, U, I, Y on rows 1..6).
void winVowelMarket(HeadlessRun& run) {
    const GameRecord& g = run.state().game;
    const std::string vowels = "AOEUIY";
    for (int k = 1; k <= level(g); ++k)
        for (int i = 0; i < 10; ++i) {
            if (run.letter(7 + i, 6 + k) != ' ') continue;
            const char vowel = charAt(text(g, k), i);
            const int row = 1 + static_cast<int>(vowels.find(vowel));
            bring(run, vowel, 1, 20, row, row, 7 + i, 6 + k);
        }
}

void winAnagrams(HeadlessRun& run) {
    const GameRecord& g = run.state().game;
    const std::string answer = text(g, 2);
    const int n = static_cast<int>(answer.size()), x0 = 10 - n / 2;
    for (int i = 0; i < n; ++i) bring(run, answer[at(i)], x0, x0 + n - 1, 10, 10, x0 + i, 11);
}

// Lettre en plus: the answer of line j spelt into row 3j + 1 from the mixed
// letters below it; the answers start at column 12 whatever the length.
void winExtraLetter(HeadlessRun& run) {
    const GameRecord& g = run.state().game;
    for (int j = 1; j <= level(g); ++j) {
        const std::string answer = text(g, j);
        const int n = static_cast<int>(answer.size());
        for (int k = 0; k < n; ++k) bring(run, answer[at(k)], 12, 11 + n, 3 * j + 2, 3 * j + 2, 12 + k, 3 * j + 1);
    }
}

// De l'un à l'autre: the shared piece copied across and down into the holes
// from the alphabet down columns 1 and 2.
void winFromOneToOther(HeadlessRun& run) {
    const GameRecord& g = run.state().game;
    const std::string piece = text(g, 11);
    const int c = static_cast<int>(g.counterC) + 7;
    auto copy = [&](char letter, int toC, int toR) {
        const int k = letter - 'A';
        if (run.letter(toC, toR) != letter) drag(run, 1 + k / 13, 1 + k % 13, toC, toR);
    };
    for (int k = 0; k < 3; ++k) copy(piece[at(k)], c - 1 + k, 8);
    copy(piece[0], c, 7);
    copy(piece[2], c, 9);
}

// Troisième mot: the middle word copied into the gap of row 8 from the
// alphabet across rows 4 and 5.
void winThirdWord(HeadlessRun& run) {
    const std::string middle = text(run.state().game, 10);
    for (std::size_t i = 0; i < middle.size(); ++i) {
        const int k = middle[i] - 'A';
        if (run.letter(7 + static_cast<int>(i), 8) != middle[i]) drag(run, 2 + k % 13, 4 + k / 13, 7 + static_cast<int>(i), 8);
    }
}

// Mots coupés: each word's halves found in the two lists (columns 11 and
// 15) and dropped into its line.
void winCutWords(HeadlessRun& run) {
    const GameRecord& g = run.state().game;
    const int words = level(g);
    for (int j = 1; j <= words; ++j) {
        const std::string word = text(g, j);
        if (word.size() != 6 || boardWord(run, 3, 3 + j, 3, true) + boardWord(run, 7, 3 + j, 3, true) == word) continue;
        for (int half = 0; half < 2; ++half) {
            const std::string wanted = word.substr(at(3 * half), 3);
            bool moved = false;
            for (const int column : {11, 15})
                for (int row = 4; row < 4 + words && !moved; ++row)
                    if (boardWord(run, column, row, 3, true) == wanted) {
                        drag(run, column, row, half ? 7 : 3, 3 + j);
                        moved = true;
                    }
        }
    }
}

// The consonant market: each hole of the word rows takes its consonant
// from the bank above (rows 1..6).
void winConsonantMarket(HeadlessRun& run) {
    const GameRecord& g = run.state().game;
    for (int j = 1; j <= level(g); ++j)
        for (int k = 0; k < 10; ++k)
            if (run.letter(7 + k, 6 + j) == ' ') bring(run, charAt(text(g, j), k), 1, 20, 1, 6, 7 + k, 6 + j);
}

// Maxi-mots and Mots commençant par: the words of the game's list not yet
// found, each spelt into the answer row from the nine letters of row 5 and
// its letters taken back, until the game is won.
void winWordHunt(HeadlessRun& run) {
    ProgramState& s = run.state();
    const bool fromFirstLetter = s.game.gameId >= 49;
    const int row = fromFirstLetter ? 7 : 6;
    const int first = fromFirstLetter ? 1 : 0;
    for (std::size_t next = 0; next < s.gameWordList.size() && s.app.gameWon == 0; ++next) {
        const std::string word = s.gameWordList[next];
        if (word.empty() || word[0] == ' ') continue;  // found already
        const int n = static_cast<int>(word.size());
        for (int i = first; i < n; ++i) bring(run, word[at(i)], 6 + first, 14, 5, 5, 6 + i, row);
        if (s.app.gameWon == 1) return;  // a click now would leave the game
        for (int i = first; i < n; ++i)
            if (const std::optional<Cell> empty = find(run, ' ', 6 + first, 14, 5, 5)) drag(run, 6 + i, row, empty->c, 5);
    }
}

// Motuce: the hidden word spelt from the palette into the open try row; its
// first letter is given.
void winMotuce(HeadlessRun& run) {
    const GameRecord& g = run.state().game;
    const std::string word = text(g, 1);
    const int row = 6 + static_cast<int>(g.counterC);
    for (std::size_t i = 1; i < word.size(); ++i) {
        const int k = word[i] - 'A';
        if (run.letter(7 + static_cast<int>(i), row) != word[i]) drag(run, 7 + k % 13, 2 + k / 13, 7 + static_cast<int>(i), row);
    }
}

// The faded proverbs: each rubbed-out letter of the text (rows 6..10,
// word by word) taken from the alphabet at (4, 1).
void winFadedProverbs(HeadlessRun& run) {
    const std::string whole = text(run.state().game, 1);
    const std::vector<ProverbCell> cells = layOutProverb(whole, 20, 5);
    for (std::size_t i = 0; i < whole.size(); ++i) {
        const int c = 1 + cells[i].column, r = 6 + cells[i].row;
        if (!isCapital(whole[i]) || run.letter(c, r) != ' ') continue;
        const int k = whole[i] - 'A';
        drag(run, 4 + k % 13, 1 + k / 13, c, r);
    }
}

// Mots empilés: the column of first letters put in order through its one
// empty cell below.
void winStackedWords(HeadlessRun& run) {
    const std::string wanted = text(run.state().game, 1);
    const int n = static_cast<int>(wanted.size());
    for (int i = 1; i <= n; ++i) {
        if (run.letter(1, i) == wanted[at(i - 1)]) continue;
        const std::optional<Cell> from = find(run, wanted[at(i - 1)], 1, 1, i + 1, n + 1);
        const std::optional<Cell> empty = find(run, ' ', 1, 1, 1, n + 1);
        if (!from || !empty) return;
        drag(run, 1, i, 1, empty->r);
        drag(run, 1, from->r, 1, i);
    }
}

// --- the solution shown -----------------------------------------------------------

bool gridShows(HeadlessRun& run, int firstRow, const Board<std::uint32_t>& expected, int shift) {
    const int n = gridSize(run.state().game);
    for (int c = 1; c <= n; ++c)
        for (int r = firstRow; r < firstRow + n; ++r)
            if (run.letter(c, r) != asChar(expected[at(c - shift)][at(r - shift)])) return false;
    return true;
}

bool rowsShow(HeadlessRun& run, int column, int firstRow, int firstText, int count) {
    for (int k = 0; k < count; ++k) {
        const std::string expected = text(run.state().game, firstText + k);
        if (boardWord(run, column, firstRow + k, static_cast<int>(expected.size()), true) != expected) return false;
    }
    return true;
}

// The proverbs, word by word on rows of twenty from (1, firstRow): every
// character that has a cell shows there, a blank as a gap.
bool proverbShows(HeadlessRun& run, int firstRow, int rows, std::string_view expected) {
    const std::vector<ProverbCell> cells = layOutProverb(expected, 20, rows);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const char wanted = expected[i] == ' ' ? '*' : expected[i];
        if (cells[i].shown() && run.letter(1 + cells[i].column, firstRow + cells[i].row) != wanted) return false;
    }
    return true;
}

// The word hunts only list the missed words: some pixels of their column
// differ from the bare background.
bool missedWordsListed(HeadlessRun& run) {
    Canvas& canvas = run.platform().canvas();
    std::vector<std::uint16_t> frame;
    for (int y = 70; y < 520; ++y)
        for (int x = 555; x < 700; ++x) frame.push_back(canvas.pixel(x, y));
    drawBackground(run.state());
    int changed = 0;
    std::size_t i = 0;
    for (int y = 70; y < 520; ++y)
        for (int x = 555; x < 700; ++x) changed += frame[i++] != canvas.pixel(x, y);
    return changed > 100;
}

}  // namespace

std::string familyName(int id) {
    switch (familyOf(id)) {
        case Family::None: return "";
        case Family::CodedWords: return "coded words";
        case Family::PlacedWords: return "word placement";
        case Family::HiddenWords: return "hidden words";
        case Family::MixedGrid: return "mixed grid";
        case Family::DismantledGrid: return "dismantled grid";
        case Family::LetterSums: return "letter sums and faded letters";
        case Family::LongestWord: return "longest word";
        case Family::CrossingWords: return "crossing words";
        case Family::WordHangman: return "hangman";
        case Family::ProverbHangman: return "proverb hangman";
        case Family::Password: return "password";
        case Family::VowelMarket: return "vowel market";
        case Family::Anagrams: return "anagrams";
        case Family::ExtraLetter: return "extra letter";
        case Family::FromOneToOther: return "from one to the other";
        case Family::ThirdWord: return "third word";
        case Family::CutWords: return "cut words";
        case Family::ConsonantMarket: return "consonant market";
        case Family::WordHunt: return "word hunt";
        case Family::Motuce: return "Motuce";
        case Family::FadedProverbs: return "faded proverbs";
        case Family::StackedWords: return "stacked words";
    }
    return "";
}

bool winGame(HeadlessRun& run) {
    switch (familyOf(static_cast<int>(run.state().game.gameId))) {
        case Family::None: return false;
        case Family::CodedWords: winCodedWords(run); break;
        case Family::PlacedWords: winPlacedWords(run); break;
        case Family::HiddenWords: winHiddenWords(run); break;
        case Family::MixedGrid: winMixedGrid(run); break;
        case Family::DismantledGrid: winDismantledGrid(run); break;
        case Family::LetterSums: winLetterSums(run); break;
        case Family::LongestWord: winLongestWord(run); break;
        case Family::CrossingWords: winCrossingWords(run); break;
        case Family::WordHangman:
        case Family::ProverbHangman: winHangman(run); break;
        case Family::Password: winPassword(run); break;
        case Family::VowelMarket: winVowelMarket(run); break;
        case Family::Anagrams: winAnagrams(run); break;
        case Family::ExtraLetter: winExtraLetter(run); break;
        case Family::FromOneToOther: winFromOneToOther(run); break;
        case Family::ThirdWord: winThirdWord(run); break;
        case Family::CutWords: winCutWords(run); break;
        case Family::ConsonantMarket: winConsonantMarket(run); break;
        case Family::WordHunt: winWordHunt(run); break;
        case Family::Motuce: winMotuce(run); break;
        case Family::FadedProverbs: winFadedProverbs(run); break;
        case Family::StackedWords: winStackedWords(run); break;
    }
    run.step();
    return run.state().app.gameWon == 1;
}

bool solutionShown(HeadlessRun& run) {
    const GameRecord& g = run.state().game;
    switch (familyOf(static_cast<int>(g.gameId))) {
        case Family::None: return false;
        case Family::CodedWords: return gridShows(run, 1, g.solution, 0);
        case Family::PlacedWords:
        case Family::HiddenWords:
        case Family::DismantledGrid: return gridShows(run, 1, g.numbers, 0);
        case Family::MixedGrid: return gridShows(run, 5, g.numbers, 0);
        case Family::LetterSums: return gridShows(run, 1, g.solution, 1);
        case Family::LongestWord:
            return !run.state().gameWordList.empty() &&
                   boardWord(run, 6, 10, static_cast<int>(run.state().gameWordList.front().size()), true) ==
                   run.state().gameWordList.front();
        case Family::CrossingWords: return rowsShow(run, 6, 7, 1, 3);
        case Family::WordHangman: return rowsShow(run, 7, 10, 1, 1);
        case Family::ProverbHangman: return proverbShows(run, 10, 5, text(g, 1));
        case Family::Password:
            return boardWord(run, 11, 3, static_cast<int>(g.texts[1].size()), false) == text(g, 1);
        case Family::VowelMarket: return rowsShow(run, 7, 7, 1, level(g));
        case Family::Anagrams: {
            const int n = static_cast<int>(g.texts[2].size());
            return boardWord(run, 10 - n / 2, 11, n, true) == text(g, 2);
        }
        case Family::ExtraLetter:
            for (int j = 1; j <= level(g); ++j)
                if (boardWord(run, 12, 3 * j + 1, static_cast<int>(g.texts[at(j)].size()), true) != text(g, j))
                    return false;
            return true;
        case Family::FromOneToOther: {
            const int c = static_cast<int>(g.counterC) + 7;
            return boardWord(run, c - 1, 8, 3, true) == text(g, 11) && boardWord(run, c, 7, 3, false) == text(g, 11);
        }
        case Family::ThirdWord: return boardWord(run, 7, 8, 5, true) == text(g, 10);
        case Family::CutWords:
            for (int j = 1; j <= level(g); ++j)
                if (boardWord(run, 3, 3 + j, 3, true) + boardWord(run, 7, 3 + j, 3, true) != text(g, j)) return false;
            return true;
        case Family::ConsonantMarket: return rowsShow(run, 7, 7, 1, level(g));
        case Family::WordHunt: return missedWordsListed(run);
        case Family::Motuce:
            return boardWord(run, 7, 14, static_cast<int>(g.texts[1].size()), true) == text(g, 1);
        case Family::FadedProverbs: return proverbShows(run, 6, 5, text(g, 1));
        case Family::StackedWords:
            return boardWord(run, 1, 1, static_cast<int>(g.texts[1].size()), false) == text(g, 1);
    }
    return false;
}

}  // namespace glossamo::testing
