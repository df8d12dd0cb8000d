#include "lexicon.hpp"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

#include "words/word_store.hpp"

namespace gridgen {

std::string foldWord(std::string_view latin1) {
    std::string word = glossamo::FoldAccents(latin1);
    for (char& c : word) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return word;
}

std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

std::unordered_set<std::string> readWordSet(const std::string& path) {
    std::unordered_set<std::string> words;
    for (const std::string& line : readLines(path)) {
        if (line[0] != '#') words.insert(foldWord(line));
    }
    return words;
}

namespace {

bool onlyCapitals(std::string_view word) {
    return std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

}  // namespace

int Lexicon::rankOf(std::string_view word) const {
    const auto it = rank_.find(std::string(word));
    return it == rank_.end() ? -1 : it->second;
}

Lexicon Lexicon::load(const std::string& dictionaryPath, const std::string& rankPath,
                      const LexiconOptions& options) {
    Lexicon lexicon;
    std::vector<std::string> words;
    for (const std::string& line : readLines(dictionaryPath)) {
        std::string word = foldWord(line);
        if (onlyCapitals(word) && lexicon.all_.insert(word).second) words.push_back(std::move(word));
    }
    if (!rankPath.empty()) {
        for (const std::string& line : readLines(rankPath)) {
            std::string word = foldWord(line);
            if (options.rankCut > 0 && static_cast<int>(lexicon.rank_.size()) >= options.rankCut) break;
            if (lexicon.all_.count(word) != 0) lexicon.rank_.emplace(std::move(word), static_cast<int>(lexicon.rank_.size()));
        }
    }
    lexicon.build(words, options);
    return lexicon;
}

void Lexicon::build(const std::vector<std::string>& words, const LexiconOptions& options) {
    sets_.assign(MaxSide + 1, WordSet{});
    const bool anyRank = !rank_.empty();
    // Unranked words sit one step below the rarest ranked word.
    const double floorScore = -std::log(static_cast<double>(rank_.size()) + 20.0) - 1.0;
    for (int length = 2; length <= MaxSide; ++length) {
        WordSet& set = sets_[static_cast<std::size_t>(length)];
        set.length = length;
        std::vector<std::pair<int, std::string>> chosen;
        for (const std::string& word : words) {
            if (static_cast<int>(word.size()) != length) continue;
            const int rank = rankOf(word);
            if (anyRank && rank < 0 && options.rankedOnly) continue;
            if (options.avoided.count(word) != 0) continue;
            const bool tooRare = std::any_of(options.shortCuts.begin(), options.shortCuts.end(), [&](const auto& cut) {
                return length <= cut.length && (rank < 0 || rank >= cut.rank);
            });
            if (anyRank && tooRare) continue;
            chosen.emplace_back(rank < 0 ? 1 << 30 : rank, word);
        }
        std::stable_sort(chosen.begin(), chosen.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        set.count = static_cast<int>(chosen.size());
        if (set.count > 65535) throw std::runtime_error("too many words of one length");
        set.blocks = (set.count + 63) / 64;
        set.sets.assign(static_cast<std::size_t>(length) * Letters * static_cast<std::size_t>(set.blocks), 0);
        set.totals.assign(static_cast<std::size_t>(length) * Letters, 0);
        for (int w = 0; w < set.count; ++w) {
            const auto& [rank, word] = chosen[static_cast<std::size_t>(w)];
            const bool ranked = rank != (1 << 30);
            set.commonness.push_back(static_cast<float>(
                !anyRank ? 0.0 : ranked ? -std::log(static_cast<double>(rank) + 20.0) : floorScore));
            for (int i = 0; i < length; ++i) {
                const int letter = word[static_cast<std::size_t>(i)] - 'A';
                set.letters.push_back(static_cast<std::uint8_t>(letter));
                const std::size_t row = static_cast<std::size_t>(i) * Letters + static_cast<std::size_t>(letter);
                ++set.totals[row];
                set.sets[row * static_cast<std::size_t>(set.blocks) + static_cast<std::size_t>(w >> 6)] |=
                    std::uint64_t{1} << (w & 63);
            }
        }
    }
}

}  // namespace gridgen
