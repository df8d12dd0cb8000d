#include "widgets/widgets.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/canvas.hpp"
#include "state/debug_log.hpp"

namespace glossamo {

namespace {

constexpr int BoardRowsDrawn = 17;
// The message box: small-font lines of at most 64 characters (10 pixels
// each), 20 pixels apart, on a dark panel with a light frame.
constexpr std::size_t MessageChars = 64;
constexpr int MessageAdvance = 10;
constexpr int MessageRow = 20;
constexpr int MessageTop = 220;
constexpr int MessageMargin = 20;
// A button's name: one small-font line (glyphs 16 pixels high, 10 apart) on
// the message box's colours, with a narrow margin.
constexpr int LabelAdvance = 10;
constexpr int LabelGlyphHeight = 16;
constexpr int LabelMargin = 3;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// The selection frame of the hidden-word games, from the start cell to the
// pointer, across or down; the selection ends when the pointer leaves the
// movable cells or goes left of the start.
void drawSelectionFrame(ProgramState& s) {
    const int px = s.mousePos.x, py = s.mousePos.y;
    const int x0 = s.drag.x + 4, y0 = s.drag.y + 8;
    const int column = (px - s.game.boardLeft) / CellPixels;
    const int row = (py - s.game.boardTop) / CellPixels;
    const bool onBoard = column >= 0 && row >= 0 && column < BoardSize && row < BoardSize;
    if (!onBoard || s.game.movable[at(column)][at(row)] != 1 || x0 > px) {
        s.drag.active = 0;
        return;
    }
    constexpr Rgb Green{0, 128, 0};
    if (py >= y0 + 25)
        s.platform.canvas().roundedRect(Rect{x0, y0, 21, py - y0}, 10, Green, 2);
    else
        s.platform.canvas().roundedRect(Rect{x0, y0, px - x0, 21}, 10, Green, 2);
}

// The code and sum numbers, in dark ink. A cell without a letter shows its
// number large (digits 9 to 10 pixels high) in its middle, on a pale label
// where there is no tile under it; a cell with a letter shows it small in its
// corner, clear of the letter.
constexpr int NumberDigitWidth = 8;
constexpr int NumberLabelHeight = 13;
constexpr int NumberInkTop = 3;  // the digits' top below the top of the rendered text
constexpr Rgb NumberPaper{255, 250, 220};
constexpr Rgb CodeInk{0, 0, 110};
constexpr Rgb SumInk{120, 0, 0};

void drawCellNumber(ProgramState& s, int column, int row, std::uint32_t n, bool bold, Rgb ink) {
    const GameRecord& g = s.game;
    const int cx = g.boardLeft + CellPixels * column, cy = g.boardTop + CellPixels * row;
    const char letter = g.letters[at(column)][at(row)];
    const std::string text = std::to_string(n);
    Canvas& canvas = s.platform.canvas();
    if (letter != ' ' && letter != '*') {
        canvas.systemText(cx - 2, cy + 2, text, CornerNumberSize, bold, ink, BoxKind::Mark);
        return;
    }
    const int width = NumberDigitWidth * static_cast<int>(text.size()) + 3;
    const int x = cx + 11 - width / 2, y = cy + 11;
    if (letter == '*') canvas.fillRect(Rect{x, y, width, NumberLabelHeight}, NumberPaper);
    canvas.systemText(x + 2, y + 2 - NumberInkTop, text, SystemNumberSize, false, ink, BoxKind::Mark);
}

}  // namespace

void drawBoard(ProgramState& s) {
    const GameRecord& g = s.game;
    for (int row = 0; row < BoardRowsDrawn; ++row) {
        for (int column = 0; column < BoardSize; ++column) {
            const int cx = g.boardLeft + CellPixels * column;
            const int cy = g.boardTop + CellPixels * row;
            const char letter = g.letters[at(column)][at(row)];
            const std::uint32_t style = g.tileStyles[at(column)][at(row)];
            const std::uint32_t colour = g.colours[at(column)][at(row)];
            if (letter != '*')
                drawTileText(s, cx, cy, colour, style, std::string_view(&letter, 1));
            else if (style == 3)
                drawTileText(s, cx, cy, colour, 3, " ");
        }
    }
}

void drawCellOnFace(ProgramState& s, int column, int row, int face) {
    if (column < 0 || row < 0 || column >= BoardSize || row >= BoardRowsDrawn) return;
    const GameRecord& g = s.game;
    const char letter = g.letters[at(column)][at(row)];
    drawTileTextOnFace(s, g.boardLeft + CellPixels * column, g.boardTop + CellPixels * row,
                       g.colours[at(column)][at(row)], face, std::string_view(&letter, 1));
}

void drawCodeNumbers(ProgramState& s) {
    const GameRecord& g = s.game;
    for (int row = 1; row < BoardRowsDrawn; ++row)
        for (int column = 1; column < BoardSize; ++column)
            if (g.tileStyles[at(column)][at(row)] == 4 && g.letters[at(column)][at(row)] != '*')
                drawCellNumber(s, column, row, g.numbers[at(column)][at(row)], false, CodeInk);
}

void prepareNumberFonts(ProgramState& s) {
    for (const int size : {SystemNumberSize, CornerNumberSize}) {
        s.platform.canvas().prepareSystemFont(size, false);
        s.platform.canvas().prepareSystemFont(size, true);
    }
}

void drawSumNumbers(ProgramState& s) {
    const GameRecord& g = s.game;
    for (int row = 1; row < BoardRowsDrawn; ++row)
        for (int column = 1; column < BoardSize; ++column)
            if (g.numbers[at(column)][at(row)] != 0)
                drawCellNumber(s, column, row, g.numbers[at(column)][at(row)], true, SumInk);
}

void drawCard(ProgramState& s, int x, int y, int n) {
    if (n < 0 || n >= 54) {
        debugLog(s, "DEMANDE AFFICHAGE CARTE: " + std::to_string(n) + " HORS LIMITE");
        return;
    }
    Canvas& canvas = s.platform.canvas();
    canvas.drawImage(ImageSet::Pendu, n, x, y);
    canvas.noteBox(BoxKind::Tile, canvas.imageBounds(ImageSet::Pendu, n, x, y), "card");
}

void drawSlot(ProgramState& s, int x, int y, int n) {
    if (n < 1 || n >= 11) return;
    Canvas& canvas = s.platform.canvas();
    canvas.drawImage(ImageSet::Slot, n, x, y);
    canvas.noteBox(BoxKind::Tile, canvas.imageBounds(ImageSet::Slot, n, x, y), "slot");
}

void drawPassMark(ProgramState& s, int x, int y, int state) {
    s.platform.canvas().drawImage(ImageSet::Slot, state == 1 ? 8 : 7, x, y);
}

void drawBlackTile(ProgramState& s, int x, int y) {
    Canvas& canvas = s.platform.canvas();
    canvas.drawImage(ImageSet::Slot, 4, x, y);
    canvas.noteBox(BoxKind::Tile, canvas.imageBounds(ImageSet::Slot, 4, x, y), "black square");
}

void drawButton(ProgramState& s, Point at, int n, bool highlighted) {
    if (n < 0 || n >= LastInterfacePicture) {
        debugLog(s, "Demande Affichage Boutton hors limite");
        return;
    }
    s.platform.canvas().drawImage(ImageSet::Interface, highlighted ? n + 1 : n, at.x, at.y);
}

bool buttonHit(ProgramState& s, Point at, Point pointer) {
    const bool hit = !s.drag.active && at.x < pointer.x && pointer.x < at.x + ButtonSize && at.y < pointer.y &&
                     pointer.y < at.y + ButtonSize;
    if (hit) s.app.hoverFlag = 1;
    return hit;
}

void drawButtonName(ProgramState& s, Point at, std::string_view name) {
    const int width = LabelAdvance * static_cast<int>(name.size()) + 2 * LabelMargin + 1;
    const int height = LabelGlyphHeight + 2 * LabelMargin;
    // Centred on the button, but never past its right edge: the panels' list
    // rows start right of their scroll arrows.
    const int x = std::clamp(std::min(at.x + ButtonSize / 2 - width / 2, at.x + ButtonSize - width), 0,
                             SurfaceWidth - width);
    const int y = at.y >= height + 2 ? at.y - height - 2 : at.y + ButtonSize + 2;
    Canvas& canvas = s.platform.canvas();
    const Rect label{x, y, width, height};
    canvas.fillRect(label, {16, 24, 64});
    canvas.frameRect(label, {255, 255, 255});
    drawSmallText(s, x + LabelMargin - LabelAdvance, y + LabelMargin, NormalInk, name);
}

void drawCheckBox(ProgramState& s, int n, std::string_view label) {
    const CheckBox& box = s.checkBox(n);
    s.platform.canvas().drawImage(ImageSet::Interface, box.ticked ? 46 : 45, box.x, box.y);
    drawSmallText(s, box.x + 12, box.y + 4, NormalInk, label);
}

bool checkBoxHit(const ProgramState& s, Point pointer, int n) {
    const CheckBox& box = s.checkBoxes[at(n)];
    return box.x < pointer.x && pointer.x < box.x + CheckBoxSize && box.y < pointer.y &&
           pointer.y < box.y + CheckBoxSize;
}

void showPopup(ProgramState& s, int x, int y, std::string_view text) {
    s.popup.x = x + 40;
    s.popup.y = y;
    s.popup.text = text;
    s.popup.startTick = s.now();
    s.popup.active = 1;
}

// The message is written where it was asked, or where the frames left it
// room nearest to that, clear of the pieces and the other texts; a board
// that leaves no room at all still gets it where it was asked, since a
// message unseen would be lost.
void drawPopup(ProgramState& s) {
    const std::string_view text = s.popup.text.view();
    const int left = s.popup.x + SmallAdvance;
    const Rect wanted{left, s.popup.y, SmallAdvance * static_cast<int>(text.size()) + 1, SmallGlyphHeight};
    Canvas& canvas = s.platform.canvas();
    const Rect place = clearPlaceFor(obstaclesFor(canvas, "message"), wanted).value_or(wanted);
    const std::size_t first = canvas.boxesSoFar().size();
    drawSmallText(s, place.x - SmallAdvance, place.y, NormalInk, text);
    canvas.noteBox(BoxKind::Banner, place, "message");
    canvas.renameBoxesSince(first, BoxKind::Banner, "message");
    if (static_cast<std::uint32_t>(s.now() - s.popup.startTick) > PopupMs) {
        s.popup.active = 0;
        s.app.hoverText.clear();
    }
}

namespace {

// Cuts a line into pieces of at most MessageChars characters, after the last
// '/' or blank that keeps a piece within the limit, or at the limit.
void addWrapped(std::vector<std::string>& out, std::string line) {
    while (line.size() > MessageChars) {
        std::size_t cut = line.find_last_of("/ ", MessageChars - 1);
        cut = cut == std::string::npos || cut == 0 ? MessageChars : cut + 1;
        out.push_back(line.substr(0, cut));
        line.erase(0, cut);
    }
    out.push_back(line);
}

}  // namespace

void showMessageBox(ProgramState& s, const std::vector<std::string>& lines) {
    std::vector<std::string> wrapped;
    for (const std::string& line : lines) addWrapped(wrapped, line);
    MessageBox& box = s.messageBox;
    box.lines = {};
    for (std::size_t i = 0; i < wrapped.size() && i < box.lines.size(); ++i) box.lines[i] = wrapped[i];
    box.active = 1;
}

void drawMessageBox(ProgramState& s) {
    const MessageBox& box = s.messageBox;
    int longest = 0, rows = 0;
    for (const auto& line : box.lines) {
        if (line.empty()) continue;
        longest = std::max(longest, static_cast<int>(line.size()));
        ++rows;
    }
    const int width = MessageAdvance * (longest + 1) + 2 * MessageMargin;
    const Rect panel{(SurfaceWidth - width) / 2, MessageTop, width, MessageRow * rows + 2 * MessageMargin};
    Canvas& canvas = s.platform.canvas();
    canvas.fillRect(panel, {16, 24, 64});
    canvas.frameRect(panel, {255, 255, 255}, 2);
    int y = panel.y + MessageMargin;
    for (const auto& line : box.lines) {
        if (line.empty()) continue;
        drawSmallText(s, panel.x + MessageMargin - MessageAdvance, y, NormalInk, line.view());
        y += MessageRow;
    }
}

bool closeMessageBox(ProgramState& s) {
    if (!s.messageBox.active) return false;
    s.messageBox.active = 0;
    return true;
}

void drawDrag(ProgramState& s) {
    if (s.flight.active) return;
    const int px = s.mousePos.x, py = s.mousePos.y;
    if (s.drag.look == PieceLook::SelectionFrame) {
        drawSelectionFrame(s);
        return;
    }
    const std::string_view text = s.drag.text.view();
    if (s.drag.look == PieceLook::BlackSquares && text == "*") {
        drawBlackTile(s, px - 25, py - 20);
        return;
    }
    for (std::size_t k = 0; k < text.size(); ++k) {
        const int i = static_cast<int>(k) + 1;
        const std::string_view letter = text.substr(k, 1);
        if (s.drag.horizontal)
            drawTileText(s, px + 20 * i - 55, py - 20, NormalInk, 0, letter);
        else
            drawTileText(s, px - 25, py + 25 * i - 45, NormalInk, 0, letter);
    }
}

void drawTravelLostBanner(ProgramState& s) { s.platform.canvas().drawImage(ImageSet::Interface, 59, 240, 200); }

void drawBackground(ProgramState& s) { s.platform.canvas().drawImage(ImageSet::Screen, 0, 0, 0); }

void drawHead(ProgramState& s, Point at, int height) {
    const int width = static_cast<int>(std::nearbyint(height * 8.0 / 9.0));
    s.platform.canvas().stretchImage(ImageSet::Screen, 1, Rect{at.x, at.y, width, height}, false);
}

void drawPanel(ProgramState& s, int x, int y) { s.platform.canvas().drawImage(ImageSet::Screen, 2, x - 30, y); }

void drawTraveller(ProgramState& s, Point at) { s.platform.canvas().drawImage(ImageSet::Interface, 42, at.x, at.y); }

}  // namespace glossamo
