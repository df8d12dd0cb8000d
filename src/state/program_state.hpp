#pragma once
// Everything the program keeps for the whole run, in one object that `main`
// creates and hands to every routine. A test builds its own.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/ini_file.hpp"
#include "base/random.hpp"
#include "base/short_string.hpp"
#include "base/system_path.hpp"
#include "platform/platform.hpp"
#include "state/app_state.hpp"
#include "state/game_record.hpp"
#include "state/game_watch.hpp"
#include "state/play_clock.hpp"
#include "state/travel_state.hpp"
#include "state/widget_records.hpp"
#include "words/accepted_words.hpp"
#include "words/word_file_import.hpp"
#include "words/word_store.hpp"

namespace glossamo {

constexpr int TypedTextLimit = 16;
constexpr int HelpFileCount = 201;  // helpFiles[0..200]

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const Point&) const = default;
};

// A word list of the player's own, the one the games of "Mes listes" play:
// its name and its words as the player wrote them (Latin-1, accents kept).
struct OwnList {
    std::string name;
    std::vector<std::string> words;
};

struct ProgramState {
    explicit ProgramState(Platform& p) : platform(p) {}
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    Platform& platform;
    Random rng;  // the one random generator; declared before its users

    AppState app;
    GameRecord game;
    MoveHistory moveHistory;  // the running game's moves, for undo
    DragState drag;
    TileFlight flight;
    PlayClock clock;
    TravelState travel;
    // Counts the games set up (started, played again or loaded): the
    // statistics tell one game from the next by it.
    std::uint32_t gameGeneration = 0;
    GameWatch watch;
    PendingChallenge pendingChallenge;
    CarriedAids carriedAids;
    // A puzzle of the daily challenge has ended: once its game is left, the
    // challenge panel comes back instead of the family list.
    std::uint8_t challengeEnded = 0;
    // The statistics and challenge panels: their files as read when the
    // panel opened, the family and level the statistics show (level 0:
    // the whole family), and the panel the rules go back to.
    IniFile statsFile;
    IniFile challengeFile;
    std::int32_t statsFamily = 1;
    std::int32_t statsLevel = 0;
    // The days the challenge panel shows before today (0: today).
    std::int32_t challengeDaysBack = 0;
    std::int32_t helpReturnScreen = 0;
    // The wrong letters a check found, marked until `wrongMarksUntil`; a
    // mark goes as soon as its cell's letter changes.
    Board<char> wrongMarks{};
    std::uint32_t wrongMarksUntil = 0;
    std::array<ListBox, ListBoxCount + 1> listBoxes{};     // [1..10]
    std::array<CheckBox, CheckBoxCount + 1> checkBoxes{};  // [1..5]
    InfoPopup popup;
    MessageBox messageBox;
    Banner banner;
    std::vector<std::string> gameWordList;
    // The vocabulary of the French games: 0 "Mots courants", 1 "Mots
    // faciles" (only the most frequent words and the easiest grids).
    std::uint8_t easyWords = 0;
    std::uint8_t easyWordsRead = 0;  // their list has been read (or found missing)
    WordStore words{rng};
    AcceptedWords acceptedWords;  // the French words a player may make, read once at start-up
    OwnList ownList;              // the player's list chosen last; empty when none
    std::uint8_t playerListInStore = 0;  // the word store holds `ownList`
    // A list file being imported: what it gave, and the name it will have,
    // shown to the player before anything is kept.
    WordFileReading listImport;
    std::string listImportName;

    Point mousePos;
    ShortString<TypedTextLimit> typedText;
    std::uint8_t endSoundPlayed = 0;
    std::uint8_t blinkOn = 0;
    std::uint8_t firstActivationDone = 0;
    // The quit or the quick exit has just written the profile: the window's
    // close does not write it a second time.
    std::uint8_t profileWrittenForClose = 0;
    std::uint8_t musicAwaited = 0;  // the first music starts after the first frame
    double hangmanScan = 0;  // positions the hangman's chosen letter has travelled
    Point keyCursor;  // the keyboard's cell in the grid games; (0, 0) until a key places it
    std::uint8_t keyCursorDown = 0;  // the last arrow went down or up: typed letters go on down
    // The letters a grid game printed at its build, where it printed them
    // (0 elsewhere): the keyboard types around them. Not saved.
    Board<char> givenLetters{};
    // The grid (or Troisième mot's gap) is full and not right, and the
    // player has been told so: told again only once it has been full anew.
    std::uint8_t fullRefusalSaid = 0;
    std::uint32_t lastPressView = 0;  // what the player saw at the last mouse press
    // The scroll arrows: whether the mouse press being held has moved its
    // list yet, and from which tick holding it repeats the step.
    std::uint8_t scrollPressStepped = 0;
    std::uint32_t scrollRepeatFrom = 0;
    // Notches the mouse wheel turned since the last frame: positive away
    // from the player (up a list), negative towards.
    std::int32_t wheelNotches = 0;

    SystemPath programDir;  // the program's folder, with a trailing '/'
    SystemPath userDir;     // the player's folder, with a trailing '/'
    std::array<std::string, HelpFileCount> helpFiles{};
    SystemPath musicFileName;  // the open music; empty until one is chosen
    std::string headShown;     // the name of the head picture on screen; empty until one loads
    std::vector<std::string> debugLines;  // the hidden debug log

    ListBox& listBox(int n) { return listBoxes[static_cast<std::size_t>(n)]; }
    CheckBox& checkBox(int n) { return checkBoxes[static_cast<std::size_t>(n)]; }
    bool gameRunning() const { return !app.gameTitle.empty(); }
    // A game is running, built and neither won nor lost yet.
    bool gameInPlay() const { return gameRunning() && game.built == 1 && app.gameWon == 0 && app.gameLost == 0; }
    std::uint32_t now() const { return platform.ticks(); }
};

}  // namespace glossamo
