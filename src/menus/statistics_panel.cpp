// The statistics panel: a family's or a level's results, with a chart.
#include "menus/menu_panels.hpp"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/counts.hpp"
#include "base/text_encoding.hpp"
#include "platform/canvas.hpp"
#include "play/catalogue.hpp"
#include "stats/statistics.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::menus {

namespace {

// A duration of the statistics, short enough for its column: seconds are
// left out past an hour.
std::string timeText(int seconds) {
    if (seconds <= 0) return "-";
    if (seconds < 3600) return spokenDuration(seconds);
    char text[24];
    std::snprintf(text, sizeof text, "%d h %02d min", seconds / 3600, seconds / 60 % 60);
    return text;
}

// Bars from the bottom line of a chart, each `width` pixels wide, scaled to
// the largest value; a value of 0 is a flat mark, so that every bar shows.
void drawBars(ProgramState& s, int left, int bottom, int width, int height, const std::vector<int>& values) {
    Canvas& canvas = s.platform.canvas();
    const int largest = std::max(1, *std::max_element(values.begin(), values.end()));
    canvas.fillRect(Rect{left, bottom, width * static_cast<int>(values.size()), 1}, Rgb{230, 220, 190});
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int h = std::max(2, values[i] * height / largest);
        canvas.fillRect(Rect{left + static_cast<int>(i) * width + 1, bottom - h, width - 2, h}, Rgb{240, 200, 110});
    }
}

// Motuce's tries for a Motuce level or family, else the last solve times.
void statisticsChart(Pass& p, int gameId, const PlayStats& stats) {
    const int x = p.L + 30, y = p.T + 300;
    if (keepsTries(gameId)) {
        p.text(x, y, p.comment(progress::TriesChart));
        const std::vector<int> tries(stats.tries.begin() + 1, stats.tries.end());
        drawBars(p.s, x + 20, y + 74, 30, 48, tries);
        for (int n = 1; n <= MotuceTryCount; ++n) p.text(x + 20 + 30 * (n - 1) + 10, y + 76, std::to_string(n));
        return;
    }
    p.text(x, y, p.comment(progress::TimesChart));
    if (!stats.lastTimes.empty()) drawBars(p.s, x + 20, y + 84, 10, 58, stats.lastTimes);
}

}  // namespace

void statisticsScreen(Pass& p) {
    ProgramState& s = p.s;
    p.text(p.L + 190, p.T + 60, p.comment(progress::StatsTitle));
    int& family = s.statsFamily;
    int& level = s.statsLevel;
    if (p.buttonAt(p.L + 20, p.T + 80, button::ScrollUp, named::PreviousFamily)) {
        family = family <= 1 ? FamilyCount : family - 1;
        level = 0;
    }
    if (p.buttonAt(p.L + 480, p.T + 80, button::ScrollDown, named::NextFamily)) {
        family = family >= FamilyCount ? 1 : family + 1;
        level = 0;
    }
    family = std::clamp(family, 1, FamilyCount);
    const GameFamily& shown = GameFamilies()[static_cast<std::size_t>(family)];
    if (p.buttonAt(p.L + 20, p.T + 130, button::ScrollUp, named::PreviousLevel))
        level = level <= 0 ? shown.levels : level - 1;
    if (p.buttonAt(p.L + 480, p.T + 130, button::ScrollDown, named::NextLevel))
        level = level >= shown.levels ? 0 : level + 1;
    level = std::clamp(level, 0, shown.levels);
    drawTitleText(s, p.L + 80, p.T + 92, NormalInk, shown.name);
    const std::string levelName = level == 0 ? p.comment(progress::AllLevels) : gameName(s, shown.firstId + level - 1);
    p.text(p.L + 80, p.T + 146, singleBlanks(levelName));

    const int shownId = shown.firstId + std::max(0, level - 1);
    const PlayStats st = readPlayStats(s.statsFile, level == 0 ? familySection(family) : playedLevelSection(s, shownId));
    // Two columns of lines 16 apart under the level buttons, wide enough
    // for "Meilleur temps : 99 h 59 min" and "Meilleure série : 9999".
    const int x = p.L, right = p.L + 290, y = p.T + 182;
    if (st.played == 0) {
        p.text(x + 30, y, p.comment(progress::NothingYet));
    } else {
        const auto line = [&](int column, int row, int label, const std::string& value) {
            p.text(column, y + 16 * row, p.comment(label) + " " + value);
        };
        line(x, 0, progress::Played, std::to_string(st.played));
        line(right, 0, progress::WinRate, std::to_string(st.winRate()) + " %");
        line(x, 1, progress::Won, std::to_string(st.won));
        line(right, 1, progress::WithHints, std::to_string(st.wonWithHints));
        line(x, 2, progress::Lost, std::to_string(st.lost));
        line(right, 2, progress::Left, std::to_string(st.left));
        line(x, 3, progress::Run, std::to_string(st.run));
        line(right, 3, progress::BestRun, std::to_string(st.bestRun));
        line(x, 4, progress::BestTime, timeText(st.bestSeconds));
        line(right, 4, progress::HintsTaken, std::to_string(st.hintsTaken));
        line(x, 5, progress::MeanTime, timeText(st.meanSeconds()));
        line(right, 5, progress::ChecksTaken, std::to_string(st.checksTaken));
        if (st.missGames > 0) {
            const int tenths = (10 * st.misses + st.missGames / 2) / st.missGames;
            line(x, 6, progress::MeanMisses, std::to_string(tenths / 10) + "," + std::to_string(tenths % 10));
        }
        statisticsChart(p, shownId, st);
    }
    if (p.buttonAt(p.R - 30, p.B - 20, button::Close, named::Close)) openScreen(s, Screen::None);
    if (p.buttonAt(p.R - 90, p.B - 20, button::Clear, named::ClearStatistics))
        askFirst(s, confirmations::ClearStatistics);
    if (p.buttonAt(p.R - 150, p.B - 20, button::Help, named::Rules))
        openPanelRules(s, StatisticsRules, screens::Statistics);
}

}  // namespace glossamo::menus
