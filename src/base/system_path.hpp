#pragma once
// A path as the file system spells it. The folders the system gives (the
// program's folder, $HOME, a file chosen in a dialog) are kept byte for byte,
// whatever their script; names made from the program's Latin-1 texts (save
// names, picture names, data files) are added in the system's UTF-8. Only
// `latin1()` goes back, for showing or logging a path.
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace glossamo {

class SystemPath {
public:
    SystemPath() = default;
    // Bytes given by the system (an environment variable, a dialog, the
    // program's own location), taken as they are.
    static SystemPath fromSystem(std::string bytes);
    // A path written in the program's Latin-1, such as a setting.
    static SystemPath fromLatin1(std::string_view latin1);

    const std::string& bytes() const { return bytes_; }
    const char* c_str() const { return bytes_.c_str(); }
    bool empty() const { return bytes_.empty(); }
    // The path as a folder: with a trailing '/' unless it is empty.
    SystemPath asFolder() const { return empty() || bytes_.back() == '/' ? *this : fromSystem(bytes_ + '/'); }
    // The path in Latin-1 for a message; characters beyond it show as '?'.
    std::string latin1() const;
    // The path cut to at most `limit` bytes, never inside a character.
    SystemPath cutTo(std::size_t limit) const;

    // Adds a name written in Latin-1.
    SystemPath& operator+=(std::string_view latin1Name);
    friend SystemPath operator+(SystemPath path, std::string_view latin1Name) { return path += latin1Name; }
    // A message naming the path (the path in Latin-1, as `latin1()`).
    friend std::string operator+(std::string text, const SystemPath& path) { return text + path.latin1(); }
    friend std::ostream& operator<<(std::ostream& out, const SystemPath& path) { return out << path.bytes_; }
    friend bool operator==(const SystemPath& a, const SystemPath& b) { return a.bytes_ == b.bytes_; }
    friend bool operator!=(const SystemPath& a, const SystemPath& b) { return a.bytes_ != b.bytes_; }

private:
    std::string bytes_;
};

}  // namespace glossamo
