#include "widgets/list_boxes.hpp"

#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/canvas.hpp"
#include "state/debug_log.hpp"
#include "widgets/bitmap_fonts.hpp"

namespace glossamo {

namespace {

constexpr int RowPixels = 20;
constexpr int CharacterPixels = 11;
constexpr int LastEntry = 599;  // entries 1..599 hold texts

bool validList(int n) { return n >= 1 && n <= ListBoxCount; }

// Where the scroll position marker stands.
int positionMarkerY(const ListBox& list) {
    const int c = std::max(list.count, 1);
    const int k = c > list.rowsShown ? list.rowsShown : 1;
    const double exact = static_cast<double>(list.firstShown + k) * RowPixels * (list.rowsShown * RowPixels) /
                             (static_cast<double>(c) * RowPixels) + list.top;
    return static_cast<int>(std::nearbyint(exact)) + (k != 1 ? 6 : 0);
}

// One row up (direction < 0) or down, while there is more to show that way.
void stepList(ListBox& list, int direction) {
    if (direction < 0 && list.firstShown >= 1) --list.firstShown;
    if (direction > 0 && list.firstShown + list.rowsShown < list.count) ++list.firstShown;
}

}  // namespace

void drawListBox(ProgramState& s, int n) {
    if (!validList(n)) {
        debugLog(s, "ListBox perso hors limite");
        return;
    }
    const int hovered = listRowHit(s, s.mousePos, n);
    const ListBox& list = s.listBox(n);
    const bool plainList = n == 3 || n == 6;
    Canvas& canvas = s.platform.canvas();
    for (int r = 1; r <= list.rowsShown; ++r) {
        const int e = list.firstShown + r;
        if (e < 0 || e >= ListBoxEntries) continue;
        const std::string& entry = list.entries[static_cast<std::size_t>(e)];
        const bool marked = r == hovered || (e == list.selected && entry != " ");
        const int y = list.top + RowPixels * r;
        drawSmallText(s, list.left, y, marked && !plainList ? HighlightInk : NormalInk,
                      std::string_view(entry).substr(0, static_cast<std::size_t>(std::max(0, list.width / CharacterPixels))));
        canvas.drawImage(ImageSet::Interface, 60, list.left - 10, y);
    }
    canvas.drawImage(ImageSet::Interface, 61, list.left - 10, positionMarkerY(list));
}

int listRowHit(ProgramState& s, Point pointer, int n) {
    const int screen = s.app.screen;
    if (!validList(n) || screen == screens::Help || screen == screens::AnagramSearch ||
        screen == screens::PatternSearch)
        return 0;
    const ListBox& list = s.listBox(n);
    if (pointer.x <= list.left || pointer.x >= list.left + list.width) return 0;
    for (int r = 1; r <= list.rowsShown; ++r) {
        const int rowTop = list.top + RowPixels * r;
        if (pointer.y <= rowTop + 2 || pointer.y >= rowTop + 16) continue;
        const int e = list.firstShown + r;
        if (e < 0 || e >= ListBoxEntries || list.entries[static_cast<std::size_t>(e)].empty()) return 0;
        s.app.cursorShape = static_cast<std::int16_t>(PointerShape::Hand);
        return r;
    }
    return 0;
}

void scrollList(ProgramState& s, int n, int direction) {
    s.app.listScrolling = 1;
    if (!validList(n)) return;
    const std::uint32_t now = s.now();
    if (s.scrollPressStepped) {
        const bool heldLongEnough = static_cast<std::int32_t>(now - s.scrollRepeatFrom) >= 0;
        if (!heldLongEnough || static_cast<std::uint32_t>(now - s.app.lastScrollTick) <= ScrollRepeatMs) return;
    } else {
        // A click moves the list one row, however long the button stays down
        // short of the hold delay.
        s.scrollPressStepped = 1;
        s.scrollRepeatFrom = now + ScrollHoldMs;
    }
    s.app.lastScrollTick = now;
    stepList(s.listBox(n), direction);
}

void scrollListBy(ProgramState& s, int n, int rows) {
    if (!validList(n)) return;
    for (int k = 0; k < std::abs(rows); ++k) stepList(s.listBox(n), rows);
}

void listAdd(ProgramState& s, int n, std::string_view text) {
    if (!validList(n)) return;
    ListBox& list = s.listBox(n);
    for (int index = 1; index <= LastEntry; ++index) {
        std::string& entry = list.entries[static_cast<std::size_t>(index)];
        if (!entry.empty()) continue;
        entry = text;
        list.count = index;
        debugLog(s, "Ajout de " + std::string(text) + " \xE0 index " + std::to_string(index));
        return;
    }
    debugLog(s, "Imposible d'ajouter un score");
}

void listDelete(ProgramState& s, int n, int index) {
    if (!validList(n) || index < 0 || index > LastEntry) return;
    ListBox& list = s.listBox(n);
    for (int i = index; i < ListBoxEntries - 1; ++i)
        list.entries[static_cast<std::size_t>(i)] = std::move(list.entries[static_cast<std::size_t>(i + 1)]);
    list.entries[ListBoxEntries - 1].clear();
    if (list.count > 0) --list.count;
}

int listCount(const ProgramState& s, int n) {
    if (!validList(n)) return 0;
    int count = 0;
    for (int i = 0; i <= LastEntry; ++i)
        if (!s.listBoxes[static_cast<std::size_t>(n)].entries[static_cast<std::size_t>(i)].empty()) ++count;
    return count;
}

int lastUsedEntry(const ProgramState& s, int n) {
    if (!validList(n)) return 0;
    const ListBox& list = s.listBoxes[static_cast<std::size_t>(n)];
    for (int i = LastEntry; i > 0; --i)
        if (!list.entries[static_cast<std::size_t>(i)].empty()) return i;
    return 0;
}

void listClear(ProgramState& s, int n) {
    if (!validList(n)) return;
    for (int i = 0; i <= LastEntry; ++i) s.listBox(n).entries[static_cast<std::size_t>(i)].clear();
}

}  // namespace glossamo
