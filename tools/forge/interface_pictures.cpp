// The interface pictures: round-cornered buttons (normal and highlighted),
// check boxes, the traveller, the end-of-game banners, list markers and the
// quit panel. All are keyed with pure blue.
#include <cmath>
#include <initializer_list>
#include <string>

#include "forge.hpp"

namespace forge {

namespace {

constexpr double Pi = M_PI;
constexpr double degrees(double d) { return d * Pi / 180.0; }

Colour mix(const Colour& a, const Colour& b, double t) {
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Colour withAlpha(Colour c, double a) {
    c.a = a;
    return c;
}

std::string interfacePath(const Paths& paths, int number) {
    return paths.app + "bitmaps/Interface/" + std::to_string(number) + ".bmp";
}

// ---------------------------------------------------------------------------
// Drawing helpers. Icons are drawn in one ink; `cut` removes ink so the
// button body shows through (letters on tiles, slits, holes).

void line(cairo_t* cr, double x1, double y1, double x2, double y2, double width) {
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    cairo_stroke(cr);
}

// Fills the current path with slightly rounded corners.
void fillSoft(cairo_t* cr, double rounding = 1.5) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, rounding);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);
}

void polygon(cairo_t* cr, std::initializer_list<double> xy) {
    const double* p = xy.begin();
    cairo_move_to(cr, p[0], p[1]);
    for (std::size_t i = 2; i + 1 < xy.size(); i += 2) cairo_line_to(cr, p[i], p[i + 1]);
    cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
    cairo_restore(cr);
}

void disc(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * Pi);
    cairo_fill(cr);
}

// A filled triangular arrow head with its tip at (x, y) pointing along `angle`.
void arrowHead(cairo_t* cr, double x, double y, double angle, double length, double halfWidth) {
    const double dx = std::cos(angle), dy = std::sin(angle);
    const double bx = x - dx * length, by = y - dy * length;
    polygon(cr, {x, y, bx - dy * halfWidth, by + dx * halfWidth, bx + dy * halfWidth, by - dx * halfWidth});
    fillSoft(cr);
}

void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, double turn = 0) {
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = turn - Pi / 2 + i * Pi / 5;
        if (i == 0) cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

// Runs `draw` with the operator set to remove what is already drawn.
template <typename Draw>
void cut(cairo_t* cr, Draw draw) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    draw();
    cairo_restore(cr);
}

void cutText(cairo_t* cr, const char* text, double cx, double baseline, double size) {
    cut(cr, [&] {
        useFont(cr, Face::SansBold, size);
        centredText(cr, text, cx, baseline);
    });
}

// ---------------------------------------------------------------------------
// Button icons, drawn around (24, 24) within roughly 10..38.

void iconAnagram(cairo_t* cr) {
    roundedRectPath(cr, 9, 9, 15, 15, 3);
    cairo_fill(cr);
    roundedRectPath(cr, 24, 24, 15, 15, 3);
    cairo_fill(cr);
    cutText(cr, "A", 16.5, 21.5, 13);
    cutText(cr, "B", 31.5, 36.5, 13);
    // Two curved arrows swapping the letters.
    cairo_set_line_width(cr, 2.6);
    cairo_move_to(cr, 27, 14);
    cairo_curve_to(cr, 33, 13, 36, 15, 36.5, 19);
    cairo_stroke(cr);
    arrowHead(cr, 36.5, 23, Pi / 2, 5, 3.5);
    cairo_move_to(cr, 21, 34);
    cairo_curve_to(cr, 15, 35, 12, 33, 11.5, 29);
    cairo_stroke(cr);
    arrowHead(cr, 11.5, 25, -Pi / 2, 5, 3.5);
}

void iconWordSearch(cairo_t* cr) {
    roundedRectPath(cr, 8, 8, 20, 20, 4);
    cairo_fill(cr);
    cutText(cr, "?", 18, 24.5, 17);
    cut(cr, [&] { disc(cr, 29, 29, 10.5); });
    cairo_set_line_width(cr, 3.2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 29, 29, 6.2, 0, 2 * Pi);
    cairo_stroke(cr);
    line(cr, 33.8, 33.8, 38.5, 38.5, 4.2);
}

void iconCross(cairo_t* cr) {
    line(cr, 15.5, 15.5, 32.5, 32.5, 5.5);
    line(cr, 32.5, 15.5, 15.5, 32.5, 5.5);
}

void iconArrowDown(cairo_t* cr) {
    cairo_rectangle(cr, 20.5, 10, 7, 14);
    cairo_fill(cr);
    polygon(cr, {12, 22, 36, 22, 24, 37});
    fillSoft(cr, 2.5);
}

void iconArrowUp(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 0, 48);
    cairo_scale(cr, 1, -1);
    iconArrowDown(cr);
    cairo_restore(cr);
}

void iconCheck(cairo_t* cr) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 6);
    cairo_move_to(cr, 13.5, 24.5);
    cairo_line_to(cr, 21, 32);
    cairo_line_to(cr, 35, 15.5);
    cairo_stroke(cr);
}

void iconHelp(cairo_t* cr) {
    useFont(cr, Face::SansBold, 32);
    centredText(cr, "?", 24, 35.5);
}

void iconReplay(cairo_t* cr) {
    const double r = 11;
    cairo_set_line_width(cr, 4.2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 24, 24, r, degrees(-40), degrees(225));
    cairo_stroke(cr);
    const double a = degrees(228);
    arrowHead(cr, 24 + r * std::cos(a) + 6.5 * std::cos(a + Pi / 2), 24 + r * std::sin(a) + 6.5 * std::sin(a + Pi / 2),
              a + Pi / 2, 8, 5.5);
}

void iconPrinter(cairo_t* cr) {
    cairo_set_line_width(cr, 2.4);
    cairo_rectangle(cr, 16.5, 9.5, 15, 10);
    cairo_stroke(cr);
    roundedRectPath(cr, 9, 17, 30, 14, 3.5);
    cairo_fill(cr);
    cut(cr, [&] {
        cairo_rectangle(cr, 13, 26, 22, 2.5);
        cairo_fill(cr);
        disc(cr, 34, 21.5, 1.6);
    });
    cairo_rectangle(cr, 15.5, 28.5, 17, 10.5);
    cairo_fill(cr);
    cut(cr, [&] {
        line(cr, 18.5, 32, 29.5, 32, 1.6);
        line(cr, 18.5, 35.5, 26.5, 35.5, 1.6);
    });
}

void iconTrophy(cairo_t* cr) {
    cairo_move_to(cr, 15, 10);
    cairo_line_to(cr, 33, 10);
    cairo_line_to(cr, 33, 16);
    cairo_curve_to(cr, 33, 23, 29.5, 27.5, 24, 27.5);
    cairo_curve_to(cr, 18.5, 27.5, 15, 23, 15, 16);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_set_line_width(cr, 2.6);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 15, 16.5, 4.8, Pi / 2, 3 * Pi / 2);
    cairo_stroke(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 33, 16.5, 4.8, -Pi / 2, Pi / 2);
    cairo_stroke(cr);
    cairo_rectangle(cr, 21.5, 26, 5, 7);
    cairo_fill(cr);
    roundedRectPath(cr, 15.5, 32, 17, 6, 1.8);
    cairo_fill(cr);
    cut(cr, [&] {
        starPath(cr, 24, 18, 5, 2.1);
        cairo_fill(cr);
    });
}

// Four bars of different heights on a base line.
void iconBarChart(cairo_t* cr) {
    const double heights[] = {10, 18, 13, 24};
    for (int i = 0; i < 4; ++i) {
        roundedRectPath(cr, 11 + 7 * i, 35 - heights[i], 5, heights[i], 1.2);
        cairo_fill(cr);
    }
    roundedRectPath(cr, 9, 36, 30, 2.6, 1);
    cairo_fill(cr);
}

// A calendar page with its two rings and a star for the day.
void iconCalendar(cairo_t* cr) {
    roundedRectPath(cr, 10, 12, 28, 26, 3);
    cairo_fill(cr);
    cut(cr, [&] {
        cairo_rectangle(cr, 12.5, 19, 23, 16.5);
        cairo_fill(cr);
    });
    roundedRectPath(cr, 16, 9, 3.2, 7, 1.4);
    cairo_fill(cr);
    roundedRectPath(cr, 28.8, 9, 3.2, 7, 1.4);
    cairo_fill(cr);
    starPath(cr, 24, 27.5, 6, 2.5);
    cairo_fill(cr);
}

// A clipboard holding a sheet with lines.
void iconClipboard(cairo_t* cr) {
    roundedRectPath(cr, 12, 11, 24, 28, 3);
    cairo_fill(cr);
    cut(cr, [&] {
        cairo_rectangle(cr, 15, 16, 18, 20);
        cairo_fill(cr);
    });
    roundedRectPath(cr, 18, 8, 12, 6, 2);
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i) line(cr, 18, 21.5 + 5 * i, 30 - 3 * (i % 2), 21.5 + 5 * i, 1.8);
}

// A light bulb with its base and three rays.
void iconBulb(cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, 24, 21, 9, degrees(140), degrees(40));
    cairo_line_to(cr, 28.5, 31);
    cairo_line_to(cr, 19.5, 31);
    cairo_close_path(cr);
    cairo_fill(cr);
    roundedRectPath(cr, 19.5, 32.5, 9, 3, 1);
    cairo_fill(cr);
    roundedRectPath(cr, 20.5, 36.5, 7, 3, 1.2);
    cairo_fill(cr);
    line(cr, 24, 5.5, 24, 8.5, 2.4);
    line(cr, 11, 12, 13.5, 14, 2.4);
    line(cr, 37, 12, 34.5, 14, 2.4);
}

// A magnifying glass over a tick: the letters laid are checked.
void iconCheckLetters(cairo_t* cr) {
    cairo_set_line_width(cr, 3.4);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 21, 21, 10, 0, 2 * Pi);
    cairo_stroke(cr);
    line(cr, 28.5, 28.5, 37, 37, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 16, 21.5);
    cairo_line_to(cr, 19.8, 25);
    cairo_line_to(cr, 26, 17);
    cairo_stroke(cr);
}

// An arrow turning back to the left: the last move taken back.
void iconUndo(cairo_t* cr) {
    cairo_set_line_width(cr, 4.2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 26, 27, 10, degrees(-90), degrees(110));
    cairo_stroke(cr);
    polygon(cr, {11, 17, 22, 9, 22, 25});
    cairo_fill(cr);
}

// The three puzzles of the daily challenge, each on a button of its own.

// Motuce: rows of tiles, as the tries stand on its board; the last row open
// after its first letter.
void iconMotuceTries(cairo_t* cr) {
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const double x = 10.5 + 7.25 * column, y = 12.5 + 7.75 * row;
            roundedRectPath(cr, x, y, 5.75, 5.75, 1.2);
            if (row < 2 || column == 0) {
                cairo_fill(cr);
            } else {
                cairo_set_line_width(cr, 1.3);
                cairo_stroke(cr);
            }
        }
    }
    // The letters in their right place stand out on the rows judged.
    cut(cr, [&] {
        disc(cr, 13.4, 15.4, 1.5);
        disc(cr, 27.9, 23.1, 1.5);
    });
}

// Coded words: a grid with a black square and numbered cells.
void iconCodedGrid(cairo_t* cr) {
    roundedRectPath(cr, 10, 10, 28, 28, 2.5);
    cairo_fill(cr);
    cut(cr, [&] {
        for (double at : {19.1, 28.6}) {
            cairo_rectangle(cr, at - 0.7, 10, 1.4, 28);
            cairo_rectangle(cr, 10, at - 0.7, 28, 1.4);
        }
        cairo_fill(cr);
        cairo_rectangle(cr, 29.3, 10.5, 8.2, 8);
        cairo_fill(cr);
    });
    cutText(cr, "1", 14.4, 17.6, 7.5);
    cutText(cr, "2", 23.9, 27.1, 7.5);
    cutText(cr, "3", 33.4, 36.6, 7.5);
}

// The proverb to hang: a speech bubble whose words are still hidden.
void iconHiddenProverb(cairo_t* cr) {
    roundedRectPath(cr, 8, 10, 32, 21, 6);
    cairo_fill(cr);
    polygon(cr, {14, 29, 22, 29, 12, 38});
    cairo_fill(cr);
    cut(cr, [&] {
        for (double x : {12.5, 19.5, 26.5, 33.5}) line(cr, x, 24, x + 4.5, 24, 2.2);
        for (double x : {15.5, 23.0, 30.0}) line(cr, x, 17.5, x + 4.5, 17.5, 2.2);
    });
}

void iconFolder(cairo_t* cr) {
    roundedRectPath(cr, 9, 10, 13, 8, 2);
    cairo_fill(cr);
    roundedRectPath(cr, 9, 13, 28, 24, 2.5);
    cairo_fill(cr);
    polygon(cr, {15, 20, 41, 20, 36, 37, 9.5, 37});
    cut(cr, [&] {
        cairo_set_line_width(cr, 4);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    });
    fillSoft(cr);
}

void iconFloppy(cairo_t* cr) {
    polygon(cr, {10, 10, 32, 10, 38, 16, 38, 38, 10, 38});
    fillSoft(cr, 3);
    cut(cr, [&] {
        cairo_rectangle(cr, 16, 8, 14, 9.5);
        cairo_fill(cr);
        roundedRectPath(cr, 14.5, 23.5, 19, 13, 1.5);
        cairo_fill(cr);
    });
    cairo_rectangle(cr, 24.5, 10.5, 3.5, 5);
    cairo_fill(cr);
    line(cr, 18, 28, 30, 28, 1.6);
    line(cr, 18, 32, 27, 32, 1.6);
}

void iconGear(cairo_t* cr) {
    for (int i = 0; i < 8; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 24, 24);
        cairo_rotate(cr, i * Pi / 4);
        roundedRectPath(cr, -3.8, -15.5, 7.6, 8, 1.5);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    disc(cr, 24, 24, 11);
    cut(cr, [&] { disc(cr, 24, 24, 4.6); });
}

// A door frame with its leaf swung open; the right side of the frame is
// left open in the middle for what leaves through it.
void doorFrame(cairo_t* cr) {
    cairo_set_line_width(cr, 2.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, 26, 16);
    cairo_line_to(cr, 26, 10);
    cairo_line_to(cr, 10, 10);
    cairo_line_to(cr, 10, 38);
    cairo_line_to(cr, 26, 38);
    cairo_line_to(cr, 26, 32);
    cairo_stroke(cr);
    polygon(cr, {10, 10, 19.5, 13.5, 19.5, 40.5, 10, 38});
    fillSoft(cr);
    cut(cr, [&] { disc(cr, 17, 25.5, 1.4); });
}

void iconExit(cairo_t* cr) {
    doorFrame(cr);
    line(cr, 22.5, 24, 32, 24, 4);
    arrowHead(cr, 39.5, 24, 0, 8.5, 6);
}

void iconQuickExit(cairo_t* cr) {
    doorFrame(cr);
    polygon(cr, {22.5, 16.5, 30.5, 24, 22.5, 31.5});
    fillSoft(cr);
    polygon(cr, {30.5, 16.5, 38.5, 24, 30.5, 31.5});
    fillSoft(cr);
}

void iconBin(cairo_t* cr) {
    cairo_set_line_width(cr, 2.2);
    roundedRectPath(cr, 20, 8.5, 8, 5, 1.5);
    cairo_stroke(cr);
    roundedRectPath(cr, 12, 12.5, 24, 4, 1.5);
    cairo_fill(cr);
    polygon(cr, {14.5, 18.5, 33.5, 18.5, 31.5, 38.5, 16.5, 38.5});
    fillSoft(cr, 2.5);
    cut(cr, [&] {
        line(cr, 20, 22.5, 20.5, 34.5, 2);
        line(cr, 24, 22.5, 24, 34.5, 2);
        line(cr, 28, 22.5, 27.5, 34.5, 2);
    });
}

void iconBroom(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 24, 24);
    cairo_rotate(cr, degrees(35));
    cairo_translate(cr, -24, -24);
    line(cr, 24, 6, 24, 22, 3.2);
    roundedRectPath(cr, 18.5, 21, 11, 5, 1.5);
    cairo_fill(cr);
    cairo_move_to(cr, 18.5, 27);
    cairo_line_to(cr, 29.5, 27);
    cairo_line_to(cr, 34, 40);
    cairo_curve_to(cr, 27, 42, 21, 42, 14, 40);
    cairo_close_path(cr);
    fillSoft(cr);
    cut(cr, [&] {
        line(cr, 21.5, 31.5, 19.5, 41.5, 1.5);
        line(cr, 24, 31.5, 24, 42, 1.5);
        line(cr, 26.5, 31.5, 28.5, 41.5, 1.5);
    });
    cairo_restore(cr);
}

void iconWhiteFlag(cairo_t* cr) {
    line(cr, 15, 11, 15, 39, 3.2);
    disc(cr, 15, 9.5, 2.6);
    cairo_move_to(cr, 16.5, 12);
    cairo_curve_to(cr, 23, 8.5, 28, 15.5, 36, 12);
    cairo_line_to(cr, 36, 27);
    cairo_curve_to(cr, 28, 30.5, 23, 23.5, 16.5, 27);
    cairo_close_path(cr);
    fillSoft(cr);
}

void iconProfile(cairo_t* cr) {
    cairo_move_to(cr, 11, 39);
    cairo_curve_to(cr, 11, 30, 16.5, 26.5, 24, 26.5);
    cairo_curve_to(cr, 31.5, 26.5, 37, 30, 37, 39);
    cairo_close_path(cr);
    fillSoft(cr, 2);
    cut(cr, [&] { disc(cr, 24, 17.5, 9.5); });
    disc(cr, 24, 17.5, 7.2);
}

void iconImportPicture(cairo_t* cr) {
    cairo_set_line_width(cr, 2.6);
    roundedRectPath(cr, 9, 17, 23, 21, 2.5);
    cairo_stroke(cr);
    polygon(cr, {11, 36.5, 18, 26.5, 22, 31.5, 25.5, 28, 30.5, 36.5});
    fillSoft(cr);
    disc(cr, 15, 22.5, 2.3);
    cut(cr, [&] { line(cr, 39, 9, 27, 21, 8.5); });
    line(cr, 39, 9, 30.5, 17.5, 3.6);
    arrowHead(cr, 25.5, 22.5, degrees(135), 8, 5.5);
}

void iconGlobe(cairo_t* cr) {
    const double r = 14;
    disc(cr, 24, 24, r);
    cut(cr, [&] {
        cairo_set_line_width(cr, 1.7);
        ellipsePath(cr, 24, 24, r * 0.45, r);
        cairo_stroke(cr);
        cairo_move_to(cr, 24, 24 - r);
        cairo_line_to(cr, 24, 24 + r);
        cairo_move_to(cr, 24 - r, 24);
        cairo_line_to(cr, 24 + r, 24);
        for (double dy : {-7.0, 7.0}) {
            const double half = std::sqrt(r * r - dy * dy);
            cairo_move_to(cr, 24 - half, 24 + dy);
            cairo_line_to(cr, 24 + half, 24 + dy);
        }
        cairo_stroke(cr);
    });
}

using IconFn = void (*)(cairo_t*);

// Draws an icon in `ink` with a soft shadow under it, shifted so that the
// icon's centre (24, 24) lands on the button's centre.
void stampIcon(cairo_t* cr, IconFn icon, const Colour& ink, double dy) {
    cairo_save(cr);
    cairo_translate(cr, 0, dy);
    cairo_push_group(cr);
    setColour(cr, palette::White);
    icon(cr);
    cairo_pattern_t* shape = cairo_pop_group(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, 1.2);
    setColour(cr, Colour::rgb(0, 0, 0, 0.28));
    cairo_mask(cr, shape);
    cairo_restore(cr);
    setColour(cr, ink);
    cairo_mask(cr, shape);
    cairo_pattern_destroy(shape);
    cairo_restore(cr);
}

// ---------------------------------------------------------------------------
// Buttons: a 44 x 44 rounded square with a shadow, the icon in white.

struct ButtonLook {
    Colour body, rim;
};

constexpr ButtonLook PrimaryLook{palette::Primary, palette::PrimaryDark};
constexpr ButtonLook SuccessLook{palette::Success, Colour::rgb(34, 104, 58)};
constexpr ButtonLook DangerLook{palette::Danger, Colour::rgb(138, 42, 36)};
constexpr ButtonLook HighlightLook{palette::Accent, palette::AccentDark};

void drawButton(Picture& picture, IconFn icon, const ButtonLook& look, bool highlighted) {
    cairo_t* cr = picture.cr();
    const double x = 2, y = 1, size = 44, radius = 11;
    roundedRectPath(cr, x, y + 2.5, size, size, radius);
    setColour(cr, palette::Shadow);
    cairo_fill(cr);

    roundedRectPath(cr, x, y, size, size, radius);
    cairo_pattern_t* body = cairo_pattern_create_linear(0, y, 0, y + size);
    const Colour top = mix(look.body, palette::White, highlighted ? 0.22 : 0.14);
    const Colour bottom = mix(look.body, look.rim, 0.3);
    cairo_pattern_add_color_stop_rgb(body, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(body, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    setColour(cr, look.rim);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);

    // A light inner rim: faint on the normal button, bright when highlighted.
    roundedRectPath(cr, x + 2, y + 2, size - 4, size - 4, radius - 2);
    setColour(cr, withAlpha(palette::White, highlighted ? 0.7 : 0.18));
    cairo_set_line_width(cr, highlighted ? 1.6 : 1.0);
    cairo_stroke(cr);

    stampIcon(cr, icon, palette::White, y + size / 2 - 24);
}

void forgeButtonPair(const Paths& paths, int number, IconFn icon, const ButtonLook& look, Colour matte) {
    for (bool highlighted : {false, true}) {
        Picture picture(48, 48);
        drawButton(picture, icon, highlighted ? HighlightLook : look, highlighted);
        saveKeyedBmp(picture, interfacePath(paths, number + (highlighted ? 1 : 0)), KeyBlue, matte);
    }
}

void forgeButtons(const Paths& paths) {
    struct Button {
        int number;
        IconFn icon;
    };
    const Button buttons[] = {
        {3, iconAnagram},  {5, iconWordSearch}, {7, iconCross},       {9, iconArrowDown}, {11, iconArrowUp},
        {17, iconHelp},    {19, iconReplay},    {23, iconPrinter},    {27, iconTrophy},   {31, iconFolder},
        {33, iconFloppy},  {35, iconGear},      {37, iconExit},       {39, iconQuickExit}, {43, iconBin},
        {47, iconBroom},   {52, iconWhiteFlag}, {54, iconProfile},    {57, iconImportPicture}, {62, iconGlobe},
        {64, iconBarChart}, {66, iconCalendar}, {68, iconClipboard}, {70, iconBulb}, {72, iconCheckLetters},
        {74, iconUndo}, {76, iconMotuceTries}, {78, iconCodedGrid}, {80, iconHiddenProverb},
    };
    for (const Button& b : buttons) forgeButtonPair(paths, b.number, b.icon, PrimaryLook, palette::Matte);
    // The yes/no buttons sit on the cream quit panel.
    forgeButtonPair(paths, 13, iconCheck, SuccessLook, palette::Paper);
    forgeButtonPair(paths, 15, iconCross, DangerLook, palette::Paper);
}

// ---------------------------------------------------------------------------
// Check boxes, 20 x 20.

void forgeCheckBox(const Paths& paths, int number, bool ticked) {
    Picture picture(20, 20);
    cairo_t* cr = picture.cr();
    roundedRectPath(cr, 1.5, 1.5, 17, 17, 4);
    setColour(cr, palette::Paper);
    cairo_fill_preserve(cr);
    setColour(cr, palette::Ink);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    if (ticked) {
        setColour(cr, palette::Success);
        cairo_set_line_width(cr, 3.4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_move_to(cr, 5, 10.5);
        cairo_line_to(cr, 8.5, 14);
        cairo_line_to(cr, 15.5, 5.5);
        cairo_stroke(cr);
    }
    saveKeyedBmp(picture, interfacePath(paths, number));
}

// ---------------------------------------------------------------------------
// The traveller on the travel map: a small striped hot-air balloon.

void forgeTraveller(const Paths& paths) {
    Picture picture(48, 48);
    cairo_t* cr = picture.cr();
    const Colour outline = palette::Ink;
    const Colour wicker = Colour::rgb(150, 96, 48);

    // Ropes, then the basket.
    setColour(cr, outline);
    line(cr, 17.5, 31, 20.5, 38, 1.4);
    line(cr, 30.5, 31, 27.5, 38, 1.4);
    roundedRectPath(cr, 19, 37, 10, 8, 2);
    setColour(cr, wicker);
    cairo_fill_preserve(cr);
    setColour(cr, outline);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    line(cr, 19.5, 40.5, 28.5, 40.5, 1);

    // The envelope: a round top narrowing to the mouth.
    auto envelope = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, 19, 33);
        cairo_curve_to(cr, 12, 27, 8, 22, 8, 16);
        cairo_arc(cr, 24, 16, 16, Pi, 2 * Pi);
        cairo_curve_to(cr, 40, 22, 36, 27, 29, 33);
        cairo_close_path(cr);
    };
    envelope();
    setColour(cr, palette::Danger);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // Cream gores: a ring of two ellipses and a narrow centre one, all
    // running from the crown to the mouth.
    setColour(cr, palette::Paper);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    ellipsePath(cr, 24, 17, 16 * 0.62, 16);
    ellipsePath(cr, 24, 17, 16 * 0.40, 16);
    ellipsePath(cr, 24, 17, 16 * 0.16, 16);
    cairo_fill(cr);
    // A band of amber round the middle and a soft highlight at the top left.
    setColour(cr, palette::Accent);
    cairo_rectangle(cr, 0, 19, 48, 4);
    cairo_fill(cr);
    setColour(cr, withAlpha(palette::White, 0.35));
    ellipsePath(cr, 17, 8, 5, 3);
    cairo_fill(cr);
    cairo_restore(cr);
    envelope();
    setColour(cr, outline);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    roundedRectPath(cr, 18.5, 31.5, 11, 3, 1.2);
    setColour(cr, wicker);
    cairo_fill_preserve(cr);
    setColour(cr, outline);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);

    saveKeyedBmp(picture, interfacePath(paths, 42), KeyBlue, Colour::rgb(150, 146, 130));
}

// ---------------------------------------------------------------------------
// Banners, 320 x 200: a rounded card with a thick border and big words.

struct BannerLook {
    Colour top, bottom, border;
};

void drawBannerCard(cairo_t* cr, const BannerLook& look) {
    const double x = 6, y = 6, w = 304, h = 182, radius = 24;
    roundedRectPath(cr, x + 4, y + 6, w, h, radius);
    setColour(cr, Colour::rgb(0, 0, 0, 0.4));
    cairo_fill(cr);
    roundedRectPath(cr, x, y, w, h, radius);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(fill, 0, look.top.r, look.top.g, look.top.b);
    cairo_pattern_add_color_stop_rgb(fill, 1, look.bottom.r, look.bottom.g, look.bottom.b);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    setColour(cr, look.border);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    roundedRectPath(cr, x + 8, y + 8, w - 16, h - 16, radius - 8);
    setColour(cr, withAlpha(palette::White, 0.3));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

// Big words with a dark outline and a soft shadow, centred on cx and shrunk
// if needed to fit `maxWidth`.
void outlinedText(cairo_t* cr, const char* text, double cx, double baseline, double size, double maxWidth,
                  const Colour& fill, double outline) {
    useFont(cr, Face::SansBold, size);
    const double width = measure(cr, text).x_advance;
    if (width > maxWidth) useFont(cr, Face::SansBold, size * maxWidth / width);
    const double x = cx - measure(cr, text).x_advance / 2;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, x + 2, baseline + 3);
    cairo_text_path(cr, text);
    setColour(cr, Colour::rgb(0, 0, 0, 0.3));
    cairo_set_line_width(cr, outline);
    cairo_stroke(cr);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, text);
    setColour(cr, palette::Ink);
    cairo_stroke_preserve(cr);
    setColour(cr, fill);
    cairo_fill(cr);
}

void star(cairo_t* cr, double cx, double cy, double r, const Colour& colour, double turn = 0) {
    starPath(cr, cx, cy, r, r * 0.45, turn);
    setColour(cr, colour);
    cairo_fill_preserve(cr);
    setColour(cr, withAlpha(palette::Ink, 0.7));
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// Confetti strewn along the card's edges, placed by a fixed arithmetic walk.
void confetti(cairo_t* cr) {
    const Colour colours[] = {palette::Accent, palette::Success, palette::Danger, palette::Sky, palette::White};
    for (int i = 0; i < 26; ++i) {
        const double t = (i * 0.6180339887) - std::floor(i * 0.6180339887);
        const bool topRow = i % 2 == 0;
        const double x = 24 + t * 268;
        const double y = topRow ? 22 + (i * 7 % 17) : 158 + (i * 5 % 15);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, i * 0.9);
        setColour(cr, colours[i % 5]);
        if (i % 3 == 0) disc(cr, 0, 0, 2.6);
        else {
            cairo_rectangle(cr, -4, -1.8, 8, 3.6);
            cairo_fill(cr);
        }
        cairo_restore(cr);
    }
}

// A small globe: sea, two land masses and a light grid.
void globe(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * Pi);
    setColour(cr, palette::Sea);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    setColour(cr, Colour::rgb(112, 178, 102));
    cairo_move_to(cr, cx - r * 0.7, cy - r * 0.7);
    cairo_curve_to(cr, cx - r * 0.1, cy - r * 0.9, cx + r * 0.1, cy - r * 0.3, cx - r * 0.2, cy + r * 0.1);
    cairo_curve_to(cr, cx - r * 0.4, cy + r * 0.5, cx - r * 0.1, cy + r * 0.9, cx - r * 0.5, cy + r * 0.9);
    cairo_curve_to(cr, cx - r * 1.0, cy + r * 0.4, cx - r * 1.1, cy - r * 0.3, cx - r * 0.7, cy - r * 0.7);
    cairo_fill(cr);
    cairo_move_to(cr, cx + r * 0.3, cy - r * 0.5);
    cairo_curve_to(cr, cx + r * 0.9, cy - r * 0.7, cx + r * 1.1, cy, cx + r * 0.7, cy + r * 0.3);
    cairo_curve_to(cr, cx + r * 0.5, cy + r * 0.6, cx + r * 0.2, cy + r * 0.2, cx + r * 0.3, cy - r * 0.5);
    cairo_fill(cr);
    setColour(cr, withAlpha(palette::White, 0.45));
    cairo_set_line_width(cr, 1.2);
    ellipsePath(cr, cx, cy, r * 0.45, r);
    cairo_move_to(cr, cx - r, cy);
    cairo_line_to(cr, cx + r, cy);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * Pi);
    setColour(cr, palette::Ink);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
}

void forgeWonBanner(const Paths& paths) {
    Picture picture(320, 200);
    cairo_t* cr = picture.cr();
    drawBannerCard(cr, {palette::Primary, palette::PrimaryDark, palette::Accent});
    confetti(cr);
    star(cr, 32, 99, 11, palette::Accent, 0.2);
    star(cr, 284, 99, 11, palette::Accent, -0.2);
    outlinedText(cr, "GAGNÉ !", 158, 122, 64, 226, Colour::rgb(255, 224, 120), 7);
    saveKeyedBmp(picture, interfacePath(paths, 49));
}

void forgeLostBanner(const Paths& paths) {
    Picture picture(320, 200);
    cairo_t* cr = picture.cr();
    drawBannerCard(cr, {Colour::rgb(158, 58, 50), Colour::rgb(98, 32, 30), Colour::rgb(226, 206, 198)});
    outlinedText(cr, "PERDU !", 158, 121, 62, 250, Colour::rgb(252, 236, 230), 7);
    saveKeyedBmp(picture, interfacePath(paths, 50));
}

void forgeTravelWonBanner(const Paths& paths) {
    Picture picture(320, 200);
    cairo_t* cr = picture.cr();
    drawBannerCard(cr, {Colour::rgb(252, 214, 112), palette::AccentDark, palette::PrimaryDark});
    globe(cr, 158, 44, 22);
    star(cr, 112, 40, 9, palette::White, 0.3);
    star(cr, 204, 40, 9, palette::White, -0.3);
    star(cr, 40, 40, 7, Colour::rgb(255, 240, 180));
    star(cr, 276, 40, 7, Colour::rgb(255, 240, 180));
    outlinedText(cr, "VOYAGE", 158, 114, 46, 260, palette::White, 6);
    outlinedText(cr, "RÉUSSI !", 158, 166, 46, 260, palette::White, 6);
    saveKeyedBmp(picture, interfacePath(paths, 51));
}

void forgeTravelOverBanner(const Paths& paths) {
    Picture picture(320, 200);
    cairo_t* cr = picture.cr();
    drawBannerCard(cr, {Colour::rgb(104, 120, 138), Colour::rgb(66, 80, 98), Colour::rgb(186, 196, 206)});
    outlinedText(cr, "VOYAGE", 158, 76, 44, 260, Colour::rgb(236, 240, 244), 6);
    outlinedText(cr, "TERMINÉ", 158, 126, 44, 260, Colour::rgb(236, 240, 244), 6);
    useFont(cr, Face::SansBold, 19);
    setColour(cr, Colour::rgb(226, 220, 204));
    centredText(cr, "Plus assez d'argent", 158, 164);
    saveKeyedBmp(picture, interfacePath(paths, 59));
}

// ---------------------------------------------------------------------------
// List markers, drawn on cream panels.

void forgeRowMarker(const Paths& paths) {
    Picture picture(8, 16);
    cairo_t* cr = picture.cr();
    polygon(cr, {1.2, 2.2, 7, 8, 1.2, 13.8});
    setColour(cr, palette::Accent);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_fill_preserve(cr);
    setColour(cr, palette::Ink);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    saveKeyedBmp(picture, interfacePath(paths, 60), KeyBlue, palette::Paper);
}

void forgeScrollMarker(const Paths& paths) {
    Picture picture(8, 10);
    cairo_t* cr = picture.cr();
    polygon(cr, {0.6, 0.6, 7.6, 5, 0.6, 9.4});
    setColour(cr, palette::Accent);
    cairo_fill_preserve(cr);
    setColour(cr, palette::AccentDark);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    saveKeyedBmp(picture, interfacePath(paths, 61), KeyBlue, palette::Paper);
}

// ---------------------------------------------------------------------------
// The quit panel, 500 x 260. The program writes its question in light
// letters at (55, 80) and puts the yes/no buttons at (40, 140) and
// (200, 140), so a dark band runs behind the question and the lower part
// stays plain. The same panel without the door (56) asks the other
// questions.

void forgeQuitPanel(const Paths& paths, int number, bool withDoor) {
    Picture picture(500, 260);
    cairo_t* cr = picture.cr();
    const double x = 2, y = 2, w = 490, h = 250, radius = 18;
    roundedRectPath(cr, x + 5, y + 6, w, h, radius);
    setColour(cr, Colour::rgb(0, 0, 0, 0.4));
    cairo_fill(cr);

    roundedRectPath(cr, x, y, w, h, radius);
    setColour(cr, palette::Paper);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // A coloured top edge, then the band behind the question with an amber
    // underline.
    setColour(cr, palette::Primary);
    cairo_rectangle(cr, 0, 0, 500, 10);
    cairo_fill(cr);
    setColour(cr, palette::PrimaryDark);
    cairo_rectangle(cr, 0, 60, 500, 50);
    cairo_fill(cr);
    setColour(cr, palette::Accent);
    cairo_rectangle(cr, 0, 110, 500, 3);
    cairo_fill(cr);
    cairo_restore(cr);
    roundedRectPath(cr, x, y, w, h, radius);
    setColour(cr, palette::Ink);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);

    // The exit door, left of the question.
    if (withDoor) {
        cairo_save(cr);
        cairo_translate(cr, 4, 0);
        stampIcon(cr, iconExit, palette::Accent, 61);
        cairo_restore(cr);
    }

    saveKeyedBmp(picture, interfacePath(paths, number));
}

// Numbers the program loads but never shows.
void forgeEmpty(const Paths& paths, int number) {
    Picture picture(48, 48);
    saveKeyedBmp(picture, interfacePath(paths, number));
}

}  // namespace

void forgeInterface(const Paths& paths) {
    forgeButtons(paths);
    forgeCheckBox(paths, 45, false);
    forgeCheckBox(paths, 46, true);
    forgeTraveller(paths);
    forgeWonBanner(paths);
    forgeLostBanner(paths);
    forgeTravelWonBanner(paths);
    forgeTravelOverBanner(paths);
    forgeRowMarker(paths);
    forgeScrollMarker(paths);
    forgeQuitPanel(paths, 41, true);
    forgeQuitPanel(paths, 56, false);
    for (int number : {0, 1, 2, 21, 22, 25, 29, 30}) forgeEmpty(paths, number);
}

}  // namespace forge
