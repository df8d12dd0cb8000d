// One drawing pass of the menus: buttons, lists, check boxes and texts.
#include "menus/menu_pass.hpp"

#include "media/sound_services.hpp"
#include "widgets/bitmap_fonts.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::menus {

void Pass::text(int x, int y, const std::string& t) const { drawSmallText(s, x, y, NormalInk, t); }

bool Pass::buttonAt(int x, int y, int image, int name) {
    const bool hit = buttonHit(s, {x, y}, pointer);
    drawButton(s, {x, y}, image, hit);
    if (hit) {
        hoveredButton = {x, y};
        hoveredName = name;
    }
    return hit && clicked();
}

int Pass::listAt(int n, int left, int top, bool textLines) {
    ListBox& list = s.listBox(n);
    list.left = left;
    list.top = top;
    list.count = textLines ? lastUsedEntry(s, n) : listCount(s, n);
    // Each panel shows one list: the wheel turned over the panel scrolls it.
    if (wheelNotches != 0 && onPanel()) scrollListBy(s, n, -wheelNotches);
    drawListBox(s, n);
    const int row = listRowHit(s, pointer, n);
    if (row == 0 || !clicked()) return -1;
    playSound(s, sounds::Enter);
    list.selected = row + list.firstShown;
    return list.selected;
}

void Pass::scrollButtons(int n, int x, int upY, int downY) {
    if (buttonAt(x, upY, button::ScrollUp, named::ScrollUp)) scrollList(s, n, -1);
    if (buttonAt(x, downY, button::ScrollDown, named::ScrollDown)) scrollList(s, n, +1);
}

void Pass::nameHoveredButton() const {
    if (hoveredName == 0 || s.popup.active) return;
    const std::string name = comment(hoveredName);
    if (!name.empty() && name != "Rien") drawButtonName(s, hoveredButton, name);
}

bool Pass::checkBoxAt(int n, int x, int y, const std::string& label) {
    CheckBox& box = s.checkBox(n);
    box.x = x;
    box.y = y;
    drawCheckBox(s, n, label);
    const bool hit = checkBoxHit(s, pointer, n);
    checkBoxHovered = checkBoxHovered || hit;
    if (!hit || !clicked()) return false;
    box.ticked = box.ticked ? 0 : 1;
    return true;
}

bool Pass::linkAt(int x, int y, const std::string& label) {
    const int width = SmallAdvance * static_cast<int>(label.size());
    const bool hit = pointer.x >= x && pointer.x < x + width && pointer.y >= y && pointer.y < y + SmallGlyphHeight;
    drawSmallText(s, x, y, hit ? HighlightInk : NormalInk, label);
    if (hit) s.app.hoverFlag = 1;
    return hit && clicked();
}

bool hovered(Point p, int x, int y, int width) { return p.x > x - 3 && p.x < x + width && p.y > y + 3 && p.y < y + 21; }

}  // namespace glossamo::menus
