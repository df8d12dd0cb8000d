// The crossword grid file reader: the input is the French grid file. Every
// size the games ask for is counted, selected and listed; for one input in
// five, a grid game chosen by the input's first byte is then built on the
// file and played a frame.
#include <array>
#include <vector>

#include "fuzz_support.hpp"
#include "fuzz_target.hpp"
#include "grid/crossword_grid.hpp"
#include "play/game_start.hpp"

using namespace glossamo;

namespace {

// The identifiers of the games that read the French grid file.
constexpr std::array<int, 24> GridGames{1,  2,  3,  29, 30, 31, 32, 33, 34, 35, 36, 37,
                                        38, 43, 44, 45, 60, 61, 62, 63, 64, 65, 66, 67};

}  // namespace

FUZZ_TARGET(grid_file) {
    if (size == 0) return 0;
    const std::string_view file = fuzz::bytesOf(data + 1, size - 1);
    fuzz::FuzzProgram& program = fuzz::FuzzProgram::get();
    ProgramState& s = program.s;
    program.restore();
    program.replaceDataFile("bin/grilles.txt", file);

    TjsysGrille grid;
    grid.LoadFile(s.programDir + "bin/grilles.txt");
    for (int side = 1; side <= 13; ++side) {
        chooseGrid(grid, gridKey(side), s.rng);
        std::vector<std::string> words;
        grid.ListWords(words);
    }

    // Building and playing a game costs far more than reading the file: one
    // input in five goes on to a game, so that the reader itself is tried
    // many times over.
    if (data[0] >= 2 * GridGames.size()) return 0;
    startGame(s, GridGames[data[0] % GridGames.size()]);
    program.frames(2);
    program.click(s.game.boardLeft + 31 + 12, s.game.boardTop + 31 + 15);
    program.frames(1);
    return 0;
}
