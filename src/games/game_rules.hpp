#pragma once
// What the program asks of one kind of game: how it is built and played,
// which boards win it, how its pieces are picked and dropped, its keys, its
// undo, its help and what the statistics keep of a finished game. Each
// family's folder defines its own; the registry says which identifiers play
// which, at which level.
#include <vector>

#include "games/hint_pieces.hpp"
#include "state/game_record.hpp"

namespace glossamo {

struct ProgramState;
struct Point;

// Builds its puzzle on the first call, then plays a frame. `level` is the
// size or count of the game; `gridFile` names the grid file of the grids.
using GameRoutine = void (*)(ProgramState& s, int level, const char* gridFile);
// Whether the board meets the game's rule (any board that does, not only
// the stored answer).
using BoardRule = bool (*)(const ProgramState& s);
using HintRoutine = HintOutcome (*)(ProgramState& s);
// The letters a check marks.
using CheckRoutine = std::vector<Point> (*)(const ProgramState& s);
// The letter a grid's cell is to hold, 0 outside the grid or on a black
// square.
using AnswerAt = char (*)(const ProgramState& s, int column, int row);
// A count the statistics keep of a finished game.
using GameCount = int (*)(const ProgramState& s);

// What a press on a board cell picks up, and where a release lays what is
// carried, at cell (column, row).
using PieceRoutine = void (*)(ProgramState& s, int column, int row);
// Keys::TryRow: the cell a typed letter goes to, column 0 when there is
// none; and what Backspace takes back (false: nothing).
using TypingCell = Point (*)(const ProgramState& s);
using EraseRoutine = bool (*)(ProgramState& s);

// What the keyboard does in the game, beyond the keys every game shares.
enum class Keys {
    None,
    Alphabet,   // a letter key chooses the letter
    TryRow,     // letters go into the current try, Backspace takes one back
    GridCursor, // letters go at the cursor, which the arrows move
    GridCursorAndBlackSquares,  // as GridCursor; Space or * lays a black square
};

// The words a printed grid gives beside it: none (the game's list is its
// answer), the list as it stands, or the words after the hidden-words
// entries' coordinates.
enum class PrintedWords { None, AsListed, AfterCoordinates };

struct GameRules {
    const char* name;  // for messages and tests
    GameRoutine play;
    BoardRule rule;  // nullptr: the game decides for itself as it is played
    PieceRoutine pick = nullptr;
    PieceRoutine drop = nullptr;  // nullptr: nothing is ever carried
    PieceLook look = PieceLook::Tiles;
    Keys keys = Keys::None;
    TypingCell typingCell = nullptr;
    EraseRoutine eraseTyped = nullptr;
    bool undo = false;  // whether the player's moves can be taken back
    HintRoutine hint = nullptr;    // nullptr: no hint
    CheckRoutine check = nullptr;  // grids only: nullptr, no check
    AnswerAt answerAt = nullptr;   // grids only
    // The coded and dismantled grids print their first letters on the top
    // row; a saved game keeps no record of them.
    bool printsTopRowLetters = false;
    GameCount triesMade = nullptr;  // kept by the statistics when given
    GameCount misses = nullptr;
    // A printed page: the code numbers in the cells, the words beside.
    bool printsCodeNumbers = false;
    PrintedWords printedWords = PrintedWords::None;
};

}  // namespace glossamo
