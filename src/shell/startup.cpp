#include "shell/startup.hpp"

#include "base/file_system.hpp"
#include "games/game_reset.hpp"
#include "games/word_lists.hpp"
#include "media/asset_loading.hpp"
#include "media/sound_services.hpp"
#include "play/catalogue.hpp"
#include "profile/profile_files.hpp"
#include "profile/saved_games.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"
#include "texts/comments_and_help.hpp"

namespace glossamo {

namespace {

// The program's data folders; each missing one is written to the log.
constexpr const char* DataFolders[] = {"bin", "txt", "aide", "bitmaps", "Sons", "music"};

void resetListBoxes(ProgramState& s) {
    for (int n = 1; n <= ListBoxCount; ++n) s.listBox(n) = ListBox{};
}

void reportMissingDataFolders(ProgramState& s) {
    for (const char* folder : DataFolders) {
        const SystemPath path = s.programDir + folder;
        if (!folderExists(path)) debugLog(s, "Dossier " + path + " absent");
    }
}

}  // namespace

SystemPath dataFolderOf(const SystemPath& executableFolder) {
    const SystemPath beside = executableFolder.asFolder();
    if (folderExists(beside + "bin")) return beside;
    const SystemPath shared = beside + "../share/games/glossamo/";
    if (folderExists(shared + "bin")) return shared;
    return beside;
}

void FormCreate(ProgramState& s, const SystemPath& programDir) {
    s.programDir = programDir.asFolder();
    if (!s.platform.audioAvailable()) debugLog(s, "Pas de son: " + s.platform.audioError());
}

void initialisation(ProgramState& s) {
    AppState& a = s.app;
    s.endSoundPlayed = 0;
    a.panelX = 800;
    a.panelY = 80;
    for (int n = 1; n <= CheckBoxCount; ++n) s.checkBox(n) = CheckBox{0, 0, 1};
    s.gameWordList.clear();
    a.gameWon = 0;
    a.gameLost = 0;
    s.travel.mapShown = 0;
    s.travel.underWay = 0;
    debugLog(s, "initialisation des variable...");
    reportMissingDataFolders(s);

    a.titleShowing = 1;
    a.endTick = 0;
    s.firstActivationDone = 0;
    a.gameTitle.clear();
    a.screen = screens::Families;
    loadBackground(s, backgrounds::Menus);

    ChargeCommentaires(s);
    Chargepays(s);
    Premierlancement(s);

    resetListBoxes(s);
    for (std::string& file : s.helpFiles) file.clear();
    s.helpFiles[0] = "aide.txt";
    s.listBox(1).width = 175;
    s.listBox(5).width = 500;
    s.listBox(6).width = 500;
    s.listBox(3).width = 300;

    ChargeFavoris(s);
    leaveGame(s);
    buildCatalogue(s);
    fillBackgroundList(s);
    // The player's background and the panel are decoded now, once, so that
    // the first game start only copies them instead of decoding in a frame.
    loadBackground(s, a.backgroundIndex);
    fillSavedGameList(s);
    loadCardBack(s, a.cardBackIndex);
    s.travel.mapShown = 0;
    // Reading the music's sound font takes longer than the rest of the
    // start-up: the music starts once the first frame is on screen.
    s.musicAwaited = 1;
    fillHeadList(s);
    ChargeAide(s, 0);
    // The English list is read first and kept ready behind the dictionary,
    // so that starting an English game does not read a file within a frame.
    LoadWordList(s, wordlists::English);
    LoadWordList(s, wordlists::French);
    LoadAcceptedWords(s);
}

void FormActivate(ProgramState& s) {
    if (s.firstActivationDone == 0) {
        loadInterface(s);
        s.firstActivationDone = 1;
    }
    Lancejeu(s);
}

void Lancejeu(ProgramState& s) {
    s.app.titleTick = s.now();
    s.platform.setFrameTimerEnabled(true);
    resumeQuickExit(s);
}

// Closing the window keeps a game under way as the quick exit does: it is
// saved and comes back at the next start (a game already ended is not; the
// quick exit itself has saved it already).
void FormClose(ProgramState& s) {
    const bool underWay = (s.gameRunning() && !s.app.gameWon && !s.app.gameLost) || s.travel.underWay;
    if (underWay && !s.profileWrittenForClose) saveGame(s, true);
    Quittelejeu(s);
}

}  // namespace glossamo
