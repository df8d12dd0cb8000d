// The proverb file reader: the input's first byte chooses one of the twenty
// proverb games (eight hanged proverbs, twelve faded ones, one a month), the
// rest is that game's proverb file. Proverbs are read from several places,
// then the game is built on the file and played: a letter, then Escape.
#include "families/faded_proverbs/faded_proverbs.hpp"
#include "families/hangman/hangman.hpp"
#include "fuzz_support.hpp"
#include "fuzz_target.hpp"
#include "games/proverb_reading.hpp"
#include "platform/platform.hpp"
#include "play/game_start.hpp"
#include "shell/input_routing.hpp"

using namespace glossamo;

namespace {

constexpr int FirstHangedProverb = 68;  // 68..75, nations 1..8
constexpr int FirstFadedProverb = 76;   // 76..87, months 1..12

std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(start, end - start));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace

FUZZ_TARGET(proverb_file) {
    if (size == 0) return 0;
    const int game = data[0] % 20;
    const int id = game < 8 ? FirstHangedProverb + game : FirstFadedProverb + game - 8;
    const std::string file = game < 8 ? proverbFile(game + 1) : monthFile(game - 7);
    const std::string_view text = fuzz::bytesOf(data + 1, size - 1);

    const std::vector<std::string> lines = linesOf(text);
    const int count = static_cast<int>(lines.size());
    for (const int start : {-1, 0, count / 2, count - 6, count - 1, count})
        readProverb(lines, start);

    fuzz::FuzzProgram& program = fuzz::FuzzProgram::get();
    ProgramState& s = program.s;
    program.restore();
    program.replaceDataFile(file, text);
    startGame(s, id);
    program.frames(2);
    // The first letter of the alphabet: row 2 of the hanged proverbs, row 1
    // of the faded ones, dropped on the first cell of the text.
    const int column = game < 8 ? 7 : 4;
    const int row = game < 8 ? 2 : 1;
    const int x = s.game.boardLeft + 31 * column + 12, y = s.game.boardTop + 31 * row + 15;
    DXMouseMove(s, x, y);
    DXMouseDown(s, ButtonLeft, x, y);
    program.frames(1);
    DXMouseUp(s, ButtonLeft, s.game.boardLeft + 31 + 12, s.game.boardTop + 31 * 6 + 15);
    program.frames(1);
    FormKeyDown(s, vk::Escape, 0);
    program.frames(1);
    return 0;
}
