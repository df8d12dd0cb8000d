// The scores panel: the best scores, one to delete or all to clear.
#include "menus/menu_panels.hpp"

#include <cstddef>
#include <string>

#include "state/debug_log.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::menus {

namespace {

// The score lines start far enough left for a whole title to end inside the panel.
constexpr int ScoresLeft = 75;
namespace scoreHeadings {
constexpr int Points = 132, Time = 133, Game = 134;
}

void deleteSelected(ProgramState& s, int n) {
    ListBox& list = s.listBox(n);
    if (list.selected == -1) {
        showPopup(s, 2, 520, s.app.comments[33].view());
        return;
    }
    listDelete(s, n, list.selected);
    list.selected = -1;
    debugLog(s, std::to_string(list.count));
}

}  // namespace

void scoresScreen(Pass& p) {
    ProgramState& s = p.s;
    p.text(p.L + 200, p.T + 60, p.comment(76));
    // Headings over the columns of the score lines: points, time, game.
    p.text(p.L + ScoresLeft, p.T + 88, p.comment(scoreHeadings::Points));
    p.text(p.L + ScoresLeft + 6 * SmallAdvance, p.T + 88, p.comment(scoreHeadings::Time));
    p.text(p.L + ScoresLeft + 16 * SmallAdvance, p.T + 88, p.comment(scoreHeadings::Game));
    p.listAt(5, p.L + ScoresLeft, p.T + 90);
    p.scrollButtons(5, p.L + 20, p.T + 90, p.T + 290);
    if (p.buttonAt(p.R - 30, p.B - 20, button::Close, named::Close)) openScreen(s, Screen::None);
    if (p.buttonAt(p.R - 90, p.B - 20, button::Delete, named::DeleteScore)) deleteSelected(s, 5);
    if (p.buttonAt(p.R - 150, p.B - 20, button::Clear, named::ClearScores)) askFirst(s, confirmations::ClearScores);
}

void clearScores(ProgramState& s) {
    for (int i = 1; i <= 599; ++i) s.listBox(5).entries[static_cast<std::size_t>(i)].clear();
    s.listBox(5).selected = -1;  // the selected score is gone with the others
}

}  // namespace glossamo::menus
