#include "media/sound_services.hpp"

#include <string>

#include "base/file_system.hpp"
#include "base/text_encoding.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"

namespace glossamo {

void playSound(ProgramState& s, int n) {
    if (s.checkBox(1).ticked == 0) return;
    if (!s.platform.playSound(n)) debugLog(s, "son impossible \xE0 jouer");
}

int chooseMusicIndex(std::size_t count, Random& rng) {
    if (count == 0) return -1;
    if (count == 1) return 0;
    return rng.below(static_cast<int>(count) - 1);
}

void lancemusique_aleatoire(ProgramState& s) {
    s.rng.seed(s.platform.clockSeed());
    const SystemPath folder = s.programDir + "music/";
    if (!folderExists(folder)) {
        debugLog(s, "Dossier " + folder + " absent: pas de musique");
        return;
    }
    const std::vector<std::string> files = listFolder(folder, "*.mid");
    const int index = chooseMusicIndex(files.size(), s.rng);
    if (index < 0) {
        debugLog(s, "Aucune musique dans " + folder);
        return;
    }
    if (!s.platform.musicPrepare()) {
        debugLog(s, "musique impossible \xE0 initialiser");
        return;
    }
    s.musicFileName = folder + files[static_cast<std::size_t>(index)];
    if (!s.platform.musicOpen(s.musicFileName.bytes())) {
        debugLog(s, "musique impossible \xE0 ouvrir");
        return;
    }
    if (!s.platform.musicRewind() || !s.platform.musicPlay()) {
        debugLog(s, "musique impossible \xE0 jouer");
        return;
    }
    if (s.checkBox(2).ticked == 0) s.platform.musicPause();
}

}  // namespace glossamo
