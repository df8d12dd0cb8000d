#include "base/ini_file.hpp"

#include <cctype>
#include <charconv>
#include <sstream>

#include "base/file_system.hpp"

namespace glossamo {

namespace {

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool isSectionLine(const std::string& bare) { return bare.size() >= 2 && bare.front() == '[' && bare.back() == ']'; }

}  // namespace

std::string IniFile::folded(const std::string& name) {
    std::string out = trimmed(name);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

IniFile IniFile::read(const SystemPath& path) {
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes) return IniFile{};
    IniFile file = parse(*bytes);
    file.exists_ = true;
    return file;
}

IniFile IniFile::parse(const std::string& text) {
    IniFile file;
    // Every leading byte-order mark goes: one left in place would hide the
    // first section, and the text written back (with none) would read
    // differently from the file it came from.
    std::size_t start = 0;
    while (text.compare(start, 3, "\xEF\xBB\xBF") == 0) start += 3;
    std::istringstream in(text.substr(start));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        file.lines_.push_back(line);
    }
    file.index();
    return file;
}

void IniFile::index() {
    values_.clear();
    keyLine_.clear();
    sectionEnd_.clear();
    std::string section;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        const std::string bare = trimmed(line);
        if (isSectionLine(bare)) {
            section = folded(bare.substr(1, bare.size() - 2));
            sectionEnd_[section] = i + 1;
            continue;
        }
        if (!bare.empty()) sectionEnd_[section] = i + 1;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || folded(line.substr(0, equals)).empty()) continue;
        const std::string name = section + "\n" + folded(line.substr(0, equals));
        if (values_.emplace(name, line.substr(equals + 1)).second) keyLine_[name] = i;
    }
}

std::string IniFile::value(const std::string& section, const std::string& key, const std::string& fallback) const {
    const auto it = values_.find(folded(section) + "\n" + folded(key));
    return it == values_.end() ? fallback : it->second;
}

int IniFile::integer(const std::string& section, const std::string& key, int fallback) const {
    const std::string text = trimmed(value(section, key, ""));
    int number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + (text.rfind('+', 0) == 0 ? 1 : 0), end, number);
    return (error == std::errc() && stop == end && !text.empty()) ? number : fallback;
}

void IniFile::set(const std::string& section, const std::string& key, const std::string& value) {
    // A line break inside a value would start a new line of the file.
    std::string clean = value;
    for (char& c : clean)
        if (c == '\r' || c == '\n') c = ' ';
    const std::string line = key + "=" + clean;
    const std::string name = folded(section) + "\n" + folded(key);
    if (const auto it = keyLine_.find(name); it != keyLine_.end()) {
        lines_[it->second] = line;
    } else if (const auto end = sectionEnd_.find(folded(section)); end != sectionEnd_.end()) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(end->second), line);
    } else {
        if (!lines_.empty() && !trimmed(lines_.back()).empty()) lines_.push_back("");
        lines_.push_back("[" + section + "]");
        lines_.push_back(line);
    }
    index();
}

std::string IniFile::text() const {
    std::string out;
    for (const std::string& line : lines_) out += line + "\r\n";
    return out;
}

bool IniFile::write(const SystemPath& path) const { return writeFileAtomically(path, text()); }

}  // namespace glossamo
