#include "printing/printing.hpp"

#include <string>
#include <vector>

#include "games/game_families.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr int TitleSize = 16;
constexpr int LetterSize = 16;
constexpr int SmallSize = 8;
constexpr int BoardRows = 17;
constexpr int BoardMargin = 100;  // printer pixels above and left of the board
constexpr int LetterInset = 20;   // from a cell's corner to its letter
constexpr std::size_t HiddenWordPrefix = 5;  // the state kept before each hidden word

// Comments of the messages.
constexpr int Printed = 99, NoPrinter = 100, PrintFailed = 101, SavedInstead = 102, NotSaved = 103,
              ClickToGoOn = 104;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// All measures come from the printable width W, with integer division: a
// cell is W / 24 pixels.
void drawGridPage(const ProgramState& s, PageCanvas& page) {
    const GameRecord& g = s.game;
    const bool coded = families::isCodedWords(g.gameId);
    const int half = page.width() / 2;
    const int cell = half / 12;

    page.setFontSize(TitleSize);
    page.text(half - half / 2, 2, s.app.gameTitle.str());

    for (int r = 0; r < BoardRows; ++r) {
        for (int c = 0; c < BoardSize; ++c) {
            const char letter = g.letters[at(c)][at(r)];
            const std::uint32_t style = g.tileStyles[at(c)][at(r)];
            const int left = BoardMargin + c * cell, top = BoardMargin + r * cell;
            if (letter != '*' && (style == 1 || style == 4)) {
                page.frameRect(left, top, left + cell, top + cell);
                page.setFontSize(LetterSize);
                if (letter != ' ') page.text(left + LetterInset, top + LetterInset, std::string(1, letter));
                if (coded) {
                    page.setFontSize(SmallSize);
                    page.text(left, top, std::to_string(g.numbers[at(c)][at(r)]));
                }
            } else if (letter == '*' && style == 3) {
                page.hatchRect(left, top, left + cell, top + cell);
            }
        }
    }

    // A coded grid's list is its code: printing it would give the answer.
    if (coded) return;
    page.setFontSize(SmallSize);
    const bool hidden = families::isHiddenWords(g.gameId);
    for (std::size_t i = 0; i < s.gameWordList.size(); ++i) {
        const std::string& line = s.gameWordList[i];
        const std::string word = !hidden ? line : line.size() > HiddenWordPrefix ? line.substr(HiddenWordPrefix) : "";
        if (!word.empty())
            page.text(page.width() - half / 2, BoardMargin + static_cast<int>(i) * half / 25, word);
    }
}

std::string twoDigits(int n) { return std::string(n < 10 ? "0" : "").append(std::to_string(n)); }

// "Grille 06-12-2026 23-37-41.pdf" in the player's folder.
SystemPath pdfPath(const ProgramState& s) {
    const LocalTime t = s.platform.localTime();
    std::string name;
    name.append("Grille ").append(twoDigits(t.day)).append("-").append(twoDigits(t.month)).append("-");
    name.append(std::to_string(t.year)).append(" ").append(twoDigits(t.hour)).append("-");
    name.append(twoDigits(t.minute)).append("-").append(twoDigits(t.second)).append(".pdf");
    return s.userDir + name;
}

}  // namespace

void Imprimegrille(ProgramState& s) {
    const PrintOutcome outcome = s.platform.printPage(
        s.app.gameTitle.str(), [&s](PageCanvas& page) { drawGridPage(s, page); }, pdfPath(s).bytes());
    const auto& comments = s.app.comments;
    if (outcome.printed) {
        showPopup(s, 2, 520, comments[Printed].view());
        return;
    }
    debugLog(s, "Impression impossible : " + outcome.problem);
    std::vector<std::string> lines{comments[outcome.noPrinter ? NoPrinter : PrintFailed].str()};
    if (outcome.savedPdf.empty()) {
        lines.push_back(comments[NotSaved].str());
    } else {
        lines.push_back(comments[SavedInstead].str());
        lines.push_back(SystemPath::fromSystem(outcome.savedPdf).latin1());
    }
    lines.push_back(comments[ClickToGoOn].str());
    showMessageBox(s, lines);
}

}  // namespace glossamo
