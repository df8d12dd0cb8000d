#include "words/word_file_import.hpp"

#include <algorithm>
#include <optional>
#include <unordered_set>

#include "base/text_encoding.hpp"
#include "words/word_store.hpp"

namespace glossamo {

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

// A file holding a NUL byte, or the mark of UTF-16, is not a list of words
// in any encoding the program reads.
bool looksBinary(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return true;
    return bytes.find('\0') != std::string_view::npos;
}

// The ligatures Latin-1 has no letter for, or that fold to no plain letter.
std::string spellLigatures(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const std::string_view rest = utf8.substr(i);
        if (rest.starts_with("\xC5\x93")) out += "oe";
        else if (rest.starts_with("\xC5\x92")) out += "OE";
        else if (rest.starts_with("\xC3\xA6")) out += "ae";
        else if (rest.starts_with("\xC3\x86")) out += "AE";
        else {
            out += utf8[i];
            continue;
        }
        ++i;
    }
    return out;
}

// The whole text in Latin-1: UTF-8 when it has the mark or reads as UTF-8,
// Latin-1 otherwise (every byte is a Latin-1 character).
std::string latin1Text(std::string_view bytes) {
    const bool marked = bytes.starts_with(Utf8Mark);
    if (marked) bytes.remove_prefix(Utf8Mark.size());
    if (marked || decodeUtf8(bytes)) return utf8ToLatin1(spellLigatures(bytes));
    std::string out;
    for (const char c : bytes) {
        if (c == '\xE6') out += "ae";
        else if (c == '\xC6') out += "AE";
        else out += c;
    }
    return out;
}

std::string trimmed(std::string_view line) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!line.empty() && blank(line.front())) line.remove_prefix(1);
    while (!line.empty() && blank(line.back())) line.remove_suffix(1);
    return std::string(line);
}

std::optional<LeftOutReason> refusal(std::string_view played) {
    if (!IsSpellable(played)) return LeftOutReason::NotLetters;
    if (static_cast<int>(played.size()) < ShortestListWord) return LeftOutReason::TooShort;
    if (static_cast<int>(played.size()) > LongestListWord) return LeftOutReason::TooLong;
    return std::nullopt;
}

}  // namespace

std::string playedForm(std::string_view latin1Word) { return upperAscii(FoldAccents(latin1Word)); }

WordFileReading readWordFile(std::string_view bytes, const std::function<bool(std::string_view)>& isKnown) {
    WordFileReading reading;
    if (looksBinary(bytes)) return reading;
    const std::string text = latin1Text(bytes);
    std::unordered_set<std::string> seen;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = trimmed(std::string_view(text).substr(start, end - start));
        start = end + 1;
        if (word.empty()) continue;
        ++reading.linesRead;
        const std::string played = playedForm(word);
        if (const std::optional<LeftOutReason> reason = refusal(played)) {
            reading.leftOut.push_back({word, *reason});
        } else if (!seen.insert(played).second) {
            reading.leftOut.push_back({word, LeftOutReason::Duplicate});
        } else {
            (isKnown(played) ? reading.known : reading.unknown).push_back(word);
        }
    }
    reading.readable = !reading.known.empty() || !reading.unknown.empty();
    return reading;
}

}  // namespace glossamo
