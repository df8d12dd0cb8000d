#include "profile/save_blocks.hpp"

#include "families/registry.hpp"
#include "state/app_state.hpp"
#include "state/game_record.hpp"
#include "state/play_clock.hpp"
#include "state/travel_state.hpp"

namespace glossamo {

namespace {

constexpr std::int64_t MaxGameId = LastGameId;
constexpr std::int64_t MaxCounter = 1000000;
constexpr std::int64_t MaxListIndex = 599;
constexpr std::int64_t MaxTileStyle = 4;

template <typename T, typename F>
void eachCell(Board<T>& board, F f) {
    for (auto& column : board)
        for (T& cell : column) f(cell);
}

template <typename T, typename F>
void eachCell(const Board<T>& board, F f) {
    for (const auto& column : board)
        for (const T& cell : column) f(cell);
}

bool isScreen(std::int64_t n) { return (n >= 0 && n <= 9) || n == 100; }

bool isPointerShape(std::int64_t n) { return n == 0 || n == -21 || n == -11 || n == -1; }

}  // namespace

// --- writer and reader --------------------------------------------------------

void BlockWriter::u16(std::uint16_t v) {
    u8(static_cast<std::uint8_t>(v & 0xFF));
    u8(static_cast<std::uint8_t>(v >> 8));
}

void BlockWriter::u32(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) u8(static_cast<std::uint8_t>((v >> shift) & 0xFF));
}

void BlockWriter::textField(std::string_view t, std::size_t capacity) {
    const std::size_t length = t.size() < capacity ? t.size() : capacity;
    u8(static_cast<std::uint8_t>(length));
    bytes_.append(t.substr(0, length));
    bytes_.append(capacity - length, '\0');
}

std::uint8_t BlockReader::u8() {
    if (!ok_ || at_ >= bytes_.size()) {
        ok_ = false;
        return 0;
    }
    return static_cast<std::uint8_t>(bytes_[at_++]);
}

std::uint16_t BlockReader::u16() {
    const std::uint16_t low = u8();
    return static_cast<std::uint16_t>(low | (u8() << 8));
}

std::uint32_t BlockReader::u32() {
    std::uint32_t v = 0;
    for (int shift = 0; shift < 32; shift += 8) v |= static_cast<std::uint32_t>(u8()) << shift;
    return ok_ ? v : 0;
}

std::int64_t BlockReader::within(std::int64_t v, std::int64_t low, std::int64_t high) {
    if (v < low || v > high) ok_ = false;
    return ok_ ? v : 0;
}

std::string BlockReader::textField(std::size_t capacity) {
    const std::size_t length = u8();
    if (length > capacity || at_ + capacity > bytes_.size()) ok_ = false;
    if (!ok_) return {};
    std::string t(bytes_.substr(at_, length));
    at_ += capacity;
    return t;
}

// --- the game record -------------------------------------------------------------

void writeRecord(BlockWriter& w, const GameRecord& g) {
    w.u32(g.gameId);
    w.u8(g.built);
    w.i32(g.boardLeft);
    w.i32(g.boardTop);
    w.i32(g.hoverCol);
    w.i32(g.hoverRow);
    eachCell(g.letters, [&](char c) { w.u8(static_cast<std::uint8_t>(c)); });
    eachCell(g.movable, [&](std::uint8_t v) { w.u8(v); });
    eachCell(g.clickable, [&](std::uint8_t v) { w.u8(v); });
    eachCell(g.colours, [&](std::uint32_t v) { w.u32(v); });
    for (const auto& t : g.texts) w.text(t);
    eachCell(g.tileStyles, [&](std::uint32_t v) { w.u32(v); });
    eachCell(g.numbers, [&](std::uint32_t v) { w.u32(v); });
    eachCell(g.solution, [&](std::uint32_t v) { w.u32(v); });
    w.u8(static_cast<std::uint8_t>(g.pickedLetter));
    w.u32(g.counterA);
    w.u32(g.counterB);
    w.u32(g.counterC);
}

void readRecord(BlockReader& r, GameRecord& g) {
    g.gameId = static_cast<std::uint32_t>(r.within(r.u32(), 0, MaxGameId));
    g.built = r.flag();
    g.boardLeft = static_cast<std::int32_t>(r.within(r.i32(), -800, 800));
    g.boardTop = static_cast<std::int32_t>(r.within(r.i32(), -600, 600));
    g.hoverCol = static_cast<std::int32_t>(r.within(r.i32(), -1000, 1000));
    g.hoverRow = static_cast<std::int32_t>(r.within(r.i32(), -1000, 1000));
    eachCell(g.letters, [&](char& c) { c = static_cast<char>(r.u8()); });
    eachCell(g.movable, [&](std::uint8_t& v) { v = r.u8(); });
    eachCell(g.clickable, [&](std::uint8_t& v) { v = r.u8(); });
    eachCell(g.colours, [&](std::uint32_t& v) { v = r.u32(); });
    for (auto& t : g.texts) r.text(t);
    eachCell(g.tileStyles, [&](std::uint32_t& v) { v = static_cast<std::uint32_t>(r.within(r.u32(), 0, MaxTileStyle)); });
    eachCell(g.numbers, [&](std::uint32_t& v) { v = r.u32(); });
    eachCell(g.solution, [&](std::uint32_t& v) { v = r.u32(); });
    g.pickedLetter = static_cast<char>(r.u8());
    g.counterA = static_cast<std::uint32_t>(r.within(r.u32(), 0, MaxCounter));
    g.counterB = static_cast<std::uint32_t>(r.within(r.u32(), 0, MaxCounter));
    g.counterC = static_cast<std::uint32_t>(r.within(r.u32(), 0, MaxCounter));
}

// --- the application state -------------------------------------------------------

void writeRecord(BlockWriter& w, const AppState& a) {
    // A yes/no question is not part of the game: the game is saved as it
    // stands under the question, which a later load does not ask.
    // A panel a saved game cannot reopen (a question, the statistics, the
    // challenge) is saved as no panel.
    w.i32(isScreen(a.screen) ? a.screen : screens::None);
    w.text(a.gameTitle);
    w.u8(a.titleShowing);
    w.u32(a.titleTick);
    w.u32(a.endTick);
    w.u8(a.gameWon);
    w.u8(a.gameLost);
    w.u8(a.scoreRecorded);
    w.i32(a.score);
    w.u32(a.clickPending);
    w.u16(static_cast<std::uint16_t>(a.cursorShape));
    w.u8(a.hoverFlag);
    w.u8(a.listScrolling);
    w.u32(a.lastScrollTick);
    w.text(a.hoverText);
    w.u32(a.chosenFamily);
    w.i32(a.panelX);
    w.i32(a.panelY);
    w.text(a.playerName);
    w.i32(a.backgroundIndex);
    w.i32(a.cardBackIndex);
    w.u8(a.importMode);
    w.u8(a.userFoldersPresent);
    for (const auto& comment : a.comments) w.text(comment);
}

void readRecord(BlockReader& r, AppState& a) {
    a.screen = static_cast<std::int32_t>(r.i32());
    if (!isScreen(a.screen)) r.fail();
    r.text(a.gameTitle);
    a.titleShowing = r.flag();
    a.titleTick = r.u32();
    a.endTick = r.u32();
    a.gameWon = r.flag();
    a.gameLost = r.flag();
    a.scoreRecorded = r.flag();
    a.score = static_cast<std::int32_t>(r.within(r.i32(), 0, 10000));
    a.clickPending = static_cast<std::uint32_t>(r.within(r.u32(), 0, 1));
    a.cursorShape = static_cast<std::int16_t>(r.u16());
    if (!isPointerShape(a.cursorShape)) r.fail();
    a.hoverFlag = r.flag();
    a.listScrolling = r.flag();
    a.lastScrollTick = r.u32();
    r.text(a.hoverText);
    a.chosenFamily = static_cast<std::uint32_t>(r.within(r.u32(), 0, MaxGameId));
    a.panelX = static_cast<std::int32_t>(r.within(r.i32(), -1000, 1000));
    a.panelY = static_cast<std::int32_t>(r.within(r.i32(), -1000, 1000));
    r.text(a.playerName);
    a.backgroundIndex = static_cast<std::int32_t>(r.within(r.i32(), 0, MaxListIndex));
    a.cardBackIndex = static_cast<std::int32_t>(r.within(r.i32(), 0, MaxListIndex));
    a.importMode = static_cast<std::uint8_t>(r.within(r.u8(), 0, 2));
    a.userFoldersPresent = r.flag();
    for (auto& comment : a.comments) r.text(comment);
}

// --- the travel ------------------------------------------------------------------

void writeRecord(BlockWriter& w, const TravelState& t) {
    w.u8(t.completed);
    w.u8(t.failed);
    for (const std::int32_t v : {t.startCol, t.startRow, t.targetCol, t.targetRow, t.routeNumber, t.curCol, t.curRow})
        w.i32(v);
    w.u8(t.mapClicked);
    w.i32(t.money);
    w.u8(t.mapShown);
    w.u8(t.underWay);
    w.i32(t.pickCol);
    w.i32(t.pickRow);
    for (const auto& column : t.cells) {
        for (const TravelCell& cell : column) {
            w.text(cell.country);
            w.i32(cell.cost);
            w.i32(cell.prize);
            w.text(cell.cellGameName);
            w.i32(cell.cellGame);
        }
    }
}

void readRecord(BlockReader& r, TravelState& t) {
    const auto column = [&] { return static_cast<std::int32_t>(r.within(r.i32(), 0, TravelColumns - 1)); };
    const auto row = [&] { return static_cast<std::int32_t>(r.within(r.i32(), 0, TravelRows - 1)); };
    t.completed = r.flag();
    t.failed = r.flag();
    t.startCol = column();
    t.startRow = row();
    t.targetCol = column();
    t.targetRow = row();
    t.routeNumber = static_cast<std::int32_t>(r.within(r.i32(), 0, MaxCounter));
    t.curCol = column();
    t.curRow = row();
    t.mapClicked = r.flag();
    t.money = r.i32();
    t.mapShown = r.flag();
    t.underWay = r.flag();
    // -1: no square under the pointer.
    t.pickCol = static_cast<std::int32_t>(r.within(r.i32(), -1, TravelColumns - 1));
    t.pickRow = static_cast<std::int32_t>(r.within(r.i32(), -1, TravelRows - 1));
    for (auto& cells : t.cells) {
        for (TravelCell& cell : cells) {
            r.text(cell.country);
            cell.cost = r.i32();
            cell.prize = r.i32();
            r.text(cell.cellGameName);
            cell.cellGame = static_cast<std::int32_t>(r.within(r.i32(), 0, MaxGameId));
        }
    }
}

// --- the play clock --------------------------------------------------------------

void writeRecord(BlockWriter& w, const PlayClock& c) {
    w.u8(c.days);
    w.u8(c.seconds);
    w.u8(c.minutes);
    w.u8(c.hours);
    w.text(c.clockText);
}

void readRecord(BlockReader& r, PlayClock& c) {
    c.days = r.u8();
    c.seconds = static_cast<std::uint8_t>(r.within(r.u8(), 0, 59));
    c.minutes = static_cast<std::uint8_t>(r.within(r.u8(), 0, 59));
    c.hours = static_cast<std::uint8_t>(r.within(r.u8(), 0, 23));
    r.text(c.clockText);
}

// --- sizes -----------------------------------------------------------------------

namespace {

template <typename Record>
std::size_t sizeOf() {
    static const std::size_t size = [] {
        BlockWriter w;
        writeRecord(w, Record{});
        return w.bytes().size();
    }();
    return size;
}

}  // namespace

std::size_t gameRecordBlockSize() { return sizeOf<GameRecord>(); }
std::size_t appStateBlockSize() { return sizeOf<AppState>(); }
std::size_t travelBlockSize() { return sizeOf<TravelState>(); }
std::size_t clockBlockSize() { return sizeOf<PlayClock>(); }
std::size_t savedGameSize() {
    return gameRecordBlockSize() + appStateBlockSize() + travelBlockSize() + clockBlockSize();
}

}  // namespace glossamo
