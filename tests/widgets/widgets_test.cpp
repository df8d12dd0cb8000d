#include "widgets/widgets.hpp"

#include <SDL2/SDL.h>

#include "media/asset_loading.hpp"
#include "platform/canvas.hpp"
#include "support/program_fixture.hpp"
#include "widgets/list_boxes.hpp"

namespace glossamo::testing {

namespace {

// A font sheet whose every cell is solid white, so drawn glyphs show where
// the program puts them.
void solidSheet(Canvas& canvas, ImageSet set, int slot, int width, int height) {
    SDL_Surface* sheet = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(sheet, nullptr, SDL_MapRGB(sheet->format, 255, 255, 255));
    canvas.setImage(set, slot, sheet, ColourKey{true, Rgb{0, 0, 255}});
}

// The first and last columns holding a non-black pixel on row y.
std::pair<int, int> inkedSpan(const Canvas& canvas, int y) {
    int first = -1, last = -1;
    for (int x = 0; x < SurfaceWidth; ++x) {
        if (canvas.pixel(x, y) == 0) continue;
        if (first < 0) first = x;
        last = x;
    }
    return {first, last};
}

}  // namespace

using BitmapFonts = ProgramFixture;

TEST_F(BitmapFonts, TwelveCharactersSpanTheirAdvance) {
    Canvas& canvas = platform.canvas();
    solidSheet(canvas, ImageSet::Interface, 26, 320, 180);
    solidSheet(canvas, ImageSet::Slot, 12, 480, 270);
    drawSmallText(s, 100, 50, NormalInk, "ABCDEFGHIJKL");
    EXPECT_EQ(inkedSpan(canvas, 55), std::make_pair(110, 230)) << "11-pixel glyphs every 10 pixels, x+10 .. x+130";
    drawTitleText(s, 100, 150, NormalInk, "ABCDEFGHIJKL");
    const auto [first, last] = inkedSpan(canvas, 160);
    EXPECT_EQ(first, 115);
    EXPECT_EQ(last, 100 + 15 * 12 + 17) << "the twelfth glyph starts at x+180";
}

TEST_F(BitmapFonts, TravelPlaceholderShowsCommentThirtyFour) {
    solidSheet(platform.canvas(), ImageSet::Interface, 26, 320, 180);
    s.app.comments[34] = "AB";
    drawSmallText(s, 0, 50, NormalInk, "AAAVOYAGE");
    EXPECT_EQ(inkedSpan(platform.canvas(), 55), std::make_pair(10, 30));
}

// Widgets drawn with the pictures the program ships.
class ShippedWidgets : public ProgramFixture {
protected:
    void SetUp() override {
        s.programDir = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/");
        loadInterface(s);
    }
};

TEST_F(ShippedWidgets, TileUnderThePointerLightsUpWhenClickable) {
    s.game.letters[2][3] = 'A';
    s.game.clickable[2][3] = 1;
    const int cx = 70 + 31 * 2, cy = 50 + 31 * 3;
    s.mousePos = {cx + 10, cy + 15};
    EXPECT_TRUE(drawTileText(s, cx, cy, NormalInk, 1, "A"));
    EXPECT_EQ(s.app.cursorShape, -21);

    s.app.cursorShape = 0;
    s.game.clickable[2][3] = 0;
    EXPECT_TRUE(drawTileText(s, cx, cy, NormalInk, 1, "A"));
    EXPECT_EQ(s.app.cursorShape, 0) << "not a clickable cell";
    s.mousePos = {cx + 40, cy + 15};
    EXPECT_FALSE(drawTileText(s, cx, cy, NormalInk, 1, "A"));
    EXPECT_FALSE(drawTileText(s, cx, cy, NormalInk, 0, "A")) << "no hover test without tiles";
}

TEST_F(ShippedWidgets, ButtonsAndCheckBoxesHitStrictlyInside) {
    EXPECT_FALSE(buttonHit(s, {100, 100}, {100, 120}));
    EXPECT_TRUE(buttonHit(s, {100, 100}, {101, 147}));
    EXPECT_EQ(s.app.hoverFlag, 1);
    EXPECT_FALSE(buttonHit(s, {100, 100}, {148, 120}));
    s.drag.active = 1;
    EXPECT_FALSE(buttonHit(s, {100, 100}, {120, 120})) << "not while a tile is carried";
    s.checkBox(2) = CheckBox{50, 60, 1};
    EXPECT_TRUE(checkBoxHit(s, {69, 79}, 2));
    EXPECT_FALSE(checkBoxHit(s, {70, 70}, 2));
    s.app.hoverFlag = 0;
    drawButton(s, {0, 0}, LastInterfacePicture, false);  // a button needs two pictures
    EXPECT_TRUE(logHas("Demande Affichage Boutton hors limite"));
    drawCard(s, 0, 0, 54);
    EXPECT_TRUE(logHas("DEMANDE AFFICHAGE CARTE: 54 HORS LIMITE"));
}

TEST_F(ShippedWidgets, PopupLastsFifteenHundredMilliseconds) {
    s.app.hoverText = "survol";
    showPopup(s, 2, 520, "Bravo");
    EXPECT_EQ(s.popup.x, 42);
    platform.advance(1500);
    drawPopup(s);
    EXPECT_EQ(s.popup.active, 1);
    platform.advance(1);
    drawPopup(s);
    EXPECT_EQ(s.popup.active, 0);
    EXPECT_TRUE(s.app.hoverText.empty());
}

TEST_F(ShippedWidgets, BannersBounceInsideTheirBox) {
    s.banner = Banner{252, 300, -1, 1};
    drawWinBanner(s);
    EXPECT_EQ(s.banner.x, 250);
    EXPECT_EQ(s.banner.y, 302);
    drawWinBanner(s);
    EXPECT_EQ(s.banner.x, 248);
    EXPECT_EQ(s.banner.dx, 1) << "turned back at the left bound";
    drawWinBanner(s);
    EXPECT_EQ(s.banner.x, 250);
    s.banner = Banner{400, 450, 1, 1};
    drawLostBanner(s);
    EXPECT_EQ(s.banner.y, 451) << "the lost banner falls at half speed";
    EXPECT_EQ(s.banner.dy, -1);
    for (int i = 0; i < 2000; ++i) drawLostBanner(s);
    EXPECT_TRUE(s.banner.x >= 246 && s.banner.x <= 654 && s.banner.y >= 148 && s.banner.y <= 453);
    platform.advance(4001);
    const Banner before = s.banner;
    drawLostBanner(s);
    drawWinBanner(s);
    EXPECT_EQ(s.banner.x, before.x) << "gone after four seconds, off the solution";
}

TEST_F(ShippedWidgets, CarriedWordFollowsThePointerAndSelectionEndsOffTheGrid) {
    s.drag = DragState{};
    s.drag.look = PieceLook::SelectionFrame;  // a hidden-words game
    s.drag.active = 1;
    s.drag.x = 70 + 31;
    s.drag.y = 50 + 31;
    s.game.movable[1][1] = s.game.movable[2][1] = 1;
    s.mousePos = {70 + 31 * 2 + 10, 50 + 31 + 10};
    drawDrag(s);
    EXPECT_EQ(s.drag.active, 1);
    s.mousePos = {70 + 31 * 3 + 10, 50 + 31 + 10};
    drawDrag(s);
    EXPECT_EQ(s.drag.active, 0) << "the pointer left the movable cells";
}

using ListBoxes = ProgramFixture;

TEST_F(ListBoxes, PositionMarkerFollowsTheScroll) {
    s.programDir = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/");
    loadInterface(s);
    ListBox& list = s.listBox(5);
    list.left = 100;
    list.top = 100;
    for (int i = 1; i <= 30; ++i) listAdd(s, 5, "ligne " + std::to_string(i));
    EXPECT_EQ(list.count, 30);
    list.firstShown = 19;
    platform.advance(100);
    scrollList(s, 5, +1);
    EXPECT_EQ(list.firstShown, 19) << "the last row is already shown";
    // The marker sits at top + 220 + 6: find it in the marker column.
    platform.canvas().clear();
    drawListBox(s, 5);
    const SDL_Surface* marker = platform.canvas().image(ImageSet::Interface, 61);
    ASSERT_NE(marker, nullptr);
    int firstInked = -1;
    for (int y = 0; y < SurfaceHeight && firstInked < 0; ++y)
        for (int x = 90; x < 90 + marker->w; ++x)
            if (platform.canvas().pixel(x, y) != 0 && y > 100 + 20 * 11 + 6 - 1) {
                firstInked = y;
                break;
            }
    EXPECT_GE(firstInked, 326);
    EXPECT_LT(firstInked, 326 + marker->h);
}

TEST_F(ListBoxes, MarkerOfAShortListAndAnEmptyList) {
    ListBox list;
    list.top = 0;
    list.count = 3;
    // top + nearest((0 + 1) * 220 / 3) = 73, without the extra 6.
    for (int i = 1; i <= 3; ++i) listAdd(s, 5, "x");
    s.listBox(5).top = 0;
    s.listBox(5).count = 3;
    s.listBox(5).firstShown = 0;
    s.listBox(5).left = 20;
    SDL_Surface* dot = SDL_CreateRGBSurfaceWithFormat(0, 1, 1, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(dot, nullptr, SDL_MapRGB(dot->format, 255, 0, 0));
    platform.canvas().setImage(ImageSet::Interface, 61, dot, ColourKey{});
    drawListBox(s, 5);
    EXPECT_NE(platform.canvas().pixel(10, 73), 0);
    EXPECT_EQ(platform.canvas().pixel(10, 72), 0);
    drawListBox(s, ListBoxCount + 1);
    EXPECT_TRUE(logHas("ListBox perso hors limite"));
}

TEST_F(ListBoxes, APressStepsOnceAndAHeldOneRepeatsEveryFiftyMilliseconds) {
    for (int i = 1; i <= 30; ++i) listAdd(s, 4, "fond");
    ListBox& list = s.listBox(4);
    s.app.lastScrollTick = platform.ticks();  // the press
    const auto holdFor = [&](int ms, int direction) {
        for (int held = 0; held < ms; held += 10) {
            platform.advance(10);
            scrollList(s, 4, direction);
        }
    };
    holdFor(400, +1);
    EXPECT_EQ(list.firstShown, 1) << "a click, even a slow one, moves one row";
    holdFor(300, +1);
    EXPECT_EQ(list.firstShown, 6) << "then one step at 410, 470 ... 650 ms";
    EXPECT_EQ(s.app.listScrolling, 1);
    holdFor(10000, -1);
    EXPECT_EQ(list.firstShown, 0);
}

TEST_F(ListBoxes, EmptyRowsGiveNoHighlightAndNoHand) {
    ListBox& list = s.listBox(8);
    list.left = 100;
    list.top = 100;
    listAdd(s, 8, "Camille");
    EXPECT_EQ(listRowHit(s, {120, 130}, 8), 1);
    EXPECT_EQ(s.app.cursorShape, -21);
    s.app.cursorShape = 0;
    EXPECT_EQ(listRowHit(s, {120, 150}, 8), 0) << "row 2 is empty";
    EXPECT_EQ(s.app.cursorShape, 0);
    EXPECT_EQ(listRowHit(s, {120, 121}, 8), 0) << "between rows";
    s.app.screen = 8;
    EXPECT_EQ(listRowHit(s, {120, 130}, 8), 0) << "search results cannot be picked";
}

TEST_F(ListBoxes, AddDeleteAndCount) {
    listAdd(s, 9, "un");
    listAdd(s, 9, "deux");
    listAdd(s, 9, "trois");
    EXPECT_TRUE(logHas("Ajout de deux \xE0 index 2"));
    listDelete(s, 9, 1);
    EXPECT_EQ(s.listBox(9).entries[1], "deux");
    EXPECT_EQ(s.listBox(9).count, 2);
    EXPECT_EQ(listCount(s, 9), 2);
    listDelete(s, 9, 600);
    EXPECT_EQ(listCount(s, 9), 2) << "outside 0..599 nothing happens";
    for (int i = 0; i < 600; ++i) listAdd(s, 9, "x");
    EXPECT_EQ(listCount(s, 9), 599);
    EXPECT_TRUE(logHas("Imposible d'ajouter un score"));
    listClear(s, 9);
    EXPECT_EQ(listCount(s, 9), 0);
}

}  // namespace glossamo::testing
