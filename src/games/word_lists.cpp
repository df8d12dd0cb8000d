#include "games/word_lists.hpp"

#include <string>
#include <vector>

#include "base/file_system.hpp"

#include "state/debug_log.hpp"
#include "state/program_state.hpp"

namespace glossamo {

const char* wordListFile(int listId) {
    switch (listId) {
        case wordlists::French: return "bin/DicoFrancais.txt";
        case wordlists::English: return "bin/DicoAnglais.txt";
        case wordlists::Flowers: return "bin/fleurs.txt";
        case wordlists::Trees: return "bin/Arbres.txt";
        case wordlists::Animals: return "bin/animaux.txt";
        case wordlists::Countries: return "bin/pays.txt";
        default: return "";
    }
}

void LoadWordList(ProgramState& s, int listId) {
    s.playerListInStore = listId == wordlists::PlayerList ? 1 : 0;
    if (listId == wordlists::PlayerList) {
        s.words.loadPlayerList(s.ownList.words);
        return;
    }
    const SystemPath path = s.programDir + wordListFile(listId);
    switch (s.words.load(path)) {
        case WordStore::LoadResult::Loaded:
            break;
        case WordStore::LoadResult::Missing:
            debugLog(s, "Liste de mots " + path + " absente");
            break;
        case WordStore::LoadResult::LineTooLong:
            s.platform.beep();
            s.platform.beep();
            s.platform.closeMainWindow();
            break;
        case WordStore::LoadResult::TooManyWords:
            s.platform.beep();
            s.platform.closeMainWindow();
            break;
    }
}

void LoadEasyWords(ProgramState& s) {
    if (s.easyWordsRead) return;
    s.easyWordsRead = 1;
    const SystemPath path = s.programDir + EasyFrenchFile;
    const std::optional<std::vector<std::string>> lines = readTextLines(path);
    if (!lines) {
        debugLog(s, "Liste de mots " + path + " absente");
        return;
    }
    s.words.setEasyWords(s.programDir + wordListFile(wordlists::French), *lines);
}

void LoadAcceptedWords(ProgramState& s) {
    const SystemPath path = s.programDir + AcceptedFrenchFile;
    if (!s.acceptedWords.load(path)) debugLog(s, "Liste de mots " + path + " absente");
}

namespace {

bool frenchListInStore(const ProgramState& s) {
    return s.words.loadedPath() == s.programDir + wordListFile(wordlists::French);
}

}  // namespace

bool PlayerWordExists(const ProgramState& s, std::string_view word) {
    if (s.words.WordExists(word)) return true;
    return (frenchListInStore(s) || s.playerListInStore) && s.acceptedWords.contains(word);
}

bool ListWordExists(const ProgramState& s, int listId, std::string_view word) {
    return s.words.WordExistsIn(s.programDir + wordListFile(listId), word);
}

}  // namespace glossamo
