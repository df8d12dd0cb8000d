#include "media/asset_loading.hpp"

#include <string>

#include "base/file_system.hpp"
#include "base/text_encoding.hpp"
#include "platform/canvas.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr ColourKey BlueKey{true, Rgb{0, 0, 255}};
constexpr ColourKey PanelKey{true, Rgb{0, 0, 254}};
constexpr ColourKey Opaque{false, Rgb{0, 0, 255}};

std::string missing(const SystemPath& path) { return "Fichier " + path + " absent. Non Charg\xE9.."; }

std::string listEntry(ProgramState& s, int list, int index) {
    if (index < 0 || index >= ListBoxEntries) return {};
    return s.listBox(list).entries[static_cast<std::size_t>(index)];
}

// Loads a picture file into a slot; a damaged file is logged and the slot
// keeps its picture.
bool loadPicture(ProgramState& s, ImageSet set, int slot, const SystemPath& path, ColourKey key) {
    Canvas& canvas = s.platform.canvas();
    if (canvas.loadImage(set, slot, path.bytes(), key)) return true;
    debugLog(s, "Image " + path + " illisible: " + utf8ToLatin1(canvas.lastError()));
    return false;
}

std::string specialBackground(int n) {
    switch (n) {
        case backgrounds::Title: return "00000";
        case backgrounds::TravelMap: return "0000";
        case backgrounds::Menus: return "000000";
        case backgrounds::Quitting: return "0000000";
        default: return {};
    }
}

void loadPanel(ProgramState& s) {
    const SystemPath path = s.programDir + "bitmaps/Fenetres/fenetre.jpg";
    if (!fileExists(path)) {
        debugLog(s, "Fenetre " + path + " absent. Non Charg\xE9..");
        return;
    }
    loadPicture(s, ImageSet::Screen, 2, path, PanelKey);
    debugLog(s, "Fenetre " + path + " charg\xE9");
}

void loadNumbered(ProgramState& s, ImageSet set, const std::string& folder, int last) {
    for (int n = 0; n <= last; ++n) {
        const SystemPath path = s.programDir + folder + std::to_string(n) + ".bmp";
        if (fileExists(path))
            loadPicture(s, set, n, path, BlueKey);
        else
            debugLog(s, missing(path));
    }
}

}  // namespace

std::optional<SystemPath> ownPicture(const SystemPath& folder, const std::string& name) {
    const SystemPath exact = folder + name + ".bmp";
    if (fileExists(exact)) return exact;
    for (const std::string& file : listFolder(folder, "*.bmp"))
        if (file.size() == name.size() + 4 && file.compare(0, name.size(), name) == 0) return folder + file;
    return std::nullopt;
}

void loadBackground(ProgramState& s, int n) {
    debugLog(s, "charge fond index " + std::to_string(n));
    if (n == 0) n = 4;
    const std::string special = specialBackground(n);
    const std::string name = special.empty() ? listEntry(s, 4, n) : special;
    const SystemPath path = s.programDir + "bitmaps/background/" + name + ".jpg";
    s.platform.canvas().setColourKey(ImageSet::Screen, 0, Opaque);
    if (fileExists(path)) {
        debugLog(s, "Fond " + path + " charg\xE9 sur CD ROM");
        loadPicture(s, ImageSet::Screen, 0, path, Opaque);
    } else if (const std::optional<SystemPath> own = ownPicture(s.userDir + "FONDS/", name)) {
        debugLog(s, "Fond " + *own + " charg\xE9 sur Disque dur");
        loadPicture(s, ImageSet::Screen, 0, *own, Opaque);
    }
    s.listBox(4).selected = n;
    if (n != backgrounds::Title && n != backgrounds::TravelMap && n != backgrounds::Menus) loadPanel(s);
}

void loadHead(ProgramState& s, const std::string& name) {
    s.platform.canvas().setColourKey(ImageSet::Screen, 1, BlueKey);
    const SystemPath path = s.programDir + "bitmaps/tete/" + name + ".bmp";
    if (fileExists(path)) {
        if (loadPicture(s, ImageSet::Screen, 1, path, BlueKey)) {
            s.headShown = name;
            debugLog(s, "Chargement tete sur CD ROM 1.Bmp  .....OK ");
        }
        return;
    }
    debugLog(s, missing(path));
    const std::optional<SystemPath> own = ownPicture(s.userDir + "TETE/", name);
    if (!own) {
        debugLog(s, missing(s.userDir + "TETE/" + name + ".bmp"));
        return;
    }
    if (loadPicture(s, ImageSet::Screen, 1, *own, BlueKey)) {
        s.headShown = name;
        debugLog(s, "Chargement tete Perso sur DDur 1.Bmp  .....OK ");
    }
}

void loadCardBack(ProgramState& s, int n) {
    if (n == 0) {
        n = 3;
        s.listBox(7).selected = 3;
    }
    const SystemPath path = s.programDir + "bitmaps/back/" + listEntry(s, 7, n) + ".bmp";
    if (fileExists(path))
        loadPicture(s, ImageSet::CardBack, 0, path, BlueKey);
    else
        debugLog(s, missing(path));
}

void loadInterface(ProgramState& s) {
    loadNumbered(s, ImageSet::Pendu, "bitmaps/pendu/", 53);
    loadNumbered(s, ImageSet::Slot, "bitmaps/Slots/", PlayerCellFace);
    loadNumbered(s, ImageSet::Interface, "bitmaps/Interface/", LastInterfacePicture);
    for (int n = 0; n < Platform::SoundSlots; ++n) {
        const SystemPath path = s.programDir + "Sons/" + std::to_string(n) + ".wav";
        debugLog(s, "Son " + path + " charg\xE9");
        s.platform.loadSound(n, path.bytes());
    }
    prepareNumberFonts(s);
    loadBackground(s, backgrounds::Title);
}

void fillFileList(ProgramState& s, const SystemPath& folder, const std::string& mask, bool upperCase, int list,
                  bool clear) {
    debugLog(s, "Add : " + folder + " filtre:" + mask);
    const std::vector<std::string> names = listFolder(folder, mask);
    if (clear) listClear(s, list);
    for (const std::string& name : names) {
        if (name.size() <= 3) continue;
        const std::string entry = name.substr(0, name.size() - 4);
        listAdd(s, list, upperCase ? upperAscii(entry) : entry);
    }
}

void fillBackgroundList(ProgramState& s) {
    ListBox& list = s.listBox(4);
    list.rowsShown = 5;
    list.width = 150;
    fillFileList(s, s.programDir + "bitmaps/background/", "*.jpg", false, 4, true);
    if (s.app.userFoldersPresent) fillFileList(s, s.userDir + "FONDS", "*.bmp", false, 4, false);
    for (int i = 0; i < 4; ++i) listDelete(s, 4, 1);  // the four special pictures sort first
}

void fillHeadList(ProgramState& s) {
    ListBox& list = s.listBox(8);
    list.rowsShown = 5;
    list.width = 200;
    fillFileList(s, s.programDir + "bitmaps/tete/", "*.bmp", false, 8, true);
    if (s.app.userFoldersPresent) fillFileList(s, s.userDir + "TETE", "*.bmp", false, 8, false);
}

}  // namespace glossamo
