#include "base/system_path.hpp"

#include <utility>

#include "base/text_encoding.hpp"

namespace glossamo {

SystemPath SystemPath::fromSystem(std::string bytes) {
    SystemPath path;
    path.bytes_ = std::move(bytes);
    return path;
}

SystemPath SystemPath::fromLatin1(std::string_view latin1) { return fromSystem(latin1ToUtf8(latin1)); }

std::string SystemPath::latin1() const { return utf8ToLatin1(bytes_); }

SystemPath SystemPath::cutTo(std::size_t limit) const {
    if (bytes_.size() <= limit) return *this;
    std::size_t end = limit;
    // A UTF-8 continuation byte (10xxxxxx) never starts a character.
    while (end > 0 && (static_cast<unsigned char>(bytes_[end]) & 0xC0) == 0x80) --end;
    return fromSystem(bytes_.substr(0, end));
}

SystemPath& SystemPath::operator+=(std::string_view latin1Name) {
    bytes_ += latin1ToUtf8(latin1Name);
    return *this;
}

}  // namespace glossamo
