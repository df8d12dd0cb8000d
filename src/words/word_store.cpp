#include "words/word_store.hpp"

#include <algorithm>
#include "base/file_system.hpp"
#include "base/text_encoding.hpp"

namespace glossamo {

namespace {

// Every accented letter of Latin-1, small and capital, folds to its plain
// small letter, so that "grâce", "ÇA" or the "São" of a country's name are
// words of A..Z once upper-cased.
char foldAccent(char c) {
    const unsigned char code = static_cast<unsigned char>(c);
    if (code < 192) return c;
    // Latin-1 192..255, one plain letter each; '.' for the signs (× ÷) and
    // the letters with no plain one (Æ Ð Þ ß æ ð þ), which stay as they are.
    constexpr std::string_view Plain = "aaaaaa.ceeeeiiii.nooooo.ouuuuy.."
                                       "aaaaaa.ceeeeiiii.nooooo.ouuuuy.y";
    const char plain = Plain[code - 192];
    return plain == '.' ? c : plain;
}

}  // namespace

std::string FoldAccents(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = foldAccent(c);
    return out;
}

bool IsVowel(char letter) {
    switch (letter) {
        case 'A':
        case 'E':
        case 'O':
        case 'U':
        case 'I':
        case 'Y': return true;
        default: return false;
    }
}

bool IsSpellable(std::string_view word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

void ShuffleWord(std::string& word, Random& rng) {
    const int n = static_cast<int>(word.size());
    if (n < 2) return;
    for (int k = 0; k < 1001; ++k) {
        const int i = rng.below(n);
        const int j = rng.below(n);
        std::swap(word[static_cast<std::size_t>(i)], word[static_cast<std::size_t>(j)]);
    }
}

LetterCounts LetterCounts::of(std::string_view upperWord) {
    LetterCounts result;
    for (const char c : upperWord) {
        if (c >= 'A' && c <= 'Z') {
            const int letter = c - 'A';
            ++result.counts[static_cast<std::size_t>(letter)];
            result.present |= 1u << letter;
        } else {
            result.onlyLetters = false;
        }
    }
    return result;
}

bool LetterCounts::covers(const LetterCounts& word) const {
    if ((word.present & ~present) != 0) return false;
    for (std::size_t c = 0; c < counts.size(); ++c)
        if (word.counts[c] > counts[c]) return false;
    return true;
}

// --- loading ----------------------------------------------------------------

void WordStore::clear() {
    for (int length = 0; length <= MaxWordLength; ++length) {
        words_[static_cast<std::size_t>(length)].assign(1, std::string());
        letters_[static_cast<std::size_t>(length)].assign(1, LetterCounts{});
    }
    known_.clear();
    totalWords_ = 0;
    // An emptied store holds no list: the next load of any list reads it.
    loadedPath_ = {};
}

WordStore::LoadResult WordStore::load(const SystemPath& path) {
    // The lists never change while the program runs: a list that is already
    // in the store is not read again (every game start asks for the French one).
    if (!path.empty() && path == loadedPath_) return LoadResult::Loaded;
    // The list read before this one is swapped back in; otherwise the
    // current list becomes the one kept ready.
    if (!loadedPath_.empty() || previous_.path == path) swapWithPrevious();
    if (!path.empty() && path == loadedPath_) return LoadResult::Loaded;
    const std::optional<std::vector<std::string>> lines = readTextLines(path);
    if (!lines) {
        clear();
        return LoadResult::Missing;
    }
    const LoadResult result = loadLines(*lines);
    if (result == LoadResult::Loaded) loadedPath_ = path;
    if (path == easyPath_) easySlotsFound_ = false;
    return result;
}

WordStore::LoadResult WordStore::loadPlayerList(const std::vector<std::string>& lines) {
    if (!loadedPath_.empty()) swapWithPrevious();
    return loadLines(lines);
}

void WordStore::swapWithPrevious() {
    std::swap(words_, previous_.words);
    std::swap(letters_, previous_.letters);
    std::swap(known_, previous_.known);
    std::swap(totalWords_, previous_.totalWords);
    std::swap(loadedPath_, previous_.path);
}

WordStore::LoadResult WordStore::loadLines(const std::vector<std::string>& lines) {
    clear();
    for (const std::string& line : lines) {
        const std::size_t length = line.size();
        if (length > static_cast<std::size_t>(MaxWordLength)) return LoadResult::LineTooLong;
        auto& slots = words_[length];
        if (static_cast<int>(slots.size()) > MaxWordsPerLength) return LoadResult::TooManyWords;
        std::string word = upperAscii(FoldAccents(line));
        letters_[length].push_back(LetterCounts::of(word));
        known_.insert(word);
        slots.push_back(std::move(word));
        ++totalWords_;
    }
    return LoadResult::Loaded;
}

// --- draws and tests ---------------------------------------------------------

int WordStore::count(int length) const {
    return validLength(length) ? static_cast<int>(words_[static_cast<std::size_t>(length)].size()) - 1 : 0;
}

std::span<const std::string> WordStore::wordsOfLength(int length) const {
    if (!validLength(length)) return {};
    return std::span<const std::string>(words_[static_cast<std::size_t>(length)]).subspan(1);
}

std::string WordStore::GetWord(int index, int length) {
    const int n = count(length);
    if (index == 0 && drawsEasyWords() && !easySlots(length).empty()) {
        const std::vector<int>& slots = easySlots(length);
        const int slot = slots[static_cast<std::size_t>(rng_.below(static_cast<int>(slots.size())))];
        noteDrawn(words_[static_cast<std::size_t>(length)][static_cast<std::size_t>(slot)]);
        return words_[static_cast<std::size_t>(length)][static_cast<std::size_t>(slot)];
    }
    if (index == 0) {
        const std::string word = n == 0 ? std::string() : words_[static_cast<std::size_t>(length)][static_cast<std::size_t>(rng_.below(n) + 1)];
        noteDrawn(word);
        return word;
    }
    if (index < 1 || index > n) return NoWordMarker;
    return words_[static_cast<std::size_t>(length)][static_cast<std::size_t>(index)];
}

std::string WordStore::drawBetween(int shortest, int longest) {
    shortest = std::max(shortest, 1);
    longest = std::min(longest, MaxWordLength);
    int total = 0;
    for (int length = shortest; length <= longest; ++length) total += count(length);
    if (total == 0) return {};
    int k = rng_.below(total);
    for (int length = shortest; length <= longest; ++length) {
        if (k < count(length)) return GetWord(k + 1, length);
        k -= count(length);
    }
    return {};
}

void WordStore::setEasyWords(const SystemPath& listPath, const std::vector<std::string>& lines) {
    easy_.clear();
    for (const std::string& line : lines) easy_.insert(upperAscii(FoldAccents(line)));
    easyPath_ = listPath;
    easySlotsFound_ = false;
}

bool WordStore::drawsEasyWords() const { return easyDraws_ && !easyPath_.empty() && loadedPath_ == easyPath_; }

bool WordStore::drawable(std::string_view word) const { return !drawsEasyWords() || isEasy(word); }

void WordStore::keepDrawable(std::vector<std::string>& results, std::size_t inputLength) const {
    if (!drawsEasyWords()) return;
    std::erase_if(results, [&](const std::string& word) { return !isEasy(word); });
    addNoResultRow(inputLength, results);
}

// The easy words' slots, found once for the list they belong to: its words
// never change while the program runs.
const std::vector<int>& WordStore::easySlots(int length) {
    if (!easySlotsFound_) {
        for (std::size_t l = 0; l < easySlots_.size(); ++l) {
            easySlots_[l].clear();
            for (std::size_t slot = 1; slot < words_[l].size(); ++slot)
                if (easy_.count(words_[l][slot])) easySlots_[l].push_back(static_cast<int>(slot));
        }
        easySlotsFound_ = true;
    }
    static const std::vector<int> none;
    return validLength(length) ? easySlots_[static_cast<std::size_t>(length)] : none;
}

bool WordStore::WordExists(std::string_view word) const {
    if (word.size() > static_cast<std::size_t>(MaxWordLength)) return false;
    if (word.empty()) return false;  // the never-filled slot 0 is not a word
    return known_.count(std::string(word)) != 0;
}

bool WordStore::WordExistsIn(const SystemPath& path, std::string_view word) const {
    if (path.empty()) return false;
    if (path == loadedPath_) return WordExists(word);
    return path == previous_.path && !word.empty() && previous_.known.count(std::string(word)) != 0;
}

// --- searches ------------------------------------------------------------------

void WordStore::addNoResultRow(std::size_t inputLength, std::vector<std::string>& results) {
    if (results.empty())
        results.emplace_back(std::min(inputLength, static_cast<std::size_t>(MaxQuestionMarks)), '?');
}

// True when `word` can be spelt with `letters`, each used at most once: the
// letter-by-letter matching of the searches, where a matched letter of the
// word is blanked and a blank never matches.
bool WordStore::spellsWith(std::string_view word, std::string_view letters) {
    std::string copy(word);
    std::size_t matched = 0;
    for (const char wanted : letters) {
        for (char& c : copy) {
            if (c == wanted && c != ' ') {
                c = ' ';
                ++matched;
                break;
            }
        }
        if (matched == copy.size()) return true;
    }
    return false;
}

void WordStore::scanIncludedWords(std::string_view letters, std::vector<std::string>& results) const {
    results.clear();
    const std::string s = upperAscii(letters);
    for (int length = std::min(static_cast<int>(s.size()), MaxWordLength); length >= 2; --length)
        for (const std::string& word : wordsOfLength(length))
            if (spellsWith(word, s)) results.push_back(word);
    addNoResultRow(s.size(), results);
}

void WordStore::FindIncludedWords(std::string_view letters, std::vector<std::string>& results) const {
    results.clear();
    const std::string s = upperAscii(letters);
    const LetterCounts available = LetterCounts::of(s);
    for (int length = std::min(static_cast<int>(s.size()), MaxWordLength); length >= 2; --length) {
        const auto& words = words_[static_cast<std::size_t>(length)];
        const auto& counts = letters_[static_cast<std::size_t>(length)];
        for (std::size_t slot = 1; slot < words.size(); ++slot) {
            const bool found = counts[slot].onlyLetters ? available.covers(counts[slot]) : spellsWith(words[slot], s);
            if (found) results.push_back(words[slot]);
        }
    }
    addNoResultRow(s.size(), results);
}

void WordStore::FindPatternWords(std::string_view pattern, std::vector<std::string>& results) const {
    results.clear();
    const std::string p = upperAscii(pattern);
    const std::size_t n = p.size();
    const auto known = static_cast<std::size_t>(n - static_cast<std::size_t>(std::count(p.begin(), p.end(), '?')));
    for (const std::string& word : wordsOfLength(static_cast<int>(n))) {
        if (word == NoWordMarker) continue;
        std::size_t same = 0;
        for (std::size_t i = 0; i < n; ++i)
            if (p[i] != '?' && p[i] == word[i]) ++same;
        if (same == known) results.push_back(word);
    }
    addNoResultRow(n, results);
}

void WordStore::scanAnagrams(std::string_view word, std::vector<std::string>& results) const {
    results.clear();
    const std::string s = upperAscii(word);
    for (const std::string& candidate : wordsOfLength(static_cast<int>(s.size())))
        if (candidate != NoWordMarker && candidate != s && spellsWith(candidate, s)) results.push_back(candidate);
    addNoResultRow(s.size(), results);
}

void WordStore::FindAnagrams(std::string_view word, std::vector<std::string>& results) const {
    results.clear();
    const std::string s = upperAscii(word);
    const std::size_t n = s.size();
    if (validLength(static_cast<int>(n))) {
        const LetterCounts available = LetterCounts::of(s);
        const auto& words = words_[n];
        const auto& counts = letters_[n];
        for (std::size_t slot = 1; slot < words.size(); ++slot) {
            const std::string& candidate = words[slot];
            if (candidate == NoWordMarker || candidate == s) continue;
            const bool found =
                counts[slot].onlyLetters ? available.covers(counts[slot]) : spellsWith(candidate, s);
            if (found) results.push_back(candidate);
        }
    }
    addNoResultRow(n, results);
}

std::string WordStore::FindWordInside(int first, int last, std::string_view word, int wantedLength) const {
    const int longest = last - first;
    if (longest < 3) return {};
    for (int length = longest; length >= 3; --length) {
        for (int p = first; p <= 2 * first; ++p) {
            const auto start = static_cast<std::size_t>(std::max(p, 1) - 1);
            const std::string_view piece =
                start < word.size() ? word.substr(start, static_cast<std::size_t>(length)) : std::string_view();
            if (WordExists(piece) && (wantedLength == 0 || static_cast<int>(piece.size()) == wantedLength))
                return std::string(piece);
        }
    }
    return {};
}

}  // namespace glossamo
