// Taking moves back with Ctrl+Z and the bar's button, through the mouse and
// the keyboard as a player gives them.
#include "play/game_undo.hpp"

#include "games/board_services.hpp"
#include "games/game_fixture.hpp"
#include "shell/window_events.hpp"

namespace glossamo::testing {

class MoveHistoryTest : public GameFixture {
protected:
    void type(const std::string& utf8) {
        WindowEvents(s).onTextInput(utf8);
        frames(1);
    }
    void undoKey() {
        FormKeyDown(s, 'Z', keymod::Ctrl);
        frames(1);
    }
    void undoButton() {
        DXMouseMove(s, 140 + 24, 540 + 24);
        frames(1);
        DXMouseDown(s, ButtonLeft, 140 + 24, 540 + 24);
        frames(1);
        DXMouseUp(s, ButtonLeft, 140 + 24, 540 + 24);
        frames(1);
    }
    std::string row(int r, int n) const { return readBoardWord(s, 7, r, n, true); }
    // The 6 x 6 grid, row by row, '/' between rows.
    std::string grid() const {
        std::string rows;
        for (int r = 1; r <= 6; ++r) rows += readBoardWord(s, 1, r, 6, true) + "/";
        return rows;
    }
};

// Mots casés on a 6 x 6 grid, its palette on rows 8 and 9. A move that
// carries a letter from one cell to another is taken back in one step; a
// click that moves nothing is no step.
TEST_F(MoveHistoryTest, AGridGoesBackMoveByMoveToItsStartAndNoFurther) {
    programFolder.write("bin/grilles.txt", "6x6=CHAT*SO*RIENQUE*ON*NOIR*AS*LEUME*SES\r\n");
    startGame(s, 32);
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    std::vector<std::string> boards{grid()};

    undoKey();
    EXPECT_EQ(grid(), boards[0]) << "nothing to take back at the start";
    EXPECT_TRUE(s.popup.active) << "and a short message says so";

    drag(3, 8, 1, 1);  // C from the palette
    frames(1);
    boards.push_back(grid());
    click(3, 1);  // an empty cell: nothing moves
    frames(1);
    s.keyCursor = {2, 1};
    type("h");
    boards.push_back(grid());
    drag(1, 1, 3, 1);  // the C carried to another cell
    frames(1);
    ASSERT_EQ(letter(1, 1), ' ');
    ASSERT_EQ(letter(3, 1), 'C');

    undoButton();
    EXPECT_EQ(grid(), boards[2]) << "the carried letter is back in its cell, in one step";
    undoKey();
    EXPECT_EQ(grid(), boards[1]) << "the typed letter, not the empty click";
    undoKey();
    EXPECT_EQ(grid(), boards[0]);
    undoKey();
    EXPECT_EQ(grid(), boards[0]) << "never past the start";
    EXPECT_EQ(s.app.gameWon, 0);
}

// Motuce: the letters laid in the current try go back one by one, a drop
// refused and flown back is no step, and a judged try stays; a win is still
// judged after an undo, and an ended game takes nothing back.
TEST_F(MoveHistoryTest, MotuceTakesBackTheCurrentTryOnlyAndStillJudgesIt) {
    start(51, {"BALLON"});
    frames(1);
    s.words.loadLines({"BALLET", "BALLON"});
    undoKey();
    EXPECT_EQ(row(7, 6), "B     ");

    for (const char* l : {"a", "l", "l"}) type(l);
    drag(7 + ('O' - 'A') % 13, 3, 9, 9);  // onto a try still closed: flies back
    frames(80);
    ASSERT_EQ(s.flight.active, 0);
    FormKeyDown(s, vk::Backspace, 0);
    frames(1);
    ASSERT_EQ(row(7, 6), "BAL   ");
    undoKey();
    EXPECT_EQ(row(7, 6), "BALL  ") << "the Backspace";
    undoKey();
    EXPECT_EQ(row(7, 6), "BAL   ") << "the refused drop took no step";
    undoKey();
    EXPECT_EQ(row(7, 6), "BA    ");

    type("llet");  // judged when full
    ASSERT_EQ(s.game.counterC, 2u);
    undoKey();
    EXPECT_EQ(row(7, 6), "BALLET") << "a judged try is not taken back";
    EXPECT_EQ(row(8, 6), "B     ");
    EXPECT_EQ(s.game.counterC, 2u);

    type("al");
    undoKey();
    EXPECT_EQ(row(8, 6), "BA    ");
    type("llon");
    EXPECT_EQ(s.app.gameWon, 1) << "the try is judged as usual after an undo";
    EXPECT_FALSE(undoOffered(s));
    EXPECT_FALSE(undoLastMove(s));
    EXPECT_EQ(row(8, 6), "BALLON");
}

}  // namespace glossamo::testing
