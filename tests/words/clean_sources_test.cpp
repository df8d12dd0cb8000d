// Checks every word source a game draws from against the blocked words of
// its language, the keep-lists against the dictionaries, and the French
// dictionary against the hunspell-fr lexicon the build expanded.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "blocked_words.hpp"
#include "french_lexicon.hpp"
#include "games/word_lists.hpp"
#include "words/word_store.hpp"

namespace glossamo::testing {

namespace {

const SystemPath App = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/");
const std::string Data = GLOSSAMO_DATA_DIR "/";
const std::string Built = GLOSSAMO_WORDLIST_BUILD_DIR "/";

std::vector<std::string> fileLines(const SystemPath& path) {
    std::ifstream in(path.bytes(), std::ios::binary);
    EXPECT_TRUE(in) << path.bytes();
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::set<std::string> capitalsFile(const std::string& path) {
    std::set<std::string> words;
    for (const std::string& line : fileLines(SystemPath::fromSystem(path)))
        if (!line.empty()) words.insert(line);
    return words;
}

// The words of a shipped Latin-1 line as a player sees them: accents folded,
// capitals, cut at anything that is not a letter.
std::vector<std::string> playedWords(const std::string& latin1) {
    std::vector<std::string> words;
    std::string word;
    for (char c : FoldAccents(latin1)) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

// The words of a grid file line "SIDExSIDE=cells", across and down.
std::vector<std::string> gridLineWords(const std::string& line) {
    std::vector<std::string> words;
    const auto equals = line.find('=');
    if (equals == std::string::npos) return words;
    const int n = std::stoi(line.substr(0, line.find('x')));
    const std::string cells = line.substr(equals + 1);
    for (int direction = 0; direction < 2; ++direction) {
        for (int a = 0; a < n; ++a) {
            std::string run;
            for (int b = 0; b <= n; ++b) {
                const char c = b == n ? '*' : cells[static_cast<std::size_t>(direction == 0 ? a * n + b : b * n + a)];
                if (c != '*') {
                    run += c;
                    continue;
                }
                if (run.size() >= 2) words.push_back(run);
                run.clear();
            }
        }
    }
    return words;
}

struct Source {
    std::string file;  // under build/app/
    bool grid;
};

const std::set<std::string>& frenchBlocked() {
    static const std::set<std::string> words = capitalsFile(Built + "fr_blocked.txt");
    return words;
}

const std::set<std::string>& englishBlocked() {
    static const std::set<std::string> words = capitalsFile(Built + "en_blocked.txt");
    return words;
}

// Every blocked word found in a source, with where.
std::vector<std::string> blockedIn(const Source& source, const std::set<std::string>& blocked) {
    std::vector<std::string> found;
    int number = 0;
    for (const std::string& line : fileLines(App + source.file)) {
        ++number;
        const std::vector<std::string> words = source.grid ? gridLineWords(line) : playedWords(line);
        for (const std::string& word : words)
            if (blocked.count(word)) found.push_back(source.file + ":" + std::to_string(number) + ": " + word);
    }
    return found;
}

std::set<std::string> listedWords(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::set<std::string> words;
    for (const wordlists::ListedWord& w : wordlists::readOurList(in)) words.insert(w.word);
    return words;
}

std::set<std::string> shippedDictionary(int id) {
    std::set<std::string> words;
    for (const std::string& line : fileLines(App + wordListFile(id))) {
        const std::vector<std::string> w = playedWords(line);
        if (w.size() == 1) words.insert(w.front());
    }
    return words;
}

}  // namespace

TEST(CleanSources, BlockedListsHoldTheWorstWordsInEveryForm) {
    const std::set<std::string>& french = frenchBlocked();
    const std::set<std::string>& english = englishBlocked();
    EXPECT_GT(french.size(), 1000u);
    EXPECT_GT(english.size(), 300u);
    for (const char* word : {"MERDE", "MERDES", "SALAUD", "SALAUDS", "EMMERDER", "EMMERDENT", "EMMERDAIT", "CONNASSE"})
        EXPECT_TRUE(french.count(word)) << word;
    for (const char* word : {"SHIT", "SHITTING", "FUCK", "FUCKED", "FUCKERS", "BITCHES"})
        EXPECT_TRUE(english.count(word)) << word;
}

// French sources against the French list, English against the English one;
// the proverbs are French texts whatever nation they come from.
TEST(CleanSources, NoBlockedWordInAnyShippedSource) {
    std::vector<Source> french = {{wordListFile(wordlists::French), false}, {"bin/grilles.txt", true}};
    for (const int theme : {wordlists::Flowers, wordlists::Trees, wordlists::Animals, wordlists::Countries})
        french.push_back({wordListFile(theme), false});
    for (const char* nation : {"panglais", "pfrancais", "pecossais", "pallemands", "pespagnols", "pflamands",
                               "pindiens", "prusses", "pjanvier", "pFevrier", "pMars", "pAvril", "pMai", "pJuin",
                               "pJuillet", "pAout", "pSeptembre", "pOctobre", "pNovembre", "pDecembre"})
        french.push_back({std::string("bin/") + nation + ".txt", false});
    const std::vector<Source> english = {{wordListFile(wordlists::English), false}, {"bin/grillesEnglish.txt", true}};
    for (const Source& source : french) {
        ASSERT_FALSE(fileLines(App + source.file).empty()) << source.file;
        for (const std::string& found : blockedIn(source, frenchBlocked())) ADD_FAILURE() << found;
    }
    for (const Source& source : english) {
        ASSERT_FALSE(fileLines(App + source.file).empty()) << source.file;
        for (const std::string& found : blockedIn(source, englishBlocked())) ADD_FAILURE() << found;
    }
}

// A word is judged in its own language: each keep-list stays out of its
// blocked list, gives a reason for every word, and the words whose ordinary
// sense matters most are still offered.
TEST(CleanSources, KeepListWordsStayInTheirDictionaries) {
    const std::set<std::string> frenchWords = shippedDictionary(wordlists::French);
    const std::set<std::string> englishWords = shippedDictionary(wordlists::English);
    for (const char* word : {"BAISER", "MANCHE", "PUNAISE", "PEDALE", "GLAND", "GOURDE", "RETARD", "CHATTE"})
        EXPECT_TRUE(frenchWords.count(word)) << word;
    for (const char* word : {"BITE", "PINE", "COCK", "SUCK", "SNATCH"}) EXPECT_TRUE(englishWords.count(word)) << word;
    for (const char* word : {"SPERME", "VAGIN", "CRETIN", "TAPETTE", "NAZI", "COCAINE"})
        EXPECT_FALSE(frenchWords.count(word)) << word << ": not for a children's game";
    for (const char* word : {"SEXUAL", "PENIS", "SWASTIKA"}) EXPECT_FALSE(englishWords.count(word)) << word;
    EXPECT_FALSE(frenchWords.count("BITE")) << "vulgar in French";
    EXPECT_FALSE(englishWords.count("RETARD")) << "a slur in English";

    for (const auto& [file, blocked] : {std::pair{"fr_blocked_keep.txt", &frenchBlocked()},
                                        std::pair{"en_blocked_keep.txt", &englishBlocked()},
                                        std::pair{"fr_lexicon_keep.txt", &frenchBlocked()}}) {
        std::ifstream in(Data + "wordlists/" + file, std::ios::binary);
        const std::vector<wordlists::ListedWord> kept = wordlists::readOurList(in);
        EXPECT_GT(kept.size(), 10u) << file;
        for (const wordlists::ListedWord& w : kept) {
            EXPECT_FALSE(w.reason.empty()) << file << ":" << w.line << ": " << w.word << " needs its reason";
            EXPECT_FALSE(blocked->count(w.word)) << file << ": " << w.word;
        }
    }
}

TEST(CleanSources, EveryFrenchWordIsKnownToHunspellOrVouchedFor) {
    std::ifstream in(Built + "fr_lexicon.txt", std::ios::binary);
    const wordlists::FrenchLexicon lexicon = wordlists::FrenchLexicon::read(in);
    ASSERT_GT(lexicon.size(), 300000u);
    const std::set<std::string> vouched = listedWords(Data + "wordlists/fr_lexicon_keep.txt");
    int words = 0;
    for (const std::string& word : shippedDictionary(wordlists::French)) {
        ++words;
        EXPECT_TRUE(lexicon.knows(word) || vouched.count(word)) << word;
    }
    EXPECT_GT(words, 30000);
    for (const char* foreign : {"LAURA", "SATAN", "HALLOWEEN", "BOOKS", "SHOP", "PARTY", "ER", "PE"})
        EXPECT_FALSE(lexicon.knows(foreign)) << foreign;
}

// The search tools list dictionary words: an input that spells a blocked
// word, or its pattern, never brings one back, though the same search on
// the list with the blocked words put back does.
TEST(CleanSources, SearchesNeverOfferABlockedWord) {
    for (const auto& [id, blocked] : {std::pair{wordlists::French, &frenchBlocked()},
                                      std::pair{wordlists::English, &englishBlocked()}}) {
        Random rng;
        WordStore store(rng);
        ASSERT_EQ(store.load(App + wordListFile(id)), WordStore::LoadResult::Loaded);
        std::vector<std::string> lines = fileLines(App + wordListFile(id));
        for (const std::string& word : *blocked)
            if (word.size() >= 4 && word.size() <= 9) lines.push_back(word);
        WordStore before(rng);
        ASSERT_EQ(before.loadLines(lines), WordStore::LoadResult::Loaded);
        int checked = 0;
        std::vector<std::string> results;
        for (const std::string& word : *blocked) {
            if (word.size() < 4 || word.size() > 9) continue;
            std::string pattern = word;
            for (std::size_t i = 1; i + 1 < pattern.size(); i += 2) pattern[i] = '?';
            std::string mixed(word.rbegin(), word.rend());
            before.FindPatternWords(pattern, results);
            ASSERT_NE(std::find(results.begin(), results.end(), word), results.end()) << pattern;
            for (const auto search : {&WordStore::FindAnagrams, &WordStore::FindPatternWords}) {
                (store.*search)(search == &WordStore::FindAnagrams ? mixed : pattern, results);
                for (const std::string& found : results) ASSERT_FALSE(blocked->count(found)) << word << " gave " << found;
            }
            ++checked;
        }
        EXPECT_GT(checked, 100);
    }
}

}  // namespace glossamo::testing
