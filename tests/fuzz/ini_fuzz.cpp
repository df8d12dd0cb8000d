// The INI reader, on its own and as the player's profile.
// Input: one byte choosing a key the program writes, one byte giving the
// length of a value taken from the end, and the file's text in between.
#include <array>
#include <string>

#include "base/ini_file.hpp"
#include "fuzz_check.hpp"
#include "fuzz_support.hpp"
#include "fuzz_target.hpp"
#include "profile/profile_files.hpp"

using namespace glossamo;

namespace {

struct Key {
    const char* section;
    const char* name;
};

// Keys the program writes, and one of a section no file has yet.
constexpr std::array<Key, 6> Keys{{{"PARAMETRES", "nom"},
                                   {"PARAMETRES", "ImgTete"},
                                   {"SCORES", "N7"},
                                   {"FAVORIS", "N1"},
                                   {"parametres", "Sons"},
                                   {"NOUVELLE", "cle"}}};

std::string withoutLineBreaks(std::string value) {
    for (char& c : value)
        if (c == '\r' || c == '\n') c = ' ';
    return value;
}

bool sameKey(const Key& a, const Key& b) {
    std::string text = "[";
    text.append(a.section).append("]\n").append(a.name).append("=1");
    return IniFile::parse(text).value(b.section, b.name, "") == "1";
}

// Setting one key keeps every other value and reads back as written.
void checkSet(const IniFile& before, const std::string& text, const Key& key, const std::string& value) {
    IniFile file = IniFile::parse(text);
    file.set(key.section, key.name, value);
    const IniFile after = IniFile::parse(file.text());
    FUZZ_CHECK(after.value(key.section, key.name, "?absent?") == withoutLineBreaks(value));
    for (const Key& other : Keys) {
        if (sameKey(other, key)) continue;
        FUZZ_CHECK(after.value(other.section, other.name, "?absent?") ==
                   before.value(other.section, other.name, "?absent?"));
    }
}

}  // namespace

FUZZ_TARGET(ini) {
    if (size < 2) return 0;
    const Key& key = Keys[data[0] % Keys.size()];
    const std::string_view rest = fuzz::bytesOf(data + 2, size - 2);
    const std::size_t valueLength = std::min<std::size_t>(data[1], rest.size());
    const std::string text(rest.substr(0, rest.size() - valueLength));
    const std::string value(rest.substr(rest.size() - valueLength));

    const IniFile file = IniFile::parse(text);
    // The file's text, read again, holds the same values.
    const IniFile again = IniFile::parse(file.text());
    for (const Key& k : Keys) {
        FUZZ_CHECK(again.value(k.section, k.name, "?absent?") == file.value(k.section, k.name, "?absent?"));
        FUZZ_CHECK(again.integer(k.section, k.name, -7) == file.integer(k.section, k.name, -7));
    }
    checkSet(file, text, key, value);
    // Two keys set one after the other: the second finds its place by what
    // the first left.
    IniFile twice = IniFile::parse(text);
    twice.set(key.section, key.name, value);
    const Key& next = Keys[(data[0] + 1) % Keys.size()];
    twice.set(next.section, next.name, "2");
    const IniFile reread = IniFile::parse(twice.text());
    for (const Key& k : Keys) FUZZ_CHECK(reread.value(k.section, k.name, "?") == twice.value(k.section, k.name, "?"));

    // The same text as the player's profile, read at start-up. (Writing it
    // back sets a hundred keys, each set above.)
    fuzz::FuzzProgram& program = fuzz::FuzzProgram::get();
    ProgramState& s = program.s;
    program.restore();
    fuzz::writeFile((s.userDir + "CFG/favoris.frd").bytes(), text);
    ChargeFavoris(s);
    FUZZ_CHECK(s.app.backgroundIndex >= 0 && s.app.backgroundIndex <= 599);
    FUZZ_CHECK(s.listBox(5).count >= 1 && s.listBox(5).count <= 16);
    return 0;
}
