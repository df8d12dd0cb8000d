#include "menus/menu_screens.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "aids/game_aids.hpp"
#include "base/counts.hpp"
#include "base/file_system.hpp"
#include "base/text_encoding.hpp"
#include "challenge/daily_challenge.hpp"
#include "games/game_reset.hpp"
#include "media/asset_loading.hpp"
#include "media/picture_import.hpp"
#include "media/sound_services.hpp"
#include "platform/canvas.hpp"
#include "play/catalogue.hpp"
#include "play/game_start.hpp"
#include "play/game_undo.hpp"
#include "printing/printing.hpp"
#include "profile/profile_files.hpp"
#include "profile/saved_games.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"
#include "stats/statistics.hpp"
#include "texts/comments_and_help.hpp"
#include "travel/travel_mode.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr std::uint32_t QuitPictureMs = 3000;
constexpr int PanelRestX = 220;
constexpr int PanelWidth = 500;
constexpr int PanelHeight = 350;
// The panel picture's inner edge, from the panel's left: small text must
// start its glyphs left of it.
constexpr int PanelTextRight = 529;
// Where the search screens write their instructions and the typed text: far
// enough left for "Vous pouvez utiliser des *" to end inside the panel, and
// right of the longest result (16 letters, as long as the typed text).
constexpr int SearchTextColumn = 265;
constexpr int HeadNotDeleted = 97;
constexpr int ProfileNotSaved = 105;
constexpr int OneStarOneLetter = 126;
// The quit panel without its door, for the other yes/no questions.
constexpr int QuestionPanel = 56;
// The score lines start far enough left for a whole title to end inside the panel.
constexpr int ScoresLeft = 75;
namespace scoreHeadings {
constexpr int Points = 132, Time = 133, Game = 134;
}

// The comments that name the buttons, shown beside a button under the pointer.
namespace named {
constexpr int Options = 70, Scores = 76, Profile = 78, ImportHead = 81, ImportBackground = 82, SavedGames = 83;
constexpr int Travel = 106, Quit = 107, QuickExit = 108, Print = 109, PlayAgain = 110, Save = 111,
              AnagramSearch = 112, PatternSearch = 113, Help = 114, GiveUp = 115, Close = 116, ScrollUp = 117,
              ScrollDown = 118, DeleteScore = 119, ClearScores = 120, DeleteSave = 121, LoadSave = 122,
              DeleteHead = 123, QuitYes = 124, QuitNo = 125, Yes = 130, No = 131;
constexpr int Statistics = 154, ClearStatistics = 155, PreviousFamily = 156, NextFamily = 157,
              PreviousLevel = 158, NextLevel = 159, Challenge = 161, CopyResult = 168, PlayPuzzle = 169, Rules = 171,
              Hint = 175, CheckLetters = 176, Undo = 177;
}  // namespace named

// The texts of the statistics and challenge panels.
namespace progress {
constexpr int StatsTitle = 137, AllLevels = 138, Played = 139, Won = 140, Lost = 141, Left = 142, WinRate = 143,
              BestTime = 144, MeanTime = 145, Run = 146, BestRun = 147, WithHints = 148, TriesChart = 149,
              MeanMisses = 150, TimesChart = 151, NothingYet = 152, ChallengeTitle = 160, ToPlay = 162,
              WonIt = 163, LostIt = 164, DaysRun = 165, LastDays = 166, Copied = 167, NotCopied = 170, Tries = 172,
              Misses = 173, NotCleared = 174, HintsTaken = 184, ChecksTaken = 185, NotPlayed = 186;
}

// The questions of the confirmation screen.
namespace asked {
constexpr int ClearScores = 127, Restart = 128, EndTravel = 129, ClearStatistics = 153;
}

// Button images.
namespace button {
constexpr int AnagramSearch = 3, PatternSearch = 5, Close = 7, ScrollDown = 9, ScrollUp = 11, Yes = 13, No = 15,
              Help = 17, PlayAgain = 19, Print = 23, Scores = 27, SavedGames = 31, Save = 33, Options = 35,
              Quit = 37, QuickExit = 39, Delete = 43, Clear = 47, GiveUp = 52, Profile = 54, Import = 57,
              Travel = 62, Statistics = 64, Challenge = 66, Copy = 68, Hint = 70, CheckLetters = 72, Undo = 74;
// The challenge's puzzles in their order: Motuce, the coded words, the proverb.
constexpr std::array<int, ChallengePuzzles> Puzzles = {76, 78, 80};
}

// What one pass of the menus shares: the pointer, the panel's edges,
// whether a check box was hit, the button under the pointer and the wheel's
// notches turned since the last pass.
struct Pass {
    ProgramState& s;
    Point pointer;
    int L, T, R, B;
    bool checkBoxHovered = false;
    std::string blink;
    int wheelNotches = 0;
    Point hoveredButton{};
    int hoveredName = 0;  // the comment naming that button; 0 when none

    bool clicked() const { return s.app.clickPending == 1; }
    std::string comment(int n) const { return s.app.comments[static_cast<std::size_t>(n)].str(); }
    void text(int x, int y, const std::string& t) const { drawSmallText(s, x, y, NormalInk, t); }
    bool onPanel() const { return pointer.x >= L && pointer.x < R && pointer.y >= T && pointer.y < B; }

    // Draws a button, highlighted under the pointer; true when clicked.
    // `name` is the comment that names the button.
    bool buttonAt(int x, int y, int image, int name) {
        const bool hit = buttonHit(s, {x, y}, pointer);
        drawButton(s, {x, y}, image, hit);
        if (hit) {
            hoveredButton = {x, y};
            hoveredName = name;
        }
        return hit && clicked();
    }

    // Places, draws and hit-tests a list box; a picked row selects its entry
    // and gives the entry's index, else -1.
    // A list of text lines counts its blank lines too, up to its last line.
    int listAt(int n, int left, int top, bool textLines = false) {
        ListBox& list = s.listBox(n);
        list.left = left;
        list.top = top;
        list.count = textLines ? lastUsedEntry(s, n) : listCount(s, n);
        // Each panel shows one list: the wheel turned over the panel scrolls it.
        if (wheelNotches != 0 && onPanel()) scrollListBy(s, n, -wheelNotches);
        drawListBox(s, n);
        const int row = listRowHit(s, pointer, n);
        if (row == 0 || !clicked()) return -1;
        playSound(s, sounds::Enter);
        list.selected = row + list.firstShown;
        return list.selected;
    }

    void scrollButtons(int n, int x, int upY, int downY) {
        if (buttonAt(x, upY, button::ScrollUp, named::ScrollUp)) scrollList(s, n, -1);
        if (buttonAt(x, downY, button::ScrollDown, named::ScrollDown)) scrollList(s, n, +1);
    }

    // The name of the button under the pointer, over everything the pass drew;
    // not while a pop-up answers a click, on the same line above the bar.
    void nameHoveredButton() const {
        if (hoveredName == 0 || s.popup.active) return;
        const std::string name = comment(hoveredName);
        if (!name.empty() && name != "Rien") drawButtonName(s, hoveredButton, name);
    }

    bool checkBoxAt(int n, int x, int y, const std::string& label) {
        CheckBox& box = s.checkBox(n);
        box.x = x;
        box.y = y;
        drawCheckBox(s, n, label);
        const bool hit = checkBoxHit(s, pointer, n);
        checkBoxHovered = checkBoxHovered || hit;
        if (!hit || !clicked()) return false;
        box.ticked = box.ticked ? 0 : 1;
        return true;
    }
};

bool hovered(Point p, int x, int y, int width) { return p.x > x - 3 && p.x < x + width && p.y > y + 3 && p.y < y + 21; }

// --- screens 1 and 2 ----------------------------------------------------------

void familyList(Pass& pass) {
    ProgramState& s = pass.s;
    const auto& families = GameFamilies();
    for (int k = 1; k <= FamilyCount; ++k) {
        const GameFamily& family = families[static_cast<std::size_t>(k)];
        const int x = k <= 15 ? 55 : 420;
        const int y = 20 * (k <= 15 ? k : k - 15) + 53;
        const std::string name = family.name;
        const bool hit = hovered(pass.pointer, x, y, 16 * static_cast<int>(name.size()));
        if (hit && pass.clicked()) {
            s.app.screen = screens::Levels;
            s.app.chosenFamily = static_cast<std::uint32_t>(family.firstId);
        }
        if (hit) {
            ChargeAide(s, family.firstId);
            s.app.cursorShape = static_cast<std::int16_t>(PointerShape::Hand);
            for (int i = 1; i <= 6; ++i) pass.text(130, 20 * i + 363, s.listBox(6).entries[static_cast<std::size_t>(i)]);
        }
        drawTitleText(s, x, y, hit ? HighlightInk : NormalInk, name.substr(0, 20));
    }
}

int levelsOf(std::uint32_t firstId) {
    for (const GameFamily& family : GameFamilies())
        if (family.firstId == static_cast<int>(firstId) && family.levels > 0) return family.levels;
    return 0;
}

// Returns false when the pass must end here (the game was started or the
// list left), leaving `clickPending` as it is.
bool levelList(Pass& pass) {
    ProgramState& s = pass.s;
    const int first = static_cast<int>(s.app.chosenFamily);
    const int n = levelsOf(s.app.chosenFamily);
    if (n == 1) {
        startGame(s, first);
        return false;
    }
    for (int r = 0; r <= n + 1; ++r) {
        const int y = 20 * r + 81;
        const std::string text = r < n ? gameName(s, first + r) : r == n ? "" : "Retour \xE0 la liste...";
        const int x = 400 - static_cast<int>(text.size() / 2) * 14;
        const bool hit = !text.empty() && hovered(pass.pointer, x, y, 16 * static_cast<int>(text.size()));
        if (hit) s.app.cursorShape = static_cast<std::int16_t>(PointerShape::Hand);
        drawTitleText(s, x, y, hit ? HighlightInk : NormalInk, text);
        if (!hit || !pass.clicked()) continue;
        if (r == n + 1) {
            s.app.screen = screens::Families;
            s.app.clickPending = 0;
            return false;
        }
        startGame(s, first + r);
    }
    return true;
}

// --- panel screens ------------------------------------------------------------

void deleteSelected(ProgramState& s, int n) {
    ListBox& list = s.listBox(n);
    if (list.selected == -1) {
        showPopup(s, 2, 520, s.app.comments[33].view());
        return;
    }
    listDelete(s, n, list.selected);
    list.selected = -1;
    debugLog(s, std::to_string(list.count));
}

void optionsScreen(Pass& p) {
    ProgramState& s = p.s;
    p.text(p.L + 200, p.T + 60, p.comment(70));
    p.text(p.L + 100, p.T + 110, p.comment(71));
    const int picked = p.listAt(4, p.L + 100, p.T + 120);
    if (picked >= 0 && !s.travel.mapShown) {
        s.app.backgroundIndex = picked;
        loadBackground(s, picked);
    }
    p.scrollButtons(4, p.L + 40, p.T + 100, p.T + 200);
    p.checkBoxAt(1, p.L + 60, p.T + 360, p.comment(73));
    if (p.checkBoxAt(2, p.L + 60, p.T + 335, p.comment(74))) {
        if (s.checkBox(2).ticked)
            s.platform.musicPlay();
        else
            s.platform.musicPause();
    }
    // Like every other panel's close button, inside the panel's border.
    if (p.buttonAt(p.R - 30, p.B - 20, button::Close, named::Close)) openScreen(s, 33);
}

void scoresScreen(Pass& p) {
    ProgramState& s = p.s;
    p.text(p.L + 200, p.T + 60, p.comment(76));
    // Headings over the columns of the score lines: points, time, game.
    p.text(p.L + ScoresLeft, p.T + 88, p.comment(scoreHeadings::Points));
    p.text(p.L + ScoresLeft + 6 * SmallAdvance, p.T + 88, p.comment(scoreHeadings::Time));
    p.text(p.L + ScoresLeft + 16 * SmallAdvance, p.T + 88, p.comment(scoreHeadings::Game));
    p.listAt(5, p.L + ScoresLeft, p.T + 90);
    p.scrollButtons(5, p.L + 20, p.T + 90, p.T + 290);
    if (p.buttonAt(p.R - 30, p.B - 20, button::Close, named::Close)) openScreen(s, 33);
    if (p.buttonAt(p.R - 90, p.B - 20, button::Delete, named::DeleteScore)) deleteSelected(s, 5);
    if (p.buttonAt(p.R - 150, p.B - 20, button::Clear, named::ClearScores)) askFirst(s, confirmations::ClearScores);
}

void clearScores(ProgramState& s) {
    for (int i = 1; i <= 599; ++i) s.listBox(5).entries[static_cast<std::size_t>(i)].clear();
    s.listBox(5).selected = -1;  // the selected score is gone with the others
}

void helpScreen(Pass& p) {
    // A long game title moves left so that it ends inside the panel; the
    // rules of a panel are titled with the panel's name.
    const int about = p.s.helpReturnScreen;
    const std::string title =
        p.comment(77) + " " +
        (about == screens::Statistics  ? p.comment(progress::StatsTitle)
         : about == screens::Challenge ? p.comment(progress::ChallengeTitle)
                                       : p.s.app.gameTitle.str());
    p.text(std::min(p.L + 150, p.L + PanelTextRight - SmallAdvance * static_cast<int>(title.size())), p.T + 60,
           title);
    p.listAt(6, p.L + 90, p.T + 100, true);
    p.scrollButtons(6, p.L + 45, p.T + 90, p.T + 300);
    if (p.buttonAt(p.R - 30, p.B - 10, button::Close, named::Close)) {
        openScreen(p.s, 33);
        p.s.app.screen = std::exchange(p.s.helpReturnScreen, 0);
    }
}

// The rules of a panel beside the games, over it; closing them goes back to it.
void openPanelRules(ProgramState& s, int rules, int screen) {
    ChargeAide(s, rules);
    openScreen(s, 5);
    s.helpReturnScreen = screen;
}

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
    const PlayStats st = readPlayStats(s.statsFile, level == 0 ? familySection(family) : levelSection(shownId));
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
    if (p.buttonAt(p.R - 30, p.B - 20, button::Close, named::Close)) openScreen(s, 33);
    if (p.buttonAt(p.R - 90, p.B - 20, button::Clear, named::ClearStatistics))
        askFirst(s, confirmations::ClearStatistics);
    if (p.buttonAt(p.R - 150, p.B - 20, button::Help, named::Rules))
        openPanelRules(s, StatisticsRules, screens::Statistics);
}

std::string resultText(const Pass& p, int slot, const ChallengeResult& r) {
    if (!r.played) return p.comment(progress::ToPlay);
    if (!r.won) return p.comment(progress::LostIt);
    // "gagné en 7 essais", "gagné avec 1 erreur", "gagné en 2 min 05 s".
    const std::string won = p.comment(progress::WonIt);
    if (slot == 0) return won + " en " + countOf(r.tries, p.comment(progress::Tries));
    if (slot == 2) return won + " avec " + countOf(r.misses, p.comment(progress::Misses));
    return won + " en " + spokenDuration(r.seconds);
}

// The marks of the last days' chart, told apart by their shape as much as
// by their colour: a full square for a puzzle won, a crossed one for a
// puzzle lost, a small hollow one for a puzzle not played.
constexpr int DayPitch = 14, DayMark = 10;

void drawDayMark(Canvas& canvas, int x, int y, const ChallengeResult& r) {
    if (r.won) {
        canvas.fillRect(Rect{x, y, DayMark, DayMark}, Rgb{96, 190, 104});
    } else if (r.played) {
        const Rgb red{232, 96, 84};
        canvas.frameRect(Rect{x, y, DayMark, DayMark}, red);
        canvas.line(x, y, x + DayMark - 1, y + DayMark - 1, red);
        canvas.line(x + DayMark - 1, y, x, y + DayMark - 1, red);
    } else {
        canvas.frameRect(Rect{x + 2, y + 2, DayMark - 4, DayMark - 4}, Rgb{200, 190, 170});
    }
}

// The last days, oldest left: a column a day, a row a puzzle in the order of
// the panel, with today framed; the legend below.
void drawLastDays(Pass& p, int left, int top, std::uint32_t today) {
    Canvas& canvas = p.s.platform.canvas();
    std::uint32_t date = today;
    for (int i = ChallengeDaysShown - 1; i >= 0; --i, date = dayBefore(date)) {
        const int x = left + DayPitch * i;
        const ChallengeDay day = challengeDay(p.s.challengeFile, date);
        for (int slot = 0; slot < ChallengePuzzles; ++slot)
            drawDayMark(canvas, x, top + DayPitch * slot, day[static_cast<std::size_t>(slot)]);
    }
    const int lastX = left + DayPitch * (ChallengeDaysShown - 1);
    canvas.frameRect(Rect{lastX - 2, top - 2, DayMark + 4, DayPitch * ChallengePuzzles}, Rgb{255, 255, 255});
    const int legendY = top + DayPitch * ChallengePuzzles + 4;
    // Small text starts one advance right of its position.
    int x = left;
    for (const auto& [result, label] : {std::pair{ChallengeResult{true, true}, progress::WonIt},
                                        std::pair{ChallengeResult{true, false}, progress::LostIt},
                                        std::pair{ChallengeResult{}, progress::NotPlayed}}) {
        drawDayMark(canvas, x, legendY + 3, result);
        const std::string name = p.comment(label);
        p.text(x + DayMark + 4 - SmallAdvance, legendY, name);
        x += DayMark + 4 + SmallAdvance * static_cast<int>(name.size()) + 24;
    }
}

void challengeScreen(Pass& p) {
    ProgramState& s = p.s;
    const std::uint32_t today = dateNumber(s.platform.localTime());
    p.text(p.L + 100, p.T + 60, p.comment(progress::ChallengeTitle) + " - " + spokenDate(today));
    const ChallengeDay day = challengeDay(s.challengeFile, today);
    for (int slot = 0; slot < ChallengePuzzles; ++slot) {
        const int y = p.T + 80 + 52 * slot;
        const std::size_t k = static_cast<std::size_t>(slot);
        p.text(p.L + 30, y + 16, challengePuzzles()[k].title);
        p.text(p.L + 250, y + 16, resultText(p, slot, day[k]));
        if (p.buttonAt(p.L + 480, y, button::Puzzles[k], named::PlayPuzzle)) {
            startChallengePuzzle(s, slot);
            return;
        }
    }
    p.text(p.L + 30, p.T + 240, p.comment(progress::DaysRun) + " " + std::to_string(challengeRun(s.challengeFile, today)));
    p.text(p.L + 30, p.T + 262, p.comment(progress::LastDays));
    drawLastDays(p, p.L + 40, p.T + 284, today);
    if (p.buttonAt(p.R - 30, p.B - 20, button::Close, named::Close)) openScreen(s, 33);
    if (p.buttonAt(p.R - 90, p.B - 20, button::Copy, named::CopyResult)) {
        const bool copied = s.platform.copyToClipboard(challengeLine(today, day));
        showPopup(s, 2, 520, s.app.comments[copied ? progress::Copied : progress::NotCopied].view());
    }
    if (p.buttonAt(p.R - 150, p.B - 20, button::Help, named::Rules))
        openPanelRules(s, ChallengeRules, screens::Challenge);
}

// The file of the selected head picture when the player imported it; empty
// for the program's own pictures, which cannot be deleted.
std::optional<SystemPath> importedHeadFile(ProgramState& s) {
    const ListBox& heads = s.listBox(8);
    if (heads.selected < 1 || heads.selected >= ListBoxEntries) return {};
    const std::string& name = heads.entries[static_cast<std::size_t>(heads.selected)];
    if (name.empty() || fileExists(s.programDir + "bitmaps/tete/" + name + ".bmp")) return {};
    const SystemPath path = s.userDir + "TETE/" + name + ".bmp";
    if (!fileExists(path)) return {};
    return path;
}

// Deletes the file; the entry leaves the list only once its file is gone,
// and the default head is shown in place of the deleted one.
void deleteHeadPicture(ProgramState& s, const SystemPath& path) {
    if (!deleteFile(path)) {
        showPopup(s, 2, 520, s.app.comments[HeadNotDeleted].view());
        return;
    }
    showPopup(s, 2, 520, s.app.comments[57].view());
    ListBox& heads = s.listBox(8);
    listDelete(s, 8, heads.selected);
    heads.selected = -1;
    loadHead(s, s.app.comments[65].str());
}

void profileScreen(Pass& p) {
    ProgramState& s = p.s;
    s.app.playerName = s.typedText.view();
    p.text(p.L + 150, p.T + 60, p.comment(78));
    p.text(p.L + 90, p.T + 85, p.comment(79));
    p.text(p.L + 90, p.T + 250, p.comment(80));
    p.text(p.L + 90, p.T + 270, s.app.playerName.str() + p.blink);
    p.text(p.L + 90, p.T + 320, p.comment(81));
    p.text(p.L + 90, p.T + 375, p.comment(82));
    const int picked = p.listAt(8, p.L + 100, p.T + 100);
    if (picked >= 0) loadHead(s, s.listBox(8).entries[static_cast<std::size_t>(picked)]);
    p.scrollButtons(8, p.L + 40, p.T + 100, p.T + 180);
    drawHead(s, {p.L + 300, p.T + 120}, 90);
    if (const std::optional<SystemPath> file = importedHeadFile(s);
        file && p.buttonAt(p.R - 30, p.T + 180, button::Delete, named::DeleteHead))
        deleteHeadPicture(s, *file);
    if (p.buttonAt(p.L + 40, p.T + 300, button::Import, named::ImportHead)) startPictureImport(s, importmode::Head);
    if (p.buttonAt(p.L + 40, p.T + 355, button::Import, named::ImportBackground))
        startPictureImport(s, importmode::Background);
    if (p.buttonAt(p.R - 30, p.T + 355, button::Close, named::Close)) {
        s.app.playerName = s.typedText.view();
        s.app.screen = screens::None;
    }
}

void deleteSavedGame(ProgramState& s) {
    ListBox& saves = s.listBox(9);
    const SystemPath base = s.userDir + "SAVE/" + saves.entries[static_cast<std::size_t>(saves.selected)];
    if (!deleteFile(base + ".sa1") || !deleteFile(base + ".sa2")) return;
    deleteFile(base + ".sa3");  // absent from saves made before hints were counted
    showPopup(s, 2, 520, s.app.comments[58].view());
    listDelete(s, 9, saves.selected);
    saves.selected = -1;
}

void savedGamesScreen(Pass& p) {
    ProgramState& s = p.s;
    p.text(p.L + 150, p.T + 60, p.comment(83));
    p.listAt(9, p.L + 100, p.T + 100);
    p.scrollButtons(9, p.L + 40, p.T + 100, p.T + 250);
    if (s.listBox(9).selected > 0) {
        if (p.buttonAt(p.R - 150, p.B - 20, button::Delete, named::DeleteSave)) deleteSavedGame(s);
        if (s.listBox(9).selected > 0 && p.buttonAt(p.R - 90, p.B - 20, button::SavedGames, named::LoadSave)) {
            s.app.screen = screens::None;
            loadGame(s, s.listBox(9).entries[static_cast<std::size_t>(s.listBox(9).selected)]);
        }
    }
    if (p.buttonAt(p.R - 30, p.B - 20, button::Close, named::Close)) s.app.screen = screens::None;
}

void searchScreen(Pass& p, bool anagrams) {
    ProgramState& s = p.s;
    // The pattern search says one more line, so its instructions start higher.
    const int top = anagrams ? p.T + 230 : p.T + 190;
    p.text(p.L + 150, p.T + 60, anagrams ? "Recherche d'anagrammes" : "Recherche de mots incomplets");
    p.text(p.L + SearchTextColumn, top, "Tapez votre mot puis");
    p.text(p.L + SearchTextColumn, top + 20, "pressez entr\xE9" "e.");
    if (!anagrams) {
        p.text(p.L + SearchTextColumn, p.T + 230, "Vous pouvez utiliser des *");
        p.text(p.L + SearchTextColumn, p.T + 250, p.comment(OneStarOneLetter));
    }
    p.text(p.L + SearchTextColumn, p.T + 270, s.typedText.str() + p.blink);
    p.listAt(3, p.L + 100, p.T + 100);
    p.scrollButtons(3, p.L + 40, p.T + 100, p.T + 280);
    if (p.buttonAt(p.R - 30, p.T + 355, button::Close, named::Close)) s.app.screen = screens::None;
}

void quitScreen(Pass& p) {
    ProgramState& s = p.s;
    s.platform.canvas().drawImage(ImageSet::Interface, 41, p.L, p.T);
    p.text(p.L + 55, p.T + 80, p.comment(84));
    if (p.buttonAt(p.L + 40, p.T + 140, button::Yes, named::QuitYes)) openScreen(s, 101);
    if (p.buttonAt(p.L + 200, p.T + 140, button::No, named::QuitNo)) openScreen(s, 102);
}

int questionOf(std::uint8_t what) {
    switch (what) {
        case confirmations::ClearScores: return asked::ClearScores;
        case confirmations::Restart: return asked::Restart;
        case confirmations::ClearStatistics: return asked::ClearStatistics;
        default: return asked::EndTravel;
    }
}

bool giveUp(ProgramState& s);

// Oui does what was asked; Non (like Escape) leaves everything as it was,
// and the scores panel comes back when its broom asked.
void answer(ProgramState& s, bool yes) {
    const std::uint8_t what = std::exchange(s.app.pendingConfirmation, confirmations::None);
    s.app.screen = what == confirmations::ClearScores       ? screens::Scores
                   : what == confirmations::ClearStatistics ? screens::Statistics
                                                            : screens::None;
    if (!yes) return;
    if (what == confirmations::ClearScores) clearScores(s);
    if (what == confirmations::ClearStatistics) {
        if (!clearStatistics(s)) showPopup(s, 2, 520, s.app.comments[progress::NotCleared].view());
        s.statsFile = IniFile::read(statisticsPath(s));
    }
    if (what == confirmations::Restart) openScreen(s, 1);
    if (what == confirmations::EndTravel) giveUp(s);
}

void confirmationScreen(Pass& p) {
    ProgramState& s = p.s;
    s.platform.canvas().drawImage(ImageSet::Interface, QuestionPanel, p.L, p.T);
    p.text(p.L + 55, p.T + 80, p.comment(questionOf(s.app.pendingConfirmation)));
    if (p.buttonAt(p.L + 40, p.T + 140, button::Yes, named::Yes)) answer(s, true);
    else if (p.buttonAt(p.L + 200, p.T + 140, button::No, named::No)) answer(s, false);
}

void panelScreen(Pass& pass, int screen) {
    if (screen != screens::QuitConfirmation && screen != screens::Confirmation) drawPanel(pass.s, pass.L, pass.T);
    switch (screen) {
        case screens::Options: optionsScreen(pass); break;
        case screens::Scores: scoresScreen(pass); break;
        case screens::Help: helpScreen(pass); break;
        case screens::Profile: profileScreen(pass); break;
        case screens::SavedGames: savedGamesScreen(pass); break;
        case screens::AnagramSearch: searchScreen(pass, true); break;
        case screens::PatternSearch: searchScreen(pass, false); break;
        case screens::QuitConfirmation: quitScreen(pass); break;
        case screens::Confirmation: confirmationScreen(pass); break;
        case screens::Statistics: statisticsScreen(pass); break;
        case screens::Challenge: challengeScreen(pass); break;
        default: break;
    }
}

// --- button bars --------------------------------------------------------------

// The give-up button; false when the game had already ended, which leaves
// the pass at once.
bool giveUp(ProgramState& s) {
    AppState& a = s.app;
    if (a.gameWon == 1 || a.gameLost == 1) return false;
    a.endTick = s.now();
    a.gameLost = 1;
    clearDrag(s);
    if (s.travel.mapShown || s.travel.completed || s.travel.failed) {
        leaveGame(s);
        resetGameRecord(s);
        s.game.gameId = 0;
        a.gameTitle.clear();
        switchTravelOff(s);
    }
    return true;
}

// Writes the profile before the quick exit closes the program; when it
// cannot be written the program says so and stays.
bool profileKept(ProgramState& s) {
    if (saveProfile(s)) return true;
    showPopup(s, 2, 520, s.app.comments[ProfileNotSaved].view());
    return false;
}

// The game bar's button that starts the level again.
constexpr Point PlayAgainButton{380, 540};

bool inGameBar(Pass& p) {
    ProgramState& s = p.s;
    const bool onMap = s.travel.mapShown == 1;
    // The program ends only once the game and the profile are safely saved;
    // a failed write says so and the game goes on.
    if (p.buttonAt(730, 15, button::QuickExit, named::QuickExit) && saveGame(s, true) && profileKept(s)) {
        s.profileWrittenForClose = 1;
        s.platform.closeMainWindow();
    }
    if (undoOffered(s) && p.buttonAt(140, 540, button::Undo, named::Undo)) undoAsked(s);
    if (checksApply(s) && p.buttonAt(200, 540, button::CheckLetters, named::CheckLetters)) checkLetters(s);
    if (hintsApply(s) && p.buttonAt(260, 540, button::Hint, named::Hint)) takeHint(s);
    if (!onMap && p.buttonAt(320, 540, button::Print, named::Print)) Imprimegrille(s);
    if (!onMap && p.buttonAt(PlayAgainButton.x, PlayAgainButton.y, button::PlayAgain, named::PlayAgain)) {
        if (s.travel.underWay)
            playSound(s, sounds::TileLanded);
        else
            askFirst(s, confirmations::Restart);
    }
    if (p.buttonAt(440, 540, button::Save, named::Save)) saveGame(s, false);
    if (p.buttonAt(500, 540, button::AnagramSearch, named::AnagramSearch)) openScreen(s, 8);
    if (p.buttonAt(560, 540, button::PatternSearch, named::PatternSearch)) openScreen(s, 9);
    if (!onMap && p.buttonAt(620, 540, button::Help, named::Help)) openScreen(s, 5);
    if (p.buttonAt(680, 540, button::Options, named::Options)) openScreen(s, 3);
    // On the map the flag ends the whole travel: it asks first.
    if (p.buttonAt(740, 540, button::GiveUp, named::GiveUp)) {
        if (onMap) {
            askFirst(s, confirmations::EndTravel);
            return true;
        }
        if (!giveUp(s)) return false;
    }
    return true;
}

}  // namespace

bool onPlayAgainButton(ProgramState& s, Point pointer) { return buttonHit(s, PlayAgainButton, pointer); }

namespace {

void mainBar(Pass& p) {
    ProgramState& s = p.s;
    if (p.buttonAt(200, 540, button::Profile, named::Profile)) openScreen(s, 6);
    if (p.buttonAt(260, 540, button::Travel, named::Travel)) openScreen(s, 16);
    if (p.buttonAt(320, 540, button::SavedGames, named::SavedGames)) openScreen(s, 7);
    if (p.buttonAt(380, 540, button::Scores, named::Scores)) openScreen(s, 4);
    if (p.buttonAt(440, 540, button::Quit, named::Quit)) openScreen(s, 100);
    if (p.buttonAt(500, 540, button::Statistics, named::Statistics)) openScreen(s, screens::Statistics);
    if (p.buttonAt(560, 540, button::Challenge, named::Challenge)) openScreen(s, screens::Challenge);
}

void playAgain(ProgramState& s) {
    const std::uint32_t id = s.game.gameId;
    const ShortString<100> title = s.app.gameTitle;
    leaveGame(s);
    resetGameRecord(s);
    s.game.gameId = id;
    s.app.gameTitle = title;
    ChargeAide(s, static_cast<int>(id));
}

// Shows the quitting picture alone for three seconds, then closes the window.
// The profile is written first: when it cannot be, the picture says so.
void quitProgram(ProgramState& s) {
    const bool kept = saveProfile(s);
    s.profileWrittenForClose = kept ? 1 : 0;
    loadBackground(s, backgrounds::Quitting);
    drawBackground(s);
    if (!kept) {
        // Centred under the picture's farewell.
        const std::string_view text = s.app.comments[ProfileNotSaved].view();
        const int width = SmallAdvance * static_cast<int>(text.size());
        showPopup(s, (800 - width) / 2 - 40, 560, text);
        drawPopup(s);
    }
    s.platform.setPointerShape(PointerShape::Hidden);
    s.platform.showFrame();
    s.platform.wait(QuitPictureMs);
    s.platform.closeMainWindow();
}

}  // namespace

void drawMenus(ProgramState& s, int screen) {
    AppState& a = s.app;
    a.listScrolling = 0;
    a.hoverFlag = 0;
    a.panelY = 72;
    if (a.panelX == 800 && screen >= 1) playSound(s, sounds::PanelSlides);
    a.panelX -= (a.panelX - PanelRestX) / 10;
    Pass pass{s, s.mousePos, a.panelX, a.panelY, a.panelX + PanelWidth, a.panelY + PanelHeight, false,
              s.blinkOn ? "-" : " ", std::exchange(s.wheelNotches, 0)};

    if (screen == screens::Families) {
        familyList(pass);
    } else if (screen == screens::Levels) {
        if (!levelList(pass)) return;
    } else if (screen >= screens::Options) {
        panelScreen(pass, screen);
    }
    if (s.gameRunning() || s.travel.mapShown) {
        if (!inGameBar(pass)) return;
    } else {
        mainBar(pass);
    }
    pass.nameHoveredButton();
    if (a.hoverFlag == 1 || pass.checkBoxHovered) a.cursorShape = static_cast<std::int16_t>(PointerShape::Hand);
    if (!a.listScrolling) a.clickPending = 0;
}

void openScreen(ProgramState& s, int action) {
    AppState& a = s.app;
    switch (action) {
        case 1:
            a.screen = screens::None;
            playAgain(s);
            break;
        case 3:
        case 4:
        case 7:
            a.screen = action;
            break;
        case 5:
            s.listBox(6).firstShown = 0;
            a.screen = screens::Help;
            break;
        case 6:
            s.typedText = a.playerName.view();
            a.screen = screens::Profile;
            break;
        case 8:
        case 9:
            a.screen = action;
            s.typedText.clear();
            listClear(s, 3);
            break;
        case screens::Statistics:
            s.statsFile = IniFile::read(statisticsPath(s));
            a.screen = action;
            break;
        case screens::Challenge:
            s.challengeFile = IniFile::read(challengePath(s));
            a.screen = action;
            break;
        case 16:
            leaveGame(s);
            resetGameRecord(s);
            startTravel(s);
            break;
        case 33:
        case 102:
            a.screen = screens::None;
            break;
        case 100:
            a.gameTitle.clear();
            s.travel.mapShown = 0;
            s.travel.underWay = 0;
            a.screen = screens::QuitConfirmation;
            break;
        case 101:
            quitProgram(s);
            break;
        default:
            break;
    }
    if (action < 10 || action == 100) a.panelX = 800;
}

void askFirst(ProgramState& s, std::uint8_t what) {
    s.app.pendingConfirmation = what;
    s.app.screen = screens::Confirmation;
    s.app.panelX = 800;
}

}  // namespace glossamo
