#pragma once
// The self-drawn widgets: the letter board, single pictures, buttons, check
// boxes, the pop-up, the carried tile and the end-of-game banners. Each
// draws into the back buffer of the current frame; hit tests read the last
// pointer position.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/program_state.hpp"
#include "widgets/bitmap_fonts.hpp"
#include "widgets/end_banners.hpp"

namespace glossamo {

constexpr int ButtonSize = 48;
constexpr int CheckBoxSize = 20;
constexpr std::uint32_t PopupMs = 1500;

// The letter board of the running game, rows 0..16 and columns 0..20.
void drawBoard(ProgramState& s);
// Tile faces that no tile style names, for a game to show a state its
// tiles alone would not: a letter found in its right place, and a cell the
// player fills in a grid whose other letters are given.
constexpr int RightPlaceFace = 14;
constexpr int PlayerCellFace = 15;
// A board cell (its letter, or an empty tile) on slot picture `face`, over
// what drawBoard drew there.
void drawCellOnFace(ProgramState& s, int column, int row, int face);
// The code numbers of numbered cells, and the letter sums, in the system font.
void drawCodeNumbers(ProgramState& s);
void drawSumNumbers(ProgramState& s);
// The sizes of the system font of the code and sum numbers: digits 9 to 10
// pixels high, and small in the corner of a cell that holds a letter.
constexpr int SystemNumberSize = 13;
constexpr int CornerNumberSize = 8;
// Opens that font before any game needs it.
void prepareNumberFonts(ProgramState& s);

void drawCard(ProgramState& s, int x, int y, int n);
void drawSlot(ProgramState& s, int x, int y, int n);
void drawPassMark(ProgramState& s, int x, int y, int state);
void drawBlackTile(ProgramState& s, int x, int y);

void drawButton(ProgramState& s, Point at, int n, bool highlighted);
// True when no tile is carried and the pointer is strictly inside the
// button's 48 x 48 square; a hit sets `hoverFlag`.
bool buttonHit(ProgramState& s, Point at, Point pointer);
// The name of the button at `at`, in a small label just above it (below it
// when the button is at the top of the screen), ending no further right
// than the button and kept on the screen.
void drawButtonName(ProgramState& s, Point at, std::string_view name);
void drawCheckBox(ProgramState& s, int n, std::string_view label);
bool checkBoxHit(const ProgramState& s, Point pointer, int n);

void showPopup(ProgramState& s, int x, int y, std::string_view text);
void drawPopup(ProgramState& s);

// A message box in the middle of the screen, over everything, until a click,
// Escape or Enter closes it. Lines too long for the box are cut after a '/'
// or a blank; the box holds at most eight lines.
void showMessageBox(ProgramState& s, const std::vector<std::string>& lines);
void drawMessageBox(ProgramState& s);
// Closes the message box; false when none was open.
bool closeMessageBox(ProgramState& s);

void drawDrag(ProgramState& s);
void drawTravelLostBanner(ProgramState& s);

void drawBackground(ProgramState& s);
// The player's head picture stretched to `height` high and 8/9 of that wide.
void drawHead(ProgramState& s, Point at, int height);
void drawPanel(ProgramState& s, int x, int y);
void drawTraveller(ProgramState& s, Point at);

}  // namespace glossamo
