#include "widgets/end_banners.hpp"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/counts.hpp"
#include "state/program_state.hpp"
#include "widgets/bitmap_fonts.hpp"

namespace glossamo {

namespace {

constexpr std::uint32_t BannerMs = 4000;
// The comments that name the hints and the checks a won game took.
constexpr int HintsUsed = 180, ChecksUsed = 181;
// The banner pictures and the sizes they may be shrunk to, in quarters, the
// largest first: with their lines, then, where even that has no room, the
// picture alone (the status line under the board still gives the score).
constexpr int PictureWidth = 320, PictureHeight = 200;
struct BannerSize {
    int quarters;
    bool withLines;
};
constexpr std::array<BannerSize, 5> Sizes{{{4, true}, {3, true}, {2, true}, {2, false}, {1, false}}};
// Its lines: small-font glyphs 16 pixels high and 10 apart, 18 apart.
constexpr int LineAdvance = SmallAdvance, LineHeight = 18, LineGap = 2;
// The play area: below the game's title, above the button bar.
constexpr int PlayTop = 45, PlayBottom = 535;
// Room is sought on a grid of 5-pixel squares, 3 pixels clear of anything.
constexpr int Square = 5;
constexpr int Columns = SurfaceWidth / Square, Rows = SurfaceHeight / Square;
constexpr int Clearance = 3;
constexpr std::string_view BannerName = "banner";

bool meets(Rect a, Rect b) { return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h; }

// Which squares of the screen something covers, summed so that any block
// of squares is counted in four reads.
class TakenSquares {
public:
    explicit TakenSquares(const std::vector<Rect>& obstacles) {
        std::vector<int> taken(static_cast<std::size_t>(Columns * Rows), 0);
        for (const Rect& r : obstacles) mark(taken, r);
        for (int row = 0; row < Rows; ++row)
            for (int column = 0; column < Columns; ++column)
                sum_[index(column + 1, row + 1)] = taken[static_cast<std::size_t>(row * Columns + column)] +
                                                   sum_[index(column, row + 1)] + sum_[index(column + 1, row)] -
                                                   sum_[index(column, row)];
    }

    // Squares taken in the block of `columns` x `rows` from (column, row).
    int takenIn(int column, int row, int columns, int rows) const {
        return sum_[index(column + columns, row + rows)] - sum_[index(column, row + rows)] -
               sum_[index(column + columns, row)] + sum_[index(column, row)];
    }

private:
    static std::size_t index(int column, int row) { return static_cast<std::size_t>(row * (Columns + 1) + column); }

    static void mark(std::vector<int>& taken, Rect r) {
        const int left = std::max(0, (r.x - Clearance) / Square);
        const int top = std::max(0, (r.y - Clearance) / Square);
        const int right = std::min(Columns - 1, (r.x + r.w + Clearance - 1) / Square);
        const int bottom = std::min(Rows - 1, (r.y + r.h + Clearance - 1) / Square);
        for (int row = top; row <= bottom; ++row)
            for (int column = left; column <= right; ++column) taken[static_cast<std::size_t>(row * Columns + column)] = 1;
    }

    std::vector<int> sum_ = std::vector<int>(static_cast<std::size_t>((Columns + 1) * (Rows + 1)), 0);
};

// One bouncing step; `vertical` is the banner's vertical speed factor.
void moveBanner(Banner& b, int vertical) {
    b.x += 2 * b.dx;
    b.y += vertical * b.dy;
    if (b.x < 250 || b.x >= 651) b.dx = -b.dx;
    if (b.y < 150 || b.y >= 451) b.dy = -b.dy;
}

// The end banners show for a few seconds after the game ends; the score
// stays in the status line.
bool bannerStillUp(ProgramState& s) {
    Banner& b = s.banner;
    if (b.shown == 0) {
        b.shown = 1;
        b.shownAt = s.now();
    }
    return static_cast<std::uint32_t>(s.now() - b.shownAt) <= BannerMs;
}

int lineWidth(const std::string& line) { return LineAdvance * static_cast<int>(line.size()) + 1; }

// Draws banner picture `picture` with `lines` centred under it, at the
// largest size for which the last frame left room near the bouncing point.
void layBanner(ProgramState& s, int picture, const std::vector<std::string>& lines) {
    Canvas& canvas = s.platform.canvas();
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, lineWidth(line));
    const std::vector<Rect> obstacles = obstaclesFor(canvas, BannerName);
    for (const BannerSize size : Sizes) {
        const bool withLines = size.withLines && !lines.empty();
        const int width = PictureWidth * size.quarters / 4, height = PictureHeight * size.quarters / 4;
        const int groupWidth = withLines ? std::max(width, widest) : width;
        const int groupHeight =
            height + (withLines ? LineGap + LineHeight * static_cast<int>(lines.size()) : 0);
        const std::optional<Rect> place = clearPlaceNear(obstacles, groupWidth, groupHeight, s.banner.x, s.banner.y);
        if (!place) continue;
        const Rect target{place->x + (groupWidth - width) / 2, place->y, width, height};
        if (size.quarters == 4)
            canvas.drawImage(ImageSet::Interface, picture, target.x, target.y);
        else
            canvas.stretchImage(ImageSet::Interface, picture, target);
        const std::size_t first = canvas.boxesSoFar().size();
        int y = target.y + height + LineGap;
        for (std::size_t k = 0; withLines && k < lines.size(); ++k, y += LineHeight)
            drawSmallText(s, place->x + (groupWidth - lineWidth(lines[k])) / 2 - LineAdvance, y, NormalInk, lines[k]);
        canvas.noteBox(BoxKind::Banner, *place, BannerName);
        canvas.renameBoxesSince(first, BoxKind::Banner, BannerName);
        return;
    }
}

}  // namespace

std::vector<Rect> obstaclesFor(const Canvas& canvas, std::string_view own) {
    std::vector<Rect> kept;
    for (const std::vector<DrawnBox>* frame : {&canvas.lastFrameBoxes(), &canvas.boxesSoFar()})
        for (const DrawnBox& d : *frame)
            if (d.box.w > 0 && d.box.h > 0 && !(d.kind == BoxKind::Banner && d.what == own)) kept.push_back(d.box);
    return kept;
}

std::optional<Rect> clearPlaceNear(const std::vector<Rect>& obstacles, int width, int height, int centreX,
                                   int centreY) {
    const TakenSquares taken(obstacles);
    const int columns = (width + Square - 1) / Square, rows = (height + Square - 1) / Square;
    const int firstRow = (PlayTop + Square - 1) / Square, lastRow = PlayBottom / Square - rows;
    std::optional<Rect> best;
    long bestDistance = 0;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = 0; column + columns <= Columns; ++column) {
            if (taken.takenIn(column, row, columns, rows) != 0) continue;
            const long dx = column * Square + width / 2 - centreX, dy = row * Square + height / 2 - centreY;
            const long distance = dx * dx + dy * dy;
            if (best && distance >= bestDistance) continue;
            best = Rect{column * Square, row * Square, width, height};
            bestDistance = distance;
        }
    }
    return best;
}

std::optional<Rect> clearPlaceFor(const std::vector<Rect>& obstacles, Rect wanted) {
    const bool clear = std::none_of(obstacles.begin(), obstacles.end(), [&](Rect r) { return meets(r, wanted); });
    if (clear) return wanted;
    return clearPlaceNear(obstacles, wanted.w, wanted.h, wanted.x + wanted.w / 2, wanted.y + wanted.h / 2);
}

void drawWinBanner(ProgramState& s) {
    if (!bannerStillUp(s)) return;
    moveBanner(s.banner, 2);
    std::vector<std::string> lines{wonResult(s)};
    if (s.watch.hints != 0 || s.watch.checks != 0) lines.push_back(helpTaken(s));
    layBanner(s, s.travel.completed ? 51 : 49, lines);
}

void drawLostBanner(ProgramState& s) {
    if (!bannerStillUp(s)) return;
    moveBanner(s.banner, 1);
    layBanner(s, 50, {});
}

std::string wonResult(const ProgramState& s) {
    return std::to_string(s.app.score) + " " + s.app.comments[38].str() + " - " + s.clock.clockText.str();
}

std::string helpTaken(const ProgramState& s) {
    return countOf(static_cast<int>(s.watch.hints), s.app.comments[HintsUsed].view()) + " - " +
           countOf(static_cast<int>(s.watch.checks), s.app.comments[ChecksUsed].view());
}

}  // namespace glossamo
