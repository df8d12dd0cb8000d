#pragma once
// Settings files of the INI kind: "[SECTION]" lines followed by key=value
// lines. Sections and keys are matched without regard to case; a value is
// taken as it stands after the '=' (only the line end is removed).
#include <map>
#include <string>

namespace glossamo {

class IniFile {
public:
    // Reads a Latin-1 file; a missing file reads as an empty one. Lines that
    // are neither a section nor a key are skipped; a key given twice keeps
    // its first value; a byte-order mark at the start is ignored.
    static IniFile read(const std::string& path);
    static IniFile parse(const std::string& text);

    bool exists() const { return exists_; }
    std::string value(const std::string& section, const std::string& key, const std::string& fallback) const;
    // The decimal integer of a key, or `fallback` when it is missing or not a number.
    int integer(const std::string& section, const std::string& key, int fallback) const;

private:
    static std::string folded(const std::string& name);
    std::map<std::string, std::string> values_;  // "SECTION\nKEY" -> value
    bool exists_ = false;
};

}  // namespace glossamo
