// The list of game families and the list of the chosen family's levels.
#include "menus/menu_panels.hpp"

#include <cstdint>
#include <string>

#include "play/catalogue.hpp"
#include "play/game_start.hpp"
#include "texts/comments_and_help.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::menus {

void familyList(Pass& pass) {
    ProgramState& s = pass.s;
    const auto& families = GameFamilies();
    for (int k = 1; k <= FamilyCount; ++k) {
        const GameFamily& family = families[static_cast<std::size_t>(k)];
        const int x = k <= 15 ? 55 : 420;
        const int y = 20 * (k <= 15 ? k : k - 15) + 53;
        const std::string name = family.name;
        const bool hit = hovered(pass.pointer, x, y, 16 * static_cast<int>(name.size()));
        if (hit && pass.clicked()) {
            s.app.screen = screens::Levels;
            s.app.chosenFamily = static_cast<std::uint32_t>(family.firstId);
        }
        if (hit) {
            ChargeAide(s, family.firstId);
            s.app.cursorShape = static_cast<std::int16_t>(PointerShape::Hand);
            for (int i = 1; i <= 6; ++i) pass.text(130, 20 * i + 363, s.listBox(6).entries[static_cast<std::size_t>(i)]);
        }
        drawTitleText(s, x, y, hit ? HighlightInk : NormalInk, name.substr(0, 20));
    }
}

namespace {

int levelsOf(std::uint32_t firstId) {
    for (const GameFamily& family : GameFamilies())
        if (family.firstId == static_cast<int>(firstId) && family.levels > 0) return family.levels;
    return 0;
}

}  // namespace

// Returns false when the pass must end here (the game was started or the
// list left), leaving `clickPending` as it is.
bool levelList(Pass& pass) {
    ProgramState& s = pass.s;
    const int first = static_cast<int>(s.app.chosenFamily);
    const int n = levelsOf(s.app.chosenFamily);
    if (n == 1) {
        startGame(s, first);
        return false;
    }
    for (int r = 0; r <= n + 1; ++r) {
        const int y = 20 * r + 81;
        const std::string text = r < n ? gameName(s, first + r) : r == n ? "" : "Retour \xE0 la liste...";
        const int x = 400 - static_cast<int>(text.size() / 2) * 14;
        const bool hit = !text.empty() && hovered(pass.pointer, x, y, 16 * static_cast<int>(text.size()));
        if (hit) s.app.cursorShape = static_cast<std::int16_t>(PointerShape::Hand);
        drawTitleText(s, x, y, hit ? HighlightInk : NormalInk, text);
        if (!hit || !pass.clicked()) continue;
        if (r == n + 1) {
            s.app.screen = screens::Families;
            s.app.clickPending = 0;
            return false;
        }
        startGame(s, first + r);
    }
    return true;
}

}  // namespace glossamo::menus
