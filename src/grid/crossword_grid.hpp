#pragma once
// Ready-made crossword grids read from a grid file: one grid per line,
// "WxH=" followed by the cells row after row ('*' a black square).
#include <array>
#include <string>
#include <vector>

#include "base/system_path.hpp"

namespace glossamo {

class Random;

class TjsysGrille {
public:
    static constexpr int MaxSide = 51;

    // Replaces the lines with those of the file; a missing file changes nothing.
    void LoadFile(const SystemPath& path);
    // The number of grids whose size key is exactly `key` ("8x8").
    int CountGrids(const std::string& key) const;
    // Makes the n-th grid (from 1) of that size the current one; nothing
    // changes when there are fewer.
    void SelectGrid(const std::string& key, int n);
    // The words of the current grid (runs of 2 or more letters across, then
    // down), longest first and alphabetical within a length.
    void ListWords(std::vector<std::string>& list) const;

    // Cells [column][row]; character 0 where no grid put anything.
    std::array<std::array<char, MaxSide>, MaxSide> gridCells{};
    int width = 0;
    int height = 0;
    int lineCount = 0;

private:
    std::vector<std::string> lines_;
};

// The size key of an N x N grid.
std::string gridKey(int size);
// Selects one grid of the key, drawn among all but the last of its size.
void chooseGrid(TjsysGrille& grid, const std::string& key, Random& rng);

}  // namespace glossamo
