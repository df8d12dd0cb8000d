#pragma once
// The words a player may make in French beyond those the games draw: a list
// of several hundred thousand words, sorted by their folded capitals, kept
// as the file lies (mapped, never copied into the program's memory) and
// searched by halving.
#include <cstddef>
#include <string>
#include <string_view>

#include "base/file_system.hpp"

namespace glossamo {

class AcceptedWords {
public:
    // Maps a Latin-1 list, one word a line (CR LF or LF), in the order of
    // the words' folded capitals. False, and no words, when it cannot be
    // read.
    bool load(const SystemPath& path);
    std::size_t sizeInBytes() const { return file_.bytes().size(); }

    // True when `word` (unaccented capitals) is a word of the list once its
    // accents are folded and its letters upper-cased.
    bool contains(std::string_view word) const;

private:
    MappedFile file_;
};

}  // namespace glossamo
