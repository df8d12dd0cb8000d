#include "screens/menu_screens.hpp"

#include "profile/comments_and_help.hpp"
#include "screens/list_boxes.hpp"
#include "screens/widgets.hpp"
#include "shell/asset_loading.hpp"
#include "shell/game_reset.hpp"
#include "shell/program_state.hpp"
#include "travel/travel_mode.hpp"

namespace glossamo {

namespace {

constexpr std::uint32_t QuitPictureMs = 3000;

void playAgain(ProgramState& s) {
    const std::uint32_t id = s.game.gameId;
    const ShortString<100> title = s.app.gameTitle;
    leaveGame(s);
    resetGameRecord(s);
    s.game.gameId = id;
    s.app.gameTitle = title;
    ChargeAide(s, static_cast<int>(id));
}

// Shows the quitting picture alone for three seconds, then closes the window.
void quitProgram(ProgramState& s) {
    loadBackground(s, backgrounds::Quitting);
    drawBackground(s);
    s.platform.setPointerShape(PointerShape::Hidden);
    s.platform.showFrame();
    s.platform.wait(QuitPictureMs);
    s.platform.closeMainWindow();
}

}  // namespace

// The screens themselves are not drawn yet.
void drawMenus(ProgramState&, int) {}

void openScreen(ProgramState& s, int action) {
    AppState& a = s.app;
    switch (action) {
        case 1:
            a.screen = screens::None;
            playAgain(s);
            break;
        case 3:
        case 4:
        case 7:
            a.screen = action;
            break;
        case 5:
            s.listBox(6).firstShown = 1;
            a.screen = screens::Help;
            break;
        case 6:
            s.typedText = a.playerName.view();
            a.screen = screens::Profile;
            break;
        case 8:
        case 9:
            a.screen = action;
            s.typedText.clear();
            listClear(s, 3);
            break;
        case 16:
            leaveGame(s);
            resetGameRecord(s);
            startTravel(s);
            break;
        case 33:
        case 102:
            a.screen = screens::None;
            break;
        case 100:
            a.gameTitle.clear();
            s.travel.mapShown = 0;
            s.travel.underWay = 0;
            a.screen = screens::QuitConfirmation;
            break;
        case 101:
            quitProgram(s);
            break;
        default:
            break;
    }
    if (action < 10 || action == 100) a.panelX = 800;
}

}  // namespace glossamo
