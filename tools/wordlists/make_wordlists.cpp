// Writes the word lists the program reads, in Latin-1 with CR LF line ends:
//   make_wordlists french <system French list> <frequent words> <excluded words> <out>
//   make_wordlists english <system English list> <out>
//   make_wordlists theme <UTF-8 theme list> <out>
//   make_wordlists text <UTF-8 text file> <out>   (proverb files, line for line)
// A theme list with a name that cannot be written fails the build.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <unordered_set>
#include <vector>

#include "word_filters.hpp"
#include "words/word_store.hpp"

namespace {

using namespace glossamo;
using namespace glossamo::wordlists;

std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void writeLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) out << line << "\r\n";
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string folded(const std::string& latin1) {
    std::string word = FoldAccents(latin1);
    for (char& c : word)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return word;
}

// Keeps the first of the words that read the same once folded, so that no
// game lists one word twice.
bool firstOfItsKind(const std::string& latin1, std::unordered_set<std::string>& seen) {
    return seen.insert(folded(latin1)).second;
}

std::unordered_set<std::string> readSet(const std::string& path) {
    const std::vector<std::string> lines = readLines(path);
    return {lines.begin(), lines.end()};
}

// The French game words: entries of the system list that are frequent in
// French texts, minus rare tenses, abbreviations, English words and
// insults that the excluded list names.
void makeFrench(const std::string& dictionaryPath, const std::string& frequentPath, const std::string& excludedPath,
                const std::string& outPath) {
    const std::vector<std::string> all = readLines(dictionaryPath);
    const std::unordered_set<std::string> dictionary(all.begin(), all.end());
    const std::unordered_set<std::string> frequent = readSet(frequentPath);
    const std::unordered_set<std::string> excluded = readSet(excludedPath);
    std::unordered_set<std::string> seen;
    std::vector<std::string> kept;
    for (const std::string& word : all) {
        if (!frequent.count(word) || excluded.count(word) || !isPlainLowerCaseWord(word) ||
            isRareTense(word, dictionary))
            continue;
        const auto latin1 = toGameLatin1(word, false);
        if (!latin1 || latin1->size() > static_cast<std::size_t>(MaxWordLength)) continue;
        if (!foldsToCapitals(*latin1, false) || !hasVowel(*latin1)) continue;
        if (firstOfItsKind(*latin1, seen)) kept.push_back(*latin1);
    }
    writeLines(outPath, kept);
}

void makeEnglish(const std::string& dictionaryPath, const std::string& outPath) {
    std::unordered_set<std::string> seen;
    std::vector<std::string> kept;
    for (const std::string& word : readLines(dictionaryPath)) {
        bool plain = !word.empty() && word.size() <= static_cast<std::size_t>(MaxWordLength);
        for (const char c : word) plain = plain && c >= 'a' && c <= 'z';
        if (plain && hasVowel(word) && firstOfItsKind(word, seen)) kept.push_back(word);
    }
    writeLines(outPath, kept);
}

void makeTheme(const std::string& sourcePath, const std::string& outPath) {
    std::unordered_set<std::string> seen;
    std::vector<std::string> kept;
    int lineNumber = 0;
    for (const std::string& name : readLines(sourcePath)) {
        ++lineNumber;
        const auto latin1 = toGameLatin1(name, true);
        if (!latin1 || !foldsToCapitals(*latin1, true) || latin1->size() > static_cast<std::size_t>(MaxWordLength))
            throw std::runtime_error(sourcePath + ":" + std::to_string(lineNumber) + ": cannot be written: " + name);
        if (!firstOfItsKind(*latin1, seen))
            throw std::runtime_error(sourcePath + ":" + std::to_string(lineNumber) + ": listed twice: " + name);
        kept.push_back(*latin1);
    }
    writeLines(outPath, kept);
}

void makeText(const std::string& sourcePath, const std::string& outPath) {
    std::vector<std::string> lines;
    int lineNumber = 0;
    for (const std::string& line : readLines(sourcePath)) {
        ++lineNumber;
        const auto latin1 = toLatin1Text(line);
        if (!latin1) throw std::runtime_error(sourcePath + ":" + std::to_string(lineNumber) + ": cannot be written");
        lines.push_back(*latin1);
    }
    writeLines(outPath, lines);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 5 && args[0] == "french") {
            makeFrench(args[1], args[2], args[3], args[4]);
        } else if (args.size() == 3 && args[0] == "english") {
            makeEnglish(args[1], args[2]);
        } else if (args.size() == 3 && args[0] == "theme") {
            makeTheme(args[1], args[2]);
        } else if (args.size() == 3 && args[0] == "text") {
            makeText(args[1], args[2]);
        } else {
            std::cerr << "usage: make_wordlists french <dict> <frequent> <excluded> <out> | english <dict> <out> | theme <in> <out> | text <in> <out>\n";
            return 2;
        }
    } catch (const std::exception& e) {
        std::cerr << "make_wordlists: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
