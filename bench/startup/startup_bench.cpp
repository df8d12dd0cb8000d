// The program's time budget, headless on the shipped data: from nothing to
// the first frame, the frames of the first game started after start-up, and
// the frames of a game being played (median, 99th percentile, longest).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/headless_platform.hpp"
#include "play/game_start.hpp"
#include "shell/frame_tick.hpp"
#include "shell/startup.hpp"
#include "state/program_state.hpp"

namespace {

using namespace glossamo;
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

// The player's files go to a folder of the benchmark's own, not the home of
// whoever runs it.
void useOwnHome() {
    static const std::filesystem::path home = std::filesystem::temp_directory_path() / "glossamo-bench-home";
    std::filesystem::create_directories(home);
    setenv("HOME", home.c_str(), 1);
}

// Start-up as the program does it, up to its first frame shown.
void startProgram(ProgramState& s) {
    FormCreate(s, SystemPath::fromSystem(GLOSSAMO_APP_DIR "/"));
    initialisation(s);
    FormActivate(s);
    DXTimer1Timer(s);
}

double timedFrame(HeadlessPlatform& platform, ProgramState& s) {
    const Clock::time_point start = Clock::now();
    DXTimer1Timer(s);
    const double ms = millisecondsSince(start);
    platform.advance(10);
    return ms;
}

void StartupToFirstFrame(benchmark::State& state) {
    useOwnHome();
    std::vector<double> times;
    for (auto _ : state) {
        HeadlessPlatform platform;
        auto program = std::make_unique<ProgramState>(platform);
        const Clock::time_point start = Clock::now();
        startProgram(*program);
        times.push_back(millisecondsSince(start));
    }
    state.counters["median_ms"] = percentile(times, 0.5);
    state.counters["max_ms"] = percentile(times, 1.0);
}
BENCHMARK(StartupToFirstFrame)->Iterations(20)->Unit(benchmark::kMillisecond);

// The first game of a run, started from the menus after start-up: its
// longest frame (the start itself counted in the frame that makes it), then
// a thousand frames of play.
void FirstGameFrames(benchmark::State& state) {
    useOwnHome();
    const int id = static_cast<int>(state.range(0));
    std::vector<double> starts, playing;
    for (auto _ : state) {
        HeadlessPlatform platform;
        auto program = std::make_unique<ProgramState>(platform);
        ProgramState& s = *program;
        startProgram(s);
        s.app.titleShowing = 0;
        for (int i = 0; i < 10; ++i) timedFrame(platform, s);
        const Clock::time_point start = Clock::now();
        startGame(s, id);
        double longest = millisecondsSince(start) + timedFrame(platform, s);
        while (s.game.built == 0) longest = std::max(longest, timedFrame(platform, s));
        starts.push_back(longest);
        for (int i = 0; i < 1000; ++i) playing.push_back(timedFrame(platform, s));
    }
    state.counters["first_game_longest_frame_ms"] = percentile(starts, 1.0);
    state.counters["frame_median_ms"] = percentile(playing, 0.5);
    state.counters["frame_p99_ms"] = percentile(playing, 0.99);
    state.counters["frame_max_ms"] = percentile(playing, 1.0);
}
BENCHMARK(FirstGameFrames)->Arg(3)->Arg(8)->Arg(36)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
