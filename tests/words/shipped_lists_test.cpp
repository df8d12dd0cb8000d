// Checks of the word lists the build ships in build/app/bin.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "families/word_hunts/word_hunts.hpp"
#include "games/word_lists.hpp"
#include "grid/crossword_grid.hpp"
#include "word_filters.hpp"
#include "words/accepted_words.hpp"
#include "words/word_store.hpp"

namespace glossamo::testing {

namespace {

const SystemPath AppDir = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/");

std::string readBytes(const SystemPath& path) {
    std::ifstream in(path.bytes(), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The lines of a file that must end every line with CR LF.
std::vector<std::string> crlfLines(const SystemPath& path) {
    const std::string bytes = readBytes(path);
    EXPECT_FALSE(bytes.empty()) << path.bytes();
    EXPECT_TRUE(bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n") << path.bytes() << " ends its last line";
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) break;
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << path << ": a bare line end in " << line;
        if (line.find_first_of("\r\n") != std::string::npos) break;
    }
    return lines;
}

std::string asPlayed(const std::string& line) {
    std::string word = FoldAccents(line);
    for (char& c : word)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return word;
}

bool capitalsOnly(const std::string& word, bool gapsAllowed) {
    for (const char c : word)
        if (!(c >= 'A' && c <= 'Z') && !(gapsAllowed && (c == ' ' || c == '-' || c == '\''))) return false;
    return !word.empty();
}

struct ListFile {
    int id;
    bool theme;
};
const ListFile AllLists[] = {{wordlists::French, false}, {wordlists::English, false}, {wordlists::Flowers, true},
                             {wordlists::Trees, true},   {wordlists::Animals, true},  {wordlists::Countries, true}};

}  // namespace

TEST(ShippedLists, FormatFoldingAndLimits) {
    for (const ListFile& list : AllLists) {
        const SystemPath path = AppDir + wordListFile(list.id);
        std::map<std::size_t, int> perLength;
        std::set<std::string> seen;
        for (const std::string& line : crlfLines(path)) {
            const std::string word = asPlayed(line);
            ASSERT_LE(line.size(), 30u) << path << ": " << line;
            ASSERT_TRUE(capitalsOnly(word, list.theme)) << path << ": " << line;
            ASSERT_TRUE(seen.insert(word).second) << path << ": listed twice: " << line;
            ++perLength[line.size()];
        }
        for (const auto& [length, count] : perLength) EXPECT_LE(count, 60000) << path << " length " << length;
    }
}

TEST(ShippedLists, DictionariesHoldOnlyWordsWithAVowel) {
    for (const int id : {wordlists::French, wordlists::English}) {
        for (const std::string& line : crlfLines(AppDir + wordListFile(id))) {
            const std::string word = asPlayed(line);
            ASSERT_NE(word.find_first_of("AEIOUY"), std::string::npos) << line;
        }
    }
}

TEST(ShippedLists, FrenchLeavesOutRareTensesAndKeepsCommonWords) {
    Random rng;
    WordStore store(rng);
    ASSERT_EQ(store.load(AppDir + wordListFile(wordlists::French)), WordStore::LoadResult::Loaded);
    for (const char* rare : {"FUSSENT", "EUSSENT", "CHANTAMES", "PRISSENT", "DIMES", "FIMES", "VINMES"})
        EXPECT_FALSE(store.WordExists(rare)) << rare;
    for (const char* common : {"MAISON", "ETE", "CHANTONS", "FINISSENT", "SAUCISSE", "MASSE", "PATES", "AMES", "BOITES"})
        EXPECT_TRUE(store.WordExists(common)) << common;
    for (int length : {6, 8, 10, 12, 14}) EXPECT_GE(store.count(length), 400) << "length " << length;
}

// A reader of the French list finds each word spelt as hunspell-fr spells
// it, with its accents, not a spelling without them that the system list
// gives first, nor a name or a fragment.
TEST(ShippedLists, FrenchWordsAreSpeltAsTheSpellCheckerSpellsThem) {
    const std::vector<std::string> lines = crlfLines(AppDir + wordListFile(wordlists::French));
    const std::set<std::string> words(lines.begin(), lines.end());
    for (const char* accented : {"\xE7" "a", "ch\xE2teau", "\xE2me", "\xEEles", "p\xE2tes", "tra\xEEner", "\xE2ge",
                                 "bo\xEEte", "voil\xE0", "acc\xE9l\xE9r\xE9"})
        EXPECT_TRUE(words.count(accented)) << accented;
    for (const char* bare : {"ca", "chateau", "ame", "iles", "pates", "trainer", "age", "boite", "voila", "douai", "line",
                             "aequo", "assoir"})
        EXPECT_FALSE(words.count(bare)) << bare;
}

// The French words a player may make: every dictionary word and the
// everyday forms the dictionary lacks, none of the blocked words, each once
// and in the order of their folded capitals, which the program's search needs.
TEST(ShippedLists, AcceptedFrenchWordsHoldTheDictionaryAndItsMissingForms) {
    const SystemPath path = AppDir + AcceptedFrenchFile;
    std::vector<std::string> accepted;
    for (const std::string& line : crlfLines(path)) {
        const std::string word = asPlayed(line);
        ASSERT_LE(line.size(), 30u) << line;
        ASSERT_TRUE(capitalsOnly(word, false)) << line;
        ASSERT_TRUE(accepted.empty() || accepted.back() < word) << "out of order or twice: " << line;
        accepted.push_back(word);
    }
    const auto holds = [&](const std::string& word) { return std::binary_search(accepted.begin(), accepted.end(), word); };
    const std::vector<std::string> dictionary = crlfLines(AppDir + wordListFile(wordlists::French));
    for (const std::string& line : dictionary) ASSERT_TRUE(holds(asPlayed(line))) << line;
    EXPECT_GT(accepted.size(), 5 * dictionary.size());
    std::ifstream blocked(GLOSSAMO_WORDLIST_BUILD_DIR "/fr_blocked.txt");
    int checked = 0;
    for (std::string word; std::getline(blocked, word); ++checked) EXPECT_FALSE(holds(word)) << word;
    EXPECT_GT(checked, 1000);

    AcceptedWords store;
    ASSERT_TRUE(store.load(path));
    for (const char* everyday : {"DESSINONS", "COLORIER", "COLORIONS", "COLORIEZ", "BOIRONS", "COCCINELLES",
                                 "CARTABLES", "ACHETONS", "ECOLES", "COEURS", "OEUFS"})
        EXPECT_TRUE(store.contains(everyday)) << everyday;
    // Forms the expansion of hunspell-fr writes though no word is spelt so.
    for (const char* made : {"ABAISSANTTE", "ROCKEURE", "ABADAIENT"})
        EXPECT_FALSE(store.contains(made)) << made;
}

// The excluded spellings are gone; a French word that reads the same once
// folded ("hâte" for the English "hate") may stay.
TEST(ShippedLists, NoListNorEnglishGridHoldsAnExcludedWord) {
    const std::vector<std::string> lines = crlfLines(AppDir + wordListFile(wordlists::French));
    const std::set<std::string> shipped(lines.begin(), lines.end());
    std::ifstream excluded(GLOSSAMO_DATA_DIR "/wordlists/fr_excluded.txt");
    std::string word;
    int checked = 0;
    while (std::getline(excluded, word)) {
        const auto latin1 = wordlists::toGameLatin1(word, false);
        ASSERT_TRUE(latin1) << word;
        EXPECT_EQ(shipped.count(*latin1), 0u) << word;
        ++checked;
    }
    EXPECT_GT(checked, 50);
    // The English excluded words (trade names, abbreviations, slang...),
    // slurs the public list misses, and words neither the American nor the
    // British spell checker knows; none of them in an English grid either.
    const std::vector<std::string> english = crlfLines(AppDir + wordListFile(wordlists::English));
    std::set<std::string> gone = {"chink", "chinks", "randy", "welsh", "midgets", "nite", "sox", "homie"};
    std::ifstream englishExcluded(GLOSSAMO_DATA_DIR "/wordlists/en_excluded.txt");
    for (std::string line; std::getline(englishExcluded, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        for (std::string word; words >> word;) gone.insert(word);
    }
    for (const char* seen : {"intel", "sec", "hooter", "goons", "gonna", "app"})
        EXPECT_EQ(gone.count(seen), 1u) << seen << " is excluded";
    std::set<std::string> goneCapitals;
    for (const std::string& word : gone) {
        EXPECT_EQ(std::count(english.begin(), english.end(), word), 0) << word;
        goneCapitals.insert(asPlayed(word));
    }
    TjsysGrille grids;
    grids.LoadFile(AppDir + "bin/grillesEnglish.txt");
    for (const char* key : {"6x6", "8x8", "10x10", "12x12"}) {
        ASSERT_GT(grids.CountGrids(key), 0) << key;
        for (int n = 1; n <= grids.CountGrids(key); ++n) {
            grids.SelectGrid(key, n);
            std::vector<std::string> words;
            grids.ListWords(words);
            for (const std::string& word : words)
                EXPECT_EQ(goneCapitals.count(word), 0u) << key << " grid " << n << ": " << word;
        }
    }
}

// Every length a themed game draws must offer enough names that game can
// use, or its builder would try again for ever. The hangman (8, 10, 12)
// shows a blank, a hyphen or an apostrophe as a gap; Motuce (6 to 9) and the
// cut words (6) pass over a name the player cannot spell.
TEST(ShippedLists, ThemeListsCoverEveryLengthTheirGamesDraw) {
    for (const int id : {wordlists::Flowers, wordlists::Trees, wordlists::Animals, wordlists::Countries}) {
        const SystemPath path = AppDir + wordListFile(id);
        std::map<std::size_t, int> perLength, spellable;
        for (const std::string& line : crlfLines(path)) {
            ++perLength[line.size()];
            if (IsSpellable(asPlayed(line))) ++spellable[line.size()];
        }
        for (const std::size_t length : {8u, 10u, 12u}) EXPECT_GE(perLength[length], 8) << path << " " << length;
        for (const std::size_t length : {6u, 7u, 8u, 9u}) EXPECT_GE(spellable[length], 8) << path << " " << length;
        EXPECT_GE(spellable[6], 15) << path << ": the cut-words game needs 10 different six-letter words";
    }
}

// The indexed searches must give exactly what a plain scan gives, on the
// lists players use.
TEST(ShippedLists, IndexedSearchesEqualThePlainScan) {
    Random rng;
    rng.seed(20261207);
    for (const ListFile& list : AllLists) {
        WordStore store(rng);
        ASSERT_EQ(store.load(AppDir + wordListFile(list.id)), WordStore::LoadResult::Loaded);
        std::vector<std::string> indexed, scanned;
        for (int trial = 0; trial < 60; ++trial) {
            const int length = 2 + rng.below(12);
            std::string input = store.GetWord(0, length);
            if (trial % 3 == 1) input += static_cast<char>('A' + rng.below(26));
            if (trial % 3 == 2)
                for (char& c : input) c = rng.below(4) == 0 ? static_cast<char>('A' + rng.below(26)) : c;
            ShuffleWord(input, rng);
            store.FindIncludedWords(input, indexed);
            store.scanIncludedWords(input, scanned);
            ASSERT_EQ(indexed, scanned) << "included in " << input;
            store.FindAnagrams(input, indexed);
            store.scanAnagrams(input, scanned);
            ASSERT_EQ(indexed, scanned) << "anagrams of " << input;
        }
    }
}

}  // namespace glossamo::testing

namespace glossamo::testing {

// Each nation's proverb file holds at least 40 proverbs the hangman can show
// whole: at most 100 characters once joined, each with letters.
TEST(ShippedLists, ProverbFilesParse) {
    // The proverbs by nation hold at least 40 each, the sayings of each month 30.
    std::vector<std::pair<std::string, int>> files;
    for (const char* nation : {"panglais", "pfrancais", "pecossais", "pallemands", "pespagnols", "pflamands",
                               "pindiens", "prusses"})
        files.emplace_back(nation, 40);
    for (const char* month : {"pjanvier", "pFevrier", "pMars", "pAvril", "pMai", "pJuin", "pJuillet", "pAout",
                              "pSeptembre", "pOctobre", "pNovembre", "pDecembre"})
        files.emplace_back(month, 30);
    for (const auto& [nation, minimum] : files) {
        const std::vector<std::string> lines = crlfLines(AppDir + "bin/" + nation + ".txt");
        ASSERT_GE(lines.size(), 6u) << nation;
        ASSERT_EQ(lines.back().substr(0, 1), ".") << nation << " ends with a separator";
        int proverbs = 0;
        std::string joined;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            joined += " " + lines[i];
            if (lines[i][0] != '.') continue;
            if (i > 0 && lines[i - 1][0] == '.') {
                joined.clear();
                continue;
            }
            const std::string text = joined.substr(0, joined.size() - 1);  // the game drops the last character
            EXPECT_LE(text.size(), 100u) << nation << ": " << text;
            EXPECT_NE(asPlayed(text).find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos) << text;
            ++proverbs;
            joined.clear();
        }
        EXPECT_GE(proverbs, minimum) << nation;
    }
}

}  // namespace glossamo::testing

namespace glossamo::testing {

namespace {

// The French words of length n with exactly one other word of the same letters.
int wordsWithOneAnagram(const WordStore& store, int n) {
    int count = 0;
    std::vector<std::string> found;
    for (const std::string& word : store.wordsOfLength(n)) {
        store.FindAnagrams(word, found);
        count += found.size() == 1 && found.front().find('?') == std::string::npos;
    }
    return count;
}

}  // namespace

// Every level of the games that wait for a rare word can be built from the
// shipped lists: each has at least 20 words to offer.
TEST(ShippedLists, EveryLevelOfTheLetterGamesHasWordsToDraw) {
    Random rng;
    WordStore french(rng), english(rng);
    ASSERT_EQ(french.load(AppDir + wordListFile(wordlists::French)), WordStore::LoadResult::Loaded);
    ASSERT_EQ(english.load(AppDir + wordListFile(wordlists::English)), WordStore::LoadResult::Loaded);
    for (const int n : {14, 10, 6}) EXPECT_GE(wordsWithOneAnagram(french, n), 20) << "Anagrammes " << n;
    // Lettre en plus: words of 6 or 7 letters that, with one letter more,
    // make exactly one word.
    std::vector<std::string> found;
    for (const int length : {6, 7}) {
        int lines = 0;
        for (const std::string& word : french.wordsOfLength(length)) {
            for (char extra = 'A'; extra <= 'Z' && lines < 20; ++extra) {
                french.FindAnagrams(word + extra, found);
                if (found.size() == 1 && found.front().find('?') == std::string::npos) {
                    ++lines;
                    break;
                }
            }
            if (lines >= 20) break;
        }
        EXPECT_GE(lines, 20) << "Lettre en plus, " << length << " letters";
    }
    for (const int n : {13, 11, 9, 12, 10, 8, 5}) EXPECT_GE(french.count(n), 20) << "French words of " << n;
    for (const int n : {5, 6, 7, 8}) EXPECT_GE(english.count(n), 20) << "English cross " << n;
}

}  // namespace glossamo::testing

namespace glossamo::testing {

// Mots empilés: every level has at least 20 column words whose letter i
// begins at least two words of i + 1 letters.
TEST(ShippedLists, EveryStackedWordsLevelHasColumnWords) {
    Random rng;
    WordStore french(rng);
    ASSERT_EQ(french.load(AppDir + wordListFile(wordlists::French)), WordStore::LoadResult::Loaded);
    std::map<std::pair<char, int>, int> starting;  // (first letter, length) -> words
    for (int length = 2; length <= 15; ++length)
        for (const std::string& word : french.wordsOfLength(length)) ++starting[{word[0], length}];
    for (int n = 9; n <= 14; ++n) {
        int columns = 0;
        for (const std::string& word : french.wordsOfLength(n)) {
            bool stacks = true;
            for (int i = 1; i <= n && stacks; ++i) stacks = starting[{word[static_cast<std::size_t>(i - 1)], i + 1}] >= 2;
            columns += stacks;
        }
        EXPECT_GE(columns, 20) << n << " letters";
    }
}

}  // namespace glossamo::testing

namespace glossamo::testing {

// The word chains and word hunts find what they look for in the French
// dictionary often enough to build in a few frames.
TEST(ShippedLists, EveryWordChainAndHuntLevelHasCandidates) {
    Random rng;
    WordStore french(rng);
    ASSERT_EQ(french.load(AppDir + wordListFile(wordlists::French)), WordStore::LoadResult::Loaded);
    // De l'un à l'autre: across words holding a three-letter word at one of
    // their positions 3 to 6.
    for (const int n : {11, 9, 7}) {
        int across = 0;
        for (const std::string& word : french.wordsOfLength(n)) across += !french.FindWordInside(3, 6, word, 3).empty();
        EXPECT_GE(across, 1000) << "De l'un a l'autre, " << n << " letters";
    }
    // Troisième mot: nine-letter words cut into a word of four letters and a
    // usable word of five, followed by a longer word with a word after them.
    int thirdWords = 0, cuts = 0;  // 18 of 78 today
    for (const std::string& word : french.wordsOfLength(9)) {
        const std::string head = word.substr(0, 4), middle = word.substr(4);
        if (!french.WordExists(head) || !french.WordExists(middle) || std::string("BHQSWYZ").find(middle.back()) != std::string::npos) continue;
        ++cuts;
        bool found = false;
        for (int length = 7; length <= 12 && !found; ++length)
            for (const std::string& longer : french.wordsOfLength(length))
                if (longer.starts_with(middle) && french.WordExists(longer.substr(5))) {
                    found = true;
                    break;
                }
        thirdWords += found;
    }
    EXPECT_GE(thirdWords, 10) << "of " << cuts << " cuts";
    // Maxi-mots and Mots commençant par: draws of nine letters that give
    // 11 to 63 words of three letters or more, or 6 to 63 words from the
    // first letter.
    int maxi = 0, starting = 0;  // 279 and 125 today
    std::vector<std::string> words;
    for (int draw = 0; draw < 400; ++draw) {
        const std::string letters = drawHuntLetters(rng);
        french.FindIncludedWords(letters, words);
        const auto longer = std::count_if(words.begin(), words.end(), [](const std::string& w) { return w.size() >= 3 && w[0] != '?'; });
        const auto first = std::count_if(words.begin(), words.end(), [&](const std::string& w) { return w.size() >= 2 && w[0] == letters[0]; });
        maxi += longer >= 11 && longer <= 63;
        starting += first >= 6 && first <= 63;
    }
    EXPECT_GE(maxi, 100) << "Maxi-mots: one draw in four";
    EXPECT_GE(starting, 60) << "Mots commencant par: one draw in seven";
}

}  // namespace glossamo::testing
