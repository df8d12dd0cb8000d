#include "words/accepted_words.hpp"

#include "base/text_encoding.hpp"
#include "words/word_store.hpp"

namespace glossamo {

namespace {

// A line of the file: where it begins, where the next one begins, and its
// text without the line end.
struct Line {
    std::size_t begin;
    std::size_t next;
    std::string_view text;
};

// The line that holds offset `at`; it begins at `floor` at the earliest.
Line lineAround(std::string_view bytes, std::size_t at, std::size_t floor) {
    std::size_t begin = at;
    while (begin > floor && bytes[begin - 1] != '\n') --begin;
    std::size_t end = bytes.find('\n', at);
    const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    if (end > begin && bytes[end - 1] == '\r') --end;
    return {begin, next, bytes.substr(begin, end - begin)};
}

}  // namespace

bool AcceptedWords::load(const SystemPath& path) { return file_.open(path); }

// Halves the span of whole lines [low, high) that may still hold the word:
// the line around its middle is compared, folded as the games fold words.
bool AcceptedWords::contains(std::string_view word) const {
    if (word.empty() || word.size() > static_cast<std::size_t>(MaxWordLength)) return false;
    const std::string_view bytes = file_.bytes();
    std::size_t low = 0;
    std::size_t high = bytes.size();
    while (low < high) {
        const Line line = lineAround(bytes, low + (high - low) / 2, low);
        const std::string folded = upperAscii(FoldAccents(line.text));
        const int order = folded.compare(word);
        if (order == 0) return true;
        if (order < 0)
            low = line.next;
        else
            high = line.begin;
    }
    return false;
}

}  // namespace glossamo
