#include "travel/travel_mode.hpp"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "games/game_reset.hpp"
#include "media/asset_loading.hpp"
#include "media/sound_services.hpp"
#include "platform/canvas.hpp"
#include "play/catalogue.hpp"
#include "play/game_start.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"
#include "texts/comments_and_help.hpp"
#include "widgets/tile_flight.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

// Comments of the travel's texts.
namespace texts {
constexpr int CostsWord = 26, MoneyCaption = 28, GameCaption = 29, PrizeCaption = 30, Opening = 31, Sea = 64,
              TooExpensive = 92, GoalCaption = 135, PriceAbovePrize = 136;
}

constexpr int MapRows = 8;  // rows drawn; the record has one more
constexpr int SquarePixels = 50;
constexpr int TravellerFlightKind = 90;

constexpr Rgb Silver{192, 192, 192};
constexpr Rgb Green{0, 128, 0};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Gold{255, 200, 0};
constexpr int GoalPen = 3;  // the goal's frame is thick enough to find at a glance

// A square the traveller can reach is ringed; the square under the pointer
// gets a thicker ring. A light line inside each ring keeps it plain on any
// country's colour, and the thickness tells the picked square apart from
// the others without its red.
constexpr int ReachPen = 2;
constexpr int PickedPen = 5;

void drawReachRing(Canvas& canvas, const Rect& square, Rgb pen, int width) {
    for (int k = 0; k <= width; ++k)
        canvas.ellipse({square.x + k, square.y + k, SquarePixels - 1 - 2 * k, SquarePixels - 1 - 2 * k},
                       k == width ? Rgb{255, 255, 255} : pen, false);
}

TravelCell& cellAt(TravelState& t, int c, int r) {
    return t.cells[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
}

std::string comment(const ProgramState& s, int n) { return s.app.comments[static_cast<std::size_t>(n)].str(); }

// An amount as the travel shows it.
std::string dollars(int amount) { return std::to_string(amount).append(" $"); }

Point squarePoint(int c, int r) { return {travelSquareX(c), travelSquareY(r)}; }

bool isNeighbour(const TravelState& t, int c, int r) { return std::abs(c - t.curCol) + std::abs(r - t.curRow) == 1; }

bool hasPick(const TravelState& t) { return t.pickCol != TravelNone && t.pickRow != TravelNone; }

// Every square gets a game, a prize and a price, column by column; the sea
// is dearer to cross than land.
void drawSquares(ProgramState& s) {
    const std::string sea = comment(s, texts::Sea);
    for (int c = 0; c < TravelColumns; ++c) {
        for (int r = 0; r < TravelRows; ++r) {
            TravelCell& cell = cellAt(s.travel, c, r);
            const int game = s.rng.below(LastTravelGameId) + 1;
            cell.prize = s.rng.below(150) + 10;
            cell.cellGameName = gameName(s, game);
            cell.cellGame = game;
            cell.cost = cell.country.view() == sea ? s.rng.below(200) + 40 : s.rng.below(100) + 10;
        }
    }
}

// The traveller has reached the picked square: the price is paid and its
// game begins.
void arrive(ProgramState& s) {
    TravelState& t = s.travel;
    s.flight.active = 0;
    t.curCol = t.pickCol;
    t.curRow = t.pickRow;
    t.money -= cellAt(t, t.curCol, t.curRow).cost;
    startTravelGame(s);
}

// A click on the map: the traveller sets off for the picked neighbour,
// unless the money does not cover its price; false when refused.
bool clickMap(ProgramState& s) {
    TravelState& t = s.travel;
    t.mapClicked = 0;
    if (!hasPick(t)) return true;
    if (cellAt(t, t.pickCol, t.pickRow).cost > t.money) {
        showPopup(s, 20, 540, comment(s, texts::TooExpensive));
        return false;
    }
    playSound(s, sounds::TravellerLeaves);
    startFlight(s, squarePoint(t.curCol, t.curRow), squarePoint(t.pickCol, t.pickRow), TravellerFlightKind, "", 1);
    return true;
}

}  // namespace

std::string pickedSquarePrizeLine(const ProgramState& s) {
    const TravelState& t = s.travel;
    if (!hasPick(t)) return {};
    const TravelCell& cell = t.cells[static_cast<std::size_t>(t.pickCol)][static_cast<std::size_t>(t.pickRow)];
    std::string line = comment(s, texts::PrizeCaption) + dollars(cell.prize);
    if (cell.cost > cell.prize) line.append("  ").append(comment(s, texts::PriceAbovePrize));
    return line;
}

int cheapestNeighbourCost(const TravelState& t, int c, int r) {
    const auto cost = [&](bool present, int nc, int nr) {
        return present ? t.cells[static_cast<std::size_t>(nc)][static_cast<std::size_t>(nr)].cost : MissingNeighbourCost;
    };
    return std::min({cost(c < TravelColumns - 1, c + 1, r), cost(c > 0, c - 1, r), cost(r > 0, c, r - 1),
                     cost(r < TravelRows - 1, c, r + 1)});
}

void startTravel(ProgramState& s) {
    TravelState& t = s.travel;
    playSound(s, sounds::TravelStarts);
    t.underWay = 0;
    t.completed = 0;
    t.failed = 0;
    t.mapShown = 1;
    t.mapClicked = 0;
    t.pickCol = t.pickRow = TravelNone;

    const TravelRoute& route = TravelRoutes[static_cast<std::size_t>(s.rng.below(static_cast<int>(TravelRoutes.size())))];
    t.startCol = route.startCol;
    t.startRow = route.startRow;
    t.targetCol = route.targetCol;
    t.targetRow = route.targetRow;
    t.routeNumber = route.routeNumber;
    t.money = s.rng.below(100) + route.moneyBase;
    t.curCol = t.startCol;
    t.curRow = t.startRow;

    s.app.screen = screens::None;
    s.app.hoverText.clear();
    loadBackground(s, backgrounds::TravelMap);
    ListBox& rules = s.listBox(6);
    for (int i = 1; i <= 599; ++i) rules.entries[static_cast<std::size_t>(i)].clear();

    drawSquares(s);
    showPopup(s, -20, 42, comment(s, texts::Opening));
}

void drawTravel(ProgramState& s) {
    TravelState& t = s.travel;
    drawBackground(s);
    drawSmallText(s, 20, 22, NormalInk, comment(s, texts::MoneyCaption) + " " + dollars(t.money));
    drawSmallText(s, 20, 42, NormalInk, comment(s, texts::GoalCaption) + cellAt(t, t.targetCol, t.targetRow).country.str());
    if (!s.app.hoverText.empty()) {
        drawSmallText(s, 20, 2, NormalInk, s.app.hoverText.view());
        // Left enough for a warning to end before the quick-exit button.
        if (hasPick(t)) drawSmallText(s, 250, 22, NormalInk, pickedSquarePrizeLine(s));
    }
    if (s.flight.active) {
        // On the move the squares are not drawn, and clicks are ignored.
        const Point at = flightPosition(s.flight, s.now());
        drawTraveller(s, at);
        if (at.x != s.flight.targetX || at.y != s.flight.targetY) return;
        arrive(s);
        return;
    }
    drawTravelMap(s);
    drawTraveller(s, squarePoint(t.curCol, t.curRow));
    if (t.mapClicked && !clickMap(s)) return;
    drawHead(s, {5, 540}, 40);
}

void drawTravelMap(ProgramState& s) {
    TravelState& t = s.travel;
    Canvas& canvas = s.platform.canvas();
    t.pickCol = t.pickRow = TravelNone;
    const Point pointer = s.mousePos;
    for (int c = 0; c < TravelColumns; ++c) {
        for (int r = 0; r < MapRows; ++r) {
            const bool neighbour = isNeighbour(t, c, r);
            Rgb pen = neighbour ? Green : Silver;
            const Rect square{travelSquareX(c), travelSquareY(r), SquarePixels, SquarePixels};
            if (c == t.startCol && r == t.startRow) canvas.frameRect(square, pen);
            if (c == t.targetCol && r == t.targetRow) canvas.frameRect(square, Gold, GoalPen);
            if (!neighbour) continue;
            if (s.app.screen == screens::None && pointer.x >= square.x && pointer.x <= square.x + SquarePixels &&
                pointer.y >= square.y && pointer.y <= square.y + SquarePixels) {
                t.pickCol = c;
                t.pickRow = r;
                pen = Red;
            }
            if (s.blinkOn) drawReachRing(canvas, square, pen, t.pickCol == c && t.pickRow == r ? PickedPen : ReachPen);
        }
    }
    if (s.popup.active) drawPopup(s);
    if (hasPick(t)) {
        const TravelCell& cell = cellAt(t, t.pickCol, t.pickRow);
        std::string line = cell.country.str();
        line.append(" ").append(comment(s, texts::CostsWord)).append(dollars(cell.cost)).append("  ");
        line.append(comment(s, texts::GameCaption)).append(cell.cellGameName.view().substr(0, 30));
        s.app.hoverText = line;
        s.app.cursorShape = static_cast<std::int16_t>(PointerShape::Hand);
    } else {
        s.app.hoverText.clear();
        s.app.cursorShape = static_cast<std::int16_t>(PointerShape::Arrow);
    }
}

void startTravelGame(ProgramState& s) {
    TravelState& t = s.travel;
    t.mapShown = 0;
    t.underWay = 1;
    resetGameRecord(s);
    const int id = cellAt(t, t.curCol, t.curRow).cellGame;
    s.game.gameId = static_cast<std::uint32_t>(id);
    s.app.gameTitle = gameName(s, id);
    ChargeAide(s, id);
    loadBackground(s, s.app.backgroundIndex);
    // The game builds itself on the next frames from the word list that is
    // current. The travel's games draw from the French dictionary: a theme
    // or English list that an earlier game left current is put back behind
    // it, or some of them could never build (a word with one extra letter
    // making exactly one anagram is not found among the trees).
    if (!s.words.loadedPath().empty()) loadWordListFor(s, id);
}

void continueTravel(ProgramState& s) {
    TravelState& t = s.travel;
    if (s.app.gameWon == 1) {
        playSound(s, sounds::PrizeWon);
        t.money += cellAt(t, t.curCol, t.curRow).prize;
        playSound(s, sounds::Coins);
    }
    leaveGame(s);
    debugLog(s, "passage par voyage continue");
    const int cheapest = cheapestNeighbourCost(t, t.curCol, t.curRow);
    s.app.screen = screens::None;
    if (cheapest <= t.money) {
        loadBackground(s, backgrounds::TravelMap);
        t.underWay = 0;
        t.mapShown = 1;
    } else {
        t.failed = 1;
    }
}

void switchTravelOff(ProgramState& s) {
    if (s.travel.mapShown && s.flight.active) s.flight.active = 0;
    s.travel.mapShown = 0;
    s.travel.underWay = 0;
}

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

}  // namespace glossamo
