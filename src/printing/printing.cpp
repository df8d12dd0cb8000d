#include "printing/printing.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/file_system.hpp"
#include "families/registry.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

// The page's proportions, in cells of a twenty-fourth of the page width:
// letters of 16 points, code numbers and words of 8 points, a word every
// 0.48 cell. The whole is then scaled by one factor to fill the page.
constexpr double CellsAcross = 24.0;
constexpr double TitleSize = 16, LetterSize = 16, SmallSize = 8;
constexpr double LargestTitle = 24;           // points, however far the page is scaled
constexpr double MarginCells = 1.5;           // around the page, about 13 mm on A4
constexpr double TitleCells = 1.5;            // the title's line, above the board
constexpr double ListGapCells = 1.0;          // between the board and the list
constexpr double ColumnGapCells = 0.5;        // between two columns of the list
constexpr double LineCells = 0.48;            // from a word of the list to the next
constexpr double LetterTopCells = 0.2;        // from a cell's top to its letter's line
constexpr double CodedLetterTopCells = 0.28;  // lower, under the code number
constexpr double NumberInsetCells = 0.05;     // keeps a code number off the frame
constexpr double LargestScale = 2.5;          // a 6 x 6 grid stops at cells of 22 mm on A4
constexpr int MostListColumns = 6;
constexpr int BoardColumns = BoardSize, BoardRows = 17;
constexpr std::size_t HiddenWordPrefix = 5;  // the state kept before each hidden word

// Comments of the messages.
constexpr int Printed = 99, NoPrinter = 100, PrintFailed = 101, SavedInstead = 102, NotSaved = 103,
              ClickToGoOn = 104;

std::size_t at(int i) { return static_cast<std::size_t>(i); }
int pixel(double x) { return static_cast<int>(std::lround(x)); }

enum class CellPrint { Nothing, Framed, Hatched };

CellPrint cellPrint(const GameRecord& g, int c, int r) {
    const char letter = g.letters[at(c)][at(r)];
    const std::uint32_t style = g.tileStyles[at(c)][at(r)];
    if (letter != '*' && (style == 1 || style == 4)) return CellPrint::Framed;
    if (letter == '*' && style == 3) return CellPrint::Hatched;
    return CellPrint::Nothing;
}

// The rectangle of cells that print something.
struct CellSpan {
    int firstColumn = BoardColumns, firstRow = BoardRows, lastColumn = -1, lastRow = -1;
    int columns() const { return std::max(0, lastColumn - firstColumn + 1); }
    int rows() const { return std::max(0, lastRow - firstRow + 1); }
};

CellSpan printedCells(const GameRecord& g) {
    CellSpan span;
    for (int r = 0; r < BoardRows; ++r)
        for (int c = 0; c < BoardColumns; ++c)
            if (cellPrint(g, c, r) != CellPrint::Nothing) {
                span.firstColumn = std::min(span.firstColumn, c);
                span.lastColumn = std::max(span.lastColumn, c);
                span.firstRow = std::min(span.firstRow, r);
                span.lastRow = std::max(span.lastRow, r);
            }
    return span;
}

// The words a player is given to place or to find. Every other game's list
// is its answer (the code, the grid's words, the proverbs of the month, the
// words that can be made) or left over from an earlier game: none prints.
std::vector<std::string> givenWords(const ProgramState& s) {
    const GameRules* rules = rulesOf(static_cast<int>(s.game.gameId));
    const PrintedWords printed = rules ? rules->printedWords : PrintedWords::None;
    std::vector<std::string> words;
    if (printed == PrintedWords::None) return words;
    for (const std::string& line : s.gameWordList) {
        std::string word = printed == PrintedWords::AsListed ? line
                           : line.size() > HiddenWordPrefix ? line.substr(HiddenWordPrefix)
                                                            : "";
        if (!word.empty()) words.push_back(std::move(word));
    }
    return words;
}

// The word list in columns of equal length, top to bottom then left to
// right; widths in cells at the unscaled size.
struct ListColumns {
    int lines = 0;
    std::vector<double> widths;
    double width() const {
        double sum = 0;
        for (const double w : widths) sum += w;
        return widths.empty() ? 0 : sum + ColumnGapCells * static_cast<double>(widths.size() - 1);
    }
};

ListColumns splitList(const std::vector<double>& wordWidths, int columns) {
    ListColumns list;
    const int count = static_cast<int>(wordWidths.size());
    list.lines = (count + columns - 1) / columns;
    for (int first = 0; first < count; first += list.lines) {
        const auto begin = wordWidths.begin() + first;
        list.widths.push_back(*std::max_element(begin, begin + std::min(list.lines, count - first)));
    }
    return list;
}

// Where everything goes: the scale, the board's corner and the list's
// columns in printer pixels.
struct PageLayout {
    double scale = 1, cell = 0;
    double left = 0, top = 0;  // the board's corner (the list's when there is no board)
    double width = 0;          // of the board and the list
    double listLeft = 0, listTop = 0;
    ListColumns list;
};

// The list's columns beside the board, or under it when the board and a
// long list side by side would leave the page half empty.
enum class ListPlace { Beside, Below };

// The largest scale at which the board and its list fit the page within
// its margins, the list beside or under the board, in one to six columns.
PageLayout layOut(const PageCanvas& page, const CellSpan& board, const std::vector<double>& wordWidths) {
    const double cell = page.width() / CellsAcross;
    const double roomAcross = page.width() / cell - 2 * MarginCells;
    const double roomDown = page.height() / cell - 2 * MarginCells - TitleCells;
    const double gap = board.columns() > 0 && !wordWidths.empty() ? ListGapCells : 0;
    PageLayout best;
    best.scale = 0;
    for (const ListPlace place : {ListPlace::Beside, ListPlace::Below}) {
        for (int columns = 1; columns <= (wordWidths.empty() ? 1 : MostListColumns); ++columns) {
            const ListColumns list = splitList(wordWidths, columns);
            const double listDown = list.lines * LineCells;
            const bool beside = place == ListPlace::Beside;
            const double across =
                beside ? board.columns() + gap + list.width() : std::max<double>(board.columns(), list.width());
            const double down = beside ? std::max<double>(board.rows(), listDown) : board.rows() + gap + listDown;
            const double acrossScale = across > 0 ? roomAcross / across : LargestScale;
            const double downScale = down > 0 ? roomDown / down : LargestScale;
            const double scale = std::min({LargestScale, acrossScale, downScale});
            if (scale <= best.scale) continue;
            best.scale = scale;
            best.list = list;
            best.cell = cell * scale;
            best.width = across * best.cell;
            best.left = cell * MarginCells + (roomAcross * cell - best.width) / 2;
            best.top = cell * (MarginCells + TitleCells);
            best.listLeft = best.left + (beside ? board.columns() + gap : 0) * best.cell;
            best.listTop = best.top + (beside ? 0 : board.rows() + gap) * best.cell;
        }
    }
    return best;
}

int points(double size, double scale) { return std::max(1, pixel(size * scale)); }

void drawTitle(const ProgramState& s, PageCanvas& page, const PageLayout& layout) {
    const std::string title = s.app.gameTitle.str();
    const double margin = page.width() / CellsAcross * MarginCells;
    int size = static_cast<int>(std::min(TitleSize * layout.scale, LargestTitle));
    page.setFontSize(size);
    while (size > 1 && page.textWidth(title) > page.width() - 2 * margin) page.setFontSize(--size);
    const double centred = layout.left + (layout.width - page.textWidth(title)) / 2;
    const double x = std::max(margin, std::min(centred, page.width() - margin - page.textWidth(title)));
    page.text(pixel(x), pixel(margin), title);
}

void drawBoard(const ProgramState& s, PageCanvas& page, const PageLayout& layout, const CellSpan& board) {
    const GameRecord& g = s.game;
    const GameRules* rules = rulesOf(static_cast<int>(g.gameId));
    const bool coded = rules && rules->printsCodeNumbers;
    const auto across = [&](int c) { return pixel(layout.left + (c - board.firstColumn) * layout.cell); };
    const auto down = [&](int r) { return pixel(layout.top + (r - board.firstRow) * layout.cell); };
    for (int r = board.firstRow; r <= board.lastRow; ++r) {
        for (int c = board.firstColumn; c <= board.lastColumn; ++c) {
            const int left = across(c), right = across(c + 1), top = down(r), bottom = down(r + 1);
            const CellPrint print = cellPrint(g, c, r);
            if (print == CellPrint::Hatched) page.hatchRect(left, top, right, bottom);
            if (print != CellPrint::Framed) continue;
            page.frameRect(left, top, right, bottom);
            const std::string letter(1, g.letters[at(c)][at(r)]);
            page.setFontSize(points(LetterSize, layout.scale));
            const int letterTop = pixel((coded ? CodedLetterTopCells : LetterTopCells) * layout.cell);
            if (letter != " ") page.text((left + right - page.textWidth(letter)) / 2, top + letterTop, letter);
            if (coded) {
                const int numberInset = pixel(NumberInsetCells * layout.cell);
                page.setFontSize(points(SmallSize, layout.scale));
                page.text(left + numberInset, top + numberInset, std::to_string(g.numbers[at(c)][at(r)]));
            }
        }
    }
}

void drawList(PageCanvas& page, const PageLayout& layout, const std::vector<std::string>& words) {
    page.setFontSize(points(SmallSize, layout.scale));
    double left = layout.listLeft;
    for (std::size_t column = 0; column < layout.list.widths.size(); ++column) {
        for (int line = 0; line < layout.list.lines; ++line) {
            const std::size_t i = column * at(layout.list.lines) + at(line);
            const double top = layout.listTop + line * LineCells * layout.cell;
            if (i < words.size()) page.text(pixel(left), pixel(top), words[i]);
        }
        left += (layout.list.widths[column] + ColumnGapCells) * layout.cell;
    }
}

// The title, the board's printed cells as framed cells with their letters
// (and code numbers) or hatched black squares, and the words given to the
// player beside or under it: as large as the page allows, in the same proportions
// whatever the size.
void drawGridPage(const ProgramState& s, PageCanvas& page) {
    const CellSpan board = printedCells(s.game);
    const std::vector<std::string> words = givenWords(s);
    page.setFontSize(static_cast<int>(SmallSize));
    const double cell = page.width() / CellsAcross;
    std::vector<double> wordWidths;
    for (const std::string& word : words) wordWidths.push_back(page.textWidth(word) / cell);
    const PageLayout layout = layOut(page, board, wordWidths);
    drawTitle(s, page, layout);
    drawBoard(s, page, layout, board);
    drawList(page, layout, words);
}

std::string twoDigits(int n) { return std::string(n < 10 ? "0" : "").append(std::to_string(n)); }

// "Grille 06-12-2026 23-37-41.pdf".
std::string pdfName(const ProgramState& s) {
    const LocalTime t = s.platform.localTime();
    std::string name;
    name.append("Grille ").append(twoDigits(t.day)).append("-").append(twoDigits(t.month)).append("-");
    name.append(std::to_string(t.year)).append(" ").append(twoDigits(t.hour)).append("-");
    name.append(twoDigits(t.minute)).append("-").append(twoDigits(t.second)).append(".pdf");
    return name;
}

// A page that cannot be printed is kept where the player looks for
// documents, else in the player's folder.
SystemPath pdfFolder(const ProgramState& s) {
    const SystemPath documents = documentsFolder();
    return documents.empty() ? s.userDir : documents;
}

}  // namespace

void Imprimegrille(ProgramState& s) {
    const SystemPath folder = pdfFolder(s);
    const std::string name = pdfName(s);
    const PrintOutcome outcome = s.platform.printPage(
        s.app.gameTitle.str(), [&s](PageCanvas& page) { drawGridPage(s, page); }, (folder + name).bytes());
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
        // The folder, then the file's name on a line of its own.
        lines.push_back(comments[SavedInstead].str());
        lines.push_back(shownPath(folder));
        lines.push_back(name);
    }
    lines.push_back(comments[ClickToGoOn].str());
    showMessageBox(s, lines);
}

}  // namespace glossamo
