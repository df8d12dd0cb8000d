// Proverbes effacés, won through the alphabet on a fixture month file.
#include "games/faded_proverbs.hpp"

#include <algorithm>

#include "games/board_services.hpp"
#include "games/game_fixture.hpp"

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
        const std::string whole = s.game.texts[1].str();
        for (std::size_t i = 0; i < whole.size(); ++i) {
            const int c = 1 + static_cast<int>(i % 20), r = 6 + static_cast<int>(i / 20);
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
        if (s.game.texts[3].view().find(' ') != std::string::npos && s.game.texts[1].size() > 30) break;
    }
    const std::string whole = s.game.texts[1].str();
    EXPECT_EQ(whole.substr(0, 1), "*") << "the saying starts with a gap";
    EXPECT_EQ(letter(1, 6), '*') << "gaps have no tile";
    EXPECT_EQ(s.game.movable[2][6] == 1, letter(2, 6) == ' ') << "only the rubbed-out letters move";
    fillBlanks(true);
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(FadedProverbs, ASayingIsNeverWonAtItsBuild) {
    for (int seed = 1; seed <= 100; ++seed) {
        platform.setClockSeed(static_cast<std::uint64_t>(seed));
        startGame(s, 76);
        frames(1);
        const std::string_view faded = s.game.texts[3].view();
        ASSERT_GE(std::count(faded.begin(), faded.end(), ' '), 3) << "seed " << seed;
        ASSERT_EQ(s.app.gameWon, 0) << "seed " << seed;
    }
    programFolder.write("bin/pjanvier.txt", ".\r\nVa.\r\n.\r\nVa.\r\n.\r\nVa.\r\n.\r\n");
    startGame(s, 76);
    frames(1);
    EXPECT_EQ(s.game.texts[3].view(), "*  **") << "a saying of two letters loses both";
}

TEST_F(FadedProverbs, GivingUpShowsTheSaying) {
    startGame(s, 76);
    frames(1);
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    std::string shown;
    for (int r = 6; r <= 10; ++r) shown += readBoardWord(s, 1, r, 20, true);
    EXPECT_EQ(shown.substr(0, s.game.texts[1].size()), s.game.texts[1].view());
    EXPECT_EQ(monthFile(2), "bin/pFevrier.txt");
    EXPECT_EQ(monthFile(12), "bin/pDecembre.txt");
}

}  // namespace glossamo::testing
