// The anagram and incomplete-word search panels.
#include "menus/menu_panels.hpp"

#include "widgets/list_boxes.hpp"

namespace glossamo::menus {

namespace {

// Where the search screens write their instructions and the typed text: far
// enough left for "Vous pouvez utiliser des *" to end inside the panel, and
// right of the longest result (16 letters, as long as the typed text).
constexpr int SearchTextColumn = 265;
constexpr int OneStarOneLetter = 126;

}  // namespace

void searchScreen(Pass& p, bool anagrams) {
    ProgramState& s = p.s;
    // The pattern search says one more line, so its instructions start higher.
    const int top = anagrams ? p.T + 230 : p.T + 190;
    p.text(p.L + 150, p.T + 60, anagrams ? "Recherche d'anagrammes" : "Recherche de mots incomplets");
    p.text(p.L + SearchTextColumn, top, "Tapez votre mot puis");
    p.text(p.L + SearchTextColumn, top + 20, "pressez entr\xE9" "e.");
    if (!anagrams) {
        p.text(p.L + SearchTextColumn, p.T + 230, "Vous pouvez utiliser des *");
        p.text(p.L + SearchTextColumn, p.T + 250, p.comment(OneStarOneLetter));
    }
    p.text(p.L + SearchTextColumn, p.T + 270, s.typedText.str() + p.blink);
    p.listAt(3, p.L + 100, p.T + 100);
    p.scrollButtons(3, p.L + 40, p.T + 100, p.T + 280);
    if (p.buttonAt(p.R - 30, p.T + 355, button::Close, named::Close)) s.app.screen = screens::None;
}

}  // namespace glossamo::menus
