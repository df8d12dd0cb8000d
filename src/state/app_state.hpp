#pragma once
// The application's own state: the screen shown, the running game's life
// cycle, the pointer, the player's settings and the comments table.
#include <array>
#include <cstdint>

#include "base/short_string.hpp"

namespace glossamo {

constexpr int CommentCount = 496;  // comments 1..496

// The screens, numbered as `AppState::screen` keeps them (a saved game
// stores the number).
enum class Screen : std::int32_t {
    None = 0,
    Families = 1,
    Levels = 2,
    Options = 3,
    Scores = 4,
    Help = 5,
    Profile = 6,
    SavedGames = 7,
    AnagramSearch = 8,
    PatternSearch = 9,
    QuitConfirmation = 100,
    Confirmation = 103,  // a yes/no question before a click that wipes something
    Statistics = 104,
    Challenge = 105,
    OwnLists = 106,    // the player's word lists
    ListReport = 107,  // what a list file gave, before it is kept
};

constexpr std::int32_t screenNumber(Screen screen) { return static_cast<std::int32_t>(screen); }

// The same numbers as `AppState::screen` holds them.
namespace screens {
constexpr std::int32_t None = screenNumber(Screen::None);
constexpr std::int32_t Families = screenNumber(Screen::Families);
constexpr std::int32_t Levels = screenNumber(Screen::Levels);
constexpr std::int32_t Options = screenNumber(Screen::Options);
constexpr std::int32_t Scores = screenNumber(Screen::Scores);
constexpr std::int32_t Help = screenNumber(Screen::Help);
constexpr std::int32_t Profile = screenNumber(Screen::Profile);
constexpr std::int32_t SavedGames = screenNumber(Screen::SavedGames);
constexpr std::int32_t AnagramSearch = screenNumber(Screen::AnagramSearch);
constexpr std::int32_t PatternSearch = screenNumber(Screen::PatternSearch);
constexpr std::int32_t QuitConfirmation = screenNumber(Screen::QuitConfirmation);
constexpr std::int32_t Confirmation = screenNumber(Screen::Confirmation);
constexpr std::int32_t Statistics = screenNumber(Screen::Statistics);
constexpr std::int32_t Challenge = screenNumber(Screen::Challenge);
constexpr std::int32_t OwnLists = screenNumber(Screen::OwnLists);
constexpr std::int32_t ListReport = screenNumber(Screen::ListReport);
}  // namespace screens

// What the confirmation screen asks before doing it.
namespace confirmations {
constexpr std::uint8_t None = 0;
constexpr std::uint8_t ClearScores = 1;  // every score of the scores panel
constexpr std::uint8_t Restart = 2;      // the running game, started again
constexpr std::uint8_t EndTravel = 3;    // the whole travel, from the map
constexpr std::uint8_t ClearStatistics = 4;
}  // namespace confirmations

// Background numbers that name special pictures.
namespace backgrounds {
constexpr int Title = 50;
constexpr int TravelMap = 51;
constexpr int Menus = 52;
constexpr int Quitting = 78;
}  // namespace backgrounds

struct AppState {
    // Screens and the game's life cycle.
    std::int32_t screen = screens::Families;
    ShortString<100> gameTitle;  // empty = no game running
    std::uint8_t titleShowing = 1;
    std::uint32_t titleTick = 0;
    std::uint32_t endTick = 0;
    std::uint8_t gameWon = 0;
    std::uint8_t gameLost = 0;
    std::uint8_t scoreRecorded = 0;
    std::int32_t score = 0;
    std::uint32_t clickPending = 0;
    std::int16_t cursorShape = 0;  // 0 arrow, -21 hand, -11 hourglass

    // Widgets and menus.
    std::uint8_t hoverFlag = 0;
    std::uint8_t listScrolling = 0;
    std::uint32_t lastScrollTick = 0;
    ShortString<100> hoverText;
    std::uint32_t chosenFamily = 0;
    std::int32_t panelX = 800;
    std::int32_t panelY = 72;
    std::uint8_t pendingConfirmation = confirmations::None;

    // Player settings and files.
    ShortString<100> playerName;
    std::int32_t backgroundIndex = 0;
    std::int32_t cardBackIndex = 0;
    std::uint8_t importMode = 0;
    std::uint8_t userFoldersPresent = 0;

    // The comments table, comments[1..496]; comments[0] unused.
    std::array<ShortString<100>, CommentCount + 1> comments{};
};

}  // namespace glossamo
