#pragma once
// A program with a game started, played through the mouse and the frame
// routine as a player would.
#include "play/catalogue.hpp"
#include "play/game_start.hpp"
#include "shell/frame_tick.hpp"
#include "shell/input_routing.hpp"
#include "support/program_fixture.hpp"

namespace glossamo::testing {

class GameFixture : public ProgramFixture {
public:
    using ProgramFixture::s;

protected:
    TempDir programFolder;

    void SetUp() override {
        s.programDir = programFolder.path();
        buildCatalogue(s);
        s.app.titleShowing = 0;
        s.rng.seed(7);
    }

public:
    // Starts a game, then replaces the word lists it loaded with `words`.
    void start(int id, const std::vector<std::string>& words) {
        startGame(s, id);
        ASSERT_EQ(s.words.loadLines(words), WordStore::LoadResult::Loaded);
    }

    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            platform.advance(10);
            DXTimer1Timer(s);
        }
    }

    // The middle of a board cell, wherever the game put its board.
    Point pixelOf(int c, int r) const { return {s.game.boardLeft + 31 * c + 12, s.game.boardTop + 31 * r + 15}; }

    void moveTo(Point p) { DXMouseMove(s, p.x, p.y); }
    void press(Point p, int button = ButtonLeft) {
        moveTo(p);
        DXMouseDown(s, button, p.x, p.y);
    }
    void release(Point p, int button = ButtonLeft) {
        moveTo(p);
        DXMouseUp(s, button, p.x, p.y);
    }
    void click(int c, int r) {
        press(pixelOf(c, r));
        release(pixelOf(c, r));
    }
    void drag(int fromC, int fromR, int toC, int toR) {
        press(pixelOf(fromC, fromR));
        release(pixelOf(toC, toR));
    }

    char letter(int c, int r) const { return s.game.letters[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]; }

    // Runs frames until the game is built.
    void build() {
        for (int i = 0; i < 500 && s.game.built == 0; ++i) frames(1);
        ASSERT_EQ(s.game.built, 1);
    }
    // Drags the first cell of row `fromRow`, columns from..to, holding
    // `wanted` onto cell (c, r).
    void bring(char wanted, int fromRow, int from, int to, int c, int r) {
        for (int k = from; k <= to; ++k)
            if (letter(k, fromRow) == wanted) {
                drag(k, fromRow, c, r);
                frames(1);
                return;
            }
        ADD_FAILURE() << "no " << wanted << " on row " << fromRow;
    }
    // The moves of the word games, shared with the saved-game tests.
    // Motuce: a try spelt from the palette after the given first letter.
    void spellTry(const std::string& word) {
        frames(1);  // the row that has just opened takes letters from the next frame on
        for (std::size_t i = 1; i < word.size(); ++i)
            drag(7 + (word[i] - 'A') % 13, 2 + (word[i] - 'A') / 13, 7 + static_cast<int>(i), 6 + static_cast<int>(s.game.counterC));
        frames(1);
    }
    // The longest word: letters taken from row 5 into the answer row.
    void spellAnswer(const std::string& word, int column = 6) {
        for (const char wanted : word) {
            int from = 6;
            while (from < 14 && letter(from, 5) != wanted) ++from;
            drag(from, 5, column++, 6);
        }
        frames(1);
    }
    // De l'un à l'autre (alphabet down columns 1 and 2) and Troisième mot
    // (alphabet across rows 4 and 5): a copy of `wanted` dropped on (c, r).
    void copyLetter(char wanted, int c, int r) {
        const int k = wanted - 'A';
        if (s.game.gameId == 25)
            drag(2 + k % 13, 4 + k / 13, c, r);
        else
            drag(1 + k / 13, 1 + k % 13, c, r);
        frames(1);
    }
    // Maxi-mots and Mots commençant par: `word` spelt in the answer row from
    // the letters of row 5, then, unless it won, the letters taken back.
    void spellHunt(const std::string& word) {
        const int row = s.game.gameId >= 49 ? 7 : 6;
        const std::size_t first = s.game.gameId >= 49 ? 1 : 0;  // the first letter is given
        for (std::size_t i = first; i < word.size(); ++i) {
            int from = 6;
            while (from < 14 && letter(from, 5) != word[i]) ++from;
            drag(from, 5, 6 + static_cast<int>(i), row);
        }
        frames(1);
        if (s.app.gameWon == 1) return;  // a click now would leave the game
        for (std::size_t i = first; i < word.size(); ++i) {
            int to = 6;
            while (to < 14 && letter(to, 5) != ' ') ++to;
            drag(6 + static_cast<int>(i), row, to, 5);
        }
        frames(1);
    }
    // The vowel market: the holes of word rows `first`..`last` filled from
    // the reservoir rows (A, O, E, U, I, Y).
    void fillHoles(int first, int last) {
        for (int r = first; r <= last; ++r)
            for (int i = 0; i < 10; ++i) {
                if (letter(7 + i, r) != ' ') continue;
                const char vowel = s.game.texts[static_cast<std::size_t>(r - 6)][static_cast<std::size_t>(i)];
                const int from = 1 + static_cast<int>(std::string("AOEUIY").find(vowel));
                int c = 20;
                while (c > 1 && letter(c, from) != vowel) --c;
                drag(c, from, 7 + i, r);
            }
        frames(1);
    }
};

}  // namespace glossamo::testing
