// The options panel: the background picture, the vocabulary of the French
// games, the music and the sound effects.
#include "menus/menu_panels.hpp"

#include "media/asset_loading.hpp"
#include "widgets/list_boxes.hpp"

namespace glossamo::menus {

namespace {

constexpr int Vocabulary = 194, CommonWords = 195, EasyWords = 196;
constexpr int CommonBox = 4, EasyBox = 5;

// "Mots courants" or "Mots faciles": two boxes, one of them ticked, a click
// on either choosing it.
void chooseVocabulary(Pass& p) {
    ProgramState& s = p.s;
    s.checkBox(CommonBox).ticked = s.easyWords ? 0 : 1;
    s.checkBox(EasyBox).ticked = s.easyWords;
    p.text(p.L + 25, p.T + 255, p.comment(Vocabulary));
    if (p.checkBoxAt(CommonBox, p.L + 185, p.T + 250, p.comment(CommonWords))) s.easyWords = 0;
    if (p.checkBoxAt(EasyBox, p.L + 345, p.T + 250, p.comment(EasyWords))) s.easyWords = 1;
    s.checkBox(CommonBox).ticked = s.easyWords ? 0 : 1;
    s.checkBox(EasyBox).ticked = s.easyWords;
}

}  // namespace

void optionsScreen(Pass& p) {
    ProgramState& s = p.s;
    p.text(p.L + 200, p.T + 60, p.comment(70));
    p.text(p.L + 100, p.T + 110, p.comment(71));
    const int picked = p.listAt(4, p.L + 100, p.T + 120);
    if (picked >= 0 && !s.travel.mapShown) {
        s.app.backgroundIndex = picked;
        loadBackground(s, picked);
    }
    p.scrollButtons(4, p.L + 40, p.T + 100, p.T + 200);
    chooseVocabulary(p);
    p.checkBoxAt(1, p.L + 60, p.T + 360, p.comment(73));
    if (p.checkBoxAt(2, p.L + 60, p.T + 335, p.comment(74))) {
        if (s.checkBox(2).ticked)
            s.platform.musicPlay();
        else
            s.platform.musicPause();
    }
    if (p.linkAt(p.L + 60, p.B - 50, p.comment(lists::Title) + "...")) openScreen(s, Screen::OwnLists);
    // Like every other panel's close button, inside the panel's border.
    if (p.buttonAt(p.R - 30, p.B - 20, button::Close, named::Close)) openScreen(s, Screen::None);
}

}  // namespace glossamo::menus
