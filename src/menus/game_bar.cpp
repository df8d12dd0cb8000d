// The button bar under a running game or the travel map.
#include "menus/menu_panels.hpp"

#include "aids/game_aids.hpp"
#include "games/game_reset.hpp"
#include "media/sound_services.hpp"
#include "play/game_undo.hpp"
#include "printing/printing.hpp"
#include "profile/profile_files.hpp"
#include "profile/saved_games.hpp"
#include "travel/travel_mode.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::menus {

namespace {

// Writes the profile before the quick exit closes the program; when it
// cannot be written the program says so and stays.
bool profileKept(ProgramState& s) {
    if (saveProfile(s)) return true;
    showPopup(s, 2, 520, s.app.comments[ProfileNotSaved].view());
    return false;
}

// The game bar's button that starts the level again.
constexpr Point PlayAgainButton{380, 540};

}  // namespace

bool inGameBar(Pass& p) {
    ProgramState& s = p.s;
    const bool onMap = s.travel.mapShown == 1;
    // The program ends only once the game and the profile are safely saved;
    // a failed write says so and the game goes on.
    if (p.buttonAt(730, 15, button::QuickExit, named::QuickExit) && saveGame(s, true) && profileKept(s)) {
        s.profileWrittenForClose = 1;
        s.platform.closeMainWindow();
    }
    if (undoOffered(s) && p.buttonAt(140, 540, button::Undo, named::Undo)) undoAsked(s);
    if (checksApply(s) && p.buttonAt(200, 540, button::CheckLetters, named::CheckLetters)) checkLetters(s);
    if (hintsApply(s) && p.buttonAt(260, 540, button::Hint, named::Hint)) takeHint(s);
    if (!onMap && p.buttonAt(320, 540, button::Print, named::Print)) Imprimegrille(s);
    if (!onMap && p.buttonAt(PlayAgainButton.x, PlayAgainButton.y, button::PlayAgain, named::PlayAgain)) {
        if (s.travel.underWay)
            playSound(s, sounds::TileLanded);
        else
            askFirst(s, confirmations::Restart);
    }
    if (p.buttonAt(440, 540, button::Save, named::Save)) saveGame(s, false);
    if (p.buttonAt(500, 540, button::AnagramSearch, named::AnagramSearch)) openScreen(s, Screen::AnagramSearch);
    if (p.buttonAt(560, 540, button::PatternSearch, named::PatternSearch)) openScreen(s, Screen::PatternSearch);
    if (!onMap && p.buttonAt(620, 540, button::Help, named::Help)) openScreen(s, Screen::Help);
    if (p.buttonAt(680, 540, button::Options, named::Options)) openScreen(s, Screen::Options);
    // On the map the flag ends the whole travel: it asks first.
    if (p.buttonAt(740, 540, button::GiveUp, named::GiveUp)) {
        if (onMap) {
            askFirst(s, confirmations::EndTravel);
            return true;
        }
        if (!giveUp(s)) return false;
    }
    return true;
}

}  // namespace glossamo::menus

namespace glossamo {

bool onPlayAgainButton(ProgramState& s, Point pointer) { return buttonHit(s, menus::PlayAgainButton, pointer); }

}  // namespace glossamo
