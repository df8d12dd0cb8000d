#include "games/game_keys.hpp"

#include "games/game_families.hpp"
#include "games/game_input.hpp"
#include "platform/platform.hpp"

namespace glossamo {

namespace {

using namespace families;

// The hangman alphabet and the Motuce palette: A..M on row 2, N..Z on row 3,
// from column 7.
constexpr int AlphabetColumn = 7;
constexpr int AlphabetRow = 2;
constexpr int MotuceFirstTryRow = 7;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

int alphabetColumn(char letter) { return AlphabetColumn + (letter - 'A') % 13; }
int alphabetRow(char letter) { return AlphabetRow + (letter - 'A') / 13; }

// A left press at one cell and the release at another, as the mouse would
// give them. The pointer's own cell is kept for the next frame, and the
// press is not left pending: the buttons under the pointer are not clicked.
void pressAndRelease(ProgramState& s, int fromC, int fromR, int toC, int toR) {
    const int hoverC = s.game.hoverCol, hoverR = s.game.hoverRow;
    const std::uint32_t pending = s.app.clickPending;
    s.game.hoverCol = fromC;
    s.game.hoverRow = fromR;
    onGameMouseDown(s, ButtonLeft);
    s.game.hoverCol = toC;
    s.game.hoverRow = toR;
    onGameMouseUp(s, ButtonLeft);
    s.game.hoverCol = hoverC;
    s.game.hoverRow = hoverR;
    s.app.clickPending = pending;
}

int motuceRow(const ProgramState& s) { return static_cast<int>(s.game.counterC) + MotuceFirstTryRow - 1; }
int motuceLength(const ProgramState& s) { return static_cast<int>(s.game.texts[1].size()); }

// The first empty cell of the current try, or 0 when it is full.
int motuceFreeColumn(const ProgramState& s) {
    const int row = motuceRow(s);
    for (int c = AlphabetColumn; c < AlphabetColumn + motuceLength(s) && c < BoardSize; ++c)
        if (s.game.letters[at(c)][at(row)] == ' ') return c;
    return 0;
}

bool motuceBackspace(ProgramState& s) {
    const int row = motuceRow(s);
    // The first letter is given by the game and stays.
    for (int c = AlphabetColumn + motuceLength(s) - 1; c > AlphabetColumn; --c) {
        if (c >= BoardSize) continue;
        char& cell = s.game.letters[at(c)][at(row)];
        if (cell != ' ') {
            cell = ' ';
            return true;
        }
    }
    return false;
}

}  // namespace

bool gameTakesKeys(const ProgramState& s) {
    return s.gameRunning() && s.game.built == 1 && s.app.gameWon == 0 && s.app.gameLost == 0 &&
           s.drag.active == 0 && s.flight.active == 0;
}

bool onGameLetter(ProgramState& s, char letter) {
    if (!gameTakesKeys(s) || letter < 'A' || letter > 'Z') return false;
    const std::uint32_t id = s.game.gameId;
    const int c = alphabetColumn(letter), r = alphabetRow(letter);
    if (isHangman(id)) {
        pressAndRelease(s, c, r, c, r);
        return true;
    }
    if (isMotuce(id)) {
        const int free = motuceFreeColumn(s);
        if (free == 0) return false;
        pressAndRelease(s, c, r, free, motuceRow(s));
        return true;
    }
    return false;
}

bool onGameKey(ProgramState& s, int key) {
    if (!gameTakesKeys(s)) return false;
    const std::uint32_t id = s.game.gameId;
    // A full try is judged as soon as it is full, so Enter has nothing
    // left to send: it is taken so that it does nothing else.
    if (isMotuce(id) && key == vk::Enter) return true;
    if (isMotuce(id) && key == vk::Backspace) return motuceBackspace(s);
    return false;
}

}  // namespace glossamo
