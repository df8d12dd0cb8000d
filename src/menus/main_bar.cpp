// The button bar of the menus, with no game running.
#include "menus/menu_panels.hpp"

namespace glossamo::menus {

void mainBar(Pass& p) {
    ProgramState& s = p.s;
    if (p.buttonAt(200, 540, button::Profile, named::Profile)) openScreen(s, Screen::Profile);
    if (p.buttonAt(260, 540, button::Travel, named::Travel)) runMenuAction(s, MenuAction::StartTravel);
    if (p.buttonAt(320, 540, button::SavedGames, named::SavedGames)) openScreen(s, Screen::SavedGames);
    if (p.buttonAt(380, 540, button::Scores, named::Scores)) openScreen(s, Screen::Scores);
    if (p.buttonAt(440, 540, button::Quit, named::Quit)) openScreen(s, Screen::QuitConfirmation);
    if (p.buttonAt(500, 540, button::Statistics, named::Statistics)) openScreen(s, Screen::Statistics);
    if (p.buttonAt(560, 540, button::Challenge, named::Challenge)) {
        s.challengeDaysBack = 0;  // the panel opens on today
        openScreen(s, Screen::Challenge);
    }
}

}  // namespace glossamo::menus
