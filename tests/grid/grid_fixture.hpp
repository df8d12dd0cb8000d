#pragma once
// A program with a fixture grid file, and the moves of the grid games.
#include <string>
#include <vector>

#include "games/game_fixture.hpp"

namespace glossamo::testing {

// Grids row after row ('*' a black square); they need not be real French.
inline const std::string Grid6 = "CHAT*S"
                                 "O*RIEN"
                                 "QUE*ON"
                                 "*NOIR*"
                                 "AS*LEU"
                                 "ME*SES";
inline const std::string Grid8 = "MAISON*A"
                                 "A*LEVER*"
                                 "RUE*ETE*"
                                 "CHATS*LA"
                                 "HE*ARENE"
                                 "E*MER*OS"
                                 "ROSE*VIE"
                                 "*NID*ELU";

inline char cellOf(const std::string& grid, int size, int c, int r) {
    return grid[static_cast<std::size_t>(r * size + c)];
}

class GridFixture : public GameFixture {
public:
    using GameFixture::frames;
    using ProgramFixture::s;

    // Writes the grid file with these grids (the last grid of a size is
    // never drawn, so each is followed by a spare one).
    void writeGrids(const std::string& file, const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        programFolder.write("bin/" + file, text);
    }
    void writeUsualGrids() {
        writeGrids("grilles.txt", {"6x6=" + Grid6, "6x6=" + std::string(36, 'Z'), "8x8=" + Grid8,
                                   "8x8=" + std::string(64, 'Z'), "12x12=" + std::string(144, 'A'),
                                   "12x12=" + std::string(144, 'Z')});
    }
    // Drags a letter of the palette at rows p and p+1 onto a cell.
    void fromPalette(char letter, int p, int c, int r) {
        const int k = letter - 'A';
        drag(1 + k % 13, p + k / 13, c, r);
        frames(1);
    }
    // Puts `grid`'s letter into every grid cell (from (1,1)) of rows
    // first..last of the grid that lacks it.
    void fillFromPalette(const std::string& grid, int size, int p, int first = 0, int last = -1) {
        for (int r = first; r <= (last < 0 ? size - 1 : last); ++r)
            for (int c = 0; c < size; ++c) {
                const char wanted = cellOf(grid, size, c, r);
                if (wanted != '*' && letter(c + 1, r + 1) != wanted) fromPalette(wanted, p, c + 1, r + 1);
            }
    }
    // The mixed grid: each left cell of rows first..last takes a matching
    // letter from the right grid.
    void rebuildMixedRows(const std::string& grid, int size, int first, int last) {
        for (int r = first; r <= last; ++r)
            for (int c = 0; c < size; ++c) {
                const char wanted = cellOf(grid, size, c, r);
                if (wanted == '*') continue;
                for (int k = size + 2; k < 2 * size + 2; ++k)
                    if (letter(k, r + 5) == wanted) {
                        drag(k, r + 5, c + 1, r + 5);
                        frames(1);
                        break;
                    }
            }
    }
    // The dismantled grid: every black square from the tray (row p+2 on).
    void placeBlackSquares(const std::string& grid, int size, int p) {
        int tray = 0;
        for (int c = 0; c < size; ++c)
            for (int r = 0; r < size; ++r) {
                if (cellOf(grid, size, c, r) != '*') continue;
                ++tray;
                drag(tray <= 13 ? tray : tray - 13, p + (tray <= 13 ? 2 : 3), c + 1, r + 1);
                frames(1);
            }
    }
};

// The word-placement and hidden-words games on one 6 x 6 grid and a 12 x 12
// grid.
class GridGames : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        programFolder.write("bin/grilles.txt", "6x6=" + Grid6 + "\r\n12x12=" + std::string(144, 'A') + "\r\n");
    }
    static char gridAt(int c, int r) { return cellOf(Grid6, 6, c, r); }
};

// The other grid games on the usual grids.
class MoreGridGames : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        writeUsualGrids();
    }
    void giveUp() {
        FormKeyDown(s, vk::Escape, 0);
        frames(1);
        EXPECT_EQ(s.app.gameLost, 1);
        EXPECT_EQ(s.app.gameWon, 0);
    }
};

// A right answer other than the stored one wins.
class OtherAnswers : public MoreGridGames {
protected:
    // One grid of a size, with a spare that is never drawn; the rest black.
    static std::string padded(const std::string& topRows, int size) {
        return topRows + std::string(static_cast<std::size_t>(size * size) - topRows.size(), '*');
    }
    void onlyGrid(int size, const std::string& topRows) {
        const std::string key = std::to_string(size) + "x" + std::to_string(size) + "=";
        writeGrids("grilles.txt", {key + padded(topRows, size), key + padded(topRows, size)});
    }
    static std::string transposedGrid(const std::string& grid, int size) {
        std::string transposed = grid;
        for (int c = 0; c < size; ++c)
            for (int r = 0; r < size; ++r) transposed[static_cast<std::size_t>(r * size + c)] = cellOf(grid, size, r, c);
        return transposed;
    }
    void words(const std::vector<std::string>& list) { ASSERT_EQ(s.words.loadLines(list), WordStore::LoadResult::Loaded); }
};

}  // namespace glossamo::testing
