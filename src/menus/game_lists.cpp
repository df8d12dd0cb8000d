// The list of game families and the list of the chosen family's levels.
#include "menus/menu_panels.hpp"

#include <cstdint>
#include <string>
#include <vector>

#include "play/catalogue.hpp"
#include "play/game_start.hpp"
#include "profile/own_lists.hpp"
#include "games/word_lists.hpp"
#include "widgets/bitmap_fonts.hpp"
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
            for (int i = 1; i <= 6; ++i) pass.text(130, 20 * i + 383, s.listBox(6).entries[static_cast<std::size_t>(i)]);
        }
        drawTitleText(s, x, y, hit ? HighlightInk : NormalInk, name.substr(0, 20));
    }
}

namespace {

int levelsOf(int firstId) {
    for (const GameFamily& family : GameFamilies())
        if (family.firstId == firstId && family.levels > 0) return family.levels;
    return 0;
}

// The levels the list offers: every listed one, but only the games of the
// player's list that it holds enough words for.
std::vector<int> levelsShown(const ProgramState& s, int first) {
    std::vector<int> ids;
    for (int id = first; id < first + levelsOf(first); ++id) {
        const GameEntry entry = gameEntry(id);
        if (entry.run->wordList != wordlists::PlayerList || ownListPlays(s.ownList, id)) ids.push_back(id);
    }
    return ids;
}

// The way to the player's lists, under the games of a list or in their
// place when the list chosen has none to offer (or there is no list yet).
bool listsLink(Pass& pass, int row, bool gamesShown) {
    const std::string text = pass.comment(gamesShown ? lists::Title : lists::ChooseFirst) + "...";
    if (!pass.linkAt(400 - static_cast<int>(text.size()) * SmallAdvance / 2, 20 * row + 84, text)) return false;
    openScreen(pass.s, Screen::OwnLists);
    return true;
}

}  // namespace

// Returns false when the pass must end here (the game was started or the
// list left), leaving `clickPending` as it is.
bool levelList(Pass& pass) {
    ProgramState& s = pass.s;
    const int first = static_cast<int>(s.app.chosenFamily);
    if (levelsOf(first) == 1) {
        startGame(s, first);
        return false;
    }
    const std::vector<int> ids = levelsShown(s, first);
    const int n = static_cast<int>(ids.size());
    const bool ofTheList = gameEntry(first).run->wordList == wordlists::PlayerList;
    if (ofTheList && listsLink(pass, n, n > 0)) return false;
    for (int r = n == 0 ? 1 : 0; r <= n + 1; ++r) {
        const int y = 20 * r + 81;
        const std::string text = r < n ? gameName(s, ids[static_cast<std::size_t>(r)]) : r == n ? "" : "Retour \xE0 la liste...";
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
        startGame(s, ids[static_cast<std::size_t>(r)]);
    }
    return true;
}

}  // namespace glossamo::menus
