#include "grid/crossword_grid.hpp"

#include <gtest/gtest.h>

#include <set>

#include "base/random.hpp"
#include "support/program_fixture.hpp"

namespace glossamo::testing {

namespace {
TjsysGrille loaded(const TempDir& dir, const std::string& content) {
    dir.write("grilles.txt", content);
    TjsysGrille grid;
    grid.LoadFile(dir.path() + "grilles.txt");
    return grid;
}
}  // namespace

TEST(CrosswordGrid, CountsSelectsAndNeverDrawsTheLastGridOfASize) {
    TempDir dir;
    TjsysGrille grid = loaded(dir, "8x8=" + std::string(64, 'A') + "\r\n6x6=" + std::string(36, 'X') + "\r\n8x8=" +
                                       std::string(64, 'B') + "\r\nsans cle\r\n8x8=" + std::string(64, 'C') + "\r\n");
    EXPECT_EQ(grid.lineCount, 5);
    EXPECT_EQ(grid.CountGrids("8x8"), 3);
    EXPECT_EQ(grid.CountGrids("8X8"), 0) << "keys compare with their case";
    grid.SelectGrid("8x8", 3);
    EXPECT_EQ(grid.gridCells[7][7], 'C');
    EXPECT_EQ(grid.width, 8);
    grid.SelectGrid("8x8", 4);
    EXPECT_EQ(grid.gridCells[7][7], 'C') << "no fourth grid: nothing changes";
    Random rng;
    std::set<char> drawn;
    for (int seed = 0; seed < 100; ++seed) {
        rng.seed(static_cast<std::uint64_t>(seed));
        chooseGrid(grid, "8x8", rng);
        drawn.insert(grid.gridCells[0][0]);
    }
    EXPECT_EQ(drawn, (std::set<char>{'A', 'B'}));
    chooseGrid(grid, "6x6", rng);
    EXPECT_EQ(grid.gridCells[0][0], 'X') << "a single grid is chosen";
}

TEST(CrosswordGrid, WordsAcrossAndDownInTheirOrder) {
    TempDir dir;
    //  A B C * D E
    //  B * A * E *
    //  C A T * * *
    TjsysGrille grid = loaded(dir, "6x3=ABC*DEB*A*E*CAT***\r\n");
    grid.SelectGrid("6x3", 1);
    std::vector<std::string> words;
    grid.ListWords(words);
    EXPECT_EQ(words, (std::vector<std::string>{"ABC", "ABC", "CAT", "CAT", "DE", "DE"}))
        << "a lone letter between black squares is no word; down words stop at the grid's own height";
}

TEST(CrosswordGrid, LongestFirstThenAlphabetical) {
    TempDir dir;
    TjsysGrille grid = loaded(dir, "5x5=TABLE*****ARBRE*****BOL**\r\n");
    grid.SelectGrid("5x5", 1);
    std::vector<std::string> words;
    grid.ListWords(words);
    EXPECT_EQ(words, (std::vector<std::string>{"ARBRE", "TABLE", "BOL"}));
}

TEST(CrosswordGrid, MissingFileAndShortCellText) {
    TjsysGrille grid;
    grid.LoadFile(SystemPath::fromSystem("/nonexistent/grilles.txt"));
    EXPECT_EQ(grid.CountGrids("6x6"), 0);
    grid.SelectGrid("6x6", 1);
    EXPECT_EQ(grid.gridCells[0][0], '\0');
    TempDir dir;
    grid = loaded(dir, "6x6=ABC\r\n");
    grid.SelectGrid("6x6", 1);
    EXPECT_EQ(grid.gridCells[2][0], 'C');
    EXPECT_EQ(grid.gridCells[3][0], '\0') << "past the end of the text";
}

}  // namespace glossamo::testing
