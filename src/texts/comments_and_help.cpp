#include "texts/comments_and_help.hpp"

#include <algorithm>
#include <map>
#include <vector>

#include "base/file_system.hpp"
#include "base/ini_file.hpp"
#include "base/text_encoding.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"

namespace glossamo {

namespace {

constexpr int CountryIndexes = 113;
constexpr int HelpLinesKept = 599;
constexpr const char* DefaultUserDir = "~/.local/share/glossamo/";

// The rules files never change while the program runs; the family list asks
// for them on every frame while a family is pointed at, so each is read once.
const std::vector<std::string>& helpLines(const SystemPath& path) {
    static std::map<std::string, std::vector<std::string>> read;
    if (auto it = read.find(path.bytes()); it != read.end()) return it->second;
    return read[path.bytes()] = readTextLines(path).value_or(std::vector<std::string>{});
}

}  // namespace

void ChargeCommentaires(ProgramState& s) {
    const SystemPath path = s.programDir + "txt/Commentaires.dta";
    const IniFile file = IniFile::read(path);
    debugLog(s, file.exists() ? "Commentaires touv\xE9s Chargement..." : "Comentaires INTROUVABLE");
    int k = 0;
    while (k < CommentCount) {
        ++k;
        const std::string value = file.value("COMMENTAIRES", "Tx" + std::to_string(k), "Rien");
        s.app.comments[static_cast<std::size_t>(k)] = value;
        if (value == "Rien") break;
    }
    debugLog(s, std::to_string(k) + " Commentaires charg\xE9s");
    // The player's folder is named by the texts. Without them (a damaged
    // install) it is the usual one under the home folder: never the current
    // folder, where the profile and saves would be strewn and then missed.
    const std::string named = s.app.comments[51].str();
    s.userDir = expandHome(named.empty() || named == "Rien" ? DefaultUserDir : named).asFolder();
}

void Chargepays(ProgramState& s) {
    const SystemPath path = s.programDir + "txt/voyage.dta";
    const IniFile file = IniFile::read(path);
    debugLog(s, file.exists() ? "voyage trouv\xE9 Chargement..." : "Pays INTROUVABLEs");
    for (int i = 0; i < CountryIndexes; ++i) {
        const std::string n = std::to_string(i);
        const int x = file.integer("PAYS", "x" + n, 0);
        const int y = file.integer("PAYS", "y" + n, 0);
        if (x < 0 || x >= 14 || y < 0 || y >= 8) continue;
        s.travel.cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)].country =
            file.value("PAYS", "nom" + n, "AUCUN");
    }
    debugLog(s, std::to_string(CountryIndexes) + " Pays charg\xE9s");
}

void ChargeAide(ProgramState& s, int gameId) {
    const std::string& file = s.helpFiles[static_cast<std::size_t>(((gameId % 256) + 256) % 256 % HelpFileCount)];
    const SystemPath path = s.programDir + "aide/" + file;
    debugLog(s, "charge aide " + path);
    if (file.empty() || !fileExists(path)) {
        debugLog(s, "Fichier Aide Non trouv\xE9");
        return;
    }
    const std::vector<std::string>& lines = helpLines(path);
    ListBox& help = s.listBox(6);
    // Lines of a longer rules file shown before are cleared.
    for (int n = 1; n <= HelpLinesKept; ++n)
        help.entries[static_cast<std::size_t>(n)] = n <= static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(n - 1)] : "";
    // The help screen opens on the first line and scrolls down to the last.
    help.count = std::min(static_cast<int>(lines.size()), HelpLinesKept);
    help.firstShown = 0;
}

}  // namespace glossamo
