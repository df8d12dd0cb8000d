// The player's own word lists: the panel that chooses, renames, deletes and
// imports them, and the report of what an imported file gave.
#include "menus/menu_panels.hpp"

#include <cstddef>
#include <string>
#include <vector>

#include "base/counts.hpp"
#include "families/registry.hpp"
#include "games/word_lists.hpp"
#include "profile/own_lists.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::menus {

namespace {

constexpr int ListsBox = 10;
constexpr std::size_t LineLength = 44;  // small-font characters across the panel
constexpr int ReportLines = 2;          // lines for each group of words

std::string selectedName(const ProgramState& s) {
    const ListBox& lists = s.listBoxes[ListsBox];
    if (lists.selected < 1 || lists.selected >= ListBoxEntries) return {};
    return lists.entries[static_cast<std::size_t>(lists.selected)];
}

void fillLists(ProgramState& s) {
    listClear(s, ListsBox);
    s.listBox(ListsBox).selected = -1;
    for (const std::string& name : ownListNames(s)) {
        listAdd(s, ListsBox, name);
        if (name == s.ownList.name) s.listBox(ListsBox).selected = listCount(s, ListsBox);
    }
}

void say(ProgramState& s, int comment) { showPopup(s, 2, 520, s.app.comments[static_cast<std::size_t>(comment)].view()); }

void deleteChosenList(ProgramState& s) {
    if (!deleteOwnList(s, selectedName(s))) return;
    say(s, lists::Deleted);
    fillLists(s);
    s.typedText.clear();
}

std::string chosenListLine(const Pass& p) {
    const OwnList& list = p.s.ownList;
    if (list.name.empty()) return p.comment(lists::NoneChosen);
    return list.name + " : " + countOf(static_cast<int>(list.words.size()), p.comment(lists::Word));
}

// Words joined by commas on lines of the panel's width; the last line ends
// with "..." when they do not all fit.
std::vector<std::string> wrappedWords(const std::vector<std::string>& words) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string piece = words[i] + (i + 1 < words.size() ? ", " : "");
        if (lines.back().size() + piece.size() > LineLength) {
            if (static_cast<int>(lines.size()) == ReportLines) {
                lines.back() += "...";
                break;
            }
            lines.emplace_back();
        }
        lines.back() += piece;
    }
    return lines;
}

std::string reasonText(const Pass& p, LeftOutReason reason) {
    switch (reason) {
        case LeftOutReason::TooShort: return p.comment(lists::TooShort);
        case LeftOutReason::TooLong: return p.comment(lists::TooLong);
        case LeftOutReason::NotLetters: return p.comment(lists::NotLetters);
        case LeftOutReason::Duplicate: return p.comment(lists::Duplicate);
    }
    return {};
}

// A heading and its words; the y of the next line.
int wordGroup(Pass& p, int y, const std::string& heading, const std::vector<std::string>& words) {
    if (words.empty()) return y;
    p.text(p.L + 30, y, heading + " " + std::to_string(words.size()));
    for (const std::string& line : wrappedWords(words)) p.text(p.L + 50, y += 18, line);
    return y + 24;
}

void keepList(ProgramState& s, bool withUnknownWords) {
    const bool kept = keepImportedList(s, withUnknownWords);
    say(s, kept ? lists::Kept : lists::NotKept);
    openScreen(s, Screen::OwnLists);
}

}  // namespace

void ownListsScreen(Pass& p) {
    ProgramState& s = p.s;
    p.text(p.L + 190, p.T + 60, p.comment(lists::Title));
    p.text(p.L + 100, p.T + 84, p.comment(lists::Yours));
    if (const int picked = p.listAt(ListsBox, p.L + 100, p.T + 104);
        picked >= 0 && chooseOwnList(s, selectedName(s)))
        s.typedText = s.ownList.name;
    p.scrollButtons(ListsBox, p.L + 40, p.T + 100, p.T + 150);
    if (!selectedName(s).empty() && p.buttonAt(p.R - 30, p.T + 134, button::Delete, lists::Delete))
        deleteChosenList(s);
    p.text(p.L + 40, p.T + 212, chosenListLine(p));
    if (!s.ownList.name.empty() && wordsBetween(s.ownList, ShortestListWord, LongestListWord) < FewestListWords)
        p.text(p.L + 40, p.T + 230, p.comment(lists::TooFew));
    if (!selectedName(s).empty()) {
        p.text(p.L + 40, p.T + 254, p.comment(lists::Name) + " " + s.typedText.str() + p.blink);
        p.text(p.L + 40, p.T + 272, p.comment(lists::RenameHow));
    }
    p.text(p.L + 90, p.T + 305, p.comment(lists::Import));
    if (p.buttonAt(p.L + 40, p.T + 300, button::Import, 0) && chooseListFile(s))
        openScreen(s, Screen::ListReport);
    if (p.buttonAt(p.R - 90, p.B - 20, button::Help, named::Rules))
        openPanelRules(s, firstGameOnList(wordlists::PlayerList), screens::OwnLists);
    // Opened from the level list, the panel goes back to the families.
    if (p.buttonAt(p.R - 30, p.B - 20, button::Close, named::Close))
        openScreen(s, s.gameRunning() ? Screen::None : Screen::Families);
}

void listReportScreen(Pass& p) {
    ProgramState& s = p.s;
    const WordFileReading& r = s.listImport;
    p.text(p.L + 100, p.T + 60, p.comment(lists::Read) + " " + s.listImportName);
    if (!r.readable) {
        p.text(p.L + 30, p.T + 100, p.comment(lists::NothingToKeep));
        if (p.buttonAt(p.R - 30, p.B - 20, button::Close, named::Close)) openScreen(s, Screen::OwnLists);
        return;
    }
    p.text(p.L + 30, p.T + 92, p.comment(lists::LinesRead) + " " + std::to_string(r.linesRead) + "    " +
                                   p.comment(lists::WordsKept) + " " + std::to_string(r.known.size()));
    std::vector<std::string> leftOut;
    for (const LeftOutWord& w : r.leftOut) leftOut.push_back(w.word + " (" + reasonText(p, w.reason) + ")");
    int y = wordGroup(p, p.T + 122, p.comment(lists::Unknown), r.unknown);
    y = wordGroup(p, y, p.comment(lists::LeftOut), leftOut);
    // Yes keeps every word read; No, the known ones alone; the close button
    // keeps nothing.
    const bool ask = !r.unknown.empty() && !r.known.empty();
    p.text(p.L + 100, p.B - 60, p.comment(ask ? lists::KeepUnknown : lists::KeepList));
    if (p.buttonAt(p.L + 40, p.B - 40, button::Yes, named::Yes)) return keepList(s, true);
    if (ask && p.buttonAt(p.L + 100, p.B - 40, button::No, named::No)) return keepList(s, false);
    if (p.buttonAt(p.R - 30, p.B - 20, button::Close, named::Close)) {
        s.listImport = {};
        openScreen(s, Screen::OwnLists);
    }
}

}  // namespace glossamo::menus

namespace glossamo {

using namespace menus;

void openOwnLists(ProgramState& s) {
    ListBox& lists = s.listBox(ListsBox);
    lists.rowsShown = 4;
    lists.width = 300;
    fillLists(s);
    s.typedText = s.ownList.name;
}

void renameChosenList(ProgramState& s) {
    const std::string name = selectedName(s), wanted = listName(s.typedText.view());
    if (name.empty() || wanted.empty() || wanted == name) return;
    if (!renameOwnList(s, name, s.typedText.str())) {
        say(s, lists::NameTaken);
        return;
    }
    say(s, lists::Renamed);
    fillLists(s);
}

}  // namespace glossamo
