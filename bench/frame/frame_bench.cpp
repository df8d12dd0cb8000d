// One frame drawn headless with the shipped pictures: the background, a full
// 21 x 17 board of tiles, the in-game button bar and a list box.
#include <benchmark/benchmark.h>

#include "media/asset_loading.hpp"
#include "platform/headless_platform.hpp"
#include "state/program_state.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace {

using namespace glossamo;

constexpr int BarButtons[] = {23, 19, 33, 3, 5, 17, 35, 52};

// A full board, the bar and a list box drawn each iteration; with `banner`
// the won banner too, its place sought again every frame.
void drawFullBoardFrames(benchmark::State& state, bool banner) {
    HeadlessPlatform platform;
    auto program = std::make_unique<ProgramState>(platform);
    ProgramState& s = *program;
    s.programDir = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/");
    loadInterface(s);
    loadBackground(s, 5);
    for (int c = 0; c < BoardSize; ++c) {
        for (int r = 0; r < 17; ++r) {
            s.game.letters[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = static_cast<char>('A' + (c + r) % 26);
            s.game.tileStyles[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = 1 + (c * r) % 4;
            s.game.clickable[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = 1;
        }
    }
    for (int i = 1; i <= 40; ++i) listAdd(s, 5, "MARIE........MOTS CASES 10x10...03mn 12s.7504");
    s.listBox(5).left = 300;
    s.listBox(5).top = 100;
    s.mousePos = {300, 200};
    for (auto _ : state) {
        drawBackground(s);
        drawBoard(s);
        int x = 320;
        for (const int n : BarButtons) {
            drawButton(s, {x, 540}, n, buttonHit(s, {x, 540}, s.mousePos));
            x += 60;
        }
        drawListBox(s, 5);
        if (banner) drawWinBanner(s);
        platform.showFrame();
    }
}

void FullBoardFrame(benchmark::State& state) { drawFullBoardFrames(state, false); }
BENCHMARK(FullBoardFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The frame of a won game: the worst case, where no size of banner finds room.
void FullBoardFrameWithBanner(benchmark::State& state) { drawFullBoardFrames(state, true); }
BENCHMARK(FullBoardFrameWithBanner)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
