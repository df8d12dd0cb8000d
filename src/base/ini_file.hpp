#pragma once
// Settings files of the INI kind: "[SECTION]" lines followed by key=value
// lines. Sections and keys are matched without regard to case; a value is
// taken as it stands after the '=' (only the line end is removed).
#include <map>
#include <string>
#include <vector>

#include "base/system_path.hpp"

namespace glossamo {

class IniFile {
public:
    // Reads a Latin-1 file; a missing file reads as an empty one. Lines that
    // are neither a section nor a key are skipped; a key given twice keeps
    // its first value; a byte-order mark at the start is ignored.
    static IniFile read(const SystemPath& path);
    static IniFile parse(const std::string& text);

    bool exists() const { return exists_; }
    std::string value(const std::string& section, const std::string& key, const std::string& fallback) const;
    // The decimal integer of a key, or `fallback` when it is missing or not a number.
    int integer(const std::string& section, const std::string& key, int fallback) const;

    // Gives a key its value, written as `key`=`value`: the key's first line
    // is rewritten in place; a new key goes after the last line of its
    // section, and a new section at the end. Every other line stays as it was.
    void set(const std::string& section, const std::string& key, const std::string& value);
    // The file's lines, each ended by CR LF.
    std::string text() const;
    // Replaces the file with text() in one step (see writeFileAtomically).
    bool write(const SystemPath& path) const;

private:
    static std::string folded(const std::string& name);
    void index();
    std::vector<std::string> lines_;           // the file's lines, without line ends
    std::map<std::string, std::string> values_;  // "SECTION\nKEY" -> value
    std::map<std::string, std::size_t> keyLine_;  // "SECTION\nKEY" -> its first line
    std::map<std::string, std::size_t> sectionEnd_;  // "SECTION" -> after its last non-blank line
    bool exists_ = false;
};

}  // namespace glossamo
