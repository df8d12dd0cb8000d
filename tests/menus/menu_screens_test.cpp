// The menu screens, clicked through the mouse handlers and the frame routine.
#include "menus/menu_screens.hpp"

#include "base/file_system.hpp"
#include "challenge/daily_challenge.hpp"
#include "games/game_fixture.hpp"
#include "media/asset_loading.hpp"
#include "profile/saved_games.hpp"
#include "media/sound_services.hpp"
#include "platform/canvas.hpp"
#include "shell/window_events.hpp"
#include "stats/statistics.hpp"
#include "texts/comments_and_help.hpp"
#include "widgets/list_boxes.hpp"

namespace glossamo::testing {

class Menus : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        s.app.screen = screens::Families;
        s.app.panelX = 220;
        s.app.comments[33] = "Choisissez une ligne";
    }
    // Moves the pointer, lets a frame see it, then presses and releases.
    void clickAt(int x, int y) {
        DXMouseMove(s, x, y);
        frames(1);
        DXMouseDown(s, ButtonLeft, x, y);
        frames(1);
        DXMouseUp(s, ButtonLeft, x, y);
    }
    // Opens a panel screen and lets it slide to its resting place.
    void settle() { frames(60); }
    int L() const { return s.app.panelX; }
    int T() const { return s.app.panelY; }
};

TEST_F(Menus, FamilyClickGoesToItsLevels) {
    clickAt(60, 20 * 4 + 53 + 10);  // family 4, LE PENDU
    EXPECT_EQ(s.app.screen, screens::Levels);
    EXPECT_EQ(s.app.chosenFamily, 8u);
}

TEST_F(Menus, TheEnglishGridsFamilyIsShownAndDescribedLikeTheOthers) {
    programFolder.write("aide/GRILLES ANGLAISES.txt", "Des grilles de mots crois\xE9s en anglais !\r\n");
    DXMouseMove(s, 430, 20 * 10 + 53 + 10);
    frames(1);
    EXPECT_EQ(platform.pointer, PointerShape::Hand) << "family 25 is highlighted";
    EXPECT_EQ(s.listBox(6).entries[1], "Des grilles de mots crois\xE9s en anglais !") << "its description shows";
    clickAt(430, 20 * 10 + 53 + 10);
    EXPECT_EQ(s.app.chosenFamily, 92u);
}

TEST_F(Menus, PointingAtAFamilyIsNotAClickAndOutsideTheNameIsNothing) {
    DXMouseMove(s, 60, 20 * 4 + 53 + 10);
    frames(3);
    EXPECT_EQ(s.app.screen, screens::Families);
    EXPECT_EQ(platform.pointer, PointerShape::Hand);
    clickAt(55 + 16 * 8 + 5, 20 * 4 + 53 + 10);  // just past "LE PENDU"
    EXPECT_EQ(s.app.screen, screens::Families);
}

TEST_F(Menus, OneLevelFamiliesStartAtOnce) {
    clickAt(60, 20 * 10 + 53 + 10);  // TROISIEME MOT
    frames(1);
    EXPECT_TRUE(s.gameRunning());
    EXPECT_EQ(s.game.gameId, 25u);
    EXPECT_EQ(s.app.gameTitle.view(), "TROISIEME MOT");
}

TEST_F(Menus, LevelRowsTheEmptyRowAndTheWayBack) {
    s.app.screen = screens::Levels;
    s.app.chosenFamily = 8;
    const auto rowCentre = [](const std::string& text, int r) {
        return Point{400 - static_cast<int>(text.size() / 2) * 14 + 8, 20 * r + 81 + 10};
    };
    const Point empty = rowCentre("", 3);
    clickAt(empty.x, empty.y);
    EXPECT_EQ(s.app.screen, screens::Levels) << "the empty row does nothing";
    const Point back = rowCentre("Retour \xE0 la liste...", 4);
    clickAt(back.x, back.y);
    EXPECT_EQ(s.app.screen, screens::Families);
    s.app.screen = screens::Levels;
    const Point second = rowCentre("PENDU  10 lettres", 1);
    clickAt(second.x, second.y);
    EXPECT_EQ(s.game.gameId, 9u);
    EXPECT_EQ(s.app.screen, screens::None);
}

TEST_F(Menus, EveryPanelOpensWithOneWhooshAndCloses) {
    struct Panel {
        Point openButton;
        int screen;
        int closeDx, closeDy;  // from (R, B) or from (R, T)
        bool fromTop;
    };
    const Panel panels[] = {{{205, 545}, screens::Profile, -30, 355, true},
                            {{325, 545}, screens::SavedGames, -30, -20, false},
                            {{385, 545}, screens::Scores, -30, -20, false}};
    for (const Panel& panel : panels) {
        s.app.screen = screens::Families;
        platform.journal.clear();
        clickAt(panel.openButton.x, panel.openButton.y);
        EXPECT_EQ(s.app.screen, panel.screen);
        settle();
        EXPECT_EQ(platform.count("sound 9"), 1) << panel.screen;
        const int R = L() + 500, B = T() + 350;
        clickAt(R + panel.closeDx + 10, (panel.fromTop ? T() : B) + panel.closeDy + 10);
        EXPECT_EQ(s.app.screen, screens::None) << panel.screen;
        frames(1);
        EXPECT_EQ(s.app.screen, screens::Families);
    }
}

TEST_F(Menus, InGamePanelsOpenFromTheBar) {
    start(9, {"ABCDEFGHIJ"});
    frames(2);
    for (const auto& [x, screen] : {std::pair{685, screens::Options}, std::pair{625, screens::Help},
                                    std::pair{505, screens::AnagramSearch}, std::pair{565, screens::PatternSearch}}) {
        clickAt(x, 545);
        EXPECT_EQ(s.app.screen, screen);
        FormKeyDown(s, vk::Escape, 0);
        EXPECT_EQ(s.app.screen, screens::None);
        EXPECT_TRUE(s.gameRunning());
    }
    // Starting again asks first; Non leaves the game as it was.
    s.game.texts[30] = "PLAYED";
    clickAt(385, 545);
    EXPECT_EQ(s.app.screen, screens::Confirmation);
    settle();
    clickAt(L() + 200 + 10, T() + 140 + 10);
    EXPECT_EQ(s.app.screen, screens::None);
    EXPECT_EQ(s.game.texts[30].view(), "PLAYED");
    clickAt(745, 545);
    EXPECT_EQ(s.app.gameLost, 1) << "the white flag gives up";
}

TEST_F(Menus, ArrowsAndWheelScrollTheBackgroundListOneRowAtATime) {
    for (int i = 1; i <= 12; ++i) listAdd(s, 4, "Fond " + std::to_string(i));
    s.listBox(4).rowsShown = 5;
    s.app.screen = screens::Options;
    settle();
    const ListBox& list = s.listBox(4);
    clickAt(L() + 40 + 24, T() + 200 + 24);
    EXPECT_EQ(list.firstShown, 1) << "a click on the down arrow";
    DXMouseMove(s, L() + 150, T() + 160);
    WindowEvents wheel(s);
    wheel.onMouseWheel(-2);  // two notches towards the player
    frames(1);
    EXPECT_EQ(list.firstShown, 3);
    frames(1);
    EXPECT_EQ(list.firstShown, 3) << "each notch scrolls once";
    wheel.onMouseWheel(+9);
    frames(1);
    EXPECT_EQ(list.firstShown, 0);
    DXMouseMove(s, 100, 300);  // beside the panel
    wheel.onMouseWheel(-1);
    frames(1);
    EXPECT_EQ(list.firstShown, 0);
}

// The round buttons of both bars show their name, from the shipped texts,
// under the pointer and only there.
TEST_F(Menus, EveryBarButtonShowsItsNameUnderThePointer) {
    const SystemPath ownFolder = s.programDir;
    s.programDir = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/");
    ChargeCommentaires(s);
    s.programDir = ownFolder;
    const std::uint16_t ground = Canvas::toRgb565({16, 24, 64});
    // The label's ground on the row just inside its top edge, above or below the button.
    const auto labelWidth = [&](Point button) {
        const int y = button.y > 30 ? button.y - 2 - 22 + 1 : button.y + 48 + 2 + 1;
        int width = 0;
        for (int x = 0; x < SurfaceWidth; ++x) width += platform.canvas().pixel(x, y) == ground;
        return width;
    };
    // No background picture is loaded here: each frame starts on black.
    const auto frameWithPointerAt = [&](Point p) {
        DXMouseMove(s, p.x, p.y);
        platform.canvas().clear();
        frames(1);
    };
    const auto check = [&](Point button) {
        frameWithPointerAt({2, 300});
        EXPECT_EQ(labelWidth(button), 0) << button.x << "," << button.y << ": no name away from it";
        frameWithPointerAt({button.x + 24, button.y + 24});
        EXPECT_GE(labelWidth(button), 10 * 6) << button.x << "," << button.y << ": a name of six letters or more";
    };
    for (int x = 200; x <= 440; x += 60) check({x, 540});
    start(9, {"ABCDEFGHIJ"});
    frames(2);
    for (int x = 320; x <= 740; x += 60) check({x, 540});
    check({730, 15});
}

TEST_F(Menus, DeletingAScoreWithoutSelectionShowsComment33) {
    s.app.screen = screens::Scores;
    settle();
    const int R = L() + 500, B = T() + 350;
    clickAt(R - 90 + 10, B - 20 + 10);
    EXPECT_TRUE(s.popup.active);
    EXPECT_EQ(s.popup.text.view(), "Choisissez une ligne");
}

TEST_F(Menus, ClearingTheScoresAsksFirstAndDropsTheSelectionSoDeleteRemovesNothingMore) {
    s.app.screen = screens::Scores;
    s.listBox(5).entries[1] = "MARIE........LE PENDU...03mn 12s.7504";
    settle();
    const int R = L() + 500, B = T() + 350;
    clickAt(L() + 90 + 40, T() + 90 + 20 + 8);  // the first row
    ASSERT_EQ(s.listBox(5).selected, 1);
    clickAt(R - 150 + 10, B - 20 + 10);
    EXPECT_EQ(s.app.screen, screens::Confirmation);
    settle();
    clickAt(L() + 200 + 10, T() + 140 + 10);  // Non
    EXPECT_EQ(s.app.screen, screens::Scores);
    EXPECT_EQ(s.listBox(5).entries[1], "MARIE........LE PENDU...03mn 12s.7504");
    clickAt(R - 150 + 10, B - 20 + 10);
    settle();
    clickAt(L() + 40 + 10, T() + 140 + 10);  // Oui
    EXPECT_EQ(s.app.screen, screens::Scores);
    EXPECT_EQ(s.listBox(5).selected, -1);
    clickAt(R - 90 + 10, B - 20 + 10);
    EXPECT_EQ(s.popup.text.view(), "Choisissez une ligne");
    EXPECT_EQ(s.listBox(5).count, 0);
}

// The two panels of the main bar: the statistics' broom asks first, the
// challenge copies its line and starts its puzzles.
TEST_F(Menus, TheStatisticsBroomAsksFirstAndTheChallengeCopiesItsLine) {
    TempDir user;
    s.userDir = user.path();
    s.app.userFoldersPresent = 1;
    user.write("CFG/statistiques.ini", "[FAMILLE 1]\r\nParties=3\r\n");
    clickAt(500 + 24, 540 + 24);
    ASSERT_EQ(s.app.screen, screens::Statistics);
    EXPECT_EQ(readPlayStats(s.statsFile, familySection(1)).played, 3);
    settle();
    const int R = L() + 500, B = T() + 350;
    clickAt(R - 90 + 10, B - 20 + 10);
    EXPECT_EQ(s.app.screen, screens::Confirmation);
    settle();
    clickAt(L() + 40 + 10, T() + 140 + 10);  // Oui
    EXPECT_EQ(s.app.screen, screens::Statistics);
    EXPECT_EQ(readPlayStats(IniFile::read(statisticsPath(s)), familySection(1)).played, 0);
    EXPECT_EQ(readPlayStats(s.statsFile, familySection(1)).played, 0) << "the panel shows the file as it is";

    FormKeyDown(s, vk::Escape, 0);
    s.app.screen = screens::Families;
    clickAt(560 + 24, 540 + 24);
    ASSERT_EQ(s.app.screen, screens::Challenge);
    settle();
    clickAt(R - 90 + 10, B - 20 + 10);
    EXPECT_EQ(platform.count("clipboard GLOSSAMO d\u00e9fi du 6 d\u00e9cembre 2026 : Motuce \u00e0 jouer \u00b7 "
                             "Mots cod\u00e9s \u00e0 jouer \u00b7 Proverbe \u00e0 jouer"),
              1);
    clickAt(L() + 480 + 10, T() + 80 + 52 + 10);  // the second puzzle
    EXPECT_EQ(s.game.gameId, static_cast<std::uint32_t>(challengePuzzles()[1].gameId));
    EXPECT_EQ(s.pendingChallenge.slot, 2);
    EXPECT_EQ(s.pendingChallenge.date, 20261206u);
}

TEST_F(Menus, CheckBoxesToggleSoundsAndMusic) {
    s.app.screen = screens::Options;
    settle();
    platform.musicOpen("x.mid");
    platform.journal.clear();
    clickAt(L() + 60 + 10, T() + 335 + 10);
    EXPECT_EQ(s.checkBox(2).ticked, 0);
    EXPECT_EQ(platform.count("music pause"), 1);
    clickAt(L() + 60 + 10, T() + 335 + 10);
    EXPECT_EQ(s.checkBox(2).ticked, 1);
    EXPECT_EQ(platform.count("music play"), 1);
    clickAt(L() + 60 + 10, T() + 360 + 10);
    EXPECT_EQ(s.checkBox(1).ticked, 0);
    playSound(s, 1);
    EXPECT_EQ(platform.count("sound 1"), 0) << "sounds are off";
    clickAt(L() + 60 + 10, T() + 360 + 10);
    EXPECT_EQ(s.checkBox(1).ticked, 1);
}

TEST_F(Menus, QuitShowsTheFarewellForThreeSecondsThenCloses) {
    clickAt(445, 545);
    EXPECT_EQ(s.app.screen, screens::QuitConfirmation);
    settle();
    const std::uint32_t before = platform.ticks();
    clickAt(L() + 40 + 10, T() + 140 + 10);
    EXPECT_TRUE(platform.closeRequested);
    EXPECT_GE(platform.ticks() - before, 3000u);
}

TEST_F(Menus, QuitCanBeRefused) {
    s.app.screen = screens::QuitConfirmation;
    settle();
    clickAt(L() + 200 + 10, T() + 140 + 10);
    EXPECT_FALSE(platform.closeRequested);
    EXPECT_EQ(s.app.screen, screens::None);
}

}  // namespace glossamo::testing

namespace glossamo::testing {

// The delete button of the profile screen is offered for the pictures the
// player imported, and deletes their file.
TEST_F(Menus, OnlyImportedPortraitsCanBeDeletedAndTheirFileGoes) {
    TempDir user;
    s.userDir = user.path();
    s.app.userFoldersPresent = 1;
    s.app.comments[57] = "Portrait supprim\xE9";
    s.app.comments[65] = "Joueur";
    for (const char* name : {"Camille", "Chat", "Hugo", "Joueur", "Louise", "Lucien"})
        programFolder.write(std::string("bitmaps/tete/") + name + ".bmp");
    user.write("TETE/Portrait .bmp");
    fillHeadList(s);
    ASSERT_EQ(s.listBox(8).entries[7], "Portrait ");
    openScreen(s, Screen::Profile);
    settle();
    const int deleteX = L() + 500 - 30 + 10, deleteY = T() + 180 + 10;

    s.listBox(8).selected = 5;  // Louise, one of ours
    clickAt(deleteX, deleteY);
    EXPECT_EQ(s.listBox(8).entries[5], "Louise") << "no delete button for the program's own pictures";
    EXPECT_TRUE(fileExists(programFolder.path() + "bitmaps/tete/Louise.bmp"));

    s.listBox(8).selected = 7;
    clickAt(deleteX, deleteY);
    EXPECT_FALSE(fileExists(user.path() + "TETE/Portrait .bmp")) << "the file is deleted for real";
    EXPECT_EQ(s.listBox(8).entries[7], "");
    EXPECT_EQ(s.popup.text.view(), "Portrait supprim\xE9");
}

}  // namespace glossamo::testing

namespace glossamo::testing {

TEST_F(Menus, DeletingASavedGameRemovesBothFilesAndItsRow) {
    TempDir user;
    s.userDir = user.path();
    s.app.comments[58] = "Partie supprim\xE9" "e";
    user.write("SAVE/LEA 06-12-2026 PENDU.sa1", "records");
    user.write("SAVE/LEA 06-12-2026 PENDU.sa2", "words");
    user.write("SAVE/MARC 07-12-2026 MOTS.sa1", "records");
    user.write("SAVE/MARC 07-12-2026 MOTS.sa2", "words");
    fillSavedGameList(s);
    openScreen(s, Screen::SavedGames);
    settle();
    clickAt(L() + 100 + 40, T() + 100 + 20 + 8);  // the first row
    ASSERT_EQ(s.listBox(9).selected, 1);
    clickAt(L() + 500 - 150 + 10, T() + 350 - 20 + 10);
    EXPECT_FALSE(fileExists(user.path() + "SAVE/LEA 06-12-2026 PENDU.sa1"));
    EXPECT_FALSE(fileExists(user.path() + "SAVE/LEA 06-12-2026 PENDU.sa2"));
    EXPECT_TRUE(fileExists(user.path() + "SAVE/MARC 07-12-2026 MOTS.sa1"));
    EXPECT_EQ(s.listBox(9).entries[1], "MARC 07-12-2026 MOTS");
    EXPECT_EQ(s.listBox(9).selected, -1);
    EXPECT_EQ(s.popup.text.view(), "Partie supprim\xE9" "e");
}

}  // namespace glossamo::testing
