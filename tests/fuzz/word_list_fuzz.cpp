// The word-list loader: the input is a word-list file. Once loaded, the
// words are drawn and searched for; the indexed searches must find what a
// plain scan of every word finds.
#include <algorithm>
#include <vector>

#include "base/random.hpp"
#include "fuzz_check.hpp"
#include "fuzz_support.hpp"
#include "fuzz_target.hpp"
#include "words/word_store.hpp"

using namespace glossamo;

FUZZ_TARGET(word_list) {
    const std::string path = fuzz::scratchFolder() + "words.txt";
    fuzz::writeFile(path, fuzz::bytesOf(data, size));
    Random rng;
    WordStore store(rng);
    const WordStore::LoadResult result = store.load(SystemPath::fromSystem(path));
    if (result == WordStore::LoadResult::Missing) return 0;
    // Loading the same file again changes nothing.
    const int total = store.totalWords();
    store.load(SystemPath::fromSystem(path));
    FUZZ_CHECK(store.totalWords() == total);

    int total2 = 0;
    for (int length = 0; length <= MaxWordLength; ++length) total2 += store.count(length);
    FUZZ_CHECK(total2 == total);

    std::vector<std::string> probes;
    for (int length = 1; length <= MaxWordLength && probes.size() < 12; ++length) {
        if (store.count(length) == 0) continue;
        probes.push_back(store.GetWord(0, length));
        probes.push_back(store.GetWord(store.count(length), length));
        FUZZ_CHECK(store.WordExists(probes.back()) || probes.back().empty());
        FUZZ_CHECK(store.GetWord(store.count(length) + 1, length) == NoWordMarker);
    }
    std::vector<std::string> found, scanned;
    for (const std::string& word : probes) {
        store.FindIncludedWords(word + "E", found);
        store.scanIncludedWords(word + "E", scanned);
        FUZZ_CHECK(found == scanned);
        store.FindAnagrams(word, found);
        store.scanAnagrams(word, scanned);
        FUZZ_CHECK(found == scanned);
        std::string pattern = word;
        for (std::size_t i = 0; i < pattern.size(); i += 2) pattern[i] = '?';
        store.FindPatternWords(pattern, found);
        FUZZ_CHECK(!found.empty());
        store.FindWordInside(1, static_cast<int>(word.size()) + 1, word, 0);
    }
    return 0;
}
