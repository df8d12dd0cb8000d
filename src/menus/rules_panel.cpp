// The rules panel of the running game, or of the statistics or challenge panel.
#include "menus/menu_panels.hpp"

#include <algorithm>
#include <string>
#include <utility>

#include "texts/comments_and_help.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::menus {

namespace {

// The panel picture's inner edge, from the panel's left: small text must
// start its glyphs left of it.
constexpr int PanelTextRight = 529;

}  // namespace

void helpScreen(Pass& p) {
    // A long game title moves left so that it ends inside the panel; the
    // rules of a panel are titled with the panel's name.
    const int about = p.s.helpReturnScreen;
    const std::string title =
        p.comment(77) + " " +
        (about == screens::Statistics  ? p.comment(progress::StatsTitle)
         : about == screens::Challenge ? p.comment(progress::ChallengeTitle)
                                       : p.s.app.gameTitle.str());
    p.text(std::min(p.L + 150, p.L + PanelTextRight - SmallAdvance * static_cast<int>(title.size())), p.T + 60,
           title);
    p.listAt(6, p.L + 90, p.T + 100, true);
    p.scrollButtons(6, p.L + 45, p.T + 90, p.T + 300);
    if (p.buttonAt(p.R - 30, p.B - 10, button::Close, named::Close)) {
        openScreen(p.s, Screen::None);
        p.s.app.screen = std::exchange(p.s.helpReturnScreen, 0);
    }
}

// The rules of a panel beside the games, over it; closing them goes back to it.
void openPanelRules(ProgramState& s, int rules, int screen) {
    ChargeAide(s, rules);
    openScreen(s, Screen::Help);
    s.helpReturnScreen = screen;
}

}  // namespace glossamo::menus
