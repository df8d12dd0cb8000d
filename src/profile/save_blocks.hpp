#pragma once
// The byte image of the records a saved game keeps: each record is written
// field by field in its declared order, integers little-endian, strings as
// one length byte followed by their full capacity. Every record has one
// fixed size, so a saved-game file has one exact length.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/short_string.hpp"

namespace glossamo {

struct GameRecord;
struct AppState;
struct TravelState;
struct PlayClock;

class BlockWriter {
public:
    void u8(std::uint8_t v) { bytes_ += static_cast<char>(v); }
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    template <std::size_t N>
    void text(const ShortString<N>& t) { textField(t.view(), N); }
    const std::string& bytes() const { return bytes_; }

private:
    void textField(std::string_view t, std::size_t capacity);
    std::string bytes_;
};

// Reads what BlockWriter wrote. Reading past the end, a string longer than
// its capacity or a value outside the range its field allows makes the
// reader fail; a failed reader yields zeros and keeps failing.
class BlockReader {
public:
    BlockReader(std::string_view bytes) : bytes_(bytes) {}  // NOLINT: implicit on purpose
    // The reader only looks at the bytes: a temporary string would be gone
    // before the first read.
    BlockReader(std::string&&) = delete;
    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    template <std::size_t N>
    void text(ShortString<N>& t) { t = textField(N); }
    // Values checked against their allowed range.
    std::uint8_t flag() { return within(u8(), 0, 1); }
    std::int64_t within(std::int64_t v, std::int64_t low, std::int64_t high);

    bool ok() const { return ok_; }
    std::size_t position() const { return at_; }
    bool atEnd() const { return at_ == bytes_.size(); }
    void fail() { ok_ = false; }

private:
    std::string textField(std::size_t capacity);
    std::string_view bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

void writeRecord(BlockWriter& w, const GameRecord& g);
void writeRecord(BlockWriter& w, const AppState& a);
void writeRecord(BlockWriter& w, const TravelState& t);
void writeRecord(BlockWriter& w, const PlayClock& c);
void readRecord(BlockReader& r, GameRecord& g);
void readRecord(BlockReader& r, AppState& a);
void readRecord(BlockReader& r, TravelState& t);
void readRecord(BlockReader& r, PlayClock& c);

// The size of each record's block, and of a whole saved-game file.
std::size_t gameRecordBlockSize();
std::size_t appStateBlockSize();
std::size_t travelBlockSize();
std::size_t clockBlockSize();
std::size_t savedGameSize();

}  // namespace glossamo
