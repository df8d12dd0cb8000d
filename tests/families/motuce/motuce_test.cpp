#include "families/motuce/motuce.hpp"

#include "families/motuce/motuce_record.hpp"
#include "games/board_services.hpp"
#include "games/game_fixture.hpp"
#include "games/word_lists.hpp"

namespace glossamo::testing {

class Motuce : public GameFixture {
protected:
    // A game whose only word of its length is `hidden`; then the list gets
    // the other words the player may try.
    void startWith(int id, const std::string& hidden, std::vector<std::string> others) {
        start(id, {hidden});
        frames(1);
        ASSERT_EQ(motuce::hiddenWord(s.game).view(), hidden);
        others.push_back(hidden);
        s.words.loadLines(others);
    }
    std::uint32_t style(int c, int r) const { return s.game.tileStyles[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]; }
    std::string row(int r, int n) const { return readBoardWord(s, 7, r, n, true); }
};

TEST_F(Motuce, NonWordsAreWipedAndOnlyLettersInTheirPlaceAreMarked) {
    startWith(51, "BALLON", {"BALLET", "BLOUSE"});
    spellTry("BXYZXY");
    EXPECT_EQ(row(7, 6), "B     ") << "wiped, first letter kept";
    EXPECT_EQ(s.popup.active, 1) << "and said";
    EXPECT_EQ(s.popup.text.view(), s.app.comments[187].view());
    spellTry("BALLET");
    for (int c = 7; c <= 10; ++c) EXPECT_EQ(style(c, 7), 1u) << "the double L at both places: " << c;
    EXPECT_EQ(style(11, 7), 4u);
    EXPECT_EQ(row(8, 6), "B     ") << "the next row opens with the first letter";
    int sounds = platform.count("sound 2");
    spellTry("BLOUSE");
    const int acceptedTrySounds = platform.count("sound 2") - sounds;
    EXPECT_EQ(style(8, 8), 4u) << "L and O are in the word, elsewhere";
    EXPECT_EQ(style(9, 8), 4u);
    sounds = platform.count("sound 2");
    spellTry("BALLON");
    EXPECT_EQ(s.app.gameWon, 1);
    EXPECT_EQ(motuce::currentTry(s.game), 4u) << "the winning try moves the try count on";
    EXPECT_EQ(platform.count("sound 2") - sounds, acceptedTrySounds) << "and sounds like any accepted try";
    EXPECT_EQ(row(10, 6), "      ") << "no row opens under the winning try";
    frames(2);
    EXPECT_EQ(s.app.gameWon, 1);
    EXPECT_EQ(motuce::currentTry(s.game), 4u);
}

TEST_F(Motuce, AWrongEighthTryLosesAndAGiveUpShowsTheWord) {
    startWith(54, "ARTICHAUT", {"ASSEMBLER"});
    for (int k = 1; k <= 7; ++k) spellTry("ASSEMBLER");
    EXPECT_EQ(s.app.gameLost, 0);
    spellTry("ASSEMBLER");
    EXPECT_EQ(s.app.gameLost, 1);
    EXPECT_EQ(s.app.endTick, platform.ticks());
    EXPECT_EQ(row(14, 9), "ARTICHAUT");

    startWith(108, "ERABLE", {});  // a tree-theme game
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(row(14, 6), "ERABLE");
}

TEST_F(Motuce, AFrenchTryMayBeAnyAcceptedWordAThemedTryOnlyAWordOfTheTheme) {
    programFolder.write("bin/DicoFrancais.txt", "bouquet\r\n\xE9" "coles\r\n");
    programFolder.write("bin/DicoFrancaisAdmis.txt", "bouquet\r\nbr\xFBlons\r\n\xE9" "coles\r\n");
    programFolder.write("bin/Arbres.txt", "\xE9rable\r\n");
    LoadAcceptedWords(s);
    startGame(s, 52);
    frames(1);
    ASSERT_EQ(motuce::hiddenWord(s.game).view(), "BOUQUET");
    spellTry("BRULONS");
    EXPECT_EQ(row(7, 7), "BRULONS") << "a verb form only the accepted words know";
    EXPECT_EQ(row(8, 7), "B      ");

    startGame(s, 108);  // a tree-theme game
    frames(1);
    ASSERT_EQ(motuce::hiddenWord(s.game).view(), "ERABLE");
    spellTry("ECOLES");
    EXPECT_EQ(row(7, 6), "E     ") << "a dictionary word, but no tree";
}

TEST_F(Motuce, AListWithoutSpellableWordsDoesNotHangTheFrame) {
    start(51, {"ARC-EN", "BEL AN"});
    frames(3);
    EXPECT_EQ(s.game.built, 0);
}

}  // namespace glossamo::testing
