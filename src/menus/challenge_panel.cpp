// The daily challenge panel: the puzzles of today or of a past day, their
// results and the last days.
#include "menus/menu_panels.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "base/counts.hpp"
#include "platform/canvas.hpp"
#include "play/catalogue.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::menus {

namespace {

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

}  // namespace

namespace {

// The date the panel shows: today, or as many days back as the player went,
// never before the first day of the lists.
std::uint32_t shownDate(ProgramState& s, std::uint32_t today) {
    s.challengeDaysBack = std::max(s.challengeDaysBack, 0);
    std::uint32_t date = today;
    for (int n = 0; n < s.challengeDaysBack; ++n) {
        if (date <= FirstChallengeDate) {
            s.challengeDaysBack = n;
            break;
        }
        date = dayBefore(date);
    }
    return date;
}

// The arrows to the day before (left of the title) and the day after (right
// of it); each is shown only while it leads somewhere.
constexpr std::size_t DateFieldLength = 10;  // "08 12 2026"

// A date typed as day and month, with or without the year, any blanks or
// ':' between: without the year, the last such day up to today.
std::optional<std::uint32_t> typedDate(std::string_view text, std::uint32_t today) {
    std::vector<std::uint32_t> numbers;
    bool inNumber = false;
    for (const char c : text) {
        const bool digit = c >= '0' && c <= '9';
        if (digit && !inNumber) numbers.push_back(0);
        if (digit && numbers.back() < 100000) numbers.back() = numbers.back() * 10 + static_cast<std::uint32_t>(c - '0');
        inNumber = digit;
    }
    if (numbers.size() < 2 || numbers.size() > 3) return std::nullopt;
    std::uint32_t year = numbers.size() == 3 ? numbers[2] : today / 10000;
    if (year < 100) year += 2000;
    const std::uint32_t date = year * 10000 + numbers[1] * 100 + numbers[0];
    return numbers.size() == 2 && date > today ? date - 10000 : date;
}

// What the date field shows of the keys typed: the digits and what parts
// them, as much as a date takes.
std::string typedDateText(std::string_view typed) {
    std::string shown;
    for (const char c : typed)
        if ((c >= '0' && c <= '9') || c == ' ' || c == ':') shown += c;
    return shown.substr(shown.size() > DateFieldLength ? shown.size() - DateFieldLength : 0);
}

void dayButtons(Pass& p, std::uint32_t date) {
    ProgramState& s = p.s;
    if (date > FirstChallengeDate && p.buttonAt(p.L + 30, p.T + 40, button::ScrollUp, named::PreviousDay))
        ++s.challengeDaysBack;
    if (s.challengeDaysBack > 0 && p.buttonAt(p.L + 420, p.T + 40, button::ScrollDown, named::NextDay))
        --s.challengeDaysBack;
}

}  // namespace

void challengeScreen(Pass& p) {
    ProgramState& s = p.s;
    const std::uint32_t today = dateNumber(s.platform.localTime());
    const std::uint32_t date = shownDate(s, today);
    if (date == today)
        p.text(p.L + 100, p.T + 60, p.comment(progress::ChallengeTitle) + " - " + spokenDate(today));
    else
        p.text(p.L + 100, p.T + 60, p.comment(progress::PastChallengeTitle) + " " + spokenDate(date));
    const ChallengeDay day = challengeDay(s.challengeFile, date);
    for (int slot = 0; slot < ChallengePuzzles; ++slot) {
        const int y = p.T + 80 + 52 * slot;
        const std::size_t k = static_cast<std::size_t>(slot);
        p.text(p.L + 30, y + 16, challengePuzzles()[k].title);
        p.text(p.L + 250, y + 16, resultText(p, slot, day[k]));
        if (day[k].late) p.text(p.L + 250, y + 34, p.comment(progress::PlayedLate));
        if (p.buttonAt(p.L + 480, y, button::Puzzles[k], named::PlayPuzzle)) {
            startChallengePuzzle(s, slot, date);
            return;
        }
    }
    dayButtons(p, date);
    p.text(p.L + 30, p.T + 240, p.comment(progress::DaysRun) + " " + std::to_string(challengeRun(s.challengeFile, today)));
    p.text(p.L + 290, p.T + 262, p.comment(progress::GoToDay) + " " + typedDateText(s.typedText.view()) + p.blink);
    p.text(p.L + 30, p.T + 262, p.comment(progress::LastDays));
    drawLastDays(p, p.L + 40, p.T + 284, today);
    if (p.buttonAt(p.R - 30, p.B - 20, button::Close, named::Close)) openScreen(s, Screen::None);
    if (p.buttonAt(p.R - 90, p.B - 20, button::Copy, named::CopyResult)) {
        const bool copied = s.platform.copyToClipboard(challengeLine(date, day));
        showPopup(s, 2, 520, s.app.comments[copied ? progress::Copied : progress::NotCopied].view());
    }
    if (p.buttonAt(p.R - 150, p.B - 20, button::Help, named::Rules))
        openPanelRules(s, ChallengeRules, screens::Challenge);
}

}  // namespace glossamo::menus

namespace glossamo {

void goToTypedDay(ProgramState& s) {
    // Enter with nothing typed asks for no day.
    if (s.typedText.view().empty()) return;
    const std::uint32_t today = dateNumber(s.platform.localTime());
    const std::optional<std::uint32_t> wanted = menus::typedDate(menus::typedDateText(s.typedText.view()), today);
    int back = 0;
    std::uint32_t date = today;
    for (; wanted && date > *wanted && date > FirstChallengeDate; date = dayBefore(date)) ++back;
    s.typedText.clear();
    if (!wanted || date != *wanted) {
        showPopup(s, 2, 520, s.app.comments[menus::progress::NoSuchDay].view());
        return;
    }
    s.challengeDaysBack = back;
}

}  // namespace glossamo
