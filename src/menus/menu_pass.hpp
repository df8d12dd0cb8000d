#pragma once
// What the menu panels share: one drawing pass over the screen with its
// button, list and text helpers, and the numbers of the comments and button
// images they show.
#include <array>
#include <cstddef>
#include <string>

#include "challenge/daily_challenge.hpp"
#include "state/program_state.hpp"

namespace glossamo::menus {

// The comment shown when the profile cannot be written.
constexpr int ProfileNotSaved = 105;

// The comments that name the buttons, shown beside a button under the pointer.
namespace named {
constexpr int Options = 70, Scores = 76, Profile = 78, ImportHead = 81, ImportBackground = 82, SavedGames = 83;
constexpr int Travel = 106, Quit = 107, QuickExit = 108, Print = 109, PlayAgain = 110, Save = 111,
              AnagramSearch = 112, PatternSearch = 113, Help = 114, GiveUp = 115, Close = 116, ScrollUp = 117,
              ScrollDown = 118, DeleteScore = 119, ClearScores = 120, DeleteSave = 121, LoadSave = 122,
              DeleteHead = 123, QuitYes = 124, QuitNo = 125, Yes = 130, No = 131;
constexpr int Statistics = 154, ClearStatistics = 155, PreviousFamily = 156, NextFamily = 157,
              PreviousLevel = 158, NextLevel = 159, Challenge = 161, CopyResult = 168, PlayPuzzle = 169, Rules = 171,
              Hint = 175, CheckLetters = 176, Undo = 177;
constexpr int PreviousDay = 192, NextDay = 193;
}  // namespace named

// The texts of the statistics and challenge panels.
namespace progress {
constexpr int StatsTitle = 137, AllLevels = 138, Played = 139, Won = 140, Lost = 141, Left = 142, WinRate = 143,
              BestTime = 144, MeanTime = 145, Run = 146, BestRun = 147, WithHints = 148, TriesChart = 149,
              MeanMisses = 150, TimesChart = 151, NothingYet = 152, ChallengeTitle = 160, ToPlay = 162,
              WonIt = 163, LostIt = 164, DaysRun = 165, LastDays = 166, Copied = 167, NotCopied = 170, Tries = 172,
              Misses = 173, NotCleared = 174, HintsTaken = 184, ChecksTaken = 185, NotPlayed = 186;
constexpr int PastChallengeTitle = 190, PlayedLate = 191, GoToDay = 224, NoSuchDay = 225;
}

// The texts of the player's own lists.
namespace lists {
constexpr int Title = 197, Yours = 198, Import = 199, Delete = 200, Name = 201, RenameHow = 202, NoneChosen = 203,
              Word = 204, Read = 205, LinesRead = 206, WordsKept = 207, Unknown = 208, LeftOut = 209,
              TooShort = 210, TooLong = 211, NotLetters = 212, Duplicate = 213, KeepUnknown = 214, KeepList = 215,
              NothingToKeep = 216, Kept = 217, NotKept = 218, Deleted = 219, Renamed = 220, NameTaken = 221,
              ChooseFirst = 222, TooFew = 223;
}

// Button images.
namespace button {
constexpr int AnagramSearch = 3, PatternSearch = 5, Close = 7, ScrollDown = 9, ScrollUp = 11, Yes = 13, No = 15,
              Help = 17, PlayAgain = 19, Print = 23, Scores = 27, SavedGames = 31, Save = 33, Options = 35,
              Quit = 37, QuickExit = 39, Delete = 43, Clear = 47, GiveUp = 52, Profile = 54, Import = 57,
              Travel = 62, Statistics = 64, Challenge = 66, Copy = 68, Hint = 70, CheckLetters = 72, Undo = 74;
// The challenge's puzzles in their order: Motuce, the coded words, the proverb.
constexpr std::array<int, ChallengePuzzles> Puzzles = {76, 78, 80};
}

// What one pass of the menus shares: the pointer, the panel's edges,
// whether a check box was hit, the button under the pointer and the wheel's
// notches turned since the last pass.
struct Pass {
    ProgramState& s;
    Point pointer;
    int L, T, R, B;
    bool checkBoxHovered = false;
    std::string blink;
    int wheelNotches = 0;
    Point hoveredButton{};
    int hoveredName = 0;  // the comment naming that button; 0 when none

    bool clicked() const { return s.app.clickPending == 1; }
    std::string comment(int n) const { return s.app.comments[static_cast<std::size_t>(n)].str(); }
    void text(int x, int y, const std::string& t) const;
    bool onPanel() const { return pointer.x >= L && pointer.x < R && pointer.y >= T && pointer.y < B; }

    // Draws a button, highlighted under the pointer; true when clicked.
    // `name` is the comment that names the button.
    bool buttonAt(int x, int y, int image, int name);
    // Places, draws and hit-tests a list box; a picked row selects its entry
    // and gives the entry's index, else -1.
    // A list of text lines counts its blank lines too, up to its last line.
    int listAt(int n, int left, int top, bool textLines = false);
    void scrollButtons(int n, int x, int upY, int downY);
    // The name of the button under the pointer, over everything the pass drew;
    // not while a pop-up answers a click, on the same line above the bar.
    void nameHoveredButton() const;
    bool checkBoxAt(int n, int x, int y, const std::string& label);
    // A line of small text that acts as a button, lit under the pointer;
    // true when clicked.
    bool linkAt(int x, int y, const std::string& label);
};

// True when `p` is on a title text of `width` pixels written at (x, y).
bool hovered(Point p, int x, int y, int width);

}  // namespace glossamo::menus
