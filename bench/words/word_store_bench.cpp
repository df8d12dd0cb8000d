// Speed of the word store on the French list the program ships.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <string>
#include <vector>

#include "games/word_lists.hpp"
#include "words/word_store.hpp"

namespace {

using namespace glossamo;

const SystemPath FrenchList = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/") + wordListFile(wordlists::French);
const SystemPath EnglishList = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/") + wordListFile(wordlists::English);

WordStore& frenchStore() {
    static Random rng;
    static WordStore store(rng);
    static const bool loaded = store.load(FrenchList) == WordStore::LoadResult::Loaded;
    if (!loaded) throw std::runtime_error("cannot load " + FrenchList);
    return store;
}

// Reading the list from its file (a store already holding a list reads it
// no more, so each round starts with a new store).
void LoadFrenchList(benchmark::State& state) {
    Random rng;
    int words = 0;
    for (auto _ : state) {
        WordStore store(rng);
        benchmark::DoNotOptimize(store.load(FrenchList));
        words = store.totalWords();
    }
    state.counters["words"] = words;
}

// Switching between the dictionary and the English list, as English cross
// does on every game: the list read before stays ready.
void SwitchFrenchAndEnglish(benchmark::State& state) {
    Random rng;
    WordStore store(rng);
    store.load(FrenchList);
    store.load(EnglishList);
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.load(FrenchList));
        benchmark::DoNotOptimize(store.load(EnglishList));
    }
}
BENCHMARK(SwitchFrenchAndEnglish)->Unit(benchmark::kMicrosecond);

// Heap memory held by a store with the French list loaded.
void FrenchStoreMemory(benchmark::State& state) {
    std::size_t held = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        auto rng = std::make_unique<Random>();
        auto store = std::make_unique<WordStore>(*rng);
        store->load(FrenchList);
        held = mallinfo2().uordblks - before;
        benchmark::DoNotOptimize(store);
    }
    state.counters["MB"] = static_cast<double>(held) / (1024.0 * 1024.0);
}
BENCHMARK(FrenchStoreMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadFrenchList)->Unit(benchmark::kMillisecond);

void IncludedWordsOfNineLetters(benchmark::State& state) {
    const WordStore& store = frenchStore();
    std::vector<std::string> results;
    for (auto _ : state) store.FindIncludedWords("ECRITURES", results);
    state.counters["results"] = static_cast<double>(results.size());
}
BENCHMARK(IncludedWordsOfNineLetters)->Unit(benchmark::kMicrosecond);

void IncludedWordsOfNineLettersByScan(benchmark::State& state) {
    const WordStore& store = frenchStore();
    std::vector<std::string> results;
    for (auto _ : state) store.scanIncludedWords("ECRITURES", results);
}
BENCHMARK(IncludedWordsOfNineLettersByScan)->Unit(benchmark::kMicrosecond);

void PatternOfThirteenWithThreeKnown(benchmark::State& state) {
    const WordStore& store = frenchStore();
    std::vector<std::string> results;
    for (auto _ : state) store.FindPatternWords("C????T?????E?", results);
    state.counters["results"] = static_cast<double>(results.size());
}
BENCHMARK(PatternOfThirteenWithThreeKnown)->Unit(benchmark::kMicrosecond);

void AnagramsOfTenLetters(benchmark::State& state) {
    const WordStore& store = frenchStore();
    std::vector<std::string> results;
    for (auto _ : state) store.FindAnagrams("CONSERVATE", results);
    state.counters["results"] = static_cast<double>(results.size());
}
BENCHMARK(AnagramsOfTenLetters)->Unit(benchmark::kMicrosecond);

void AnagramsOfTenLettersByScan(benchmark::State& state) {
    const WordStore& store = frenchStore();
    std::vector<std::string> results;
    for (auto _ : state) store.scanAnagrams("CONSERVATE", results);
}
BENCHMARK(AnagramsOfTenLettersByScan)->Unit(benchmark::kMicrosecond);

}  // namespace
