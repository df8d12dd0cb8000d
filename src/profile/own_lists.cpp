#include "profile/own_lists.hpp"

#include <algorithm>
#include <optional>

#include "base/file_system.hpp"
#include "base/text_encoding.hpp"
#include "families/cut_words/cut_words.hpp"
#include "families/hangman/hangman.hpp"
#include "families/motuce/motuce.hpp"
#include "families/registry.hpp"
#include "games/word_lists.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"

namespace glossamo {

namespace {

constexpr const char* ListFilter = "Liste de mots (*.txt)|*.TXT|Tous les fichiers|*";
constexpr const char* ListEnding = ".txt";
constexpr int LastSuffix = 99;
// Cut words cut six-letter words into halves of three.
constexpr int CutWordLength = 6;

SystemPath listPath(const ProgramState& s, const std::string& name) { return ownListFolder(s) + name + ListEnding; }

// The stem of a file's name, without its folders and its ending.
std::string fileStem(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    std::string stem = path.substr(slash == std::string::npos ? 0 : slash + 1);
    const std::size_t dot = stem.find_last_of('.');
    if (dot != std::string::npos && dot > 0) stem.erase(dot);
    return stem;
}

std::string freeListName(const ProgramState& s, const std::string& base) {
    for (int n = 1; n < LastSuffix; ++n) {
        const std::string name = n == 1 ? base : listName(base + " " + std::to_string(n));
        if (!fileExists(listPath(s, name))) return name;
    }
    return {};
}

std::string listText(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += word + "\n";
    return text;
}

// The words of a kept file, read as an imported one is: a file the player
// edited by hand gives only words a game can hide.
std::optional<std::vector<std::string>> readKeptList(const ProgramState& s, const std::string& name) {
    const std::optional<std::string> bytes = readWholeFile(listPath(s, name));
    if (!bytes) return std::nullopt;
    WordFileReading reading = readWordFile(*bytes, [](std::string_view) { return true; });
    return std::move(reading.known);
}

}  // namespace

SystemPath ownListFolder(const ProgramState& s) { return s.userDir + "LISTES/"; }

std::vector<std::string> ownListNames(const ProgramState& s) {
    std::vector<std::string> names;
    for (const std::string& file : listFolder(ownListFolder(s), "*.txt"))
        names.push_back(file.substr(0, file.size() - std::string_view(ListEnding).size()));
    return names;
}

std::string listName(std::string_view text) {
    std::string name;
    for (const char c : upperAscii(FoldAccents(text))) {
        const bool kept = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ';
        if (!kept) continue;
        if (c == ' ' && (name.empty() || name.back() == ' ')) continue;
        if (name.size() < ListNameLimit) name += c;
    }
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

bool chooseListFile(ProgramState& s) {
    const SystemPath documents = documentsFolder();
    const std::optional<std::string> chosen =
        s.platform.choosePicture("Liste de mots :", ListFilter, documents.empty() ? "" : documents.asFolder().bytes());
    if (!chosen) return false;
    readListFile(s, SystemPath::fromSystem(*chosen));
    return true;
}

void readListFile(ProgramState& s, const SystemPath& path) {
    const std::optional<std::string> bytes = readWholeFile(path);
    s.listImport = bytes ? readWordFile(*bytes, [&](std::string_view word) {
        return s.acceptedWords.contains(word) || ListWordExists(s, wordlists::French, word);
    })
                         : WordFileReading{};
    s.listImportName = listName(utf8ToLatin1(fileStem(path.bytes())));
    if (s.listImportName.empty()) s.listImportName = "LISTE";
}

bool keepImportedList(ProgramState& s, bool withUnknownWords) {
    std::vector<std::string> words = s.listImport.known;
    if (withUnknownWords) words.insert(words.end(), s.listImport.unknown.begin(), s.listImport.unknown.end());
    if (words.empty() || !createFolders(ownListFolder(s))) return false;
    const std::string name = freeListName(s, s.listImportName);
    if (name.empty()) return false;  // ninety-nine lists of that name already
    if (!writeFileAtomically(listPath(s, name), listText(words))) {
        debugLog(s, "Liste " + listPath(s, name) + " impossible \xE0 \xE9" "crire");
        return false;
    }
    s.listImport = {};
    s.ownList = {name, std::move(words)};
    return true;
}

bool chooseOwnList(ProgramState& s, const std::string& name) {
    std::optional<std::vector<std::string>> words = readKeptList(s, name);
    if (!words) return false;
    s.ownList = {name, std::move(*words)};
    return true;
}

bool renameOwnList(ProgramState& s, const std::string& name, const std::string& newName) {
    const std::string wanted = listName(newName);
    if (wanted.empty() || wanted == name) return false;
    if (!renameWithoutReplacing(listPath(s, name), listPath(s, wanted))) return false;
    if (s.ownList.name == name) s.ownList.name = wanted;
    return true;
}

bool deleteOwnList(ProgramState& s, const std::string& name) {
    if (!deleteFile(listPath(s, name))) return false;
    if (s.ownList.name == name) s.ownList = {};
    return true;
}

int wordsBetween(const OwnList& list, int shortest, int longest) {
    return static_cast<int>(std::count_if(list.words.begin(), list.words.end(), [&](const std::string& word) {
        const int length = static_cast<int>(playedForm(word).size());
        return length >= shortest && length <= longest;
    }));
}

bool ownListPlays(const OwnList& list, int id) {
    const GameEntry entry = gameEntry(id);
    if (!entry.run || entry.run->wordList != wordlists::PlayerList) return false;
    if (entry.rules() == &CutWordsRules) return wordsBetween(list, CutWordLength, CutWordLength) >= entry.parameter();
    if (entry.rules() == &MotuceRules) return wordsBetween(list, MotuceListShortest, LongestListWord) >= FewestListWords;
    return wordsBetween(list, ShortestListWord, LongestListWord) >= FewestListWords;
}

}  // namespace glossamo
