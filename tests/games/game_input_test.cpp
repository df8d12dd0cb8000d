// Picking up and dropping letters and words, family by family, on boards
// set up by the test, through the mouse handlers and the frame routine.
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/game_fixture.hpp"
#include "games/game_reset.hpp"

namespace glossamo::testing {

class BoardInput : public GameFixture {
protected:
    // A running, built game with an empty board.
    void play(int id) {
        resetGameRecord(s);
        s.game.gameId = static_cast<std::uint32_t>(id);
        s.app.gameTitle = "TEST";
        s.app.screen = 0;
        s.game.built = 1;
    }
    void put(int c, int r, char letter, std::uint8_t movable = 1, std::uint32_t style = 1) {
        const auto col = static_cast<std::size_t>(c), row = static_cast<std::size_t>(r);
        s.game.letters[col][row] = letter;
        s.game.movable[col][row] = movable;
        s.game.tileStyles[col][row] = style;
    }
};

TEST_F(BoardInput, FreeSlotDropOnTheOriginPutsTheLetterBack) {
    play(16);
    put(3, 4, 'K');
    press(pixelOf(3, 4));
    EXPECT_EQ(s.drag.active, 1);
    EXPECT_EQ(s.drag.text.view(), "K");
    EXPECT_EQ(letter(3, 4), ' ');
    release(pixelOf(3, 4));
    EXPECT_EQ(letter(3, 4), 'K');
    EXPECT_EQ(s.drag.active, 0);
    EXPECT_EQ(platform.count("sound 7"), 1);
}

TEST_F(BoardInput, RefusedFreeSlotDropFliesBackAndLandsAfterHalfASecond) {
    play(16);
    put(3, 4, 'K');
    put(5, 4, 'Z');
    drag(3, 4, 5, 4);  // onto a cell that holds a letter
    EXPECT_TRUE(s.flight.active);
    EXPECT_EQ(letter(3, 4), ' ');
    press(pixelOf(5, 4));
    EXPECT_EQ(letter(5, 4), 'Z') << "input is ignored while the tile flies";
    frames(49);
    EXPECT_EQ(letter(3, 4), ' ');
    frames(2);
    EXPECT_FALSE(s.flight.active);
    EXPECT_EQ(letter(3, 4), 'K');
    EXPECT_EQ(platform.count("sound 2"), 1);
}

TEST_F(BoardInput, SourceTileKeepsItsLetterAndTheGridTakesACopy) {
    play(1);
    put(2, 12, 'E', 1, 2);  // a source tile of the palette
    put(4, 4, 'X');
    drag(2, 12, 4, 4);
    EXPECT_EQ(letter(2, 12), 'E');
    EXPECT_EQ(letter(4, 4), 'E') << "the copy replaces the letter there";
}

TEST_F(BoardInput, GridLetterDroppedOffTheGridIsErased) {
    play(29);
    put(4, 4, 'X');
    put(9, 9, ' ', 0);
    drag(4, 4, 9, 9);
    EXPECT_EQ(letter(4, 4), ' ');
    EXPECT_FALSE(s.flight.active);
    EXPECT_EQ(s.drag.active, 0);
}

TEST_F(BoardInput, CutWordsCarryTheWholeRunAndOverflowSmallSlots) {
    play(26);
    PutWord(2, 3, "*MAISON*", Across, s.game.letters);
    PutWord(2, 6, "*    *", Across, s.game.letters);
    for (int c = 3; c <= 8; ++c) put(c, 3, letter(c, 3));
    for (int c = 3; c <= 6; ++c) put(c, 6, ' ');
    drag(5, 3, 4, 6);
    EXPECT_EQ(readBoardWord(s, 3, 3, 6, true), "      ");
    EXPECT_EQ(readBoardWord(s, 3, 6, 6, true), "MAISON") << "written from the slot's first cell onward";
}

TEST_F(BoardInput, RefusedCutWordFliesBackToItsRun) {
    play(105);
    PutWord(2, 3, "*CHENE*", Across, s.game.letters);
    for (int c = 3; c <= 7; ++c) put(c, 3, letter(c, 3));
    drag(4, 3, 15, 15);
    EXPECT_TRUE(s.flight.active);
    EXPECT_EQ(s.flight.kind, 2);
    frames(60);
    EXPECT_EQ(readBoardWord(s, 3, 3, 5, true), "CHENE");
}

TEST_F(BoardInput, RightClickTurnsTheCarriedWordDown) {
    play(26);
    PutWord(2, 3, "*OR*", Across, s.game.letters);
    put(3, 3, 'O');
    put(4, 3, 'R');
    press(pixelOf(3, 3));
    EXPECT_EQ(s.drag.horizontal, 1);
    press(pixelOf(8, 8), ButtonRight);
    EXPECT_EQ(s.drag.horizontal, 0);
    EXPECT_EQ(s.drag.active, 1) << "nothing dropped";
}

TEST_F(BoardInput, HiddenWordSelectionReadsTheLettersAcrossOrDown) {
    play(33);
    PutWord(1, 1, "CHAT", Across, s.game.letters);
    PutWord(1, 1, "COQ", Down, s.game.letters);
    for (int c = 1; c <= 4; ++c) put(c, 1, letter(c, 1));
    for (int r = 1; r <= 3; ++r) put(1, r, letter(1, r));
    drag(1, 1, 4, 1);
    EXPECT_EQ(s.drag.text.view(), "CHAT");
    drag(1, 1, 1, 3);
    EXPECT_EQ(s.drag.text.view(), "COQ");
}

TEST_F(BoardInput, BrokenGridBlackSquareFliesBackOrBecomesASquareAgain) {
    play(44);
    put(2, 2, '*', 1, 3);
    put(3, 2, ' ');
    press(pixelOf(2, 2));
    EXPECT_EQ(s.drag.text.view(), "*");
    EXPECT_EQ(s.game.tileStyles[2][2], 4u);
    release(pixelOf(3, 2));
    EXPECT_EQ(letter(3, 2), '*');
    EXPECT_EQ(s.game.tileStyles[3][2], 3u);

    put(5, 5, '*', 1, 3);
    drag(5, 5, 12, 12);
    EXPECT_EQ(s.flight.kind, 3);
    frames(60);
    EXPECT_EQ(letter(5, 5), '*');
    EXPECT_EQ(s.game.tileStyles[5][5], 3u);
}

TEST_F(BoardInput, ColumnAndRowZeroNeverReact) {
    play(16);
    put(0, 4, 'K');
    press(pixelOf(0, 4));
    EXPECT_EQ(s.drag.active, 0);
    EXPECT_EQ(letter(0, 4), 'K');
}

}  // namespace glossamo::testing
