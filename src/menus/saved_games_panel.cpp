// The saved games panel: a saved game to load or delete.
#include "menus/menu_panels.hpp"

#include <cstddef>

#include "base/file_system.hpp"
#include "profile/saved_games.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::menus {

namespace {

void deleteSavedGame(ProgramState& s) {
    ListBox& saves = s.listBox(9);
    const SystemPath base = s.userDir + "SAVE/" + saves.entries[static_cast<std::size_t>(saves.selected)];
    if (!deleteFile(base + ".sa1") || !deleteFile(base + ".sa2")) return;
    deleteFile(base + ".sa3");  // absent from saves made before hints were counted
    showPopup(s, 2, 520, s.app.comments[58].view());
    listDelete(s, 9, saves.selected);
    saves.selected = -1;
}

}  // namespace

void savedGamesScreen(Pass& p) {
    ProgramState& s = p.s;
    p.text(p.L + 150, p.T + 60, p.comment(83));
    p.listAt(9, p.L + 100, p.T + 100);
    p.scrollButtons(9, p.L + 40, p.T + 100, p.T + 250);
    if (s.listBox(9).selected > 0) {
        if (p.buttonAt(p.R - 150, p.B - 20, button::Delete, named::DeleteSave)) deleteSavedGame(s);
        if (s.listBox(9).selected > 0 && p.buttonAt(p.R - 90, p.B - 20, button::SavedGames, named::LoadSave)) {
            s.app.screen = screens::None;
            loadGame(s, s.listBox(9).entries[static_cast<std::size_t>(s.listBox(9).selected)]);
        }
    }
    if (p.buttonAt(p.R - 30, p.B - 20, button::Close, named::Close)) s.app.screen = screens::None;
}

}  // namespace glossamo::menus
