// Writes the word lists the program reads, in Latin-1 with CR LF line ends:
//   make_wordlists french <system French list> <frequent words> <long anagrams> <excluded words>
//                  <blocked words> <French lexicon> <lexicon keep-list> <French ranks> <English ranks>
//                  <English-looking words kept> <preferred spellings> <hunspell> <hunspell dictionary> <out>
//   make_wordlists english <system English list> <frequent words> <excluded words> <blocked words> <hunspell>
//                  <hunspell dictionaries> <out>
//   make_wordlists accepted <lexicon spellings> <blocked words> <French dictionary> <hunspell>
//                  <hunspell dictionary> <out>
// (a hunspell dictionary is its path without ".dic"; several are separated
// by commas, and a word one of them knows is known)
//   make_wordlists theme <UTF-8 theme list> <out>
//   make_wordlists text <UTF-8 text file> <out>   (proverb files, line for line)
//   make_wordlists easy <French dictionary> <French ranks> <long anagrams> <out>
// and the build's own lists, in capitals, one a line:
//   make_wordlists lexicon <unmunch> <hunspell .dic> <hunspell .aff> <out> <spellings out>
//   make_wordlists blocked french <French lexicon> <additions> <keep-list> <out> <public list>...
//   make_wordlists blocked english <system English list> <additions> <keep-list> <out> <public list>...
// A public list is a JSON array of strings (.json) or one entry a line.
// A theme list with a name that cannot be written fails the build.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <iostream>
#include <sstream>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/text_encoding.hpp"
#include "blocked_words.hpp"
#include "french_lexicon.hpp"
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

std::unordered_set<std::string> readCapitals(const std::string& path) {
    std::unordered_set<std::string> words;
    for (const std::string& line : readLines(path))
        if (!line.empty()) words.insert(line);
    return words;
}

FrenchLexicon readLexicon(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return FrenchLexicon::read(in);
}

std::vector<ListedWord> readOurListFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    try {
        return readOurList(in);
    } catch (const std::exception& e) {
        throw std::runtime_error(path + ": " + e.what());
    }
}

std::unordered_set<std::string> wordsOf(const std::vector<ListedWord>& listed) {
    std::unordered_set<std::string> words;
    for (const ListedWord& w : listed) words.insert(w.word);
    return words;
}

// The words of a file of ours: blank-separated, '#' starting a comment.
std::unordered_set<std::string> readWordsOf(const std::string& path) {
    std::unordered_set<std::string> words;
    for (const std::string& line : readLines(path)) {
        std::istringstream in(line.substr(0, line.find('#')));
        for (std::string word; in >> word;) words.insert(word);
    }
    return words;
}

// The rank of each word of a frequency list, most frequent first, from 1;
// a Latin-1 list is read as such.
std::unordered_map<std::string, int> readRanks(const std::string& path, bool latin1) {
    std::unordered_map<std::string, int> ranks;
    int rank = 0;
    for (const std::string& line : readLines(path)) ranks.emplace(latin1 ? latin1ToUtf8(line) : line, ++rank);
    return ranks;
}

int rankOf(const std::unordered_map<std::string, int>& ranks, const std::string& word) {
    const auto it = ranks.find(word);
    return it == ranks.end() ? 0 : it->second;
}

// The spell checker that judges the French spellings: the program and its
// dictionary (a path without ".dic").
struct HunspellJudge {
    std::string program, dictionary;
};

// Whether a Latin-1 spelling is the other one with some of its accents left
// out ("chateau" for "château"), and nothing else changed.
bool lacksAccentsOf(const std::string& plain, const std::string& accented) {
    if (plain.size() != accented.size() || plain == accented) return false;
    for (std::size_t i = 0; i < plain.size(); ++i)
        if (plain[i] != accented[i] && (static_cast<unsigned char>(plain[i]) >= 0x80 ||
                                        static_cast<unsigned char>(accented[i]) < 0x80))
            return false;
    return true;
}

// Runs hunspell over UTF-8 words, through a scratch file beside `scratchPath`,
// and gives back those its dictionary (a path without ".dic") does not know.
std::unordered_set<std::string> unknownToHunspell(const HunspellJudge& judge, const std::vector<std::string>& words,
                                                  const std::string& scratchPath) {
    const std::string listPath = scratchPath + ".judged";
    {
        std::ofstream list(listPath, std::ios::binary | std::ios::trunc);
        for (const std::string& word : words) list << word << '\n';
        if (!list) throw std::runtime_error("cannot write " + listPath);
    }
    const std::string command =
        "'" + judge.program + "' -i utf-8 -d '" + judge.dictionary + "' -l < '" + listPath + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot run " + judge.program);
    std::unordered_set<std::string> unknown;
    std::vector<char> buffer(1 << 12);
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe)) {
        std::string word = buffer.data();
        while (!word.empty() && (word.back() == '\n' || word.back() == '\r')) word.pop_back();
        unknown.insert(word);
    }
    const int status = pclose(pipe);
    std::remove(listPath.c_str());
    if (status != 0) throw std::runtime_error(judge.program + " failed on " + judge.dictionary);
    return unknown;
}

// Those of some UTF-8 words that hunspell knows. Our lists write "oe" and
// "ae" for the ligatures Latin-1 lacks, and so does the system list at
// times, so a word refused as it stands is asked again with them ("coeur"
// as "cœur").
std::unordered_set<std::string> knownToHunspell(const HunspellJudge& judge, const std::vector<std::string>& words,
                                                const std::string& scratchPath) {
    const std::unordered_set<std::string> refused = unknownToHunspell(judge, words, scratchPath);
    const auto withLigatures = [](std::string word) {
        for (const auto& [plain, ligature] : {std::pair<std::string, std::string>{"oe", "œ"}, {"ae", "æ"}})
            for (std::size_t at = word.find(plain); at != std::string::npos; at = word.find(plain, at))
                word.replace(at, plain.size(), ligature);
        return word;
    };
    std::vector<std::string> askedAgain;
    for (const std::string& word : refused)
        if (withLigatures(word) != word) askedAgain.push_back(withLigatures(word));
    const std::unordered_set<std::string> refusedAgain = unknownToHunspell(judge, askedAgain, scratchPath);
    std::unordered_set<std::string> known;
    for (const std::string& word : words) {
        const std::string ligatured = withLigatures(word);
        if (!refused.count(word) || (ligatured != word && !refusedAgain.count(ligatured))) known.insert(word);
    }
    return known;
}

struct FrenchSources {
    std::string dictionary, frequent, anagrams, excluded, blocked, lexicon, lexiconKeep;
    std::string frenchRanks, englishRanks, englishKeep;  // the words that read as English, and those kept
    std::string preferredSpellings;                        // ours, over a rarer homograph without accent
    HunspellJudge judge;
};

// A word the French list admits, by its first spelling in the system list.
struct Admitted {
    std::string capitals, spelling;
};

// The entries of the system list that are frequent in French texts (or on
// our list of long anagram pairs) and that hunspell-fr knows as lower-case
// words once folded (or that our keep-list vouches for), minus rare tenses,
// the excluded list's abbreviations, English words and proper names, the
// words that read as English (unless kept), and the blocked words; the
// first spelling of each folded word, in the system list's order.
std::vector<Admitted> admittedFrench(const FrenchSources& in, const std::vector<std::string>& all,
                                     const std::unordered_set<std::string>& vouched) {
    const std::unordered_map<std::string, int> frenchRanks = readRanks(in.frenchRanks, true);
    const std::unordered_map<std::string, int> englishRanks = readRanks(in.englishRanks, false);
    const std::unordered_set<std::string> frenchAllTheSame = readWordsOf(in.englishKeep);
    const std::unordered_set<std::string> dictionary(all.begin(), all.end());
    std::unordered_set<std::string> frequent = readSet(in.frequent);
    frequent.merge(readWordsOf(in.anagrams));
    const std::unordered_set<std::string> excluded = readSet(in.excluded);
    const std::unordered_set<std::string> blocked = readCapitals(in.blocked);
    const FrenchLexicon lexicon = readLexicon(in.lexicon);
    std::unordered_set<std::string> seen;
    std::vector<Admitted> admitted;
    for (const std::string& word : all) {
        if (!frequent.count(word) || excluded.count(word) || !isPlainLowerCaseWord(word) ||
            isRareTense(word, dictionary))
            continue;
        if (readsAsEnglish(word, rankOf(frenchRanks, word), rankOf(englishRanks, word)) &&
            !frenchAllTheSame.count(word))
            continue;
        const auto latin1 = toGameLatin1(word, false);
        if (!latin1 || latin1->size() > static_cast<std::size_t>(MaxWordLength)) continue;
        if (!foldsToCapitals(*latin1, false) || !hasVowel(*latin1)) continue;
        const std::string capitals = folded(*latin1);
        if (blocked.count(capitals) || (!lexicon.knows(capitals) && !vouched.count(capitals))) continue;
        if (seen.insert(capitals).second) admitted.push_back({capitals, word});
    }
    return admitted;
}

// The French game words, each written as hunspell-fr spells it. Of the
// spellings that fold alike, the system list's first is kept, unless our
// list of preferred spellings names another ("âge" rather than the plough's
// "age"), or hunspell-fr does not know it and knows another with the
// accents it lacks ("ça" rather than "ca") and is no rare tense. A word
// whose spelling hunspell-fr still does not know leaves the list ("douai",
// "phoenix"), unless our keep-list vouches for it.
void makeFrench(const FrenchSources& in, const std::string& outPath) {
    const std::vector<std::string> all = readLines(in.dictionary);
    const std::unordered_set<std::string> vouched = wordsOf(readOurListFile(in.lexiconKeep));
    const std::unordered_set<std::string> preferred = readWordsOf(in.preferredSpellings);
    const std::vector<Admitted> admitted = admittedFrench(in, all, vouched);
    std::unordered_map<std::string, std::vector<std::string>> spellingsOf;  // capitals -> system spellings
    for (const Admitted& word : admitted) spellingsOf[word.capitals];
    std::vector<std::string> judged;
    for (const std::string& word : all) {
        if (!isPlainLowerCaseWord(word)) continue;
        const auto latin1 = toGameLatin1(word, false);
        if (!latin1) continue;
        const auto group = spellingsOf.find(folded(*latin1));
        if (group == spellingsOf.end()) continue;
        group->second.push_back(word);
        judged.push_back(word);
    }
    const std::unordered_set<std::string> known = knownToHunspell(in.judge, judged, outPath);
    const std::unordered_set<std::string> dictionary(all.begin(), all.end());
    const std::unordered_set<std::string> excluded = readSet(in.excluded);
    std::vector<std::string> kept;
    for (const Admitted& word : admitted) {
        const std::vector<std::string>& spellings = spellingsOf[word.capitals];
        std::string chosen = word.spelling;
        const auto named = std::find_if(spellings.begin(), spellings.end(),
                                        [&](const std::string& s) { return preferred.count(s) > 0; });
        if (named != spellings.end()) {
            chosen = *named;
        } else if (!known.count(chosen)) {
            for (const std::string& other : spellings)
                if (known.count(other) && !excluded.count(other) && !isRareTense(other, dictionary) &&
                    lacksAccentsOf(*toGameLatin1(chosen, false), *toGameLatin1(other, false))) {
                    chosen = other;
                    break;
                }
        }
        if (!known.count(chosen) && !vouched.count(word.capitals)) continue;
        kept.push_back(*toGameLatin1(chosen, false));
    }
    writeLines(outPath, kept);
}

// The English game words: entries of the system list, in its order, that
// are frequent in English texts and that the American or the British
// hunspell dictionary knows (so no "nite", "sox", "homie", "barbeque"),
// less the excluded and the blocked words.
void makeEnglish(const std::string& dictionaryPath, const std::string& frequentPath, const std::string& excludedPath,
                 const std::string& blockedPath, const HunspellJudge& judge, const std::string& outPath) {
    const std::unordered_set<std::string> frequent = readSet(frequentPath);
    const std::unordered_set<std::string> excluded = readWordsOf(excludedPath);
    const std::unordered_set<std::string> blocked = readCapitals(blockedPath);
    std::unordered_set<std::string> seen;
    std::vector<std::string> candidates;
    for (const std::string& word : readLines(dictionaryPath)) {
        bool plain = !word.empty() && word.size() <= static_cast<std::size_t>(MaxWordLength);
        for (const char c : word) plain = plain && c >= 'a' && c <= 'z';
        if (!plain || !frequent.count(word) || excluded.count(word) || blocked.count(folded(word))) continue;
        if (hasVowel(word) && firstOfItsKind(word, seen)) candidates.push_back(word);
    }
    const std::unordered_set<std::string> unknown = unknownToHunspell(judge, candidates, outPath);
    std::vector<std::string> kept;
    for (const std::string& word : candidates)
        if (!unknown.count(word)) kept.push_back(word);
    writeLines(outPath, kept);
}

// Every French word a player may make: the dictionary's words and every
// form of the lexicon that hunspell-fr accepts as it is spelt (the lexicon's
// expansion writes some forms that are no words, "rockeure"), less the
// blocked words, one spelling for each folded word (the dictionary's
// first), written in the order of their folded capitals so that the program
// can search the file as it lies.
void makeAccepted(const std::string& spellingsPath, const std::string& blockedPath, const std::string& dictionaryPath,
                  const HunspellJudge& judge, const std::string& outPath) {
    const std::unordered_set<std::string> blocked = readCapitals(blockedPath);
    std::map<std::string, std::string> byCapitals;
    for (const std::string& word : readLines(dictionaryPath))
        if (!word.empty()) byCapitals.emplace(folded(word), word);
    std::vector<std::string> forms;
    for (const std::string& word : readLines(spellingsPath)) {
        if (word.empty() || word.size() > static_cast<std::size_t>(MaxWordLength) || !foldsToCapitals(word, false))
            continue;
        if (!blocked.count(folded(word))) forms.push_back(word);
    }
    std::vector<std::string> asked;
    asked.reserve(forms.size());
    for (const std::string& word : forms) asked.push_back(latin1ToUtf8(word));
    const std::unordered_set<std::string> known = knownToHunspell(judge, asked, outPath);
    for (std::size_t i = 0; i < forms.size(); ++i)
        if (known.count(asked[i])) byCapitals.emplace(folded(forms[i]), forms[i]);
    std::vector<std::string> kept;
    kept.reserve(byCapitals.size());
    for (const auto& [capitals, word] : byCapitals) kept.push_back(word);
    writeLines(outPath, kept);
}

// The easy words: the dictionary's words among the most frequent of French
// texts, or among the most frequent of their own length, so that every
// length a game draws keeps enough of them; the chosen long anagram pairs
// are familiar words and count as easy too. Dictionary order, as written.
constexpr int EasyRank = 10000;
constexpr std::size_t EasyPerLength = 100;

void makeEasy(const std::string& dictionaryPath, const std::string& ranksPath, const std::string& anagramsPath,
              const std::string& outPath) {
    const std::unordered_map<std::string, int> ranks = readRanks(ranksPath, true);
    const std::unordered_set<std::string> familiar = readWordsOf(anagramsPath);
    const std::vector<std::string> words = readLines(dictionaryPath);
    std::map<std::size_t, std::vector<int>> ranksByLength;
    for (const std::string& word : words)
        if (const int rank = rankOf(ranks, latin1ToUtf8(word)); rank > 0) ranksByLength[word.size()].push_back(rank);
    std::map<std::size_t, int> cut;  // the rank of the last easy word of each length
    for (auto& [length, found] : ranksByLength) {
        std::sort(found.begin(), found.end());
        cut[length] = std::max(EasyRank, found[std::min(found.size(), EasyPerLength) - 1]);
    }
    std::vector<std::string> easy;
    for (const std::string& word : words) {
        const int rank = rankOf(ranks, latin1ToUtf8(word));
        if ((rank > 0 && rank <= cut[word.size()]) || familiar.count(latin1ToUtf8(word))) easy.push_back(word);
    }
    writeLines(outPath, easy);
}

// Expands hunspell-fr with unmunch, one group of forms per dictionary
// entry, and writes the lower-case ones as capitals, and their Latin-1
// spellings one a line.
void makeLexicon(const std::string& unmunch, const std::string& dicPath, const std::string& affPath,
                 const std::string& outPath, const std::string& spellingsPath) {
    const std::string separatedPath = outPath + ".dic";
    {
        std::ifstream dic(dicPath, std::ios::binary);
        if (!dic) throw std::runtime_error("cannot read " + dicPath);
        std::ofstream separated(separatedPath, std::ios::binary | std::ios::trunc);
        writeSeparatedDictionary(dic, separated);
        if (!separated) throw std::runtime_error("cannot write " + separatedPath);
    }
    const std::string command = "'" + unmunch + "' '" + separatedPath + "' '" + affPath + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot run " + unmunch);
    UnmunchGroups groups;
    std::vector<char> buffer(1 << 16);
    std::string line;
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe)) {
        line += buffer.data();
        if (line.empty() || line.back() != '\n') continue;
        groups.line(line);
        line.clear();
    }
    if (!line.empty()) groups.line(line);
    if (pclose(pipe) != 0) throw std::runtime_error(unmunch + " failed");
    std::remove(separatedPath.c_str());
    const std::vector<FormGroup> all = groups.finish();
    if (all.size() < 1000) throw std::runtime_error("unmunch gave only " + std::to_string(all.size()) + " entries");
    std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
    FrenchLexicon::write(all, out);
    if (!out) throw std::runtime_error("cannot write " + outPath);
    std::vector<std::string> spellings;
    for (const FormGroup& group : all) spellings.insert(spellings.end(), group.spellings.begin(), group.spellings.end());
    writeLines(spellingsPath, spellings);
}

std::vector<std::string> readPublicList(const std::string& path) {
    if (path.size() > 5 && path.substr(path.size() - 5) == ".json") {
        std::ifstream in(path, std::ios::binary);
        if (!in) throw std::runtime_error("cannot read " + path);
        std::stringstream text;
        text << in.rdbuf();
        return singleWords(readJsonStrings(text.str()));
    }
    return singleWords(readLines(path));
}

void makeBlocked(const std::string& language, const std::string& formsSource, const std::string& additionsPath,
                 const std::string& keepPath, const std::string& outPath, const std::vector<std::string>& publicPaths) {
    BlockedSources sources;
    for (const std::string& path : publicPaths) {
        const std::vector<std::string> words = readPublicList(path);
        sources.listed.insert(sources.listed.end(), words.begin(), words.end());
    }
    for (const ListedWord& w : readOurListFile(additionsPath)) sources.added.push_back(w.word);
    sources.kept = wordsOf(readOurListFile(keepPath));
    std::set<std::string> blocked;
    if (language == "french") {
        const FrenchLexicon lexicon = readLexicon(formsSource);
        blocked = blockedWords(sources, [&](const std::string& w) { return frenchForms(w, lexicon); });
    } else if (language == "english") {
        std::unordered_set<std::string> dictionary;
        for (const std::string& word : readLines(formsSource)) dictionary.insert(folded(word));
        blocked = blockedWords(sources, [&](const std::string& w) { return englishForms(w, dictionary); });
    } else {
        throw std::runtime_error("no blocked words for " + language);
    }
    std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
    for (const std::string& word : blocked) out << word << '\n';
    if (!out) throw std::runtime_error("cannot write " + outPath);
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
        if (args.size() == 15 && args[0] == "french") {
            makeFrench({args[1], args[2], args[3], args[4], args[5], args[6], args[7], args[8], args[9], args[10],
                        args[11], {args[12], args[13]}},
                       args[14]);
        } else if (args.size() == 8 && args[0] == "english") {
            makeEnglish(args[1], args[2], args[3], args[4], {args[5], args[6]}, args[7]);
        } else if (args.size() == 7 && args[0] == "accepted") {
            makeAccepted(args[1], args[2], args[3], {args[4], args[5]}, args[6]);
        } else if (args.size() == 6 && args[0] == "lexicon") {
            makeLexicon(args[1], args[2], args[3], args[4], args[5]);
        } else if (args.size() >= 7 && args[0] == "blocked") {
            makeBlocked(args[1], args[2], args[3], args[4], args[5], {args.begin() + 6, args.end()});
        } else if (args.size() == 3 && args[0] == "theme") {
            makeTheme(args[1], args[2]);
        } else if (args.size() == 3 && args[0] == "text") {
            makeText(args[1], args[2]);
        } else if (args.size() == 5 && args[0] == "easy") {
            makeEasy(args[1], args[2], args[3], args[4]);
        } else {
            std::cerr << "usage: make_wordlists french <dict> <frequent> <long anagrams> <excluded> <blocked> <lexicon>\n"
                         "       <lexicon keep> <French ranks> <English ranks> <English-looking kept>\n"
                         "       <preferred spellings> <hunspell> <hunspell dictionary> <out>\n"
                         "     | english <dict> <frequent> <excluded> <blocked> <hunspell> <hunspell dictionaries> <out>\n"
                         "     | theme <in> <out> | text <in> <out>\n"
                         "     | easy <French dictionary> <French ranks> <long anagrams> <out>\n"
                         "     | accepted <lexicon spellings> <blocked> <French dictionary> <hunspell> <hunspell dictionary> <out>\n"
                         "     | lexicon <unmunch> <dic> <aff> <out> <spellings out>\n"
                         "     | blocked french|english <lexicon|dict> <additions> <keep> <out> <public list>...\n";
            return 2;
        }
    } catch (const std::exception& e) {
        std::cerr << "make_wordlists: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
