// Maxi-mots and Mots commençant par: words spelt from the nine letters.
#include "families/word_hunts/word_hunts.hpp"

#include <algorithm>
#include <set>

#include "families/word_hunts/word_hunts_record.hpp"
#include "games/board_services.hpp"
#include "games/game_fixture.hpp"
#include "games/letter_moves.hpp"
#include "games/word_lists.hpp"
#include "media/asset_loading.hpp"

namespace glossamo::testing {

class WordHunts : public GameFixture {
protected:
    std::string letters;
    std::vector<std::string> threes, fours, prefixes;
    void SetUp() override {
        GameFixture::SetUp();
        letters = nextHuntLetters(*this);
        threes = piecesOf(letters, 3);
        fours = piecesOf(letters, 4);
        for (std::size_t n = 2; n <= 6; ++n) prefixes.push_back(letters.substr(0, n));
    }
    int found() const {
        int n = 0;
        for (const std::string& entry : s.gameWordList) n += entry[0] == ' ';
        return n;
    }
};

TEST_F(WordHunts, NineLettersAreDistinctAndNeverA) {
    Random rng;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        rng.seed(seed);
        const std::string drawn = drawHuntLetters(rng);
        EXPECT_EQ(std::set<char>(drawn.begin(), drawn.end()).size(), 9u) << drawn;
        EXPECT_EQ(drawn.find('A'), std::string::npos) << drawn;
    }
}

TEST_F(WordHunts, MaxiWordsCountsEachWordOnceAndNoTwoLetterWord) {
    std::vector<std::string> words = threes;  // seven words of three letters
    words.insert(words.end(), fours.begin(), fours.end());  // six of four
    words.push_back(prefixes[0]);                            // one of two, which counts nothing
    start(46, words);
    build();
    EXPECT_EQ(word_hunts::drawnLetters(s.game).view(), letters);
    EXPECT_EQ(word_hunts::wordsInList(s.game), 13u);
    EXPECT_EQ(word_hunts::answerLength(s.game), 4u) << "the answer row is as long as the longest word";
    spellHunt(prefixes[0]);
    EXPECT_EQ(found(), 0);
    spellHunt(threes[0]);
    spellHunt(threes[0]);
    EXPECT_EQ(found(), 1) << "the same word twice counts once";
    for (const std::string& word : fours) spellHunt(word);
    for (std::size_t k = 1; k < threes.size(); ++k) {
        EXPECT_EQ(s.app.gameWon, 0);
        spellHunt(threes[k]);
    }
    EXPECT_EQ(found(), 13);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(WordHunts, MaxiWordsByThirdsAndAWordLaidFurtherRight) {
    std::vector<std::string> words = threes;
    words.insert(words.end(), fours.begin(), fours.end());
    start(48, words);
    build();
    EXPECT_EQ(word_hunts::wordsWanted(s.game), 4u) << "a third of 13";
    // A word that does not begin in the first cell of the answer row is not read.
    for (int k = 0; k < 3; ++k) drag(6 + k, 5, 7 + k, 6);
    frames(1);
    EXPECT_EQ(found(), 0);
}

TEST_F(WordHunts, StartingWithCountsOnlyWordsOfTheFirstLetter) {
    std::vector<std::string> words = prefixes;  // five words, from two letters
    words.push_back(letters.substr(0, 3) + letters[8]);
    words.push_back(threes[1]);  // made of the letters, but not from the first one
    start(49, words);
    build();
    EXPECT_EQ(word_hunts::wordsInList(s.game), 6u);
    EXPECT_EQ(letter(6, 7), letters[0]) << "every answer starts with the first letter";
    for (const std::string& word : words)
        if (word[0] == letters[0]) spellHunt(word);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(WordHunts, AFrenchWordOnlyTheAcceptedListKnowsCountsOnce) {
    std::vector<std::string> words = threes;
    words.insert(words.end(), fours.begin(), fours.end());
    const std::string lateWord = {letters[8], letters[0], letters[4]};  // no piece of the letters
    const auto file = [](std::vector<std::string> capitals) {
        std::sort(capitals.begin(), capitals.end());
        std::string text;
        for (std::string word : capitals) {
            for (char& c : word) c = static_cast<char>(c - 'A' + 'a');
            text += word + "\r\n";
        }
        return text;
    };
    programFolder.write("bin/DicoFrancais.txt", file(words));
    words.push_back(lateWord);
    programFolder.write("bin/DicoFrancaisAdmis.txt", file(words));
    LoadAcceptedWords(s);
    startGame(s, 46);
    build();
    EXPECT_EQ(word_hunts::wordsInList(s.game), 13u);
    spellHunt(lateWord);
    spellHunt(lateWord);
    EXPECT_EQ(found(), 1);
    EXPECT_EQ(s.gameWordList.back(), " " + lateWord) << "listed with the words found";
}

TEST_F(WordHunts, GivingUpListsTheWordsNotFound) {
    std::vector<std::string> words = threes;
    words.insert(words.end(), fours.begin(), fours.end());
    s.programDir = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/");  // the fonts that write the lists
    loadInterface(s);
    start(47, words);
    build();
    // The pixels of a column of the word lists, x from `left`, 14 lines.
    const auto column = [&](int left) {
        std::vector<std::uint16_t> pixels;
        for (int y = 70; y < 60 + 15 * 15; ++y)
            for (int x = left; x < left + 90; ++x) pixels.push_back(platform.canvas().pixel(x, y));
        return pixels;
    };
    const auto leftBefore = column(1), rightBefore = column(555);
    spellHunt(threes[0]);
    EXPECT_NE(column(1), leftBefore) << "the word found is listed on the left";
    EXPECT_EQ(column(555), rightBefore);
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_NE(column(555), rightBefore) << "the words not found are listed on the right";
}

}  // namespace glossamo::testing
