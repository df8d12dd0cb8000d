// The yes/no questions: quitting the program, and the questions asked
// before an action that wipes something.
#include "menus/menu_panels.hpp"

#include <cstdint>
#include <utility>

#include "platform/canvas.hpp"
#include "stats/statistics.hpp"
#include "travel/travel_mode.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::menus {

namespace {

// The quit panel without its door, for the other yes/no questions.
constexpr int QuestionPanel = 56;

// The questions of the confirmation screen.
namespace asked {
constexpr int ClearScores = 127, Restart = 128, EndTravel = 129, ClearStatistics = 153;
}

int questionOf(std::uint8_t what) {
    switch (what) {
        case confirmations::ClearScores: return asked::ClearScores;
        case confirmations::Restart: return asked::Restart;
        case confirmations::ClearStatistics: return asked::ClearStatistics;
        default: return asked::EndTravel;
    }
}

// Oui does what was asked; Non (like Escape) leaves everything as it was,
// and the scores panel comes back when its broom asked.
void answer(ProgramState& s, bool yes) {
    const std::uint8_t what = std::exchange(s.app.pendingConfirmation, confirmations::None);
    s.app.screen = what == confirmations::ClearScores       ? screens::Scores
                   : what == confirmations::ClearStatistics ? screens::Statistics
                                                            : screens::None;
    if (!yes) return;
    if (what == confirmations::ClearScores) clearScores(s);
    if (what == confirmations::ClearStatistics) {
        if (!clearStatistics(s)) showPopup(s, 2, 520, s.app.comments[progress::NotCleared].view());
        s.statsFile = IniFile::read(statisticsPath(s));
    }
    if (what == confirmations::Restart) runMenuAction(s, MenuAction::PlayAgain);
    if (what == confirmations::EndTravel) giveUp(s);
}

}  // namespace

void quitScreen(Pass& p) {
    ProgramState& s = p.s;
    s.platform.canvas().drawImage(ImageSet::Interface, 41, p.L, p.T);
    p.text(p.L + 55, p.T + 80, p.comment(84));
    if (p.buttonAt(p.L + 40, p.T + 140, button::Yes, named::QuitYes)) runMenuAction(s, MenuAction::QuitProgram);
    if (p.buttonAt(p.L + 200, p.T + 140, button::No, named::QuitNo)) openScreen(s, Screen::None);
}

void confirmationScreen(Pass& p) {
    ProgramState& s = p.s;
    s.platform.canvas().drawImage(ImageSet::Interface, QuestionPanel, p.L, p.T);
    p.text(p.L + 55, p.T + 80, p.comment(questionOf(s.app.pendingConfirmation)));
    if (p.buttonAt(p.L + 40, p.T + 140, button::Yes, named::Yes)) answer(s, true);
    else if (p.buttonAt(p.L + 200, p.T + 140, button::No, named::No)) answer(s, false);
}

}  // namespace glossamo::menus

namespace glossamo {

void askFirst(ProgramState& s, std::uint8_t what) {
    s.app.pendingConfirmation = what;
    s.app.screen = screens::Confirmation;
    s.app.panelX = 800;
}

}  // namespace glossamo
