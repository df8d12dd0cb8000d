#include "menus/menu_screens.hpp"

#include <cstdint>
#include <utility>

#include "challenge/daily_challenge.hpp"
#include "games/game_reset.hpp"
#include "media/sound_services.hpp"
#include "menus/menu_panels.hpp"
#include "state/program_state.hpp"
#include "stats/statistics.hpp"
#include "travel/travel_mode.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

using namespace menus;

namespace {

constexpr int PanelRestX = 220;
constexpr int PanelWidth = 500;
constexpr int PanelHeight = 350;

void panelScreen(Pass& pass, int screen) {
    if (screen != screens::QuitConfirmation && screen != screens::Confirmation) drawPanel(pass.s, pass.L, pass.T);
    switch (screen) {
        case screens::Options: optionsScreen(pass); break;
        case screens::Scores: scoresScreen(pass); break;
        case screens::Help: helpScreen(pass); break;
        case screens::Profile: profileScreen(pass); break;
        case screens::SavedGames: savedGamesScreen(pass); break;
        case screens::AnagramSearch: searchScreen(pass, true); break;
        case screens::PatternSearch: searchScreen(pass, false); break;
        case screens::QuitConfirmation: quitScreen(pass); break;
        case screens::Confirmation: confirmationScreen(pass); break;
        case screens::Statistics: statisticsScreen(pass); break;
        case screens::Challenge: challengeScreen(pass); break;
        case screens::OwnLists: ownListsScreen(pass); break;
        case screens::ListReport: listReportScreen(pass); break;
        default: break;
    }
}

// The panels that slide in from the right each time they open.
bool slidesIn(Screen screen) {
    switch (screen) {
        case Screen::Options:
        case Screen::Scores:
        case Screen::Help:
        case Screen::Profile:
        case Screen::SavedGames:
        case Screen::AnagramSearch:
        case Screen::PatternSearch:
        case Screen::OwnLists:
        case Screen::QuitConfirmation: return true;
        default: return false;
    }
}

}  // namespace

void drawMenus(ProgramState& s, int screen) {
    AppState& a = s.app;
    a.listScrolling = 0;
    a.hoverFlag = 0;
    a.panelY = 72;
    if (a.panelX == 800 && screen >= 1) playSound(s, sounds::PanelSlides);
    a.panelX -= (a.panelX - PanelRestX) / 10;
    Pass pass{s, s.mousePos, a.panelX, a.panelY, a.panelX + PanelWidth, a.panelY + PanelHeight, false,
              s.blinkOn ? "-" : " ", std::exchange(s.wheelNotches, 0)};

    if (screen == screens::Families) {
        familyList(pass);
    } else if (screen == screens::Levels) {
        if (!levelList(pass)) return;
    } else if (screen >= screens::Options) {
        panelScreen(pass, screen);
    }
    if (s.gameRunning() || s.travel.mapShown) {
        if (!inGameBar(pass)) return;
    } else {
        mainBar(pass);
    }
    pass.nameHoveredButton();
    if (a.hoverFlag == 1 || pass.checkBoxHovered) a.cursorShape = static_cast<std::int16_t>(PointerShape::Hand);
    if (!a.listScrolling) a.clickPending = 0;
}

void openScreen(ProgramState& s, Screen screen) {
    AppState& a = s.app;
    switch (screen) {
        case Screen::Help: s.listBox(6).firstShown = 0; break;
        case Screen::Profile: s.typedText = a.playerName.view(); break;
        case Screen::AnagramSearch:
        case Screen::PatternSearch:
            s.typedText.clear();
            listClear(s, 3);
            break;
        case Screen::Statistics: s.statsFile = IniFile::read(statisticsPath(s)); break;
        case Screen::Challenge:
            s.challengeFile = IniFile::read(challengePath(s));
            s.typedText.clear();
            break;
        case Screen::OwnLists: openOwnLists(s); break;
        case Screen::QuitConfirmation:
            a.gameTitle.clear();
            s.travel.mapShown = 0;
            s.travel.underWay = 0;
            break;
        default: break;
    }
    a.screen = screenNumber(screen);
    if (slidesIn(screen)) a.panelX = 800;
}

void runMenuAction(ProgramState& s, MenuAction action) {
    switch (action) {
        case MenuAction::PlayAgain:
            s.app.screen = screens::None;
            playAgain(s);
            s.app.panelX = 800;
            break;
        case MenuAction::StartTravel:
            leaveGame(s);
            resetGameRecord(s);
            startTravel(s);
            break;
        case MenuAction::QuitProgram: quitProgram(s); break;
    }
}

}  // namespace glossamo
