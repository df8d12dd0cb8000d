// Playing the hangman games and Motuce from the keyboard alone, as the
// window's key and text events deliver it.
#include "play/game_keys.hpp"

#include "aids/game_aids.hpp"
#include "games/board_services.hpp"
#include "games/game_fixture.hpp"
#include "shell/window_events.hpp"

namespace glossamo::testing {

class GameKeys : public GameFixture {
protected:
    void type(const std::string& utf8) {
        WindowEvents(s).onTextInput(utf8);
        frames(1);
    }
    void key(int k) {
        WindowEvents(s).onKeyDown(k, 0);
        frames(1);
    }
    // Types a hangman letter and waits until it has run along the word.
    void guess(const std::string& utf8) {
        type(utf8);
        for (int i = 0; i < 2000 && s.game.pickedLetter != ' '; ++i) frames(1);
    }
    std::string row(int r, int n) const { return readBoardWord(s, 7, r, n, true); }
    // A 6 x 6 grid, row by row; the grid after it in the file is never drawn.
    static constexpr const char* Grid6 = "CHAT*SO*RIENQUE*ON*NOIR*AS*LEUME*SES";
    void startOnGrid(int id) {
        programFolder.write("bin/grilles.txt", "6x6=" + std::string(Grid6) + "\r\n6x6=" + std::string(36, 'Z') + "\r\n");
        startGame(s, id);
        frames(1);
    }
};

TEST_F(GameKeys, HangmanIsWonFromTheKeyboardWithAccentsFolded) {
    start(10, {"ANNEXANT"});
    frames(2);
    moveTo(pixelOf(7, 2));  // the pointer rests on the A tile: typing N does not take it
    guess("n");
    EXPECT_EQ(s.game.texts[2].view(), "-NN---N-");
    EXPECT_EQ(letter(7, 2), 'A');
    EXPECT_EQ(letter(7, 3), ' ') << "N left the alphabet as a click takes it";
    guess("é");  // typed as E
    EXPECT_EQ(s.game.texts[2].view(), "-NNE--N-");
    guess("n");
    EXPECT_EQ(s.game.counterB, 0u) << "a letter already taken is no miss";
    for (const char* letter : {"A", "x", "t"}) guess(letter);
    EXPECT_EQ(s.app.gameWon, 1);
    EXPECT_TRUE(s.gameRunning()) << "a key never leaves the won game";
}

TEST_F(GameKeys, HangmanLettersTypedQuicklyAllRunInTurn) {
    start(10, {"PURIFIER"});
    frames(2);
    for (const char* letter : {"p", "u", "r"}) {
        WindowEvents(s).onTextInput(letter);
        frames(12);  // a key every 120 ms
    }
    frames(1000);  // ten seconds: time enough for three letters to run
    EXPECT_EQ(s.game.texts[2].view(), "PUR----R");
    EXPECT_EQ(s.game.counterB, 0u);
}

TEST_F(GameKeys, MotuceIsWonFromTheKeyboardWithBackspaceAndEnter) {
    start(51, {"BALLON"});
    frames(1);
    s.words.loadLines({"BALLET", "BALLON"});
    type("al");
    EXPECT_EQ(row(7, 6), "BAL   ") << "each letter lands on the next free cell";
    key(vk::Backspace);
    key(vk::Backspace);
    key(vk::Backspace);
    EXPECT_EQ(row(7, 6), "B     ") << "the given first letter stays";
    type("allet");
    EXPECT_EQ(row(8, 6), "B     ") << "judged when full; the next try opens";
    key(vk::Enter);
    type("ALLON");
    EXPECT_EQ(s.app.gameWon, 1);
}

TEST_F(GameKeys, KeysNeverReachAGameUnderAPanelOrAMessage) {
    start(10, {"ANNEXANT"});
    frames(2);
    s.app.screen = 5;  // the options panel
    type("n");
    EXPECT_EQ(s.game.pickedLetter, ' ');
    EXPECT_EQ(letter(7, 3), 'N');
    for (const int screen : {screens::Profile, screens::AnagramSearch, screens::PatternSearch}) {
        s.app.screen = screen;
        s.typedText.clear();
        type("n");
        EXPECT_EQ(s.typedText.view(), "N") << "the screen reading typed text takes it, screen " << screen;
        EXPECT_EQ(letter(7, 3), 'N') << "the game does not, screen " << screen;
    }
    s.app.screen = 0;
    FormKeyDown(s, vk::Escape, 0);
    frames(1);
    EXPECT_EQ(s.app.gameLost, 1) << "Escape still gives up";
    type("n");
    EXPECT_EQ(letter(7, 3), 'N') << "a given-up game takes no letter";
}

// Word placement on a 6 x 6 grid: the arrows walk the free cells, over the
// black squares, and a typed letter lands as a drag from the palette would.
TEST_F(GameKeys, TheGridCursorSkipsBlackSquaresAndTakesLetters) {
    startOnGrid(32);
    ASSERT_EQ(s.game.built, 1);
    key(vk::Right);
    EXPECT_EQ(s.keyCursor, (Point{1, 1})) << "the first arrow shows the cursor on the first free cell";
    for (int i = 0; i < 3; ++i) key(vk::Right);
    EXPECT_EQ(s.keyCursor, (Point{4, 1}));
    key(vk::Right);
    EXPECT_EQ(s.keyCursor, (Point{6, 1})) << "over the black square at (5, 1)";
    key(vk::Right);
    EXPECT_EQ(s.keyCursor, (Point{6, 1})) << "the edge of the grid";
    for (int i = 0; i < 3; ++i) key(vk::Left);  // (4, 1) over the black square, (3, 1), (2, 1)
    key(vk::Down);
    EXPECT_EQ(s.keyCursor, (Point{2, 3})) << "over the black square at (2, 2)";
    const int sounds = platform.count("sound 7");
    type("u");
    EXPECT_EQ(letter(2, 3), 'U');
    EXPECT_EQ(s.keyCursor, (Point{2, 4})) << "on down the word, the way the last arrow went";
    EXPECT_EQ(platform.count("sound 7"), sounds + 1) << "the drop's own sound";
    const int p = 8;  // the palette's first row for a 6 x 6 grid
    EXPECT_EQ(letter(8, p + 1), 'U') << "the palette keeps its letter";
    key(vk::Up);
    type("q");
    EXPECT_EQ(letter(2, 3), 'Q') << "a letter typed over another replaces it, as a drop does";
    key(vk::Up);
    key(vk::Backspace);
    EXPECT_EQ(letter(2, 3), ' ');
    s.keyCursor = {5, 4};
    key(vk::Right);
    EXPECT_EQ(s.keyCursor, (Point{6, 3})) << "past the black square ending the row, the nearest cell of the next column";
        const int arrows[] = {vk::Up, vk::Left, vk::Down, vk::Right};
    for (int i = 0; i < 60; ++i) {
        key(arrows[(i * 3 + i / 5) % 4]);
        ASSERT_GE(s.keyCursor.x, 1);
        ASSERT_GE(s.keyCursor.y, 1);
        EXPECT_NE(Grid6[static_cast<std::size_t>((s.keyCursor.y - 1) * 6 + s.keyCursor.x - 1)], '*')
            << "never on a black square: (" << s.keyCursor.x << ", " << s.keyCursor.y << ")";
    }
}

// Letter sums print most letters: a press on an empty cell puts the cursor
// there, and typing never overwrites a printed letter.
TEST_F(GameKeys, APressPutsTheGridCursorWhereTypingGoesAroundPrintedLetters) {
    startOnGrid(63);
    ASSERT_EQ(s.game.built, 1);
    Point empty;
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 6; ++c)
            if (letter(c, r) == ' ') empty = {c, r};
    ASSERT_NE(empty, (Point{}));
    const Board<char> before = s.game.letters;
    click(empty.x, empty.y);
    type("x");
    EXPECT_EQ(letter(empty.x, empty.y), 'X');
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 6; ++c)
            if (Point{c, r} != empty) {
                EXPECT_EQ(letter(c, r), before[c][r]) << c << ", " << r;
            }
}

// A hint at the cursor locks its cell; the cursor stays there, and the
// next letter typed goes on along the word, not back to the grid's start.
TEST_F(GameKeys, AfterAHintTheCursorStaysAndTypingGoesOn) {
    startOnGrid(32);
    s.keyCursor = {2, 1};
    takeHint(s);
    ASSERT_EQ(s.game.movable[2][1], 0);
    EXPECT_EQ(s.keyCursor, (Point{2, 1}));
    type("x");
    EXPECT_EQ(letter(3, 1), 'X');
    EXPECT_EQ(letter(1, 1), ' ');
}

// The dismantled grid has no fixed black square: Space lays one from the
// trays at the cursor and Backspace puts it back in an empty place of them.
TEST_F(GameKeys, TheDismantledGridTakesBlackSquaresFromTheKeyboard) {
    startOnGrid(45);
    ASSERT_EQ(s.game.built, 1);
    const auto blackSquaresInTrays = [&] {
        int n = 0;
        for (int r = 10; r <= 11; ++r)
            for (int c = 1; c <= 13; ++c) n += s.game.movable[c][r] == 1 && letter(c, r) == '*';
        return n;
    };
    const int tray = blackSquaresInTrays();
    ASSERT_EQ(tray, 7);
    for (int i = 0; i < 5; ++i) key(vk::Right);  // shown on (1, 1), then to (5, 1)
    ASSERT_EQ(s.keyCursor, (Point{5, 1}));
    type(" ");
    frames(1);
    EXPECT_EQ(letter(5, 1), '*');
    EXPECT_EQ(s.game.tileStyles[5][1], 3u);
    EXPECT_EQ(blackSquaresInTrays(), tray - 1);
    key(vk::Left);
    type("e");
    EXPECT_EQ(letter(5, 1), '*') << "a black square refuses a letter";
    key(vk::Left);
    key(vk::Backspace);
    EXPECT_EQ(letter(5, 1), ' ');
    EXPECT_EQ(blackSquaresInTrays(), tray) << "back in the trays, not lost";
    type("*");
    key(vk::Right);
    type("s");
    EXPECT_EQ(letter(5, 1), '*');
    EXPECT_EQ(letter(6, 1), 'S');
    type("t");
    EXPECT_EQ(letter(6, 1), 'T') << "a letter typed on a letter replaces it";
    type("s");
    for (int r = 2; r <= 6; ++r)
        for (int c = 1; c <= 6; ++c) {
            const char want = Grid6[(r - 1) * 6 + c - 1];
            s.keyCursor = {c, r};
            type(want == '*' ? " " : std::string(1, want));
        }
    frames(2);
    EXPECT_EQ(s.app.gameWon, 1) << "the grid rebuilt from the keyboard alone";
}

}  // namespace glossamo::testing
