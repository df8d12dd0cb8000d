#include "base/ini_file.hpp"

#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>

#include "base/text_encoding.hpp"

namespace glossamo {

namespace {

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string IniFile::folded(const std::string& name) {
    std::string out = trimmed(name);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

IniFile IniFile::read(const std::string& path) {
    std::ifstream in(latin1ToUtf8(path), std::ios::binary);
    if (!in) return IniFile{};
    std::stringstream text;
    text << in.rdbuf();
    IniFile file = parse(text.str());
    file.exists_ = true;
    return file;
}

IniFile IniFile::parse(const std::string& text) {
    IniFile file;
    std::istringstream in(text.rfind("\xEF\xBB\xBF", 0) == 0 ? text.substr(3) : text);
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string bare = trimmed(line);
        if (bare.size() >= 2 && bare.front() == '[' && bare.back() == ']') {
            section = folded(bare.substr(1, bare.size() - 2));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || folded(line.substr(0, equals)).empty()) continue;
        file.values_.emplace(section + "\n" + folded(line.substr(0, equals)), line.substr(equals + 1));
    }
    return file;
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

}  // namespace glossamo
