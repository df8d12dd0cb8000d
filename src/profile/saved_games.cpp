#include "profile/saved_games.hpp"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "base/file_system.hpp"
#include "base/text_encoding.hpp"
#include "games/game_reset.hpp"
#include "media/asset_loading.hpp"
#include "play/game_start.hpp"
#include "profile/save_blocks.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"
#include "texts/comments_and_help.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr int SavedList = 9;
constexpr const char* QuickExitName = "Sortie rapide";
// The name earlier versions gave the quick-exit save: such a save left on
// a player's disk is still resumed.
constexpr const char* OlderQuickExitName = "Boss";
constexpr int Saved = 61, Loaded = 62, SaveFailed = 63, TravelUnderWay = 60, SaveDamaged = 98;
// A Latin-1 name of at most this many characters stays a valid file name
// (255 bytes) once written in UTF-8 with its extension and a temporary
// ending (".tmp." and six characters).
constexpr std::size_t NameLimit = 120;

SystemPath saveFolder(const ProgramState& s) { return s.userDir + "SAVE/"; }

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The name of the file of the folder named `fileName` without regard to
// case, if any.
std::optional<std::string> findFile(const SystemPath& folder, const std::string& fileName) {
    if (fileExists(folder + fileName)) return fileName;
    for (const std::string& name : listFolder(folder, "*"))
        if (lower(name) == lower(fileName)) return name;
    return std::nullopt;
}

std::string twoDigits(int v) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", v);
    return text;
}

// The player's name, the date and time, the travel note and the game's
// title, with every '/' and ':' made a '-'.
std::string saveName(const ProgramState& s) {
    const LocalTime t = s.platform.localTime();
    const std::string date = twoDigits(t.day) + "/" + twoDigits(t.month) + "/" + std::to_string(t.year);
    const std::string time = twoDigits(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
    std::string name = s.app.playerName.str() + " " + date + " " + time + " ";
    if (s.travel.mapShown || s.travel.underWay) name += s.app.comments[TravelUnderWay].str() + " ";
    name += singleBlanks(s.app.gameTitle.str());
    std::replace(name.begin(), name.end(), '/', '-');
    std::replace(name.begin(), name.end(), ':', '-');
    return name.substr(0, NameLimit);
}

std::string savedRecords(const ProgramState& s) {
    BlockWriter w;
    writeRecord(w, s.game);
    writeRecord(w, s.app);
    writeRecord(w, s.travel);
    writeRecord(w, s.clock);
    return w.bytes();
}

std::string wordListText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// The hints and checks the game has taken, beside its records: the third
// file of a save. Saves made before it have none, and count from zero. A
// puzzle of the daily challenge has its slot and date there too, so that
// its end still counts for its day.
constexpr const char* AidsSection = "AIDES";
constexpr const char* ChallengeSection = "DEFI";
// A game of the player's own list carries the list's name and words: it
// loads and plays on after the list is renamed, changed or deleted.
constexpr const char* ListSection = "LISTE";

// The words of the list in the store, for a game of the player's own list.
std::string playerListWords(const ProgramState& s) {
    std::string words;
    for (int length = 1; length <= MaxWordLength; ++length)
        for (const std::string& word : s.words.wordsOfLength(length)) words += (words.empty() ? "" : " ") + word;
    return words;
}

std::vector<std::string> splitWords(const std::string& text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        if (end > start) words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

std::string aidsText(const ProgramState& s) {
    const GameWatch& w = s.watch;
    IniFile aids = IniFile::parse("");
    aids.set(AidsSection, "Indices", std::to_string(w.hints));
    aids.set(AidsSection, "Verifications", std::to_string(w.checks));
    if (w.challengeSlot != 0) {
        aids.set(ChallengeSection, "Jeu", std::to_string(w.challengeSlot));
        aids.set(ChallengeSection, "Date", std::to_string(w.challengeDate));
        if (w.challengeLate != 0) aids.set(ChallengeSection, "Retard", "1");
    }
    if (s.playerListInStore != 0 && s.game.gameId != 0) {
        aids.set(ListSection, "Nom", s.ownList.name);
        aids.set(ListSection, "Mots", playerListWords(s));
    }
    return aids.text();
}

// The list a saved game of the player's own list plays; nothing for any
// other game.
std::optional<OwnList> savedList(const IniFile& aids) {
    std::vector<std::string> words = splitWords(aids.value(ListSection, "Mots", ""));
    if (words.empty()) return std::nullopt;
    return OwnList{aids.value(ListSection, "Nom", ""), std::move(words)};
}

CarriedAids readAids(const IniFile& aids) {
    const auto count = [&](const char* key) {
        return static_cast<std::uint32_t>(std::clamp(aids.integer(AidsSection, key, 0), 0, 100000));
    };
    CarriedAids carried{count("Indices"), count("Verifications")};
    const int slot = aids.integer(ChallengeSection, "Jeu", 0);
    const int date = aids.integer(ChallengeSection, "Date", 0);
    // A slot the challenge does not have is refused where results are kept.
    if (slot >= 1 && slot <= 255 && date > 0) {
        carried.challengeSlot = static_cast<std::uint8_t>(slot);
        carried.challengeDate = static_cast<std::uint32_t>(date);
        carried.challengeLate = aids.integer(ChallengeSection, "Retard", 0) == 1 ? 1 : 0;
    }
    return carried;
}

// The four records of a saved-game file, read aside: nothing of the running
// program changes unless the whole file is sound.
struct SavedRecords {
    GameRecord game;
    AppState app;
    TravelState travel;
    PlayClock clock;
};

std::unique_ptr<SavedRecords> readSavedRecords(const std::string& bytes, std::string& why) {
    if (bytes.size() != savedGameSize()) {
        why = std::to_string(bytes.size()) + " octets au lieu de " + std::to_string(savedGameSize());
        return nullptr;
    }
    auto records = std::make_unique<SavedRecords>();
    BlockReader r(bytes);
    readRecord(r, records->game);
    readRecord(r, records->app);
    readRecord(r, records->travel);
    readRecord(r, records->clock);
    if (!r.ok() || !r.atEnd()) {
        why = "valeur hors limites vers l'octet " + std::to_string(r.position());
        return nullptr;
    }
    return records;
}

// The pair of a refused save, renamed with the ending ".abimee" (then
// ".abimee2", ".abimee3"... when kept ones already hold the name) so that
// it is no longer listed but never lost; both files get the same ending.
void keepRefusedSave(ProgramState& s, const std::string& records) {
    const SystemPath folder = saveFolder(s);
    const std::string name = records.substr(0, records.size() - 4);
    const std::optional<std::string> words = findFile(folder, name + ".sa2");
    for (int n = 1; n <= 999; ++n) {
        const std::string ending = n == 1 ? ".abimee" : ".abimee" + std::to_string(n);
        if (words && fileExists(folder + *words + ending)) continue;
        if (!renameWithoutReplacing(folder + records, folder + records + ending)) {
            if (fileExists(folder + records + ending)) continue;
            break;
        }
        const bool wordsKept = words && renameWithoutReplacing(folder + *words, folder + *words + ending);
        debugLog(s, "Sauvegarde refus\xE9" "e gard\xE9" "e sous " + folder + records + ending +
                        (wordsKept ? " et " + *words + ending : ""));
        return;
    }
    debugLog(s, "Sauvegarde refus\xE9" "e laiss\xE9" "e en place : " + folder + records);
}

// Takes the entries of that name out of the saved-games list.
void unlistSave(ProgramState& s, const std::string& name) {
    ListBox& list = s.listBox(SavedList);
    for (int i = listCount(s, SavedList); i >= 1; --i)
        if (lower(list.entries[static_cast<std::size_t>(i)]) == lower(name)) listDelete(s, SavedList, i);
    list.selected = -1;
}

}  // namespace

void fillSavedGameList(ProgramState& s) {
    ListBox& list = s.listBox(SavedList);
    list.rowsShown = 8;
    list.width = 480;
    listClear(s, SavedList);
    debugLog(s, "Dossier des sauvegardes : " + saveFolder(s));
    for (const std::string& file : listFolder(saveFolder(s), "*.sa1")) listAdd(s, SavedList, file.substr(0, file.size() - 4));
}

bool saveGame(ProgramState& s, bool quickExit) {
    if (s.flight.active) return false;
    const std::string name = saveName(s);
    const SystemPath base = saveFolder(s) + (quickExit ? QuickExitName : name) + ".sa";
    // The three files are written before any replaces its older self, the
    // records last: a save is listed by its records, which thus never appear
    // without the words and the count of hints that go with them.
    const bool written = writeFilesAtomically(
        {{base + "2", wordListText(s.gameWordList)}, {base + "3", aidsText(s)}, {base + "1", savedRecords(s)}});
    if (written) {
        listAdd(s, SavedList, name);
        s.watch.saved = 1;
    }
    debugLog(s, (written ? "Sauvegarde " : "Sauvegarde impossible ") + base);
    showPopup(s, 2, 520, s.app.comments[written ? Saved : SaveFailed].view());
    return written;
}

namespace {

// A loaded game brings back the game, never who plays nor their settings
// (another player may have saved it), nor the texts and the folders this
// run read from its own files.
AppState withThePlayerOfToday(const AppState& saved, const AppState& today) {
    AppState app = saved;
    app.playerName = today.playerName;
    app.backgroundIndex = today.backgroundIndex;
    app.cardBackIndex = today.cardBackIndex;
    app.importMode = today.importMode;
    app.userFoldersPresent = today.userFoldersPresent;
    app.comments = today.comments;
    return app;
}

}  // namespace

bool loadGame(ProgramState& s, const std::string& name) {
    if (s.flight.active) return false;
    const SystemPath folder = saveFolder(s);
    const std::optional<std::string> records = findFile(folder, name + ".sa1");
    if (!records) {
        // The running game is left, and fully: without its title the menus
        // come back instead of an endless "building" screen.
        debugLog(s, "Sauvegarde " + folder + name + ".sa1 absente");
        s.app.gameTitle.clear();
        leaveGame(s);
        resetGameRecord(s);
        return false;
    }
    std::string why = "illisible";
    const std::optional<std::string> bytes = readWholeFile(folder + *records);
    const std::unique_ptr<SavedRecords> saved = bytes ? readSavedRecords(*bytes, why) : nullptr;
    if (!saved) {
        // A damaged file changes nothing: the running game goes on, and the
        // file is kept aside, out of the list, in case it can be mended.
        debugLog(s, "Sauvegarde " + folder + *records + " refus\xE9" "e : " + why);
        keepRefusedSave(s, *records);
        unlistSave(s, name);
        showPopup(s, 2, 520, s.app.comments[SaveDamaged].view());
        return false;
    }
    leaveGame(s);
    resetGameRecord(s);
    debugLog(s, "chargement de sauvegarde : " + folder + name + ".sa");
    s.game = saved->game;
    s.app = withThePlayerOfToday(saved->app, s.app);
    s.travel = saved->travel;
    s.clock = saved->clock;
    // The click that saved the game was still pending in the saved record;
    // it must not act again on the loaded screen.
    s.app.clickPending = 0;
    s.app.listScrolling = 0;
    if (const std::optional<std::string> words = findFile(folder, name + ".sa2")) {
        if (auto lines = readTextLines(folder + *words)) s.gameWordList = std::move(*lines);
    }
    if (const std::optional<std::string> found = findFile(folder, name + ".sa3")) {
        const IniFile aids = IniFile::read(folder + *found);
        s.carriedAids = readAids(aids);
        if (std::optional<OwnList> list = savedList(aids)) s.ownList = std::move(*list);
    }
    if (s.game.gameId != 0) {
        loadWordListFor(s, static_cast<int>(s.game.gameId));
        ChargeAide(s, static_cast<int>(s.game.gameId));
    }
    showPopup(s, 2, 520, s.app.comments[Loaded].view());
    loadBackground(s, s.travel.mapShown ? backgrounds::TravelMap : s.app.backgroundIndex);
    return true;
}

void resumeQuickExit(ProgramState& s) {
    const SystemPath folder = saveFolder(s);
    for (const std::string name : {QuickExitName, OlderQuickExitName}) {
        const std::optional<std::string> records = findFile(folder, name + ".sa1");
        if (!records) continue;
        // Resumed once: the pair is gone afterwards. A refused pair has been
        // kept aside by loadGame instead.
        if (!loadGame(s, lower(name))) return;
        deleteFile(folder + *records);
        for (const char* ending : {".sa2", ".sa3"})
            if (const std::optional<std::string> other = findFile(folder, name + ending)) deleteFile(folder + *other);
        // Listed at start-up, the pair is gone now: its row goes with it.
        unlistSave(s, name);
        return;
    }
}

}  // namespace glossamo
