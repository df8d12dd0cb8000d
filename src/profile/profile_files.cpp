#include "profile/profile_files.hpp"

#include <algorithm>
#include <string>

#include "base/file_system.hpp"
#include "base/ini_file.hpp"
#include "media/asset_loading.hpp"
#include "profile/own_lists.hpp"
#include "profile/scores.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"
#include "widgets/list_boxes.hpp"

namespace glossamo {

namespace {

constexpr const char* PlayerFolders[] = {"FONDS", "CFG", "TETE", "SAVE"};
constexpr int ListsRead = 15;        // scores and favourites read at most
constexpr int ScoreKeysWritten = 100;  // N0..N100
constexpr std::size_t EntryLimit = 100;
constexpr int LastListIndex = 599;
constexpr const char* DefaultHead = "Vimbo Trask";

SystemPath profilePath(const ProgramState& s) { return (s.userDir + "CFG/favoris.frd").cutTo(255); }

// A picture name from the profile is used inside a path: one that could
// leave the pictures' folder is not taken.
bool isPlainName(const std::string& name) {
    return !name.empty() && name.find('/') == std::string::npos && name != "." && name != "..";
}

std::string numberedKey(int i) {
    std::string key = "N";
    key += std::to_string(i);
    return key;
}

int indexOrDefault(const IniFile& file, const char* key, int fallback) {
    const int n = file.integer("PARAMETRES", key, fallback);
    return n >= 0 && n <= LastListIndex ? n : fallback;
}

std::uint8_t flag(const IniFile& file, const char* key) { return file.integer("PARAMETRES", key, 0) != 0 ? 1 : 0; }

// Reads N1, N2 ... of a section into a list until "AUCUN" or fifteen
// entries; returns the number after the last one read.
int readNumberedList(ProgramState& s, const IniFile& file, const char* section, int list, bool logEach) {
    int i = 1;
    for (;;) {
        const std::string v = file.value(section, numberedKey(i), "AUCUN");
        if (v == "AUCUN") break;
        s.listBox(list).entries[static_cast<std::size_t>(i)] = v.substr(0, EntryLimit);
        if (logEach) {
            std::string line = " Favoris ";
            line += std::to_string(i);
            line += " / ";
            line += v.substr(0, EntryLimit);
            line += " Charg\xE9";
            debugLog(s, line);
        }
        ++i;
        if (i > ListsRead) break;
    }
    return i;
}

}  // namespace

void Premierlancement(ProgramState& s) {
    for (const char* folder : PlayerFolders)
        if (!createFolders(s.userDir + folder)) break;
    bool all = true;
    for (const char* folder : PlayerFolders) all = all && folderExists(s.userDir + folder);
    s.app.userFoldersPresent = all ? 1 : 0;
    if (!all) debugLog(s, "Dossiers du joueur impossibles \xE0 cr\xE9" "er sous " + s.userDir);
    // A program killed while it wrote leaves the new file unfinished; the
    // file it was to replace is whole, so the leftover goes.
    for (const char* folder : {"CFG/", "SAVE/"})
        if (const int removed = removeLeftTemporaries(s.userDir + folder); removed > 0)
            debugLog(s, std::to_string(removed) + " fichiers inachev\xE9s effac\xE9s dans " + s.userDir + folder);
}

void ChargeFavoris(ProgramState& s) {
    AppState& a = s.app;
    debugLog(s, "Chargement de favoris liste :");
    const SystemPath path = profilePath(s);
    const IniFile file = IniFile::read(path);
    if (!file.exists()) {
        loadHead(s, a.comments[65].str());
        a.playerName = a.comments[65].view();
        a.backgroundIndex = 1;
        return;
    }
    debugLog(s, "Fichier des favoris: " + path + " trouv\xE9");
    a.backgroundIndex = indexOrDefault(file, "IMAGEDEFOND", 1);
    a.cardBackIndex = indexOrDefault(file, "Dosdescartes", 0);
    s.checkBox(3).ticked = flag(file, "boutondroit");
    s.checkBox(1).ticked = flag(file, "sons");
    s.checkBox(2).ticked = flag(file, "musiques");
    // A profile written before the vocabulary could be chosen plays every word.
    s.easyWords = flag(file, "vocabulaire");
    a.playerName = file.value("PARAMETRES", "nom", "");
    // A window asked for on the command line stays a window.
    if (flag(file, "fenetre")) s.platform.setWindowed(true);
    const std::string head = file.value("PARAMETRES", "Imgtete", DefaultHead);
    loadHead(s, isPlainName(head) ? head : DefaultHead);
    // The player's list chosen last; a name that is not a list's name (one
    // that could leave the lists' folder) is not taken.
    if (const std::string list = file.value("PARAMETRES", "liste", ""); !list.empty() && listName(list) == list)
        chooseOwnList(s, list);

    s.listBox(5).width = 500;
    s.listBox(7).selected = a.cardBackIndex;
    s.listBox(5).count = readNumberedList(s, file, "SCORES", 5, false);
    sortScores(s);
    readNumberedList(s, file, "FAVORIS", 3, true);
}

bool saveProfile(ProgramState& s) {
    // Without the player's folders nothing is ever written (nor expected).
    if (!s.app.userFoldersPresent) return true;
    const SystemPath path = profilePath(s);
    // The file is read first so that every line the program does not
    // write (the favourites, other keys, comments) stays as it was.
    IniFile file = IniFile::read(path);
    const int n = listCount(s, 5);
    for (int i = 0; i <= ScoreKeysWritten; ++i)
        file.set("SCORES", numberedKey(i), i <= n ? s.listBox(5).entries[static_cast<std::size_t>(i)] : "");
    debugLog(s, "Sauve " + std::to_string(n) + " scores");
    const AppState& a = s.app;
    file.set("PARAMETRES", "ImagedeFond", std::to_string(a.backgroundIndex));
    file.set("PARAMETRES", "Dosdescartes", std::to_string(a.cardBackIndex));
    file.set("PARAMETRES", "boutondroit", s.checkBox(3).ticked ? "1" : "0");
    file.set("PARAMETRES", "sons", s.checkBox(1).ticked ? "1" : "0");
    file.set("PARAMETRES", "musiques", s.checkBox(2).ticked ? "1" : "0");
    file.set("PARAMETRES", "vocabulaire", s.easyWords ? "1" : "0");
    file.set("PARAMETRES", "nom", a.playerName.str());
    file.set("PARAMETRES", "liste", s.ownList.name);
    file.set("PARAMETRES", "fenetre", s.platform.windowed() ? "1" : "0");
    const ListBox& heads = s.listBox(8);
    if (heads.selected > 0 && heads.selected < ListBoxEntries)
        file.set("PARAMETRES", "ImgTete", heads.entries[static_cast<std::size_t>(heads.selected)]);
    // A profile that names no head yet keeps the one shown, so that the
    // next start does not show another one.
    else if (file.value("PARAMETRES", "Imgtete", "").empty() && !s.headShown.empty())
        file.set("PARAMETRES", "ImgTete", s.headShown);
    if (!file.write(path)) {
        debugLog(s, "Profil " + path + " impossible \xE0 \xE9" "crire");
        return false;
    }
    return true;
}

void Quittelejeu(ProgramState& s) {
    if (!s.profileWrittenForClose) saveProfile(s);
    s.gameWordList.clear();
    s.gameWordList.shrink_to_fit();
}

}  // namespace glossamo
