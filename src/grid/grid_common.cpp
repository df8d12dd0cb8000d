#include "grid/grid_common.hpp"

#include <algorithm>
#include <cstdio>
#include <string>
#include <unordered_set>
#include <vector>

#include "base/file_system.hpp"
#include "base/random.hpp"
#include "base/text_encoding.hpp"
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/word_lists.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr int ListX = 500;
constexpr int SecondListX = 650;
constexpr int RowsPerColumn = 30;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// The runs of the board closed by black squares on both ends, read across
// and down from a black square within the grid's size: a word of the list is
// on the board when it is one of them. Read once for the whole list.
std::unordered_set<std::string> framedRuns(const ProgramState& s) {
    const int n = std::min(static_cast<int>(s.game.counterB), BoardSize - 1);  // a saved game's size may be anything
    std::unordered_set<std::string> runs;
    for (int c = 0; c <= n; ++c) {
        for (int r = 0; r <= n; ++r) {
            if (s.game.letters[at(c)][at(r)] != '*') continue;
            for (const bool across : {true, false}) {
                std::string run;
                for (int k = 1;; ++k) {
                    const int x = across ? c + k : c, y = across ? r : r + k;
                    if (x >= BoardSize || y >= BoardSize) break;  // not closed: the board ends first
                    const char letter = s.game.letters[at(x)][at(y)];
                    if (letter == '*') {
                        runs.insert(run);
                        break;
                    }
                    run += letter;
                }
            }
        }
    }
    return runs;
}

}  // namespace

GridRows gridRowsOf(const ProgramState& s, int firstColumn, int firstRow,
                    const std::function<bool(int column, int row)>& black) {
    const int n = std::min(static_cast<int>(s.game.counterB), BoardSize - std::max(firstColumn, firstRow));
    GridRows rows(at(std::max(n, 0)), std::string(at(std::max(n, 0)), ' '));
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            const int column = firstColumn + c, row = firstRow + r;
            rows[at(r)][at(c)] = black(column, row) ? '*' : s.game.letters[at(column)][at(row)];
        }
    return rows;
}

bool gridComplete(const GridRows& rows) {
    for (const std::string& row : rows)
        for (const char cell : row)
            if (cell != '*' && (cell < 'A' || cell > 'Z')) return false;
    return true;
}

std::vector<std::string> gridRuns(const GridRows& rows) {
    std::vector<std::string> runs;
    const auto addRunsOf = [&runs](const std::string& line) {
        std::size_t start = 0;
        while (start < line.size()) {
            const std::size_t end = std::min(line.find('*', start), line.size());
            if (end - start >= 2) runs.push_back(line.substr(start, end - start));
            start = end + 1;
        }
    };
    for (const std::string& row : rows) addRunsOf(row);
    for (std::size_t c = 0; c < rows.size(); ++c) {
        std::string column;
        for (const std::string& row : rows) column += c < row.size() ? row[c] : '*';
        addRunsOf(column);
    }
    return runs;
}

bool everyRunIsAWord(const ProgramState& s, const GridRows& rows) {
    if (!gridComplete(rows)) return false;
    for (const std::string& run : gridRuns(rows))
        if (!PlayerWordExists(s, run)) return false;
    return true;
}

std::vector<Point> cellsOfRefusedRuns(const GridRows& rows, int firstColumn, int firstRow,
                                      const std::function<bool(const std::string&)>& accepted) {
    std::vector<Point> cells;
    const int n = static_cast<int>(rows.size());
    const auto cellAt = [&](int line, int k, bool across) { return across ? Point{k, line} : Point{line, k}; };
    for (const bool across : {true, false})
        for (int line = 0; line < n; ++line)
            for (int start = 0, end = 0; start < n; start = end + 1) {
                std::string run;
                for (end = start; end < n; ++end) {
                    const Point p = cellAt(line, end, across);
                    const char letter = rows[at(p.y)][at(p.x)];
                    if (letter == '*') break;
                    run += letter;
                }
                const bool full = run.size() >= 2 && run.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos;
                if (!full || accepted(run)) continue;
                for (int k = start; k < end; ++k) {
                    const Point p = cellAt(line, k, across);
                    cells.push_back({firstColumn + p.x, firstRow + p.y});
                }
            }
    return cells;
}

void sayWhenGridFullButWrong(ProgramState& s, const GridRows& rows) {
    constexpr int FullGridNotRight = 188;
    sayWhenFullButRefused(s, !rows.empty() && gridComplete(rows), FullGridNotRight);
}

bool runsAreTheListedWords(std::vector<std::string> runs, std::vector<std::string> listed) {
    std::sort(runs.begin(), runs.end());
    std::sort(listed.begin(), listed.end());
    return runs == listed;
}

Point wordListPosition(int k) {
    const int column = (k - 1) / RowsPerColumn;
    const int row = (k - 1) % RowsPerColumn + 1;
    return {column == 0 ? ListX : SecondListX, 60 + 15 * row};
}

std::vector<int> gridRanks(const ProgramState& s, int size, const char* gridFile) {
    std::string file = gridFile;
    if (file.ends_with(".txt")) file.resize(file.size() - 4);
    const std::optional<std::vector<std::string>> lines = readTextLines(s.programDir + "bin/" + file + "_rangs.txt");
    std::vector<int> ranks;
    const std::string key = gridKey(size) + " ";
    for (const std::string& line : lines.value_or(std::vector<std::string>{}))
        if (line.starts_with(key)) ranks.push_back(std::atoi(line.c_str() + key.size()));
    return ranks;
}

int easyGridCut(std::vector<int> ranks) {
    if (ranks.empty()) return 0;
    std::sort(ranks.begin(), ranks.end());
    return ranks[at(std::max<int>(1, static_cast<int>(ranks.size()) / EasyGridShare) - 1)];
}

namespace {

// The grids (numbered from 1 within their size) a game may draw with easy
// words: those of the easiest share of their size. Empty when every grid
// may be drawn: without easy words, or for a grid file without ranks.
std::vector<int> easyGrids(const std::vector<int>& ranks) {
    std::vector<int> easy;
    const int cut = easyGridCut(ranks);
    for (std::size_t n = 0; n < ranks.size(); ++n)
        if (ranks[n] <= cut) easy.push_back(static_cast<int>(n) + 1);
    return easy;
}

void noteGridRank(ProgramState& s, int size, const std::vector<int>& ranks, int n) {
    if (s.words.drawLog.kept && n >= 1 && n <= static_cast<int>(ranks.size()))
        s.words.drawLog.grids.emplace_back(size, ranks[at(n - 1)]);
}

}  // namespace

TjsysGrille chosenGrid(ProgramState& s, int size, const char* gridFile) {
    if (s.words.drawsEasyWords())
        return chosenGridWhere(s, size, gridFile, [](const TjsysGrille&) { return true; });
    TjsysGrille grid;
    grid.LoadFile(s.programDir + "bin/" + gridFile);
    chooseGrid(grid, gridKey(size), s.rng);
    return grid;
}

TjsysGrille chosenGridWhere(ProgramState& s, int size, const char* gridFile,
                            const std::function<bool(const TjsysGrille&)>& allowed) {
    TjsysGrille grid;
    grid.LoadFile(s.programDir + "bin/" + gridFile);
    const std::string key = gridKey(size);
    std::vector<int> ranks = s.words.drawsEasyWords() ? gridRanks(s, size, gridFile) : std::vector<int>{};
    // Ranks that do not count the grids of the file belong to other grids.
    if (static_cast<int>(ranks.size()) != grid.CountGrids(key)) ranks.clear();
    const std::vector<int> easy = easyGrids(ranks);
    std::vector<int> fitting;
    for (int n = 1; n <= grid.CountGrids(key); ++n) {
        if (!easy.empty() && std::find(easy.begin(), easy.end(), n) == easy.end()) continue;
        grid.SelectGrid(key, n);
        if (allowed(grid)) fitting.push_back(n);
    }
    if (fitting.empty()) return TjsysGrille{};
    // The last of the grids is never drawn, save among the easy ones.
    const int choices = static_cast<int>(fitting.size()) - (easy.empty() ? 1 : 0);
    const int n = fitting[at(s.rng.below(choices))];
    grid.SelectGrid(key, n);
    noteGridRank(s, size, ranks, n);
    return grid;
}

int blackSquares(const TjsysGrille& grid, int size) {
    int count = 0;
    for (int c = 0; c < size; ++c)
        for (int r = 0; r < size; ++r) count += grid.gridCells[at(c)][at(r)] == '*';
    return count;
}

void preparePalette(ProgramState& s, int p) {
    for (int c = 1; c <= 13; ++c) {
        for (int r = p; r <= p + 1; ++r) {
            s.game.movable[at(c)][at(r)] = 1;
            s.game.clickable[at(c)][at(r)] = 1;
            s.game.tileStyles[at(c)][at(r)] = 2;
        }
    }
}

void writePalette(ProgramState& s, int p) {
    PutWord(1, p, "ABCDEFGHIJKLM", Across, s.game.letters);
    PutWord(1, p + 1, "NOPQRSTUVWXYZ", Across, s.game.letters);
}

void drawWordList(ProgramState& s) {
    const std::unordered_set<std::string> runs = framedRuns(s);
    for (std::size_t i = 0; i < s.gameWordList.size(); ++i) {
        const std::string& word = s.gameWordList[i];
        char length[8];
        std::snprintf(length, sizeof length, "%2zu-", word.size());
        const Point at = wordListPosition(static_cast<int>(i) + 1);
        if (runs.contains(word))
            drawStruckSmallText(s, at.x, at.y, length + word);
        else
            drawSmallText(s, at.x, at.y, NormalInk, length + word);
    }
}

}  // namespace glossamo
