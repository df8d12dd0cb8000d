#include "profile/scores.hpp"

#include <algorithm>
#include <cstdio>
#include <string>

#include "base/text_encoding.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr int LastScoreEntry = 599;

// The older layout: one line of 41 dots with the name at 0, the title at 13
// and the time at 32, then the points.
constexpr std::size_t OldTitleAt = 13;
constexpr std::size_t OldTimeAt = 32;
constexpr std::size_t OldPointsAt = 41;

// Columns of a score line: the points, then the time, then the title.
constexpr int PointsWidth = 5;
constexpr int TimeWidth = 8;

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string withoutTrailingDots(std::string_view text) {
    const std::size_t end = text.find_last_not_of('.');
    return std::string(end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1));
}

std::string twoDigits(int v) {
    char text[12];
    std::snprintf(text, sizeof text, "%02d", v);
    return text;
}

}  // namespace

void clockTick(ProgramState& s) {
    PlayClock& c = s.clock;
    if (++c.seconds == 60) {
        c.seconds = 0;
        if (++c.minutes == 60) {
            c.minutes = 0;
            if (++c.hours == 24) {
                c.hours = 0;
                ++c.days;
            }
        }
    }
    std::string text = twoDigits(c.minutes) + "mn " + twoDigits(c.seconds) + "s";
    if (c.hours != 0 || c.days != 0) text = twoDigits(c.hours) + "H " + text;
    if (c.days != 0) text = std::to_string(c.days) + "J " + text;
    c.clockText = text;
}

int scoreOf(const PlayClock& c) {
    const int score = 10000 - 10000 * c.days - 10000 * c.hours - 800 * c.minutes - 8 * c.seconds;
    return score < 0 ? 1 : score;
}

std::string scoreLine(int points, std::string_view time, std::string_view title) {
    char columns[32];
    std::snprintf(columns, sizeof columns, "%*d %-*.*s  ", PointsWidth, points, TimeWidth,
                  static_cast<int>(std::min<std::size_t>(time.size(), 15)), time.data());
    return columns + singleBlanks(title);
}

int pointsOf(std::string_view line) {
    if (line.size() <= static_cast<std::size_t>(PointsWidth) || line[PointsWidth] != ' ') return -1;
    const std::string_view field = line.substr(0, PointsWidth);
    const std::size_t start = field.find_first_not_of(' ');
    if (start == std::string_view::npos || !allDigits(field.substr(start))) return -1;
    return std::stoi(std::string(field.substr(start)));
}

std::string columnScoreLine(const std::string& line) {
    const bool older = pointsOf(line) < 0 && line.size() > OldPointsAt && line.size() <= OldPointsAt + 5 &&
                       allDigits(std::string_view(line).substr(OldPointsAt));
    if (!older) return line;
    const std::string_view all(line);
    return scoreLine(std::stoi(line.substr(OldPointsAt)), withoutTrailingDots(all.substr(OldTimeAt, OldPointsAt - OldTimeAt)),
                     withoutTrailingDots(all.substr(OldTitleAt, OldTimeAt - OldTitleAt)));
}

void sortScores(ProgramState& s) {
    ListBox& scores = s.listBox(5);
    const auto first = scores.entries.begin() + 1, last = scores.entries.begin() + LastScoreEntry + 1;
    std::for_each(first, last, [](std::string& line) { line = columnScoreLine(line); });
    // Empty rows stay last; lines that are no score go under the scores.
    std::stable_sort(first, last, [](const std::string& x, const std::string& y) {
        if (x.empty() != y.empty()) return y.empty();
        return pointsOf(x) > pointsOf(y);
    });
}

void recordScore(ProgramState& s) {
    AppState& a = s.app;
    a.score = scoreOf(s.clock);
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", a.score);
    const std::string line = scoreLine(a.score, s.clock.clockText.view(), a.gameTitle.view());
    showPopup(s, 2, 515, a.comments[36].str() + " " + s.clock.clockText.str() + " " + digits + " " + a.comments[38].str());
    // The new line goes above the first one it equals or beats; the list
    // stays best first and a full list drops its last line.
    ListBox& scores = s.listBox(5);
    int at = 1;
    while (at <= LastScoreEntry && !scores.entries[static_cast<std::size_t>(at)].empty() &&
           pointsOf(scores.entries[static_cast<std::size_t>(at)]) > a.score)
        ++at;
    if (at > LastScoreEntry) return;
    for (int i = LastScoreEntry; i > at; --i)
        scores.entries[static_cast<std::size_t>(i)] = scores.entries[static_cast<std::size_t>(i - 1)];
    scores.entries[static_cast<std::size_t>(at)] = line;
    debugLog(s, line);
}

}  // namespace glossamo
