#include "words/word_store.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "games/board_words.hpp"
#include "games/word_lists.hpp"
#include "support/program_fixture.hpp"

namespace glossamo::testing {

TEST(FoldAccents, FoldsEveryAccentedLetterAndNothingElse) {
    EXPECT_EQ(FoldAccents("\xE0\xE7\xC9\xE8\xE9\xEA\xEE\xEF\xF4\xF6\xF9\xFB\xFC"), "aceeeeiioouuu");
    EXPECT_EQ(FoldAccents("\xE9t\xE9"), "ete") << "the last letter is folded too";
    EXPECT_EQ(FoldAccents("gr\xE2" "ce No\xEBl \xC0 \xC7" "A \xCA" "TRE \xCE" "LE H\xD4TE O\xD9 L\xFF"),
              "grace Noel a cA eTRE iLE HoTE Ou Ly")
        << "a proverb with any French accent reads as plain letters";
    EXPECT_EQ(FoldAccents("S\xE3o \xD1\xF1\xC5\xF8\xFD"), "Sao nnaoy") << "the accents of borrowed names";
    EXPECT_EQ(FoldAccents("\xC6\xE6\xDF\xD7\xA0\xAB"), "\xC6\xE6\xDF\xD7\xA0\xAB") << "no plain letter for these";
    EXPECT_EQ(FoldAccents("Abc -'"), "Abc -'");
}

TEST(IsVowel, OnlyTheSixCapitals) {
    std::string vowels;
    for (int c = 0; c < 256; ++c)
        if (IsVowel(static_cast<char>(c))) vowels += static_cast<char>(c);
    EXPECT_EQ(vowels, "AEIOUY");
}

TEST(ShuffleWord, MixesWithoutLosingLetters) {
    Random rng;
    rng.seed(3);
    std::string word = "ABCDEFGHIJ";
    ShuffleWord(word, rng);
    EXPECT_NE(word, "ABCDEFGHIJ");
    std::sort(word.begin(), word.end());
    EXPECT_EQ(word, "ABCDEFGHIJ");
    std::string empty;
    ShuffleWord(empty, rng);
    EXPECT_TRUE(empty.empty());
}

class WordStoreTest : public ::testing::Test {
protected:
    Random rng;
    WordStore store{rng};
    std::vector<std::string> results;
    void load(const std::vector<std::string>& lines) {
        ASSERT_EQ(store.loadLines(lines), WordStore::LoadResult::Loaded);
    }
};

TEST_F(WordStoreTest, FilesWordsByTheLengthOfTheirLineInFileOrder) {
    load({"\xE9t\xE9", "chat", "", "OURS", "a-b", "ni\xF1" "ados", "stra\xDF" "e"});
    EXPECT_EQ(store.totalWords(), 7);
    EXPECT_EQ(store.count(3), 2);
    EXPECT_EQ(store.count(0), 1) << "an empty line is a word of length 0";
    EXPECT_EQ(store.GetWord(1, 3), "ETE");
    EXPECT_EQ(store.GetWord(2, 3), "A-B");
    EXPECT_EQ(store.GetWord(2, 4), "OURS");
    EXPECT_EQ(store.GetWord(1, 7), "NINADOS");
    EXPECT_EQ(store.GetWord(1, 6), "STRA\xDF" "E") << "a letter with no plain one stays as it is";
}

TEST_F(WordStoreTest, GetWordBounds) {
    load({"ANE", "BOA", "CERF"});
    EXPECT_EQ(store.GetWord(3, 3), "WWW");
    EXPECT_EQ(store.GetWord(-1, 3), "WWW");
    EXPECT_EQ(store.GetWord(1, 31), "WWW");
    EXPECT_EQ(store.GetWord(0, 5), "") << "no word of that length";
    EXPECT_EQ(store.GetWord(0, 31), "");
    std::set<std::string> drawn;
    for (int i = 0; i < 200; ++i) drawn.insert(store.GetWord(0, 3));
    EXPECT_EQ(drawn, (std::set<std::string>{"ANE", "BOA"})) << "never empty, the last word included";
}

TEST_F(WordStoreTest, WordExistsIsExact) {
    load({"CHAT", "\xE9t\xE9"});
    EXPECT_TRUE(store.WordExists("CHAT"));
    EXPECT_TRUE(store.WordExists("ETE"));
    EXPECT_FALSE(store.WordExists("chat"));
    EXPECT_FALSE(store.WordExists("CHATS"));
    EXPECT_FALSE(store.WordExists(""));
}

TEST_F(WordStoreTest, LoadingAnotherListReplacesTheWords) {
    load({"MAISON", "ARBRE"});
    load({"ROSE"});
    EXPECT_FALSE(store.WordExists("MAISON"));
    EXPECT_EQ(store.count(6), 0);
    EXPECT_EQ(store.totalWords(), 1);
}

TEST_F(WordStoreTest, LimitsStopTheLoad) {
    EXPECT_EQ(store.loadLines({"COURT", std::string(31, 'A'), "APRES"}), WordStore::LoadResult::LineTooLong);
    EXPECT_TRUE(store.WordExists("COURT"));
    EXPECT_FALSE(store.WordExists("APRES"));
    EXPECT_EQ(store.loadLines({std::string(30, 'A')}), WordStore::LoadResult::Loaded);

    std::vector<std::string> many(60000, "AB");
    EXPECT_EQ(store.loadLines(many), WordStore::LoadResult::Loaded);
    many.push_back("AB");
    EXPECT_EQ(store.loadLines(many), WordStore::LoadResult::TooManyWords);
    EXPECT_EQ(store.count(2), 60000);
}

TEST_F(WordStoreTest, IncludedWordsLongestFirstInFileOrderUsingEachLetterOnce) {
    load({"AB", "CAB", "BA", "ABC", "AA", "CA", "ABCD"});
    store.FindIncludedWords("abc", results);
    EXPECT_EQ(results, (std::vector<std::string>{"CAB", "ABC", "AB", "BA", "CA"}));
    store.FindIncludedWords("aab", results);
    EXPECT_EQ(results, (std::vector<std::string>{"AB", "BA", "AA"}));
    store.FindIncludedWords("XYZ", results);
    EXPECT_EQ(results, (std::vector<std::string>{"???"}));
    store.FindIncludedWords(std::string(25, 'Q'), results);
    EXPECT_EQ(results, (std::vector<std::string>{std::string(22, '?')}));
}

TEST_F(WordStoreTest, IncludedWordsWithBlanksAndOtherCharacters) {
    load({"A B", "A-B", "AB"});
    store.FindIncludedWords("AB-", results);
    EXPECT_EQ(results, (std::vector<std::string>{"A-B", "AB"})) << "a blank in a word is never matched";
    store.FindIncludedWords("A B", results);
    EXPECT_EQ(results, (std::vector<std::string>{"AB"}));
}

TEST_F(WordStoreTest, PatternWords) {
    load({"CHAT", "CHOU", "WWW", "ROSE"});
    store.FindPatternWords("ch??", results);
    EXPECT_EQ(results, (std::vector<std::string>{"CHAT", "CHOU"}));
    store.FindPatternWords("???", results);
    EXPECT_TRUE(results == std::vector<std::string>{"???"}) << "the marker word is never listed";
    store.FindPatternWords("ROSE", results);
    EXPECT_EQ(results, (std::vector<std::string>{"ROSE"}));
    store.FindPatternWords("RASE", results);
    EXPECT_EQ(results, (std::vector<std::string>{"????"}));
    store.FindPatternWords("?", results);
    EXPECT_EQ(results, (std::vector<std::string>{"?"}));
}

TEST_F(WordStoreTest, AnagramsNeverListTheWordItself) {
    load({"CHIEN", "NICHE", "CHINE", "CHIENS"});
    store.FindAnagrams("niche", results);
    EXPECT_EQ(results, (std::vector<std::string>{"CHIEN", "CHINE"}));
    load({"SEUL"});
    store.FindAnagrams("SEUL", results);
    EXPECT_EQ(results, (std::vector<std::string>{"????"}));
}

TEST_F(WordStoreTest, IndexedSearchesGiveTheScanResults) {
    load({"ROSE", "OSER", "ROSES", "ERROS", "R SE", "RO\xE2S", "SORE", "EROS", "WWW", "ORE", "OR", "SE"});
    std::vector<std::string> scanned;
    for (const char* input : {"ROSE", "SEROS", "ORE", "RO\xE2SE", "R SE", "W", "WWW", "ZZZZ", ""}) {
        store.FindIncludedWords(input, results);
        store.scanIncludedWords(input, scanned);
        EXPECT_EQ(results, scanned) << input;
        store.FindAnagrams(input, results);
        store.scanAnagrams(input, scanned);
        EXPECT_EQ(results, scanned) << input;
    }
}

TEST_F(WordStoreTest, WordInsideAsTheWordChainAsksForIt) {
    load({"BAS", "ASE", "ABRI", "OSE"});
    EXPECT_EQ(store.FindWordInside(3, 6, "ARBASE", 3), "BAS") << "positions 3, 4, 5 and 6, first found";
    EXPECT_EQ(store.FindWordInside(3, 6, "XXOSEX", 3), "OSE");
    EXPECT_EQ(store.FindWordInside(3, 6, "ABRIXX", 3), "") << "a piece starting before position 3 is not looked at";
    EXPECT_EQ(store.FindWordInside(3, 5, "ARBASE", 0), "") << "fewer than 3 letters";
    EXPECT_EQ(store.FindWordInside(1, 5, "ABRIS", 0), "ABRI") << "longest pieces first";
}

using BoardRuns = ProgramFixture;

TEST_F(BoardRuns, ShuffleBoardRunMixesOnlyItsRun) {
    PutWord(2, 3, "ABCDEFGH", Across, s.game.letters);
    s.rng.seed(5);
    ShuffleBoardRun(3, 3, 5, true, s.game.letters, s.rng);
    std::string run, outside;
    for (int c = 3; c < 8; ++c) run += s.game.letters[static_cast<std::size_t>(c)][3];
    outside = std::string{s.game.letters[2][3], s.game.letters[8][3], s.game.letters[9][3]};
    EXPECT_NE(run, "BCDEF");
    std::sort(run.begin(), run.end());
    EXPECT_EQ(run, "BCDEF");
    EXPECT_EQ(outside, "AGH");
}

TEST_F(BoardRuns, ShuffleBoardRunRefusals) {
    PutWord(15, 0, "ABCDEF", Across, s.game.letters);
    PutWord(0, 11, "ABCDEF", Down, s.game.letters);
    const auto before = s.game.letters;
    ShuffleBoardRun(15, 0, 6, true, s.game.letters, s.rng);  // would reach column 20
    ShuffleBoardRun(0, 11, 6, false, s.game.letters, s.rng);  // would reach row 16
    ShuffleBoardRun(15, 0, 1, true, s.game.letters, s.rng);
    ShuffleBoardRun(-1, 0, 3, true, s.game.letters, s.rng);
    EXPECT_EQ(s.game.letters, before);
    ShuffleBoardRun(15, 0, 5, true, s.game.letters, s.rng);  // the last run allowed
    EXPECT_NE(s.game.letters, before);
}

using WordListLoading = ProgramFixture;

TEST_F(WordListLoading, ReadsTheListFileOfTheProgramFolder) {
    TempDir dir;
    dir.write("bin/fleurs.txt", "rose\r\nd\xE9lia\r\n");
    s.programDir = dir.path();
    LoadWordList(s, wordlists::Flowers);
    EXPECT_TRUE(s.words.WordExists("DELIA"));
    LoadWordList(s, wordlists::Trees);
    EXPECT_EQ(s.words.totalWords(), 0) << "a missing list leaves the store empty";
    EXPECT_TRUE(logHas("Liste de mots " + dir.path() + "bin/Arbres.txt absente"));
    EXPECT_FALSE(platform.closeRequested);
}

// The list swapped back in before a failed read is emptied with it, so it
// must be read again when it is next asked for.
TEST_F(WordListLoading, AMissingListAfterTwoOthersLeavesNoListMarkedAsLoaded) {
    TempDir dir;
    dir.write("bin/DicoFrancais.txt", "ours\r\n");
    dir.write("bin/DicoAnglais.txt", "bear\r\n");
    s.programDir = dir.path();
    LoadWordList(s, wordlists::French);
    LoadWordList(s, wordlists::English);
    LoadWordList(s, wordlists::Trees);
    EXPECT_EQ(s.words.totalWords(), 0);
    EXPECT_TRUE(s.words.loadedPath().empty());
    LoadWordList(s, wordlists::French);
    EXPECT_TRUE(s.words.WordExists("OURS"));
    EXPECT_EQ(s.words.totalWords(), 1);
}

TEST_F(WordListLoading, ALongLineBeepsTwiceAndClosesTheProgram) {
    TempDir dir;
    dir.write("bin/pays.txt", "France\r\n" + std::string(31, 'x') + "\r\n");
    s.programDir = dir.path();
    LoadWordList(s, wordlists::Countries);
    EXPECT_EQ(platform.count("beep"), 2);
    EXPECT_TRUE(platform.closeRequested);
}

TEST_F(WordListLoading, TooManyWordsOfOneLengthBeepsOnceAndClosesTheProgram) {
    TempDir dir;
    std::string lines;
    for (int i = 0; i <= 60000; ++i) lines += "ab\r\n";
    dir.write("bin/animaux.txt", lines);
    s.programDir = dir.path();
    LoadWordList(s, wordlists::Animals);
    EXPECT_EQ(platform.count("beep"), 1);
    EXPECT_TRUE(platform.closeRequested);
}

// The accepted words, searched by halving the file: every word of three
// letters A..E (an accent on some), the last line without its line end.
TEST_F(WordListLoading, AcceptedWordsAreFoundInTheirFileAndOnlyWithTheFrenchList) {
    TempDir dir;
    s.programDir = dir.path();
    LoadAcceptedWords(s);
    EXPECT_TRUE(logHas("Liste de mots " + dir.path() + "bin/DicoFrancaisAdmis.txt absente"));
    std::vector<std::string> words;
    std::string file;
    for (char a = 'A'; a <= 'E'; ++a)
        for (char b = 'A'; b <= 'E'; ++b)
            for (char c = 'A'; c <= 'E'; ++c) {
                words.push_back({a, b, c});
                file += {static_cast<char>(a - 'A' + 'a'), b == 'E' ? '\xE9' : static_cast<char>(b - 'A' + 'a'),
                         static_cast<char>(c - 'A' + 'a'), '\r', '\n'};
            }
    file.resize(file.size() - 2);
    dir.write("bin/DicoFrancaisAdmis.txt", file);
    dir.write("bin/DicoFrancais.txt", "ours\r\n");
    dir.write("bin/fleurs.txt", "rose\r\n");
    LoadAcceptedWords(s);
    LoadWordList(s, wordlists::French);
    for (const std::string& word : words) EXPECT_TRUE(PlayerWordExists(s, word)) << word;
    EXPECT_TRUE(PlayerWordExists(s, "OURS"));
    for (const char* missing : {"", "A", "AA", "AAAA", "ABCA", "BEF", "EEEE", "EEF", "ZZZ", "abc"})
        EXPECT_FALSE(PlayerWordExists(s, missing)) << missing;
    LoadWordList(s, wordlists::Flowers);
    EXPECT_TRUE(PlayerWordExists(s, "ROSE"));
    EXPECT_FALSE(PlayerWordExists(s, "ABC")) << "a themed list accepts its own words only";
}

}  // namespace glossamo::testing
