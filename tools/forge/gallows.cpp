// The hangman pictures: stage k shows the gallows and figure after k wrong
// guesses, each stage adding one stroke to the one before. They are keyed
// and drawn over the game's background, so the wood has a light rim and the
// figure a dark outline to read on any of them.
#include <algorithm>
#include <cmath>
#include <string>

#include "forge.hpp"

namespace forge {

namespace {

// The picture is drawn at (20, 150), left of the word and above the first
// proverb row (y 360): the scene is designed on a 200 x 250 stage and
// scaled down to fit that corner.
constexpr double Scale = 0.82;
constexpr int Width = 166;
constexpr int Height = 206;
constexpr int LostStage = 11;
constexpr int LastFile = 53;

// Dark and close to the backgrounds' tone, under the anti-aliased edges.
constexpr Colour GallowsMatte = Colour::rgb(40, 46, 56);

constexpr Colour WoodLight = Colour::rgb(176, 118, 66);
constexpr Colour WoodMid = Colour::rgb(142, 90, 48);
constexpr Colour WoodDark = Colour::rgb(104, 62, 32);
constexpr Colour WoodRim = Colour::rgb(240, 212, 166);
constexpr Colour Figure = Colour::rgb(250, 246, 236);

// Where the rope hangs and the figure's joints.
constexpr double RopeX = 142;
constexpr double HeadY = 90, HeadR = 15;
constexpr double NeckY = HeadY + HeadR, ShoulderY = 116, HipY = 160;

// A plank from (x0, y0) to (x1, y1): shaded across its width, with a few
// grain lines along it and a light rim.
void plank(cairo_t* cr, double x0, double y0, double x1, double y1, double thickness) {
    const double length = std::hypot(x1 - x0, y1 - y0);
    cairo_save(cr);
    cairo_translate(cr, x0, y0);
    cairo_rotate(cr, std::atan2(y1 - y0, x1 - x0));
    const double half = thickness / 2;
    roundedRectPath(cr, -half, -half, length + thickness, thickness, 3);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, -half, 0, half);
    cairo_pattern_add_color_stop_rgb(shade, 0, WoodLight.r, WoodLight.g, WoodLight.b);
    cairo_pattern_add_color_stop_rgb(shade, 0.45, WoodMid.r, WoodMid.g, WoodMid.b);
    cairo_pattern_add_color_stop_rgb(shade, 1, WoodDark.r, WoodDark.g, WoodDark.b);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    setColour(cr, WoodRim);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // Grain: gently waving lines, different on every plank length.
    cairo_set_source_rgba(cr, WoodDark.r * 0.8, WoodDark.g * 0.8, WoodDark.b * 0.8, 0.7);
    cairo_set_line_width(cr, 0.9);
    for (int line = 0; line < 2; ++line) {
        const double offset = (line == 0 ? -0.22 : 0.2) * thickness;
        cairo_move_to(cr, 2 + line * 9, offset);
        for (double t = 2 + line * 9; t < length - 4 - line * 7; t += 6)
            cairo_line_to(cr, t, offset + 0.8 * std::sin(t / 9.0 + line * 2 + length));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

// A dark bolt head with a glint where planks meet.
void bolt(cairo_t* cr, double x, double y) {
    cairo_arc(cr, x, y, 2.4, 0, 2 * M_PI);
    setColour(cr, Colour::rgb(50, 40, 36));
    cairo_fill(cr);
    cairo_arc(cr, x - 0.7, y - 0.7, 0.8, 0, 2 * M_PI);
    setColour(cr, WoodRim);
    cairo_fill(cr);
}

void ground(cairo_t* cr) {
    cairo_move_to(cr, 6, 244);
    cairo_curve_to(cr, 30, 222, 160, 218, 194, 244);
    cairo_close_path(cr);
    cairo_pattern_t* grass = cairo_pattern_create_linear(0, 220, 0, 244);
    cairo_pattern_add_color_stop_rgb(grass, 0, 0.40, 0.58, 0.32);
    cairo_pattern_add_color_stop_rgb(grass, 1, 0.24, 0.38, 0.22);
    cairo_set_source(cr, grass);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(grass);
    cairo_set_source_rgb(cr, 0.78, 0.84, 0.62);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

void rope(cairo_t* cr) {
    const double top = 30, bottom = HeadY - HeadR + 2;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgb(cr, 0.30, 0.20, 0.10);
    cairo_set_line_width(cr, 6);
    cairo_move_to(cr, RopeX, top);
    cairo_line_to(cr, RopeX, bottom);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0.86, 0.74, 0.50);
    cairo_set_line_width(cr, 4);
    cairo_move_to(cr, RopeX, top);
    cairo_line_to(cr, RopeX, bottom);
    cairo_stroke(cr);
    // Twists, and the knot above the head.
    cairo_set_source_rgb(cr, 0.62, 0.48, 0.28);
    cairo_set_line_width(cr, 1);
    for (double y = top + 3; y < bottom - 8; y += 5) {
        cairo_move_to(cr, RopeX - 2, y);
        cairo_line_to(cr, RopeX + 2, y + 3);
    }
    cairo_stroke(cr);
    roundedRectPath(cr, RopeX - 5, bottom - 10, 10, 8, 3);
    cairo_set_source_rgb(cr, 0.86, 0.74, 0.50);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.30, 0.20, 0.10);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void face(cairo_t* cr, bool lost) {
    setColour(cr, palette::Ink);
    cairo_set_line_width(cr, 1.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double side : {-1.0, 1.0}) {
        const double ex = RopeX + side * 5.5, ey = HeadY - 3;
        if (lost) {
            cairo_move_to(cr, ex - 2.5, ey - 2.5);
            cairo_line_to(cr, ex + 2.5, ey + 2.5);
            cairo_move_to(cr, ex + 2.5, ey - 2.5);
            cairo_line_to(cr, ex - 2.5, ey + 2.5);
            cairo_stroke(cr);
        } else {
            cairo_arc(cr, ex, ey, 1.8, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
    // Worried while there is hope, a frown once lost.
    if (lost) {
        cairo_arc(cr, RopeX, HeadY + 11, 5, 1.2 * M_PI, 1.8 * M_PI);
    } else {
        cairo_move_to(cr, RopeX - 4, HeadY + 6);
        cairo_curve_to(cr, RopeX - 1.5, HeadY + 4.5, RopeX + 1.5, HeadY + 7.5, RopeX + 4, HeadY + 6);
    }
    cairo_stroke(cr);
}

// The limbs present at `stage`, as line segments.
struct Limb {
    int stage;
    double x0, y0, x1, y1;
};
constexpr Limb Limbs[] = {
    {7, RopeX, NeckY, RopeX, HipY},                       // body
    {8, RopeX, ShoulderY, RopeX - 22, ShoulderY + 30},    // left arm
    {9, RopeX, ShoulderY, RopeX + 22, ShoulderY + 30},    // right arm
    {10, RopeX, HipY, RopeX - 18, HipY + 44},             // left leg
    {11, RopeX, HipY, RopeX + 18, HipY + 44},             // right leg
};

// The figure: every outline first, then every fill, so joints stay clean.
void figure(cairo_t* cr, int stage) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (const bool outline : {true, false}) {
        setColour(cr, outline ? palette::Ink : Figure);
        cairo_set_line_width(cr, outline ? 9 : 5);
        for (const Limb& limb : Limbs) {
            if (limb.stage > stage) continue;
            cairo_move_to(cr, limb.x0, limb.y0);
            cairo_line_to(cr, limb.x1, limb.y1);
        }
        cairo_stroke(cr);
        cairo_arc(cr, RopeX, HeadY, HeadR + (outline ? 2 : 0), 0, 2 * M_PI);
        cairo_fill(cr);
    }
    face(cr, stage >= LostStage);
}

void drawStage(cairo_t* cr, int stage) {
    if (stage >= 1) ground(cr);
    if (stage >= 2) plank(cr, 46, 234, 46, 22, 14);
    if (stage >= 3) {
        plank(cr, 34, 24, 160, 24, 13);
        bolt(cr, 46, 24);
    }
    if (stage >= 4) {
        plank(cr, 46, 78, 96, 28, 9);
        bolt(cr, 46, 78);
    }
    if (stage >= 5) rope(cr);
    if (stage >= 6) figure(cr, stage);
}

}  // namespace

void forgeGallows(const Paths& paths) {
    const std::string folder = paths.app + "bitmaps/pendu/";
    for (int stage = 0; stage <= LastFile; ++stage) {
        Picture picture(Width, Height);
        cairo_save(picture.cr());
        cairo_scale(picture.cr(), Scale, Scale);
        drawStage(picture.cr(), std::min(stage, LostStage));
        cairo_restore(picture.cr());
        saveKeyedBmp(picture, folder + std::to_string(stage) + ".bmp", KeyBlue, GallowsMatte);
    }
}

}  // namespace forge
