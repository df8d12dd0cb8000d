// The profile panel: the player's name and head picture, and picture import.
#include "menus/menu_panels.hpp"

#include <optional>
#include <string>

#include "base/file_system.hpp"
#include "media/asset_loading.hpp"
#include "media/picture_import.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::menus {

namespace {

constexpr int HeadNotDeleted = 97;

// The file of the selected head picture when the player imported it; empty
// for the program's own pictures, which cannot be deleted.
std::optional<SystemPath> importedHeadFile(ProgramState& s) {
    const ListBox& heads = s.listBox(8);
    if (heads.selected < 1 || heads.selected >= ListBoxEntries) return {};
    const std::string& name = heads.entries[static_cast<std::size_t>(heads.selected)];
    if (name.empty() || fileExists(s.programDir + "bitmaps/tete/" + name + ".bmp")) return {};
    const SystemPath path = s.userDir + "TETE/" + name + ".bmp";
    if (!fileExists(path)) return {};
    return path;
}

// Deletes the file; the entry leaves the list only once its file is gone,
// and the default head is shown in place of the deleted one.
void deleteHeadPicture(ProgramState& s, const SystemPath& path) {
    if (!deleteFile(path)) {
        showPopup(s, 2, 520, s.app.comments[HeadNotDeleted].view());
        return;
    }
    showPopup(s, 2, 520, s.app.comments[57].view());
    ListBox& heads = s.listBox(8);
    listDelete(s, 8, heads.selected);
    heads.selected = -1;
    loadHead(s, s.app.comments[65].str());
}

}  // namespace

void profileScreen(Pass& p) {
    ProgramState& s = p.s;
    s.app.playerName = s.typedText.view();
    p.text(p.L + 150, p.T + 60, p.comment(78));
    p.text(p.L + 90, p.T + 85, p.comment(79));
    p.text(p.L + 90, p.T + 250, p.comment(80));
    p.text(p.L + 90, p.T + 270, s.app.playerName.str() + p.blink);
    p.text(p.L + 90, p.T + 320, p.comment(81));
    p.text(p.L + 90, p.T + 375, p.comment(82));
    const int picked = p.listAt(8, p.L + 100, p.T + 100);
    if (picked >= 0) loadHead(s, s.listBox(8).entries[static_cast<std::size_t>(picked)]);
    p.scrollButtons(8, p.L + 40, p.T + 100, p.T + 180);
    drawHead(s, {p.L + 300, p.T + 120}, 90);
    if (const std::optional<SystemPath> file = importedHeadFile(s);
        file && p.buttonAt(p.R - 30, p.T + 180, button::Delete, named::DeleteHead))
        deleteHeadPicture(s, *file);
    if (p.buttonAt(p.L + 40, p.T + 300, button::Import, named::ImportHead)) startPictureImport(s, importmode::Head);
    if (p.buttonAt(p.L + 40, p.T + 355, button::Import, named::ImportBackground))
        startPictureImport(s, importmode::Background);
    if (p.buttonAt(p.R - 30, p.T + 355, button::Close, named::Close)) {
        s.app.playerName = s.typedText.view();
        s.app.screen = screens::None;
    }
}

}  // namespace glossamo::menus
