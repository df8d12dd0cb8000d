// How long each playable game takes to build, from `startGame` to its
// first built frame, over many random draws on the shipped data. Reports
// the median, 99th percentile and longest build in milliseconds, the most
// frames a build spanned, and the longest single frame: a frame over 10 ms
// would show the hourglass.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "games/game_reset.hpp"
#include "games/word_lists.hpp"
#include "media/asset_loading.hpp"
#include "platform/headless_platform.hpp"
#include "play/catalogue.hpp"
#include "play/game_start.hpp"
#include "shell/frame_tick.hpp"
#include "state/program_state.hpp"

namespace {

using namespace glossamo;
using Clock = std::chrono::steady_clock;

// Every game identifier, by family.
const std::vector<int> PlayableGames = {
    8,  9,  10, 112, 113, 114, 122, 123, 124, 132, 133, 134, 142, 143, 144,  // hangman
    68, 69, 70, 71,  72,  73,  74,  75,                                      // proverb hangman
    29, 30, 31, 32,  95,  96,  97,  98,                                      // word placement
    33, 34, 35, 36,  99,  100, 101, 102,                                     // hidden words
    1,  2,  3,  92,  93,  94,                                                // coded words
    37, 38, 103, 104, 43, 44, 45,                                            // mixed and dismantled grids
    60, 61, 62, 63,  64,  65,  66,  67,                                      // letter sums, faded letters
    5,  6,  7,  88,  89,  90,  91,                                           // crossing words
    16, 17, 18, 19,  20,  21,  11,  12,  13,                                // anagrams, extra letter, password
    51, 52, 53, 54,  55,  56,  57,  58,  59,                                 // Motuce
    108, 109, 110, 111, 118, 119, 120, 121, 128, 129, 130, 131, 138, 139, 140, 141,  // themed Motuce
    4,                                                                       // the longest word
    14, 15,                                                                  // the vowel market
    76, 77, 78, 79,  80,  81,  82,  83,  84,  85,  86,  87,                  // faded proverbs
    145, 146, 147, 148, 149, 150,                                            // stacked words
    26,  27,  28,  105, 106, 107, 115, 116, 117, 125, 126, 127, 135, 136, 137,  // cut words
    39,  40,  41,  42,                                                       // consonant market
    22,  23,  24,  25,                                                       // from one to the other, third word
    46,  47,  48,  49,  50};                                                 // word hunts
constexpr int MaxFramesPerBuild = 1000;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

void BuildGame(benchmark::State& state) {
    const int id = static_cast<int>(state.range(0));
    HeadlessPlatform platform;
    auto program = std::make_unique<ProgramState>(platform);
    ProgramState& s = *program;
    s.programDir = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/");
    loadInterface(s);
    buildCatalogue(s);
    fillBackgroundList(s);
    LoadWordList(s, wordlists::English);  // as at start-up, which keeps English ready,
    LoadWordList(s, wordlists::French);   // reads the dictionary and shows
    leaveGame(s);                        // the player's background once
    s.app.titleShowing = 0;

    std::vector<double> builds;
    double longestFrame = 0;
    int mostFrames = 0;
    std::uint64_t seed = 0;
    for (auto _ : state) {
        platform.setClockSeed(++seed);  // a new game draws from a newly seeded generator
        const Clock::time_point start = Clock::now();
        startGame(s, id);
        double frameWithStart = millisecondsSince(start);  // the menu click starts the game inside a frame
        int frames = 0;
        while (s.game.built == 0 && frames < MaxFramesPerBuild) {
            const Clock::time_point frameStart = Clock::now();
            DXTimer1Timer(s);
            platform.advance(10);
            longestFrame = std::max(longestFrame, millisecondsSince(frameStart) + frameWithStart);
            frameWithStart = 0;
            ++frames;
        }
        builds.push_back(millisecondsSince(start));
        mostFrames = std::max(mostFrames, frames);
        if (s.game.built == 0) state.SkipWithError("the game never finished building");
    }
    state.counters["median_ms"] = percentile(builds, 0.5);
    state.counters["p99_ms"] = percentile(builds, 0.99);
    state.counters["max_ms"] = percentile(builds, 1.0);
    state.counters["max_frames"] = mostFrames;
    state.counters["longest_frame_ms"] = longestFrame;
}

void PlayableIds(benchmark::internal::Benchmark* b) {
    for (const int id : PlayableGames) b->Arg(id);
}

BENCHMARK(BuildGame)->Apply(PlayableIds)->Iterations(200)->Unit(benchmark::kMillisecond);

// Loading a background picture, which every game start does.
void LoadBackgroundPicture(benchmark::State& state) {
    HeadlessPlatform platform;
    auto program = std::make_unique<ProgramState>(platform);
    program->programDir = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/");
    fillBackgroundList(*program);
    for (auto _ : state) loadBackground(*program, 5);
}
BENCHMARK(LoadBackgroundPicture)->Unit(benchmark::kMillisecond);

}  // namespace
