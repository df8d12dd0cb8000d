#include "stats/statistics.hpp"

#include <algorithm>
#include <charconv>

#include "families/registry.hpp"
#include "games/word_lists.hpp"
#include "play/catalogue.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"

namespace glossamo {

namespace {

int count(const IniFile& file, const std::string& section, const char* key) {
    return std::max(0, file.integer(section, key, 0));
}

// "12,40,7": the numbers of a list, skipping anything that is not one.
std::vector<int> numbers(const std::string& text) {
    std::vector<int> out;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find(',', at), text.size());
        int n = 0;
        const auto [ptr, error] = std::from_chars(text.data() + at, text.data() + end, n);
        if (error == std::errc{} && ptr == text.data() + end && n >= 0) out.push_back(n);
        at = end + 1;
    }
    return out;
}

std::string joined(const int* first, const int* last) {
    std::string out;
    for (const int* n = first; n != last; ++n) {
        if (n != first) out += ',';
        out += std::to_string(*n);
    }
    return out;
}

}  // namespace

bool keepsTries(int gameId) {
    const GameRules* rules = rulesOf(gameId);
    return rules && rules->triesMade;
}

bool keepsMisses(int gameId) {
    const GameRules* rules = rulesOf(gameId);
    return rules && rules->misses;
}

SystemPath statisticsPath(const ProgramState& s) { return s.userDir + "CFG/statistiques.ini"; }

std::string levelSection(int gameId) { return "NIVEAU " + std::to_string(gameId); }

std::string playedLevelSection(const ProgramState& s, int gameId) {
    const GameEntry entry = gameEntry(gameId);
    const bool ofTheList = entry.run && entry.run->wordList == wordlists::PlayerList && !s.ownList.name.empty();
    return ofTheList ? levelSection(gameId) + " " + s.ownList.name : levelSection(gameId);
}
std::string familySection(int family) { return "FAMILLE " + std::to_string(family); }

PlayStats readPlayStats(const IniFile& file, const std::string& section) {
    PlayStats p;
    p.played = count(file, section, "Parties");
    p.won = count(file, section, "Gagnees");
    p.lost = count(file, section, "Perdues");
    p.left = count(file, section, "Quittees");
    p.wonWithHints = count(file, section, "AvecIndices");
    p.hintsTaken = count(file, section, "Indices");
    p.checksTaken = count(file, section, "Verifications");
    p.totalWinSeconds = count(file, section, "TempsTotal");
    p.bestSeconds = count(file, section, "MeilleurTemps");
    p.run = count(file, section, "Serie");
    p.bestRun = count(file, section, "MeilleureSerie");
    p.lastTimes = numbers(file.value(section, "Temps", ""));
    if (p.lastTimes.size() > KeptSolveTimes)
        p.lastTimes.erase(p.lastTimes.begin(), p.lastTimes.end() - KeptSolveTimes);
    const std::vector<int> tries = numbers(file.value(section, "Essais", ""));
    for (std::size_t n = 1; n <= MotuceTryCount && n <= tries.size(); ++n) p.tries[n] = tries[n - 1];
    p.misses = count(file, section, "Erreurs");
    p.missGames = count(file, section, "PartiesErreurs");
    return p;
}

void writePlayStats(IniFile& file, const std::string& section, const PlayStats& p) {
    file.set(section, "Parties", std::to_string(p.played));
    file.set(section, "Gagnees", std::to_string(p.won));
    file.set(section, "Perdues", std::to_string(p.lost));
    file.set(section, "Quittees", std::to_string(p.left));
    file.set(section, "AvecIndices", std::to_string(p.wonWithHints));
    file.set(section, "Indices", std::to_string(p.hintsTaken));
    file.set(section, "Verifications", std::to_string(p.checksTaken));
    file.set(section, "TempsTotal", std::to_string(p.totalWinSeconds));
    file.set(section, "MeilleurTemps", std::to_string(p.bestSeconds));
    file.set(section, "Serie", std::to_string(p.run));
    file.set(section, "MeilleureSerie", std::to_string(p.bestRun));
    file.set(section, "Temps", joined(p.lastTimes.data(), p.lastTimes.data() + p.lastTimes.size()));
    file.set(section, "Essais", joined(p.tries.data() + 1, p.tries.data() + p.tries.size()));
    file.set(section, "Erreurs", std::to_string(p.misses));
    file.set(section, "PartiesErreurs", std::to_string(p.missGames));
}

void countOutcome(PlayStats& p, const GameOutcome& o) {
    ++p.played;
    p.hintsTaken += std::max(0, o.hints);
    p.checksTaken += std::max(0, o.checks);
    if (o.kind == Outcome::Won) {
        ++p.won;
        if (o.hints > 0) ++p.wonWithHints;
        p.totalWinSeconds += std::max(0, o.seconds);
        if (p.bestSeconds == 0 || o.seconds < p.bestSeconds) p.bestSeconds = std::max(1, o.seconds);
        p.bestRun = std::max(p.bestRun, ++p.run);
        p.lastTimes.push_back(std::max(0, o.seconds));
        if (p.lastTimes.size() > KeptSolveTimes) p.lastTimes.erase(p.lastTimes.begin());
        if (keepsTries(o.gameId) && o.tries >= 1 && o.tries <= MotuceTryCount)
            ++p.tries[static_cast<std::size_t>(o.tries)];
    } else {
        ++(o.kind == Outcome::Lost ? p.lost : p.left);
        p.run = 0;
    }
    if (keepsMisses(o.gameId) && o.kind != Outcome::Left) {
        p.misses += std::max(0, o.misses);
        ++p.missGames;
    }
}

bool recordOutcome(ProgramState& s, const GameOutcome& outcome) {
    if (!s.app.userFoldersPresent) return false;
    const SystemPath path = statisticsPath(s);
    IniFile file = IniFile::read(path);
    for (const std::string& section :
         {playedLevelSection(s, outcome.gameId), familySection(familyOfGame(outcome.gameId))}) {
        PlayStats stats = readPlayStats(file, section);
        countOutcome(stats, outcome);
        writePlayStats(file, section, stats);
    }
    if (file.write(path)) return true;
    debugLog(s, "Statistiques " + path + " impossibles \xE0 \xE9" "crire");
    return false;
}

bool clearStatistics(ProgramState& s) {
    if (!s.app.userFoldersPresent) return true;
    return IniFile::parse("").write(statisticsPath(s));
}

}  // namespace glossamo
