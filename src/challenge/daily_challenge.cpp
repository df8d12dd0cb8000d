#include "challenge/daily_challenge.hpp"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string_view>

#include "base/digest.hpp"
#include "base/file_system.hpp"
#include "base/text_encoding.hpp"
#include "families/coded_words/coded_words.hpp"
#include "families/hangman/hangman.hpp"
#include "families/motuce/motuce.hpp"
#include "families/registry.hpp"
#include "play/game_start.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"

namespace glossamo {

namespace {

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian).
std::int64_t daysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = static_cast<int>(y - era * 400);
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

LocalTime civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = static_cast<int>(z - era * 146097);
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    LocalTime t;
    t.day = doy - (153 * mp + 2) / 5 + 1;
    t.month = mp < 10 ? mp + 3 : mp - 9;
    t.year = static_cast<int>(yoe + era * 400) + (t.month <= 2 ? 1 : 0);
    return t;
}

std::string sectionOf(std::uint32_t date) { return "DEFI " + std::to_string(date); }
std::string keyOf(int slot) { return "Jeu" + std::to_string(slot + 1); }
// A result played after its day: a key that readers of in-time results skip.
std::string lateKeyOf(int slot) { return "Tard" + std::to_string(slot + 1); }

// "G,372,4,0": won (G) or not (P), seconds, tries, misses.
std::string resultText(const ChallengeResult& r) {
    return std::string(r.won ? "G" : "P") + "," + std::to_string(r.seconds) + "," + std::to_string(r.tries) + "," +
           std::to_string(r.misses);
}

bool number(std::string_view text, int& out) {
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc{} && ptr == text.data() + text.size() && out >= 0;
}

ChallengeResult parsedResult(const std::string& text) {
    ChallengeResult r;
    if (text.size() < 2 || (text[0] != 'G' && text[0] != 'P') || text[1] != ',') return r;
    int values[3] = {0, 0, 0};
    std::size_t at = 2;
    for (int& v : values) {
        const std::size_t end = std::min(text.find(',', at), text.size());
        if (at > text.size() || !number(std::string_view(text).substr(at, end - at), v)) return r;
        at = end + 1;
    }
    r.played = true;
    r.won = text[0] == 'G';
    r.seconds = values[0];
    r.tries = values[1];
    r.misses = values[2];
    return r;
}

}  // namespace

std::string spokenDuration(int seconds) {
    const int h = seconds / 3600, m = seconds / 60 % 60, sec = seconds % 60;
    char text[40];
    if (h > 0)
        std::snprintf(text, sizeof text, "%d h %02d min %02d s", h, m, sec);
    else if (m > 0)
        std::snprintf(text, sizeof text, "%d min %02d s", m, sec);
    else
        std::snprintf(text, sizeof text, "%d s", sec);
    return text;
}

namespace {

constexpr const char* MonthNames[] = {"janvier", "f\xE9vrier", "mars",      "avril",   "mai",      "juin",
                                      "juillet", "ao\xFBt",    "septembre", "octobre", "novembre", "d\351cembre"};

}  // namespace

const std::array<ChallengePuzzle, ChallengePuzzles>& challengePuzzles() {
    static const std::array<ChallengePuzzle, ChallengePuzzles> puzzles = {{
        {firstGameOf(MotuceRules, 7), "Motuce", "Motuce de 7 lettres", "DicoFrancais.txt"},
        {firstGameOf(CodedWordsRules, 10), "Mots cod\xE9s", "Mots cod\xE9s 10 x 10", "grilles.txt"},
        {firstGameOf(ProverbHangmanRules, FrenchProverbs), "Proverbe", "Proverbe au pendu", "pfrancais.txt"},
    }};
    return puzzles;
}

std::uint32_t dateNumber(const LocalTime& t) {
    return static_cast<std::uint32_t>(t.year * 10000 + t.month * 100 + t.day);
}

LocalTime dateOf(std::uint32_t date) {
    LocalTime t;
    t.year = static_cast<int>(date / 10000);
    t.month = static_cast<int>(date / 100 % 100);
    t.day = static_cast<int>(date % 100);
    return t;
}

std::uint32_t dayBefore(std::uint32_t date) {
    const LocalTime t = dateOf(date);
    return dateNumber(civilFromDays(daysFromCivil(t.year, t.month, t.day) - 1));
}

std::uint32_t dayAfter(std::uint32_t date) {
    const LocalTime t = dateOf(date);
    return dateNumber(civilFromDays(daysFromCivil(t.year, t.month, t.day) + 1));
}

std::uint64_t challengeListsDigest(const ProgramState& s) {
    std::uint64_t hash = DigestStart;
    for (const ChallengePuzzle& puzzle : challengePuzzles())
        hash = digestOf(hash, readWholeFile(s.programDir + "bin/" + puzzle.listFile).value_or(""));
    return digestOf(hash, readWholeFile(s.programDir + "bin/DicoFrancaisAdmis.txt").value_or(""));
}

std::uint64_t challengeSeed(std::uint32_t date, int slot, std::uint64_t digest) {
    const std::string key = std::to_string(date) + "/" + std::to_string(slot) + "/" + std::to_string(digest);
    const std::uint64_t seed = digestOf(DigestStart, key);
    return seed != 0 ? seed : 1;
}

void startChallengePuzzle(ProgramState& s, int slot, std::uint32_t date) {
    if (slot < 0 || slot >= ChallengePuzzles) return;
    const std::uint32_t today = dateNumber(s.platform.localTime());
    if (date == 0 || date > today) date = today;
    startGame(s, challengePuzzles()[static_cast<std::size_t>(slot)].gameId);
    s.pendingChallenge = {static_cast<std::uint8_t>(slot + 1), date, challengeSeed(date, slot, challengeListsDigest(s)),
                          static_cast<std::uint8_t>(date < today ? 1 : 0)};
}

int wonCount(const ChallengeDay& day) {
    int n = 0;
    for (const ChallengeResult& r : day) n += r.won ? 1 : 0;
    return n;
}

SystemPath challengePath(const ProgramState& s) { return s.userDir + "CFG/defis.ini"; }

ChallengeDay challengeDay(const IniFile& file, std::uint32_t date) {
    ChallengeDay day;
    for (int slot = 0; slot < ChallengePuzzles; ++slot) {
        ChallengeResult& r = day[static_cast<std::size_t>(slot)];
        r = parsedResult(file.value(sectionOf(date), keyOf(slot), ""));
        if (r.played) continue;
        r = parsedResult(file.value(sectionOf(date), lateKeyOf(slot), ""));
        r.late = r.played;
    }
    return day;
}

bool keepChallengeResult(ProgramState& s, std::uint32_t date, int slot, const ChallengeResult& result) {
    if (!s.app.userFoldersPresent || slot < 0 || slot >= ChallengePuzzles) return false;
    const SystemPath path = challengePath(s);
    IniFile file = IniFile::read(path);
    if (challengeDay(file, date)[static_cast<std::size_t>(slot)].played) return false;
    file.set(sectionOf(date), result.late ? lateKeyOf(slot) : keyOf(slot), resultText(result));
    if (file.write(path)) return true;
    debugLog(s, "D\xE9" "fis " + path + " impossibles \xE0 \xE9" "crire");
    return false;
}

namespace {

bool wonInTime(const IniFile& file, std::uint32_t date) {
    const ChallengeDay day = challengeDay(file, date);
    return std::all_of(day.begin(), day.end(), [](const ChallengeResult& r) { return r.won && !r.late; });
}

}  // namespace

int challengeRun(const IniFile& file, std::uint32_t today) {
    int run = 0;
    std::uint32_t date = today;
    if (!wonInTime(file, date)) date = dayBefore(date);
    // Bounded: a file of ten years of challenges is read to its start.
    for (int n = 0; n < 3700 && wonInTime(file, date); ++n) {
        ++run;
        date = dayBefore(date);
    }
    return run;
}

std::string spokenDate(std::uint32_t date) {
    const LocalTime t = dateOf(date);
    const int month = std::clamp(t.month, 1, 12);
    return (t.day == 1 ? std::string("1er") : std::to_string(t.day)) + " " + MonthNames[month - 1] + " " +
           std::to_string(t.year);
}

std::string challengeLine(std::uint32_t date, const ChallengeDay& day) {
    std::string line = "GLOSSAMO d\xE9" "fi du " + spokenDate(date) + " :";
    for (int slot = 0; slot < ChallengePuzzles; ++slot) {
        const ChallengeResult& r = day[static_cast<std::size_t>(slot)];
        line += std::string(slot == 0 ? " " : " \xB7 ") + challengePuzzles()[static_cast<std::size_t>(slot)].shortName + " ";
        if (!r.played)
            line += "\xE0 jouer";
        else if (!r.won)
            line += slot == 1 ? "perdus" : "perdu";
        else if (slot == 0)
            line += std::to_string(r.tries) + "/" + std::to_string(MotuceTries);
        else if (slot == 1)
            line += spokenDuration(r.seconds);
        else
            line += std::to_string(r.misses) + (r.misses > 1 ? " erreurs" : " erreur");
    }
    return latin1ToUtf8(line);
}

}  // namespace glossamo
