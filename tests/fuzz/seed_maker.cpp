// Writes the seed corpus of the saved_game target: games of every kind
// started, built and touched, then saved by the quick exit, each pair of
// files joined into one input (see saved_game_fuzz.cpp).
//   fuzz_seed_maker <folder>
#include <cstdio>
#include <string>

#include "base/file_system.hpp"
#include "fuzz_support.hpp"
#include "play/game_start.hpp"
#include "profile/saved_games.hpp"
#include "travel/travel_mode.hpp"

using namespace glossamo;

namespace {

void keep(fuzz::FuzzProgram& program, const std::string& folder, const std::string& name) {
    ProgramState& s = program.s;
    saveGame(s, true);
    const std::string records = readWholeFile(s.userDir + "SAVE/Sortie rapide.sa1").value_or("");
    const std::string words = readWholeFile(s.userDir + "SAVE/Sortie rapide.sa2").value_or("");
    fuzz::writeFile(folder + "/" + name, records + words);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seed_maker <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    fuzz::FuzzProgram& program = fuzz::FuzzProgram::get();
    ProgramState& s = program.s;
    program.restore();
    keep(program, folder, "menus.sav");
    // Games of most kinds, grid games of several sizes.
    for (const int id : {1, 4, 8, 14, 16, 26, 29, 33, 43, 46, 51, 60, 68, 76, 145}) {
        program.restore();
        startGame(s, id);
        for (int i = 0; i < 300 && s.game.built == 0; ++i) program.frames(1);
        program.click(s.game.boardLeft + 31 * 7 + 12, s.game.boardTop + 31 * 2 + 15);
        program.frames(3);
        keep(program, folder, "game" + std::to_string(id) + ".sav");
    }
    program.restore();
    startTravel(s);
    program.frames(3);
    keep(program, folder, "travel.sav");
    return 0;
}
