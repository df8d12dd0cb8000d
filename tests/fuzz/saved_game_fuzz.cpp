// The saved-game reader: a pair of files loaded from the saved-games panel,
// then the loaded game played for a few frames, a click and Escape.
// The input is the .sa1 file (the records, savedGameSize() bytes when sound)
// followed by the .sa2 file (the game's word list).
#include <algorithm>

#include "base/file_system.hpp"
#include "fuzz_support.hpp"
#include "fuzz_target.hpp"
#include "platform/platform.hpp"
#include "profile/save_blocks.hpp"
#include "profile/saved_games.hpp"
#include "shell/input_routing.hpp"

using namespace glossamo;

FUZZ_TARGET(saved_game) {
    fuzz::FuzzProgram& program = fuzz::FuzzProgram::get();
    ProgramState& s = program.s;
    program.restore();
    const std::string_view bytes = fuzz::bytesOf(data, size);
    const std::size_t split = std::min(bytes.size(), savedGameSize());
    fuzz::writeFile((s.userDir + "SAVE/fuzz.sa1").bytes(), bytes.substr(0, split));
    fuzz::writeFile((s.userDir + "SAVE/fuzz.sa2").bytes(), bytes.substr(split));
    loadGame(s, "fuzz");
    const bool loaded = std::any_of(s.debugLines.begin(), s.debugLines.end(), [](const std::string& line) {
        return line.find("chargement de sauvegarde") != std::string::npos;
    });
    if (!loaded) {
        // Refused: the running state did not change, and the pair was kept
        // aside; it goes so that the kept files never pile up.
        deleteFile(s.userDir + "SAVE/fuzz.sa1.abimee");
        deleteFile(s.userDir + "SAVE/fuzz.sa2.abimee");
        return 0;
    }
    program.frames(1);
    const int c = std::clamp<int>(s.game.hoverCol, 0, BoardSize - 1);
    const int r = std::clamp<int>(s.game.hoverRow, 0, BoardSize - 1);
    program.click(s.game.boardLeft + CellPixels * c + 12, s.game.boardTop + CellPixels * r + 15);
    program.frames(1);
    FormKeyDown(s, vk::Escape, 0);
    program.frames(1);
    return 0;
}
