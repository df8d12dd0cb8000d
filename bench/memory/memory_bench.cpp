// The program's own memory, step by step through a start-up and a game,
// headless: what each part of the state holds once loaded. Read from
// /proc/self/status (anonymous resident memory, in kilobytes).
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

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

double anonymousKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    double kb = 0;
    while (status >> key) {
        if (key == "RssAnon:") {
            status >> kb;
            break;
        }
        std::getline(status, key);
    }
    return kb;
}

void StateMemory(benchmark::State& state) {
    for (auto _ : state) {
        const double start = anonymousKb();
        HeadlessPlatform platform;
        auto program = std::make_unique<ProgramState>(platform);
        ProgramState& s = *program;
        const double record = anonymousKb();
        s.programDir = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/");
        loadInterface(s);
        const double interface = anonymousKb();
        buildCatalogue(s);
        fillBackgroundList(s);
        LoadWordList(s, wordlists::English);
        const double english = anonymousKb();
        LoadWordList(s, wordlists::French);
        const double french = anonymousKb();
        leaveGame(s);
        s.app.titleShowing = 0;
        startGame(s, 3);
        for (int i = 0; i < 100; ++i) {
            DXTimer1Timer(s);
            platform.advance(10);
        }
        const double playing = anonymousKb();
        state.counters["0_platform_and_state_kb"] = record - start;
        state.counters["1_pictures_sounds_kb"] = interface - record;
        state.counters["2_english_list_kb"] = english - interface;
        state.counters["3_french_list_kb"] = french - english;
        state.counters["4_game_kb"] = playing - french;
        state.counters["total_anon_kb"] = playing;
    }
}
BENCHMARK(StateMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
