// What the player sees of the panels and the hangman with our own pictures
// and texts: nothing leaves its panel, every rules line can be read, and the
// gallows never cover a letter.
#include <algorithm>
#include <vector>

#include "base/file_system.hpp"
#include "games/game_reset.hpp"
#include "media/asset_loading.hpp"
#include "menus/menu_screens.hpp"
#include "platform/canvas.hpp"
#include "play/catalogue.hpp"
#include "play/game_start.hpp"
#include "shell/frame_tick.hpp"
#include "shell/startup.hpp"
#include "stats/statistics.hpp"
#include "support/layout_check.hpp"
#include "support/program_fixture.hpp"
#include "support/shot_writer.hpp"
#include "texts/comments_and_help.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::testing {

namespace {

constexpr int PanelLeft = 220;   // the panel at rest
constexpr int PanelTop = 72;
constexpr int PictureLeft = PanelLeft - 30;  // the panel picture: 580 x 420
constexpr int PictureRight = PictureLeft + 580;
constexpr int PictureBottom = PanelTop + 420;
constexpr int Frame = 10;  // the picture's border, where nothing may be drawn

std::vector<std::uint16_t> capture(Canvas& canvas) {
    std::vector<std::uint16_t> pixels;
    pixels.reserve(static_cast<std::size_t>(SurfaceWidth) * SurfaceHeight);
    for (int y = 0; y < SurfaceHeight; ++y)
        for (int x = 0; x < SurfaceWidth; ++x) pixels.push_back(canvas.pixel(x, y));
    return pixels;
}

// True for the pixels that belong to the panel's border or lie right of the
// panel in its rows: a panel's text or button there has left the panel.
bool outsidePanelInside(int x, int y) {
    if (y < PanelTop || y >= PictureBottom || x < PictureLeft) return false;
    return x >= PictureRight - Frame || x < PictureLeft + Frame || y < PanelTop + Frame || y >= PictureBottom - Frame;
}

}  // namespace

class PanelLayout : public ProgramFixture {
protected:
    std::vector<std::uint16_t> bare;  // the background and the empty panel

    void SetUp() override {
        s.programDir = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/");
        loadInterface(s);
        fillBackgroundList(s);
        initialisation(s);
        s.app.titleShowing = 0;
        loadBackground(s, 6);
        drawBackground(s);
        drawPanel(s, PanelLeft, PanelTop);
        bare = capture(platform.canvas());
    }

    void render(int screen) {
        s.app.screen = screen;
        s.app.panelX = PanelLeft;
        drawBackground(s);
        drawMenus(s, screen);
    }

    // The number of pixels drawn over the panel's border or beside it.
    int strayPixels() {
        int stray = 0;
        for (int y = PanelTop; y < PictureBottom; ++y)
            for (int x = PictureLeft; x < SurfaceWidth; ++x)
                if (outsidePanelInside(x, y) &&
                    platform.canvas().pixel(x, y) != bare[static_cast<std::size_t>(y) * SurfaceWidth + x])
                    ++stray;
        return stray;
    }

    // Clicks the help screen's down arrow until the list stops; the result
    // is every first row shown on the way.
    std::vector<int> scrollHelpToTheEnd() {
        s.mousePos = {PanelLeft + 45 + 24, PanelTop + 300 + 24};
        std::vector<int> firstRows;
        for (int step = 0; step < 700; ++step) {
            firstRows.push_back(s.listBox(6).firstShown);
            platform.advance(60);
            s.app.clickPending = 1;
            s.scrollPressStepped = 0;
            render(screens::Help);
            if (step > 2 && s.listBox(6).firstShown == firstRows.back()) break;
        }
        s.app.clickPending = 0;
        return firstRows;
    }
};

TEST_F(PanelLayout, CheckCatchesTextOverTheBorder) {
    render(screens::Options);
    saveShot(platform.canvas(), "layout_options");
    EXPECT_EQ(strayPixels(), 0);
    drawSmallText(s, PictureRight - 40, PanelTop + 60, NormalInk, "MOTS");
    EXPECT_GT(strayPixels(), 0);
}

TEST_F(PanelLayout, EveryPanelScreenStaysInsideItsPanel) {
    s.typedText = "ABCDEFGHIJKLMNOP";  // as long as typing allows
    for (int i = 0; i < 30; ++i) listAdd(s, 3, "ANTICONSTITUTIO");
    for (const int screen : {3, 4, 6, 7, 8, 9, screens::Challenge}) {
        render(screen);
        EXPECT_EQ(strayPixels(), 0) << "screen " << screen;
    }
    render(screens::PatternSearch);
    saveShot(platform.canvas(), "layout_pattern_search");
}

// Every panel, with its lists full and its statistics kept: no text meets
// another text or leaves the screen.
TEST_F(PanelLayout, NoPanelTextMeetsAnother) {
    const TempDir home;
    s.userDir = home.path();
    home.makeFolder("CFG");
    const int hangman = 8, motuce = 51, grid = 1;
    for (const int misses : {3, 6}) {
        ASSERT_TRUE(recordOutcome(s, GameOutcome{hangman, Outcome::Won, 3 * 3600 + 83, 0, misses, 12, 3}));
        ASSERT_TRUE(recordOutcome(s, GameOutcome{motuce, Outcome::Won, 83, misses, 0, 1, 0}));
        ASSERT_TRUE(recordOutcome(s, GameOutcome{grid, Outcome::Won, 36000 + 83, 0, 0, 1234, 123}));
    }
    s.typedText = "ABCDEFGHIJKLMNOP";
    for (int i = 0; i < 30; ++i) listAdd(s, 3, "ANTICONSTITUTIO");
    const auto check = [&](int screen, const std::string& name) {
        platform.canvas().endFrame();
        render(screen);
        EXPECT_FALSE(platform.canvas().boxesSoFar().empty()) << name;
        const std::vector<std::string> faults = layoutFaults(platform.canvas().boxesSoFar());
        for (const auto& f : faults) ADD_FAILURE() << name << ": " << f;
    };
    for (const Screen screen : {Screen::Options, Screen::Scores, Screen::Help, Screen::Profile, Screen::SavedGames,
                                Screen::AnagramSearch, Screen::PatternSearch, Screen::Challenge}) {
        openScreen(s, screen);
        check(screenNumber(screen), "screen " + std::to_string(screenNumber(screen)));
    }
    // A past day with its three puzzles played late: the day arrows, the
    // day's title and the late marks beside the longest results.
    platform.now = {2026, 12, 10, 9, 0, 0};
    home.write("CFG/defis.ini", "[DEFI 20261208]\r\nTard1=G,83,8,0\r\nTard2=G,372,0,0\r\nTard3=G,83,0,10\r\n");
    openScreen(s, Screen::Challenge);
    s.challengeDaysBack = 2;
    check(screens::Challenge, "a past day's challenge");
    EXPECT_EQ(strayPixels(), 0) << "a past day's challenge";
    saveShot(platform.canvas(), "layout_challenge_past_day");
    s.challengeDaysBack = 1;
    check(screens::Challenge, "the challenge a day back, not played");
    for (const int id : {hangman, motuce, grid}) {
        openScreen(s, Screen::Statistics);
        s.statsFamily = familyOfGame(id);
        s.statsLevel = 0;
        check(screens::Statistics, "statistics of game " + std::to_string(id));
        EXPECT_EQ(strayPixels(), 0) << "statistics of game " << id;
        saveShot(platform.canvas(), "layout_statistics_" + std::to_string(id));
    }
    // The player's lists with one chosen too short to play (every line of the
    // panel shown), and the report of a file whose groups of words overflow.
    home.makeFolder("LISTES");
    home.write("LISTES/CE1 SEMAINE 12.txt", "chat\r\n");
    s.ownList = {"CE1 SEMAINE 12", {"chat"}};
    openScreen(s, Screen::OwnLists);
    check(screens::OwnLists, "the player's lists");
    EXPECT_EQ(strayPixels(), 0) << "the player's lists";
    s.listImport = {true, 60, std::vector<std::string>(20, "maison"), std::vector<std::string>(20, "zorglubs"),
                    std::vector<LeftOutWord>(20, {"abcdefghijklmnopqrst", LeftOutReason::NotLetters})};
    s.listImportName = "ABCDEFGHIJKLMNOPQRST";
    check(screens::ListReport, "a list's report");
    EXPECT_EQ(strayPixels(), 0) << "a list's report";
    saveShot(platform.canvas(), "layout_list_report");
    for (const std::uint8_t question : {confirmations::ClearScores, confirmations::Restart}) {
        askFirst(s, question);
        check(screens::Confirmation, "question " + std::to_string(question));
    }
    check(screens::QuitConfirmation, "quit question");
}

TEST_F(PanelLayout, EveryGameTitleAndRulesLineIsReadableInTheHelpPanel) {
    std::string longestTitle;
    for (int id = 0; id <= LastGameId; ++id) {
        s.app.gameTitle = id == 0 ? "" : gameName(s, id);
        if (s.app.gameTitle.size() > longestTitle.size()) longestTitle = s.app.gameTitle.str();
        ChargeAide(s, id);
        openScreen(s, Screen::Help);
        const int lines = lastUsedEntry(s, 6);
        ASSERT_GE(lines, 7) << id;
        render(screens::Help);
        EXPECT_EQ(s.listBox(6).firstShown, 0) << id << ": the rules open on their first line";
        EXPECT_EQ(strayPixels(), 0) << id << " " << s.app.gameTitle.view();
        if (id > 0 && id != 1 && id != 29 && id != 8 && id != 37 && id != 43) continue;  // one game of each layout
        const std::vector<int> firstRows = scrollHelpToTheEnd();
        const int last = firstRows.back();
        EXPECT_GE(last + s.listBox(6).rowsShown, lines) << id << ": the last line is reachable";
        for (int first = 0; first <= last; ++first) {
            s.listBox(6).firstShown = first;
            render(screens::Help);
            ASSERT_EQ(strayPixels(), 0) << id << " scrolled to " << first;
        }
    }
    s.app.gameTitle = longestTitle;
    ChargeAide(s, 64);
    openScreen(s, Screen::Help);
    render(screens::Help);
    saveShot(platform.canvas(), "layout_help_longest_title");
}

TEST_F(PanelLayout, TheHelpPanelClosesWithItsGame) {
    startGame(s, 9);
    s.app.screen = screens::None;
    for (int i = 0; i < 3; ++i) {
        platform.advance(10);
        DXTimer1Timer(s);
    }
    ASSERT_EQ(s.game.built, 1);
    openScreen(s, Screen::Help);
    s.app.gameLost = 1;  // given up from the in-game bar
    s.app.endTick = platform.ticks();
    platform.advance(LostGameLeftAfterMs + 20);
    DXTimer1Timer(s);
    DXTimer1Timer(s);
    EXPECT_FALSE(s.gameRunning());
    EXPECT_EQ(s.app.screen, screens::Families) << "no empty rules panel over the menus";
}

// The gallows picture sits left of the word and above the proverb rows: a
// letter tile reads the same whatever the stage of the gallows.
TEST_F(PanelLayout, GallowsNeverCoverAProverbLetter) {
    buildCatalogue(s);
    for (int nation = 1; nation <= 8; ++nation) {
        startGame(s, 67 + nation);
        for (int i = 0; i < 2; ++i) {
            platform.advance(10);
            DXTimer1Timer(s);
        }
        ASSERT_EQ(s.game.built, 1) << nation;
        s.game.counterB = 0;
        platform.advance(10);
        DXTimer1Timer(s);
        const std::vector<std::uint16_t> noGallows = capture(platform.canvas());
        s.game.counterB = 10;
        platform.advance(10);
        DXTimer1Timer(s);
        for (int row = 2; row <= 14; ++row) {
            for (int col = 1; col <= 20; ++col) {
                if (s.game.letters[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)] == '*') continue;
                int changed = 0;
                for (int y = 50 + 31 * row - 3; y < 50 + 31 * row + 31; ++y)
                    for (int x = 70 + 31 * col - 6; x < 70 + 31 * col + 31; ++x)
                        changed += platform.canvas().pixel(x, y) !=
                                   noGallows[static_cast<std::size_t>(y) * SurfaceWidth + x];
                EXPECT_EQ(changed, 0) << "nation " << nation << " cell " << col << "," << row;
            }
        }
        if (nation == 2) saveShot(platform.canvas(), "layout_proverb_gallows");
        leaveGame(s);
    }
}

}  // namespace glossamo::testing
