// Travel mode: the route and squares drawn at the start, the neighbours
// picked on the map, the move, the money after each game, the endings, and a
// whole route played to its end through the games' own moves.
#include "travel/travel_mode.hpp"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <tuple>

#include "games/letter_moves.hpp"
#include "games/word_lists.hpp"
#include "grid/grid_fixture.hpp"
#include "media/asset_loading.hpp"
#include "platform/canvas.hpp"
#include "play/catalogue.hpp"
#include "profile/saved_games.hpp"
#include "support/shot_writer.hpp"
#include "texts/comments_and_help.hpp"
#include "widgets/list_boxes.hpp"

namespace glossamo::testing {

namespace {

const std::string Sea = "Oc\xE9" "an";

// Several numbers compared at once, printed as numbers.
template <class... T>
std::tuple<T...> valuesOf(T... v) { return {v...}; }
template <class... T>
auto values(T... v) { return valuesOf(static_cast<long long>(v)...); }

Point squareCentre(int c, int r) { return {travelSquareX(c) + 25, travelSquareY(r) + 25}; }

std::vector<std::uint16_t> pixels(const Canvas& canvas, int x, int y, int w, int h) {
    std::vector<std::uint16_t> out;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) out.push_back(canvas.pixel(i, j));
    return out;
}

}  // namespace

class Travel : public GridFixture {
protected:
    TravelState& t = s.travel;

    void SetUp() override {
        GridFixture::SetUp();
        s.app.comments[26] = "co\xFBte ";
        s.app.comments[28] = "Bourse :";
        s.app.comments[29] = "Jeu : ";
        s.app.comments[30] = "Gain : ";
        s.app.comments[31] = "Bon voyage !";
        s.app.comments[64] = Sea;
        s.app.comments[92] = "Bourse insuffisante";
        s.app.comments[136] = "trop cher";
        s.checkBox(1).ticked = 1;
    }
    TravelCell& cell(int c, int r) { return t.cells[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]; }
    // The traveller on the map at (c, r) with `money`; every square costs 50,
    // pays 20 and plays hangman.
    void onMap(int c, int r, int money) {
        for (int i = 0; i < TravelColumns; ++i)
            for (int j = 0; j < TravelRows; ++j) cell(i, j) = TravelCell{"", 50, 20, gameName(s, 8), 8};
        t.mapShown = 1;
        t.startCol = t.curCol = c;
        t.startRow = t.curRow = r;
        t.targetCol = 12;
        t.targetRow = 6;
        t.money = money;
        s.app.screen = 0;
    }
    // A travel game running on the traveller's square.
    void playingOn(int c, int r, int money) {
        onMap(c, r, money);
        t.mapShown = 0;
        t.underWay = 1;
        runGame();
        s.game.texts[1] = "MOT";  // a hangman not yet solved
    }
    void clickAt(Point p) {
        press(p);
        release(p);
    }
    // A button of the bars: the frame between press and release acts on it.
    void clickButton(Point p) {
        moveTo(p);
        frames(1);
        press(p);
        frames(1);
        release(p);
    }
    // A click where no button is.
    void clickAside() {
        moveTo({10, 300});
        frames(1);
        clickAt({10, 300});
    }
};

TEST_F(Travel, StartDrawsOneOfTheSixRoutesAndEverySquareInOrder) {
    cell(2, 0).country = Sea;
    std::set<int> starts;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        s.rng.seed(seed);
        startTravel(s);
        Random replay;
        replay.seed(seed);
        const int pick = replay.below(6);
        const TravelRoute& route = TravelRoutes[static_cast<std::size_t>(pick)];
        EXPECT_EQ(t.money, replay.below(100) + route.moneyBase);
        EXPECT_EQ(values(t.startCol, t.startRow, t.targetCol, t.targetRow, t.routeNumber),
                  values(route.startCol, route.startRow, route.targetCol, route.targetRow, route.routeNumber));
        EXPECT_EQ(values(t.curCol, t.curRow), values(t.startCol, t.startRow));
        starts.insert(pick);
        for (int c = 0; c < TravelColumns; ++c)
            for (int r = 0; r < TravelRows; ++r) {
                const int game = replay.below(50) + 1;
                const int prize = replay.below(150) + 10;
                const int cost = c == 2 && r == 0 ? replay.below(200) + 40 : replay.below(100) + 10;
                ASSERT_EQ(values(cell(c, r).cellGame, cell(c, r).prize, cell(c, r).cost), values(game, prize, cost))
                    << seed << " (" << c << ", " << r << ")";
                ASSERT_EQ(cell(c, r).cellGameName.view(), gameName(s, game).substr(0, 26));
            }
    }
    EXPECT_EQ(starts.size(), 6u) << "every route comes up";
    EXPECT_EQ(cell(2, 0).country.view(), Sea) << "the countries stay";
    EXPECT_EQ(t.mapShown, 1);
    EXPECT_EQ(s.app.screen, screens::None);
    EXPECT_EQ(platform.count("sound 4"), 60);
    EXPECT_EQ(s.popup.text.view(), "Bon voyage !");
    EXPECT_EQ(values(s.popup.x, s.popup.y), values(20, 42));
}

TEST_F(Travel, OnlyTheFourNeighboursArePickedAndTheyBlink) {
    onMap(0, 0, 100);
    cell(1, 0).country = "Canada";
    cell(1, 0).cost = 35;
    cell(1, 0).prize = 70;
    std::set<std::pair<int, int>> picked;
    for (int c = 0; c < TravelColumns; ++c)
        for (int r = 0; r < TravelRows; ++r) {
            moveTo(squareCentre(c, r));
            frames(1);
            if (t.pickCol != TravelNone) picked.insert({t.pickCol, t.pickRow});
        }
    EXPECT_EQ(picked, (std::set<std::pair<int, int>>{{1, 0}, {0, 1}}));

    Canvas& canvas = platform.canvas();
    s.blinkOn = 1;
    moveTo({150, 150});  // the corner of (1, 0): edges belong to the square
    frames(1);
    EXPECT_EQ(values(t.pickCol, t.pickRow), values(1, 0));
    EXPECT_EQ(s.app.hoverText.view(), "Canada co\xFBte 35 $  Jeu : " + gameName(s, 8));
    EXPECT_EQ(platform.pointer, PointerShape::Hand);
    EXPECT_EQ(canvas.pixel(100, 124), Canvas::toRgb565({255, 0, 0})) << "the picked square in red";
    EXPECT_EQ(canvas.pixel(50, 174), Canvas::toRgb565({0, 128, 0})) << "the other neighbour in green";
    EXPECT_EQ(canvas.pixel(60, 100), Canvas::toRgb565({192, 192, 192})) << "the start square's outline";
    EXPECT_EQ(canvas.pixel(662, 402), Canvas::toRgb565({255, 200, 0})) << "the target's thick gold outline";
    EXPECT_EQ(pickedSquarePrizeLine(s), "Gain : 70 $");
    moveTo(squareCentre(0, 1));  // price 50, prize 20
    frames(1);
    EXPECT_EQ(pickedSquarePrizeLine(s), "Gain : 20 $  trop cher");
    s.blinkOn = 0;
    moveTo({400, 30});
    canvas.clear();
    frames(1);
    EXPECT_EQ(canvas.pixel(50, 174), 0) << "blinked off";
    EXPECT_TRUE(s.app.hoverText.empty());
    EXPECT_EQ(platform.pointer, PointerShape::Arrow);
}

TEST_F(Travel, ASquareDearerThanTheMoneyIsRefused) {
    onMap(0, 0, 29);
    cell(1, 0).cost = 30;
    moveTo(squareCentre(1, 0));
    frames(1);
    clickAt(squareCentre(1, 0));
    frames(1);
    EXPECT_EQ(s.popup.text.view(), "Bourse insuffisante");
    EXPECT_EQ(values(s.popup.x, s.popup.y), values(60, 540));
    EXPECT_EQ(s.flight.active, 0);
    EXPECT_EQ(t.mapClicked, 0);
    frames(300);
    EXPECT_EQ(values(t.curCol, t.curRow, t.money), values(0, 0, 29));
}

TEST_F(Travel, TheMoveLastsTwoSecondsIgnoresClicksAndPaysOnArrival) {
    onMap(0, 0, 100);
    cell(0, 1).cost = 30;
    cell(0, 1).cellGame = 10;
    s.words.loadLines({"ANNEXANT"});
    moveTo(squareCentre(0, 1));
    frames(1);
    clickAt(squareCentre(0, 1));
    frames(1);
    EXPECT_EQ(platform.count("sound 5"), 1);
    ASSERT_EQ(s.flight.active, 1);
    EXPECT_EQ(s.flight.duration, 2000u);
    clickAt(squareCentre(1, 0));
    EXPECT_EQ(t.mapClicked, 0) << "clicks are ignored on the way";
    frames(199);
    EXPECT_EQ(values(t.curCol, t.curRow, t.money, t.mapShown), values(0, 0, 100, 1));
    frames(1);
    EXPECT_EQ(values(t.curCol, t.curRow, t.money), values(0, 1, 70)) << "arrived after 2000 ms";
    EXPECT_EQ(values(t.mapShown, t.underWay), values(0, 1));
    EXPECT_EQ(s.game.gameId, 10u);
    EXPECT_EQ(s.app.gameTitle.view(), gameName(s, 10));
    frames(1);
    EXPECT_EQ(s.game.texts[1].view(), "ANNEXANT") << "built from the word list that was current";
}

TEST_F(Travel, AThemeListLeftByAnEarlierGameGivesWayToTheDictionary) {
    programFolder.write("bin/DicoFrancais.txt", "ANNEXANT\r\n");
    programFolder.write("bin/Arbres.txt", "PEUPLIER\r\n");
    LoadWordList(s, wordlists::Trees);  // as a tree game leaves it
    onMap(0, 0, 100);
    cell(0, 1).cellGame = 10;
    moveTo(squareCentre(0, 1));
    frames(1);
    clickAt(squareCentre(0, 1));
    frames(202);
    ASSERT_EQ(t.underWay, 1);
    EXPECT_EQ(s.game.texts[1].view(), "ANNEXANT");
}

TEST_F(Travel, AWonGameAddsThePrizeAndALostGameNothing) {
    playingOn(4, 3, 60);
    s.app.gameWon = 1;
    clickAside();
    EXPECT_EQ(t.money, 80);
    EXPECT_EQ(platform.count("sound 7"), 1);
    EXPECT_EQ(platform.count("sound 13"), 1);
    EXPECT_EQ(values(t.mapShown, t.underWay, t.failed), values(1, 0, 0)) << "back on the map";
    EXPECT_TRUE(logHas("passage par voyage continue"));

    playingOn(4, 3, 60);
    s.app.gameLost = 1;
    s.app.endTick = platform.ticks();
    clickAside();
    EXPECT_EQ(t.money, 60);
    EXPECT_EQ(t.mapShown, 1);
}

TEST_F(Travel, WinningOnTheTargetCompletesTheTravelWithoutItsPrize) {
    for (const bool byEscape : {false, true}) {
        playingOn(12, 6, 60);
        s.app.gameWon = 1;
        frames(1);
        EXPECT_EQ(t.completed, 1);
        if (byEscape)
            FormKeyDown(s, vk::Escape, 0);
        else
            clickAside();
        EXPECT_EQ(t.money, 60) << byEscape;
        EXPECT_EQ(values(t.underWay, t.mapShown, t.completed), values(0, 0, 0)) << byEscape;
        EXPECT_FALSE(s.gameRunning());
    }
}

TEST_F(Travel, FailsWhenNoNeighbourIsAffordableCountingTheUndrawnRow) {
    playingOn(0, 0, 25);
    cell(0, 0).prize = 0;
    cell(1, 0).cost = 30;
    cell(0, 1).cost = 40;
    EXPECT_EQ(cheapestNeighbourCost(t, 0, 0), 30) << "the two missing neighbours count 1000";
    s.app.gameWon = 1;
    clickAside();
    EXPECT_EQ(values(t.failed, t.mapShown), values(1, 0));
    frames(1);
    EXPECT_EQ(s.app.screen, screens::None) << "the failed picture stays up";
    clickAside();
    EXPECT_EQ(values(t.failed, t.underWay), values(0, 0));
    EXPECT_FALSE(s.gameRunning());
    frames(1);
    EXPECT_EQ(s.app.screen, screens::Families);

    playingOn(5, 7, 25);
    cell(4, 7).cost = cell(6, 7).cost = cell(5, 6).cost = 100;
    cell(5, 8).cost = 20;
    s.app.gameLost = 1;
    s.app.endTick = platform.ticks();
    frames(1001);  // a lost game moves the travel on by itself ten seconds later
    EXPECT_EQ(values(t.failed, t.mapShown), values(0, 1)) << "row 8 lies below row 7";
}

TEST_F(Travel, EscapeOrTheFlagOnceConfirmedEndsTheTravel) {
    onMap(0, 0, 100);
    moveTo(squareCentre(1, 0));
    frames(1);
    clickAt(squareCentre(1, 0));
    frames(10);
    FormKeyDown(s, vk::Escape, 0);
    EXPECT_EQ(values(t.mapShown, s.flight.active, s.app.screen), values(1, 1, screens::None))
        << "on the way Escape waits";
    frames(200);

    // Escape and the flag ask first: Escape and Non keep the travel, Oui ends it.
    onMap(0, 0, 100);
    ASSERT_EQ(s.flight.active, 0);
    for (const bool byEscape : {true, false}) {
        if (byEscape)
            FormKeyDown(s, vk::Escape, 0);
        else
            clickButton({764, 564});
        EXPECT_EQ(s.app.screen, screens::Confirmation) << byEscape;
        FormKeyDown(s, vk::Escape, 0);
        frames(1);
        EXPECT_EQ(values(t.mapShown, s.app.screen), values(1, screens::None)) << byEscape;
    }
    for (const int answerX : {200, 40}) {
        clickButton({764, 564});
        frames(60);
        clickButton({s.app.panelX + answerX + 10, s.app.panelY + 140 + 10});
        EXPECT_EQ(t.mapShown, answerX == 200 ? 1 : 0) << answerX;
    }
    EXPECT_EQ(t.underWay, 0);
    EXPECT_FALSE(s.gameRunning());
}

TEST_F(Travel, PlayAgainInATravelGameOnlySounds) {
    playingOn(4, 3, 60);
    clickButton({404, 564});
    EXPECT_EQ(platform.count("sound 2"), 1);
    EXPECT_EQ(s.game.built, 1) << "the game is not built anew";
}

TEST_F(Travel, ASaveBringsBackTheMapOrTheTravelGame) {
    TempDir user;
    user.makeFolder("SAVE");
    s.userDir = user.path();
    s.app.userFoldersPresent = 1;
    for (const bool onTheMap : {true, false}) {
        if (onTheMap) {
            onMap(3, 4, 77);
            frames(1);  // no square under the pointer
            ASSERT_EQ(t.pickCol, TravelNone);
        } else {
            playingOn(3, 4, 77);
        }
        cell(5, 5).prize = 123;
        saveGame(s, false);
        const std::string name = s.listBox(9).entries[static_cast<std::size_t>(listCount(s, 9))];
        startGame(s, 9);
        frames(1);
        t = TravelState{};
        loadGame(s, name);
        EXPECT_EQ(values(t.mapShown, t.underWay, t.money, t.curCol), values(onTheMap, !onTheMap, 77, 3));
        EXPECT_EQ(cell(5, 5).prize, 123);
        EXPECT_EQ(s.game.gameId, onTheMap ? 0u : 8u);
        EXPECT_EQ(logHas("charge fond index 51"), onTheMap);
        s.debugLines.clear();
    }
}

// A whole route played with the shipped pictures, comments and countries:
// each square is reached by a click and its game won through the moves the
// games' own tests use.
class TravelRoute : public Travel {
protected:
    void SetUp() override {
        Travel::SetUp();
        for (const char* folder : {"bitmaps", "txt", "aide"})
            std::filesystem::create_directory_symlink(std::string(GLOSSAMO_APP_DIR "/") + folder,
                                                      (programFolder.path() + folder).bytes());
        ChargeCommentaires(s);
        Chargepays(s);
        loadInterface(s);
        fillBackgroundList(s);
        writeUsualGrids();
    }
};

TEST_F(TravelRoute, AWholeRoutePlayedToItsEnd) {
    // This seed draws the route from (3, 4) to (6, 1) with games these moves win.
    platform.setClockSeed(131924);
    const std::map<int, std::pair<std::vector<std::string>, std::function<void()>>> wins = {
        {3, {{}, [&] { fillFromPalette(Grid8, 8, 10); }}},
        {18, {AnagramWords, [&] { anagramLetters(*this, 0, 5); }}},
        {21, {ExtraWords, [&] { extraLines(*this, 1, 2); }}},
        {32, {{}, [&] { fillFromPalette(Grid6, 6, 8); }}},
    };
    const std::pair<int, int> route[] = {{3, 3}, {4, 3}, {5, 3}, {6, 3}, {6, 2}, {6, 1}};

    clickButton({284, 564});  // the travel button of the main bar
    ASSERT_EQ(t.mapShown, 1);
    ASSERT_EQ(values(t.curCol, t.curRow, t.targetCol, t.targetRow), values(3, 4, 6, 1));
    int money = t.money;
    for (const auto& [c, r] : route) {
        s.blinkOn = 1;
        moveTo(squareCentre(c, r));
        frames(2);  // the hover line shows from the second frame
        if (c == 3) saveShot(platform.canvas(), "travel_map");
        clickAt(squareCentre(c, r));
        frames(201);
        const TravelCell& square = cell(c, r);
        money -= square.cost;
        ASSERT_EQ(values(t.curCol, t.curRow, t.money), values(c, r, money)) << "price paid on arrival";
        const auto win = wins.find(square.cellGame);
        ASSERT_NE(win, wins.end()) << square.cellGame;
        if (!win->second.first.empty()) s.words.loadLines(win->second.first);
        build();
        if (c == 3) {
            frames(1);
            saveShot(platform.canvas(), "travel_game");
            EXPECT_LE(40 + 10 * static_cast<int>(s.app.comments[60].size() + 1), 320)
                << "the status line ends left of the print button";
        }
        win->second.second();
        frames(1);
        ASSERT_EQ(s.app.gameWon, 1) << "(" << c << ", " << r << ") game " << square.cellGame;
        if (t.completed) break;
        clickAside();
        money += square.prize;
        ASSERT_EQ(t.money, money) << "prize won";
        ASSERT_EQ(t.mapShown, 1);
    }
    ASSERT_EQ(t.completed, 1);
    Canvas& canvas = platform.canvas();
    saveShot(canvas, "travel_completed");
    // The banner lies where the board left room, at its full size here.
    const auto& drawn = canvas.lastFrameBoxes();
    const auto laid = std::max_element(drawn.begin(), drawn.end(), [](const DrawnBox& a, const DrawnBox& b) {
        return (a.kind == BoxKind::Banner ? a.box.w * a.box.h : 0) < (b.kind == BoxKind::Banner ? b.box.w * b.box.h : 0);
    });
    ASSERT_NE(laid, drawn.end());
    const int x = laid->box.x + (laid->box.w - 320) / 2, y = laid->box.y;
    const auto banner = pixels(canvas, x + 140, y + 80, 40, 40);
    canvas.drawImage(ImageSet::Interface, 51, x, y);
    EXPECT_EQ(pixels(canvas, x + 140, y + 80, 40, 40), banner) << "the travel's won picture";
    canvas.drawImage(ImageSet::Interface, 49, x, y);
    EXPECT_NE(pixels(canvas, x + 140, y + 80, 40, 40), banner);
    clickAside();
    EXPECT_EQ(t.money, money) << "no prize on the target";
    EXPECT_EQ(t.underWay, 0);
}

TEST_F(TravelRoute, AFailedTravelShowsItsPicture) {
    playingOn(0, 0, 5);
    s.app.gameLost = 1;
    s.app.endTick = platform.ticks();
    clickAside();
    ASSERT_EQ(t.failed, 1);
    frames(1);
    Canvas& canvas = platform.canvas();
    saveShot(canvas, "travel_failed");
    const auto shown = pixels(canvas, 300, 250, 100, 60);
    canvas.drawImage(ImageSet::Interface, 59, 240, 200);
    EXPECT_EQ(pixels(canvas, 300, 250, 100, 60), shown);
}

}  // namespace glossamo::testing
