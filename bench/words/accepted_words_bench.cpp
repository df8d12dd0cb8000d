// Speed of the accepted French words on the list the program ships: mapping
// the file at start-up, and the search of a word the player made.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "games/word_lists.hpp"
#include "words/accepted_words.hpp"

namespace {

using namespace glossamo;

const SystemPath AcceptedList = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/") + AcceptedFrenchFile;

// A new store each round: the file mapped, then one word searched, as the
// first try of a game after start-up does.
void LoadAcceptedWords(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        AcceptedWords words;
        if (!words.load(AcceptedList)) throw std::runtime_error("cannot map " + AcceptedList);
        benchmark::DoNotOptimize(words.contains("DESSINONS"));
        bytes = words.sizeInBytes();
    }
    state.counters["MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(LoadAcceptedWords)->Unit(benchmark::kMicrosecond);

// Words found and words missing, short and long, at both ends of the list.
void AcceptedWordLookup(benchmark::State& state) {
    AcceptedWords words;
    if (!words.load(AcceptedList)) throw std::runtime_error("cannot map " + AcceptedList);
    const char* const tried[] = {"DESSINONS", "COCCINELLES", "ABAISSAMES", "ZYGOMATIQUES", "BXYZXY",
                                 "ACHETONS",  "ANTICONSTITUTIONNELLEMENT", "A", "ZZZZ", "CARTABLES"};
    std::size_t found = 0;
    for (auto _ : state)
        for (const char* word : tried) found += words.contains(word);
    benchmark::DoNotOptimize(found);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 10);
}
BENCHMARK(AcceptedWordLookup)->Unit(benchmark::kMicrosecond);

}  // namespace
