#include "profile/scores.hpp"

#include <algorithm>
#include <cstdio>
#include <string>

#include "state/debug_log.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr std::size_t OverlayLimit = 26;
constexpr std::size_t ScoreLineDots = 41;
constexpr std::size_t TitleKept = 19;       // a longer title is cut ...
constexpr std::size_t TitleShortened = 18;  // ... to this
constexpr int LastScoreEntry = 599;

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

std::string overlayText(std::string line, std::string_view text, int position) {
    const std::size_t shown = std::min<std::size_t>(text.size(), OverlayLimit);
    for (std::size_t k = 0; k < shown; ++k) {
        const std::size_t at = static_cast<std::size_t>(position) + k;
        if (at >= line.size()) break;
        line[at] = text[k];
    }
    return line;
}

int scoreOf(const PlayClock& c) {
    const int score = 10000 - 10000 * c.days - 10000 * c.hours - 800 * c.minutes - 8 * c.seconds;
    return score < 0 ? 1 : score;
}

void recordScore(ProgramState& s) {
    AppState& a = s.app;
    a.score = scoreOf(s.clock);
    std::string title = a.gameTitle.str();
    if (title.size() > TitleKept) title = title.substr(0, TitleShortened);
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", a.score);
    std::string line(ScoreLineDots, '.');
    line = overlayText(line, a.playerName.view(), 0);
    line = overlayText(line, title, 13);
    line = overlayText(line, s.clock.clockText.view(), 32);
    line += digits;
    showPopup(s, 2, 515, a.comments[36].str() + " " + s.clock.clockText.str() + " " + digits + " " + a.comments[38].str());
    ListBox& scores = s.listBox(5);
    for (int i = LastScoreEntry; i >= 1; --i)
        scores.entries[static_cast<std::size_t>(i)] = scores.entries[static_cast<std::size_t>(i - 1)];
    scores.entries[1] = line;
    debugLog(s, line);
}

}  // namespace glossamo
