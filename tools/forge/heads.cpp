// The players' portraits: small friendly faces of flat shapes on a soft
// coloured backdrop, one file per name shown in the player list.
#include <cmath>
#include <string>

#include "forge.hpp"

namespace forge {

namespace {

constexpr int Width = 80;
constexpr int Height = 90;
constexpr double HeadX = 40, HeadY = 38;  // centre of a person's face

Colour mix(const Colour& a, const Colour& b, double t) {
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

// Fills the current path and rims it with a darker shade of the same colour.
void fillEdged(cairo_t* cr, const Colour& colour) {
    setColour(cr, colour);
    cairo_fill_preserve(cr);
    setColour(cr, mix(colour, palette::Ink, 0.5));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void disc(cairo_t* cr, double x, double y, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
}

void ellipse(cairo_t* cr, double x, double y, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

// The soft backdrop: a vertical gradient with a lighter disc behind the head.
void backdrop(cairo_t* cr, const Colour& colour) {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, Height);
    const Colour top = mix(colour, palette::White, 0.2), bottom = mix(colour, palette::Ink, 0.25);
    cairo_pattern_add_color_stop_rgb(sky, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(sky, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    disc(cr, HeadX, HeadY + 2, 35);
    setColour(cr, mix(colour, palette::White, 0.35));
    cairo_fill(cr);
}

// Rounded shoulders filling the bottom of the portrait.
void shoulders(cairo_t* cr, const Colour& colour, double top = 67) {
    cairo_move_to(cr, 3, Height + 2);
    cairo_curve_to(cr, 3, top + 9, 14, top + 1, 29, top);
    cairo_line_to(cr, 51, top);
    cairo_curve_to(cr, 66, top + 1, 77, top + 9, 77, Height + 2);
    cairo_close_path(cr);
    fillEdged(cr, colour);
}

// ---------------------------------------------------------------------------
// People.

enum class Hair { Short, Long, Bob, Curly, Bunches, Spiky, Receding };

enum Extra : unsigned {
    None = 0,
    Glasses = 1,
    Beard = 2,
    Moustache = 4,
    Earrings = 8,
    Beanie = 16,
    Freckles = 32,
    VNeck = 64,
};

struct Person {
    const char* name;
    Colour backdrop, skin, hair, clothes;
    Hair style;
    unsigned extras;
};

// The short cap of hair over the top of the head, with a soft fringe.
void hairCap(cairo_t* cr, double fringeY) {
    cairo_move_to(cr, 22, 42);
    cairo_curve_to(cr, 19, 22, 30, 16, 40, 16);
    cairo_curve_to(cr, 50, 16, 61, 22, 58, 42);
    cairo_curve_to(cr, 56, 34, 54, 30, 52, fringeY + 2);
    cairo_curve_to(cr, 44, fringeY + 4, 34, fringeY - 1, 27, fringeY + 3);
    cairo_curve_to(cr, 25, 32, 24, 36, 22, 42);
    cairo_close_path(cr);
}

// Hair that hangs behind the head and neck.
void hairBehind(cairo_t* cr, const Person& p) {
    switch (p.style) {
        case Hair::Long:
            roundedRectPath(cr, 19, 20, 42, 56, 17);
            fillEdged(cr, p.hair);
            break;
        case Hair::Bob:
            roundedRectPath(cr, 19, 19, 42, 42, 15);
            fillEdged(cr, p.hair);
            break;
        case Hair::Curly:
            for (int i = 0; i <= 10; ++i) {
                const double a = M_PI * (0.85 + 1.3 * i / 10.0);
                disc(cr, HeadX + 21 * std::cos(a), HeadY + 2 + 22 * std::sin(a), 8);
            }
            disc(cr, 20, 58, 7);
            disc(cr, 60, 58, 7);
            fillEdged(cr, p.hair);
            break;
        case Hair::Bunches:
            disc(cr, 17, 36, 8);
            disc(cr, 63, 36, 8);
            fillEdged(cr, p.hair);
            break;
        default:
            break;
    }
}

// Hair over the top of the head.
void hairFront(cairo_t* cr, const Person& p) {
    switch (p.style) {
        case Hair::Short:
        case Hair::Long:
        case Hair::Bunches:
            hairCap(cr, 27);
            fillEdged(cr, p.hair);
            break;
        case Hair::Bob:
            cairo_move_to(cr, 22, 44);
            cairo_curve_to(cr, 19, 22, 30, 16, 40, 16);
            cairo_curve_to(cr, 50, 16, 61, 22, 58, 44);
            cairo_line_to(cr, 56, 30);
            cairo_line_to(cr, 24, 30);
            cairo_close_path(cr);
            fillEdged(cr, p.hair);
            break;
        case Hair::Curly:
            for (int i = 0; i < 6; ++i) disc(cr, 25 + i * 6, 22 + 3 * std::abs(i - 2.5), 6);
            fillEdged(cr, p.hair);
            break;
        case Hair::Spiky:
            // Tufts swept a little to one side, between the fringe and the crown.
            cairo_move_to(cr, 22, 40);
            for (int i = 0; i <= 12; ++i) {
                const double a = M_PI * (1 + i / 12.0) + (i % 2 ? 0.1 : 0);
                const double r = i % 2 ? 23 : 18.5;
                cairo_line_to(cr, HeadX + r * std::cos(a), 36 + r * std::sin(a));
            }
            cairo_line_to(cr, 58, 40);
            cairo_curve_to(cr, 56, 31, 48, 27, 40, 28);
            cairo_curve_to(cr, 32, 27, 25, 31, 22, 40);
            cairo_close_path(cr);
            fillEdged(cr, p.hair);
            break;
        case Hair::Receding:
            // Tufts above the ears and a shine on the bald crown.
            ellipse(cr, 24, 33, 3.8, 7.5);
            ellipse(cr, 56, 33, 3.8, 7.5);
            fillEdged(cr, p.hair);
            ellipse(cr, 35, 24, 5, 2.5);
            setColour(cr, Colour{1, 1, 1, 0.45});
            cairo_fill(cr);
            break;
    }
    if (p.extras & Beanie) {
        cairo_move_to(cr, 21, 31);
        cairo_curve_to(cr, 20, 12, 60, 12, 59, 31);
        cairo_close_path(cr);
        fillEdged(cr, palette::Accent);
        roundedRectPath(cr, 19, 26, 42, 8, 3);
        fillEdged(cr, palette::AccentDark);
        disc(cr, 40, 12, 4.5);
        fillEdged(cr, palette::Paper);
    }
}

void face(cairo_t* cr, const Person& p) {
    const Colour ink = palette::Ink;
    const Colour blush = mix(p.skin, palette::Danger, 0.35);
    // Cheeks, eyes with a glint, brows, nose.
    setColour(cr, Colour{blush.r, blush.g, blush.b, 0.55});
    disc(cr, 30.5, 46, 3.2);
    disc(cr, 49.5, 46, 3.2);
    cairo_fill(cr);
    setColour(cr, ink);
    disc(cr, 34, 39.5, 2.3);
    disc(cr, 46, 39.5, 2.3);
    cairo_fill(cr);
    setColour(cr, palette::White);
    disc(cr, 34.8, 38.7, 0.8);
    disc(cr, 46.8, 38.7, 0.8);
    cairo_fill(cr);
    setColour(cr, mix(p.hair, ink, 0.3));
    cairo_set_line_width(cr, 1.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, 31, 34.5);
    cairo_curve_to(cr, 32.5, 33, 35.5, 33, 37, 34);
    cairo_move_to(cr, 43, 34);
    cairo_curve_to(cr, 44.5, 33, 47.5, 33, 49, 34.5);
    cairo_stroke(cr);
    setColour(cr, mix(p.skin, ink, 0.3));
    cairo_set_line_width(cr, 1.1);
    cairo_move_to(cr, 40, 41.5);
    cairo_curve_to(cr, 39, 43.5, 39.5, 45, 41, 44.8);
    cairo_stroke(cr);
    if (p.extras & Freckles) {
        setColour(cr, mix(p.skin, palette::AccentDark, 0.6));
        for (double side : {-1.0, 1.0})
            for (int i = 0; i < 3; ++i) disc(cr, 40 + side * (8 + i * 2.2), 43.5 + (i % 2) * 1.6, 0.6);
        cairo_fill(cr);
    }
}

void beard(cairo_t* cr, const Person& p) {
    cairo_move_to(cr, 23, 38);
    cairo_curve_to(cr, 24, 48, 26, 52, 32, 49);
    cairo_curve_to(cr, 36, 47, 44, 47, 48, 49);
    cairo_curve_to(cr, 54, 52, 56, 48, 57, 38);
    cairo_curve_to(cr, 60, 58, 52, 66, 40, 66);
    cairo_curve_to(cr, 28, 66, 20, 58, 23, 38);
    cairo_close_path(cr);
    fillEdged(cr, p.hair);
}

void mouth(cairo_t* cr, const Person& p) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, 40, 47, 5, 0.18 * M_PI, 0.82 * M_PI);
    cairo_close_path(cr);
    setColour(cr, mix(palette::Danger, palette::Ink, 0.35));
    cairo_fill(cr);
    if (p.extras & Moustache) {
        cairo_move_to(cr, 40, 47.5);
        cairo_curve_to(cr, 37, 44.5, 32, 45, 30.5, 49);
        cairo_curve_to(cr, 34, 47.5, 37, 48.5, 40, 48.5);
        cairo_curve_to(cr, 43, 48.5, 46, 47.5, 49.5, 49);
        cairo_curve_to(cr, 48, 45, 43, 44.5, 40, 47.5);
        cairo_close_path(cr);
        fillEdged(cr, p.hair);
    }
}

void glasses(cairo_t* cr) {
    setColour(cr, palette::Ink);
    cairo_set_line_width(cr, 1.4);
    disc(cr, 34, 39.5, 5);
    disc(cr, 46, 39.5, 5);
    cairo_move_to(cr, 39, 39);
    cairo_line_to(cr, 41, 39);
    cairo_stroke(cr);
    setColour(cr, Colour{1, 1, 1, 0.25});
    disc(cr, 34, 39.5, 4.3);
    disc(cr, 46, 39.5, 4.3);
    cairo_fill(cr);
}

void drawPerson(Picture& picture, const Person& p) {
    cairo_t* cr = picture.cr();
    backdrop(cr, p.backdrop);
    hairBehind(cr, p);
    shoulders(cr, p.clothes);
    // Neck and neckline.
    roundedRectPath(cr, 34, 52, 12, 18, 4);
    fillEdged(cr, mix(p.skin, palette::Ink, 0.12));
    if (p.extras & VNeck) {
        cairo_move_to(cr, 32, 67);
        cairo_line_to(cr, 40, 79);
        cairo_line_to(cr, 48, 67);
    } else {
        cairo_move_to(cr, 32, 67);
        cairo_curve_to(cr, 34, 73, 46, 73, 48, 67);
    }
    cairo_close_path(cr);
    fillEdged(cr, mix(p.skin, palette::Ink, 0.12));
    // Ears, head, hair, face.
    disc(cr, 23.5, 41, 4);
    disc(cr, 56.5, 41, 4);
    fillEdged(cr, p.skin);
    ellipse(cr, HeadX, HeadY, 16.5, 19.5);
    fillEdged(cr, p.skin);
    if (p.extras & Earrings) {
        disc(cr, 23.5, 47.5, 2);
        disc(cr, 56.5, 47.5, 2);
        fillEdged(cr, palette::Accent);
    }
    hairFront(cr, p);
    face(cr, p);
    if (p.extras & Beard) beard(cr, p);
    mouth(cr, p);
    if (p.extras & Glasses) glasses(cr);
}

// ---------------------------------------------------------------------------
// The cat and the robot.

void drawCat(Picture& picture) {
    cairo_t* cr = picture.cr();
    const Colour fur = Colour::rgb(232, 150, 70), dark = Colour::rgb(190, 104, 40);
    const Colour pink = Colour::rgb(236, 150, 150);
    backdrop(cr, Colour::rgb(120, 170, 200));
    shoulders(cr, fur, 72);
    // Ears, then the head over them.
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, 40 + side * 23, 40);
        cairo_line_to(cr, 40 + side * 22, 12);
        cairo_line_to(cr, 40 + side * 6, 28);
        cairo_close_path(cr);
        fillEdged(cr, fur);
        cairo_move_to(cr, 40 + side * 19.5, 34);
        cairo_line_to(cr, 40 + side * 19.5, 18);
        cairo_line_to(cr, 40 + side * 10, 28);
        cairo_close_path(cr);
        setColour(cr, pink);
        cairo_fill(cr);
    }
    ellipse(cr, 40, 46, 24, 21);
    fillEdged(cr, fur);
    // Tabby stripes on the forehead.
    setColour(cr, dark);
    for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, 40 + i * 6 - 2, 26 + std::abs(i) * 1.5);
        cairo_line_to(cr, 40 + i * 6 + 2, 26 + std::abs(i) * 1.5);
        cairo_line_to(cr, 40 + i * 5, 35);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    // Muzzle, eyes with slit pupils, nose, mouth, whiskers.
    ellipse(cr, 35, 54, 7, 5.5);
    ellipse(cr, 45, 54, 7, 5.5);
    setColour(cr, palette::Paper);
    cairo_fill(cr);
    for (double side : {-1.0, 1.0}) {
        ellipse(cr, 40 + side * 9, 43, 4.5, 4);
        fillEdged(cr, Colour::rgb(150, 200, 80));
        ellipse(cr, 40 + side * 9, 43, 1.1, 3.4);
        setColour(cr, palette::Ink);
        cairo_fill(cr);
        disc(cr, 40 + side * 9 + 1.5, 41.5, 0.9);
        setColour(cr, palette::White);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 37, 50);
    cairo_line_to(cr, 43, 50);
    cairo_line_to(cr, 40, 53.5);
    cairo_close_path(cr);
    fillEdged(cr, pink);
    setColour(cr, palette::Ink);
    cairo_set_line_width(cr, 1.1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, 40, 53.5);
    cairo_curve_to(cr, 40, 57, 36, 58, 34.5, 55.5);
    cairo_move_to(cr, 40, 53.5);
    cairo_curve_to(cr, 40, 57, 44, 58, 45.5, 55.5);
    cairo_stroke(cr);
    setColour(cr, Colour{1, 1, 1, 0.85});
    cairo_set_line_width(cr, 0.8);
    for (double side : {-1.0, 1.0}) {
        for (int i = -1; i <= 1; ++i) {
            cairo_move_to(cr, 40 + side * 9, 54 + i * 1.5);
            cairo_line_to(cr, 40 + side * 27, 52 + i * 4);
        }
    }
    cairo_stroke(cr);
}

void drawRobot(Picture& picture) {
    cairo_t* cr = picture.cr();
    const Colour steel = Colour::rgb(168, 184, 196), steelDark = Colour::rgb(120, 138, 152);
    const Colour glow = Colour::rgb(110, 230, 230);
    backdrop(cr, Colour::rgb(226, 190, 100));
    shoulders(cr, steelDark);
    roundedRectPath(cr, 30, 74, 20, 10, 3);
    fillEdged(cr, palette::Primary);
    disc(cr, 35, 79, 1.6);
    setColour(cr, palette::Danger);
    cairo_fill(cr);
    disc(cr, 45, 79, 1.6);
    setColour(cr, palette::Success);
    cairo_fill(cr);
    // Neck, antenna, ear bolts, head.
    roundedRectPath(cr, 33, 58, 14, 12, 2);
    fillEdged(cr, steelDark);
    setColour(cr, palette::Ink);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 40, 20);
    cairo_line_to(cr, 40, 9);
    cairo_stroke(cr);
    disc(cr, 40, 8, 3.5);
    fillEdged(cr, palette::Danger);
    roundedRectPath(cr, 13, 32, 7, 14, 2);
    roundedRectPath(cr, 60, 32, 7, 14, 2);
    fillEdged(cr, steelDark);
    roundedRectPath(cr, 18, 19, 44, 42, 9);
    cairo_pattern_t* metal = cairo_pattern_create_linear(0, 19, 0, 61);
    cairo_pattern_add_color_stop_rgb(metal, 0, 0.78, 0.84, 0.88);
    cairo_pattern_add_color_stop_rgb(metal, 1, steel.r * 0.85, steel.g * 0.85, steel.b * 0.85);
    cairo_set_source(cr, metal);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(metal);
    setColour(cr, mix(steel, palette::Ink, 0.5));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // Rivets, glowing eyes, a smiling grille.
    setColour(cr, steelDark);
    for (double x : {23.0, 57.0})
        for (double y : {24.0, 56.0}) disc(cr, x, y, 1.3);
    cairo_fill(cr);
    for (double x : {26.0, 43.0}) {
        roundedRectPath(cr, x, 30, 11, 10, 3);
        fillEdged(cr, palette::Ink);
        roundedRectPath(cr, x + 2.5, 32.5, 6, 5, 1.5);
        setColour(cr, glow);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 29, 47);
    cairo_curve_to(cr, 33, 53, 47, 53, 51, 47);
    cairo_curve_to(cr, 47, 50, 33, 50, 29, 47);
    cairo_close_path(cr);
    fillEdged(cr, palette::Ink);
}

}  // namespace

void forgeHeads(const Paths& paths) {
    const std::string folder = paths.app + "bitmaps/tete/";
    const Colour fair = Colour::rgb(246, 208, 178), rosy = Colour::rgb(238, 190, 160);
    const Colour olive = Colour::rgb(214, 164, 120), brown = Colour::rgb(160, 106, 72);
    const Person people[] = {
        {"Joueur", palette::Sky, rosy, Colour::rgb(110, 70, 40), palette::Primary, Hair::Short, None},
        {"Vimbo Trask", Colour::rgb(150, 196, 140), fair, Colour::rgb(196, 96, 40), Colour::rgb(70, 120, 80),
         Hair::Short, Beard | Moustache | Glasses | Beanie},
        {"Camille", Colour::rgb(150, 206, 186), fair, Colour::rgb(150, 64, 40), Colour::rgb(226, 110, 96), Hair::Long,
         Earrings},
        {"Lucien", Colour::rgb(222, 204, 170), rosy, Colour::rgb(176, 178, 186), Colour::rgb(60, 80, 120),
         Hair::Receding, Glasses | Moustache | VNeck},
        {"Margot", Colour::rgb(190, 170, 220), fair, Colour::rgb(214, 110, 50), Colour::rgb(240, 200, 80),
         Hair::Bunches, Freckles},
        {"Yasmine", Colour::rgb(240, 180, 150), brown, Colour::rgb(40, 30, 32), Colour::rgb(120, 80, 160), Hair::Curly,
         Earrings},
        {"Hugo", Colour::rgb(170, 210, 120), olive, Colour::rgb(206, 158, 84), palette::Danger, Hair::Spiky, None},
        {"Louise", Colour::rgb(236, 170, 170), olive, Colour::rgb(70, 44, 30), Colour::rgb(50, 140, 150), Hair::Bob,
         VNeck},
    };
    for (const Person& person : people) {
        Picture picture(Width, Height);
        drawPerson(picture, person);
        saveBmp(picture, folder + person.name + ".bmp");
    }
    Picture cat(Width, Height);
    drawCat(cat);
    saveBmp(cat, folder + "Chat.bmp");
    Picture robot(Width, Height);
    drawRobot(robot);
    saveBmp(robot, folder + "Robot.bmp");
}

}  // namespace forge
