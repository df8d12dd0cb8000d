#pragma once
// Travel mode: games chained on a map of 14 x 8 squares. Each square is a
// game with a price paid on arrival and a prize won with the game; the
// traveller moves one square at a time from a start square to a target.
#include <array>
#include <string>

namespace glossamo {

struct ProgramState;
struct TravelState;

// A travel's start, target and starting money: money = random(100) + moneyBase.
struct TravelRoute {
    int startCol, startRow, targetCol, targetRow, moneyBase, routeNumber;
};
inline constexpr std::array<TravelRoute, 6> TravelRoutes{{
    {0, 0, 12, 6, 120, 1},
    {0, 0, 12, 2, 201, 1},
    {3, 4, 12, 6, 201, 3},
    {3, 4, 6, 1, 201, 5},
    {3, 4, 12, 2, 150, 6},
    {2, 2, 12, 2, 150, 7},
}};

constexpr int TravelNone = -1;        // no square under the pointer
constexpr int MissingNeighbourCost = 1000;

// The top-left corner of square (c, r) on the map; squares are 50 pixels wide.
constexpr int travelSquareX(int c) { return 50 + 50 * c; }
constexpr int travelSquareY(int r) { return 100 + 50 * r; }

// Starts a travel: a route, its money, and a game, price and prize on every square.
void startTravel(ProgramState& s);
// The map frame: money, hover line, the moving traveller, the squares and
// the click on a neighbour.
void drawTravel(ProgramState& s);
// The squares and their outlines, the blinking neighbours and the square
// under the pointer.
void drawTravelMap(ProgramState& s);
// The line under the money while a neighbour is pointed at: its prize, and
// a warning when its price is above it; empty when none is pointed at.
std::string pickedSquarePrizeLine(const ProgramState& s);
// Starts the game of the square the traveller has just reached.
void startTravelGame(ProgramState& s);
// After a travel game: the prize of a won game, then back on the map, or
// the travel fails when no neighbour is affordable.
void continueTravel(ProgramState& s);
// The cheapest price among the four neighbours of (c, r), row 8 included; a
// neighbour off the record counts MissingNeighbourCost.
int cheapestNeighbourCost(const TravelState& t, int c, int r);
// Leaves the travel at once (give-up or Escape on the map): the map and the
// travel are switched off and a traveller on the move stops.
void switchTravelOff(ProgramState& s);
// Gives the running game up: it is lost from now on. From the travel map,
// or once the travel has failed or reached its goal, the travel ends with
// it and the menus come back. False, changing nothing, when the game had
// already ended.
bool giveUp(ProgramState& s);

}  // namespace glossamo
