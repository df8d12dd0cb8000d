// Proverbes effacés, won through the alphabet on a fixture month file.
#include "families/faded_proverbs/faded_proverbs.hpp"

#include <algorithm>
#include <tuple>

#include "families/faded_proverbs/faded_proverbs_record.hpp"
#include "games/board_services.hpp"
#include "games/game_fixture.hpp"
#include "games/proverb_layout.hpp"

namespace glossamo::testing {

namespace {
const std::string January = ".\r\nNeige de janvier,\r\nfumier du grenier.\r\n.\r\nA la Saint-Vincent, l'hiver s'en va.\r\n.\r\n";
}

class FadedProverbs : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        programFolder.write("bin/pjanvier.txt", January);
    }
    // Fills every blank of rows 6..10 from the alphabet (rows 1 and 2 from
    // column 4), `wrongFirst` puts a wrong letter in the first blank first.
    void fillBlanks(bool wrongFirst) {
        const std::string whole = faded_proverbs::wholeProverb(s.game).str();
        const std::vector<ProverbCell> cells = layOutProverb(whole, 20, 5);
        for (std::size_t i = 0; i < whole.size(); ++i) {
            const int c = 1 + cells[i].column, r = 6 + cells[i].row;
            if (letter(c, r) != ' ') continue;
            if (wrongFirst) {
                drag(4, 1, c, r);  // an A
                frames(1);
                wrongFirst = false;
            }
            const int k = whole[i] - 'A';
            drag(4 + k % 13, 1 + k / 13, c, r);
            frames(1);
        }
    }
};

TEST_F(FadedProverbs, BlanksFilledFromTheAlphabetWin) {
    for (int seed = 1; seed < 50; ++seed) {
        platform.setClockSeed(static_cast<std::uint64_t>(seed));
        startGame(s, 76);
        frames(1);
        ASSERT_EQ(s.game.built, 1);
        const bool rubbedOut = faded_proverbs::fadedProverb(s.game).view().find(' ') != std::string::npos;
        if (rubbedOut && faded_proverbs::wholeProverb(s.game).size() > 30) break;
    }
    EXPECT_EQ(s.game.movable[2][6] == 1, letter(2, 6) == ' ') << "only the rubbed-out letters move";
    fillBlanks(true);
    EXPECT_EQ(s.app.gameWon, 1);
}

// Rows break between words; signs show on their own cells and are never
// blanks to fill.
TEST_F(FadedProverbs, TheSayingIsLaidOutWordByWordWithItsSigns) {
    const std::string saying = ".\r\nNeige de janvier,\r\nfumier du grenier.\r\n";
    programFolder.write("bin/pjanvier.txt", saying + saying + saying + ".\r\n");
    startGame(s, 76);
    frames(1);
    ASSERT_EQ(faded_proverbs::wholeProverb(s.game).view(), "*NEIGE*DE*JANVIER,*FUMIER*DU*GRENIER.*");
    EXPECT_EQ(letter(17, 6), ',');
    EXPECT_EQ(s.game.movable[17][6], 0) << "a sign is not a blank";
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(readBoardWord(s, 1, 6, 20, true), "NEIGE*DE*JANVIER,***") << "no gap starts a row";
    EXPECT_EQ(readBoardWord(s, 1, 7, 20, true), "FUMIER*DU*GRENIER.**") << "FUMIER goes whole to the next row";
}

// A game saved when the text was cut every twenty characters, signs as
// gaps, is still played and won on that board.
TEST_F(FadedProverbs, AGameSavedCutEveryTwentyCharactersIsStillWon) {
    const std::string saying = ".\r\nNeige de janvier,\r\nfumier du grenier.\r\n";
    programFolder.write("bin/pjanvier.txt", saying + saying + saying + ".\r\n");
    startGame(s, 76);
    frames(1);
    const std::string whole = "*NEIGE*DE*JANVIER**FUMIER*DU*GRENIER**";
    std::string faded = whole;
    faded[2] = faded[20] = faded[33] = ' ';  // E, U, I
    faded_proverbs::wholeProverb(s.game) = whole;
    faded_proverbs::fadedProverb(s.game) = faded;
    for (std::size_t r = 6; r <= 10; ++r)
        for (std::size_t c = 1; c <= 20; ++c) s.game.letters[c][r] = '*';
    for (std::size_t i = 0; i < faded.size(); ++i) s.game.letters[1 + i % 20][6 + i / 20] = faded[i];
    frames(1);
    EXPECT_EQ(s.game.movable[3][6], 1) << "the blank of the old board";
    for (const auto& [c, r, k] : {std::tuple{3, 6, 'E'}, {1, 7, 'U'}, {14, 7, 'I'}}) {
        drag(4 + (k - 'A') % 13, 1 + (k - 'A') / 13, c, r);
        frames(1);
    }
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(FadedProverbs, ASayingIsNeverWonAtItsBuild) {
    for (int seed = 1; seed <= 100; ++seed) {
        platform.setClockSeed(static_cast<std::uint64_t>(seed));
        startGame(s, 76);
        frames(1);
        const std::string_view faded = faded_proverbs::fadedProverb(s.game).view();
        ASSERT_GE(std::count(faded.begin(), faded.end(), ' '), 3) << "seed " << seed;
        ASSERT_EQ(s.app.gameWon, 0) << "seed " << seed;
    }
    programFolder.write("bin/pjanvier.txt", ".\r\nVa.\r\n.\r\nVa.\r\n.\r\nVa.\r\n.\r\n");
    startGame(s, 76);
    frames(1);
    EXPECT_EQ(faded_proverbs::fadedProverb(s.game).view(), "*  .*")
        << "a saying of two letters loses both, its full stop stays";
}

TEST_F(FadedProverbs, GivingUpShowsTheSaying) {
    startGame(s, 76);
    frames(1);
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    const std::string whole = faded_proverbs::wholeProverb(s.game).str();
    const std::vector<ProverbCell> cells = layOutProverb(whole, 20, 5);
    for (std::size_t i = 0; i < whole.size(); ++i)
        if (cells[i].shown()) {
            EXPECT_EQ(letter(1 + cells[i].column, 6 + cells[i].row), whole[i]);
        }
    EXPECT_EQ(monthFile(2), "bin/pFevrier.txt");
    EXPECT_EQ(monthFile(12), "bin/pDecembre.txt");
}

}  // namespace glossamo::testing
