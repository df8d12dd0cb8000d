#include "games/faded_proverbs.hpp"

#include <algorithm>
#include <vector>

#include "base/file_system.hpp"
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/hangman.hpp"
#include "media/sound_services.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr int AlphabetColumn = 4;
constexpr int FirstRow = 6;
constexpr int RowLength = 20;
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

// The text across rows 6..10, twenty characters a row.
void writeText(ProgramState& s, std::string_view text) {
    for (int row = 0; row * RowLength < static_cast<int>(text.size()); ++row)
        PutWord(1, FirstRow + row, text.substr(at(row * RowLength), RowLength), Across, s.game.letters);
}

// The proverb in board form: its letters, '*' for every other character.
std::string boardForm(const std::string& proverb) {
    std::string whole;
    for (std::size_t i = 0; i + 1 < proverb.size() && whole.size() < TextLimit; ++i)
        whole += isCapital(proverb[i]) ? proverb[i] : '*';
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
        for (const char c : whole) faded += !isCapital(c) ? '*' : s.rng.below(100) > KeptAbove ? c : ' ';
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
    g.texts[1] = whole;
    g.texts[3] = faded;
    for (int c = AlphabetColumn; c < AlphabetColumn + 13; ++c)
        for (int r = 1; r <= 2; ++r) {
            g.movable[at(c)][at(r)] = 1;
            g.clickable[at(c)][at(r)] = 1;
            g.tileStyles[at(c)][at(r)] = 2;
        }
    writeText(s, faded);
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
    if (s.app.gameLost == 1) writeText(s, g.texts[1].view());
    // A rubbed-out letter's cell stays a slot once filled: a letter put there
    // can be replaced or taken away again.
    for (int c = 1; c <= RowLength; ++c)
        for (int r = FirstRow; r < FirstRow + 5; ++r)
            if (g.letters[at(c)][at(r)] == ' ') {
                g.movable[at(c)][at(r)] = 1;
                g.clickable[at(c)][at(r)] = 1;
            }
    drawBoard(s);
    std::string shown;
    for (int r = FirstRow; r < FirstRow + 5; ++r) shown += readBoardWord(s, 1, r, RowLength, true);
    g.texts[2] = shown.substr(0, g.texts[1].size());
    checkSolved(s);
}

}  // namespace glossamo
