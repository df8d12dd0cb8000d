#include "families/faded_proverbs/faded_proverbs.hpp"

#include <algorithm>
#include <vector>

#include "base/file_system.hpp"
#include "families/faded_proverbs/faded_proverbs_record.hpp"
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/drag_and_drop.hpp"
#include "games/proverb_layout.hpp"
#include "games/proverb_reading.hpp"
#include "media/sound_services.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr int AlphabetColumn = 4;
constexpr int FirstRow = 6;
constexpr int RowLength = 20;
constexpr int Rows = 5;
constexpr std::size_t TextLimit = 100;
constexpr int KeptAbove = 25;  // a letter stays when a draw in 0..99 is above this
// A proverb with nothing rubbed out would be won at its build, and one or
// two blanks are filled at a glance. The rubbing out is drawn again, each
// letter with the same chance, until at least three letters are gone
// (every letter of a shorter proverb). The draws are bounded all the same.
constexpr int LeastRubbedOut = 3;
constexpr int MostFadingDraws = 1000;

std::size_t at(int i) { return static_cast<std::size_t>(i); }
bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }

void writeAlphabet(ProgramState& s) {
    PutWord(AlphabetColumn, 1, "ABCDEFGHIJKLM", Across, s.game.letters);
    PutWord(AlphabetColumn, 2, "NOPQRSTUVWXYZ", Across, s.game.letters);
}

char& cellOf(GameRecord& g, const ProverbCell& cell) {
    return g.letters[at(1 + cell.column)][at(FirstRow + cell.row)];
}

// Where the text stands on rows 6..10: word by word. A game saved when the
// text was cut every twenty characters keeps that cutting: its letters that
// were never rubbed out tell which.
std::vector<ProverbCell> textCells(GameRecord& g) {
    const std::string_view whole = faded_proverbs::wholeProverb(g).view();
    const std::string_view faded = faded_proverbs::fadedProverb(g).view();
    std::vector<ProverbCell> cells = layOutProverb(whole, RowLength, Rows);
    for (std::size_t i = 0; i < cells.size() && i < faded.size(); ++i)
        if (cells[i].shown() && faded[i] != ' ' && cellOf(g, cells[i]) != faded[i])
            return cutProverb(whole, RowLength, Rows);
    return cells;
}

void writeText(ProgramState& s, std::string_view text, const std::vector<ProverbCell>& cells) {
    for (std::size_t i = 0; i < cells.size() && i < text.size(); ++i)
        if (cells[i].shown()) cellOf(s.game, cells[i]) = text[i];
}

// The text as the board shows it: each character read from its cell, the
// blanks that have no cell as they are.
std::string readText(ProgramState& s) {
    GameRecord& g = s.game;
    std::string shown = faded_proverbs::wholeProverb(g).str();
    const std::vector<ProverbCell> cells = textCells(g);
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (cells[i].shown()) shown[i] = cellOf(g, cells[i]);
    return shown;
}

// The proverb in board form: its letters and signs, '*' for a blank.
std::string boardForm(const std::string& proverb) {
    std::string whole;
    for (std::size_t i = 0; i + 1 < proverb.size() && whole.size() < TextLimit; ++i) {
        const char c = proverb[i];
        whole += static_cast<unsigned char>(c) > ' ' ? c : '*';
    }
    return whole;
}

// The faded form of `whole`: each letter rubbed out (' ') when its draw in
// 0..99 is not above KeptAbove, drawn again while too few are.
std::string fadedForm(ProgramState& s, const std::string& whole) {
    const auto letters = static_cast<int>(std::count_if(whole.begin(), whole.end(), isCapital));
    const int least = std::min(LeastRubbedOut, letters);
    std::string faded;
    for (int draw = 0, rubbed = -1; rubbed < least && draw < MostFadingDraws; ++draw) {
        faded.clear();
        for (const char c : whole) faded += !isCapital(c) ? c : s.rng.below(100) > KeptAbove ? c : ' ';
        rubbed = static_cast<int>(std::count(faded.begin(), faded.end(), ' '));
    }
    return faded;
}

bool build(ProgramState& s, int month) {
    GameRecord& g = s.game;
    const SystemPath path = s.programDir + monthFile(month);
    s.gameWordList = readTextLines(path).value_or(std::vector<std::string>{});
    const int count = static_cast<int>(s.gameWordList.size());
    if (count == 0) debugLog(s, "Fichier " + path + " absent");
    const std::string proverb = readProverb(s.gameWordList, s.rng.below(count - 5));
    if (proverb.empty()) return false;
    const std::string whole = boardForm(proverb);
    const std::string faded = fadedForm(s, whole);
    faded_proverbs::wholeProverb(g) = whole;
    faded_proverbs::fadedProverb(g) = faded;
    for (int c = AlphabetColumn; c < AlphabetColumn + 13; ++c)
        for (int r = 1; r <= 2; ++r) {
            g.movable[at(c)][at(r)] = 1;
            g.clickable[at(c)][at(r)] = 1;
            g.tileStyles[at(c)][at(r)] = 2;
        }
    writeText(s, faded, layOutProverb(whole, RowLength, Rows));
    g.built = 1;
    playSound(s, sounds::GameBuilt);
    return true;
}

}  // namespace

std::string monthFile(int month) {
    static const char* const files[] = {"pjanvier",   "pFevrier", "pMars",    "pAvril",     "pMai",      "pJuin",
                                        "pJuillet",   "pAout",    "pSeptembre", "pOctobre", "pNovembre", "pDecembre"};
    if (month < 1 || month > 12) return {};
    return std::string("bin/") + files[month - 1] + ".txt";
}

void playFadedProverbs(ProgramState& s, int month, const char*) {
    GameRecord& g = s.game;
    if (g.built == 0 && !build(s, month)) return;
    writeAlphabet(s);
    if (s.app.gameLost == 1) writeText(s, faded_proverbs::wholeProverb(g).view(), textCells(g));
    // A rubbed-out letter's cell stays a slot once filled: a letter put there
    // can be replaced or taken away again.
    for (int c = 1; c <= RowLength; ++c)
        for (int r = FirstRow; r < FirstRow + Rows; ++r)
            if (g.letters[at(c)][at(r)] == ' ') {
                g.movable[at(c)][at(r)] = 1;
                g.clickable[at(c)][at(r)] = 1;
            }
    drawBoard(s);
    faded_proverbs::shownProverb(g) = readText(s);
    checkSolved(s, fadedProverbsSolved);
}

bool fadedProverbsSolved(const ProgramState& s) {
    return faded_proverbs::wholeProverb(s.game) == faded_proverbs::shownProverb(s.game);
}

// No hint: every letter a hint could show is one the player cannot see
// otherwise.
const GameRules FadedProverbsRules = {
    .name = "PROVERBES EFFACES",
    .play = playFadedProverbs,
    .rule = fadedProverbsSolved,
    .pick = pickLetter,
    .drop = dropIntoGrid,
    .undo = true,
};

}  // namespace glossamo
