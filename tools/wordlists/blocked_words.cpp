#include "blocked_words.hpp"

#include <stdexcept>

namespace glossamo::wordlists {

namespace {

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    std::vector<std::string> stringArray() {
        std::vector<std::string> strings;
        expect('[');
        if (peek() == ']') {
            ++at_;
        } else {
            while (true) {
                strings.push_back(string());
                const char c = next();
                if (c == ']') break;
                if (c != ',') fail("',' or ']' expected");
            }
        }
        if (peek() != '\0') fail("text after the array");
        return strings;
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("JSON, at " + std::to_string(at_) + ": " + what);
    }
    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t'))
            ++at_;
    }
    char peek() {
        skipBlanks();
        return at_ < text_.size() ? text_[at_] : '\0';
    }
    char next() {
        const char c = peek();
        if (c == '\0') fail("unexpected end");
        ++at_;
        return c;
    }
    void expect(char wanted) {
        if (next() != wanted) fail(std::string("'") + wanted + "' expected");
    }
    char32_t hex4() {
        if (at_ + 4 > text_.size()) fail("short \\u escape");
        char32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            value <<= 4;
            if (c >= '0' && c <= '9') value |= static_cast<char32_t>(c - '0');
            else if (c >= 'a' && c <= 'f') value |= static_cast<char32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F') value |= static_cast<char32_t>(c - 'A' + 10);
            else fail("bad \\u escape");
        }
        return value;
    }
    std::string string() {
        expect('"');
        std::string out;
        while (true) {
            if (at_ >= text_.size()) fail("unterminated string");
            const char c = text_[at_++];
            if (c == '"') return out;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size()) fail("unterminated escape");
            const char e = text_[at_++];
            switch (e) {
                case '"': case '\\': case '/': out += e; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': {
                    char32_t c32 = hex4();
                    if (c32 >= 0xD800 && c32 < 0xDC00 && text_.substr(at_, 2) == "\\u") {
                        at_ += 2;
                        c32 = 0x10000 + ((c32 - 0xD800) << 10) + (hex4() - 0xDC00);
                    }
                    appendUtf8(out, c32);
                    break;
                }
                default: fail("bad escape");
            }
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

bool endsWith(std::string_view word, std::string_view ending) {
    return word.size() > ending.size() && word.substr(word.size() - ending.size()) == ending;
}

bool isVowel(char c) { return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U'; }

// "STOP" → "STOPP": a one-syllable word ending consonant, vowel, consonant
// doubles its consonant before -ed, -ing, -er.
bool doublesLastConsonant(std::string_view w) {
    if (w.size() < 3 || w.size() > 4) return false;
    const char last = w[w.size() - 1], vowel = w[w.size() - 2], before = w[w.size() - 3];
    if (isVowel(last) || last == 'W' || last == 'X' || last == 'Y' || !isVowel(vowel) || isVowel(before)) return false;
    int vowels = 0;
    for (const char c : w) vowels += isVowel(c);
    return vowels == 1;
}

}  // namespace

std::vector<std::string> readJsonStrings(std::string_view json) { return JsonReader(json).stringArray(); }

std::vector<std::string> singleWords(const std::vector<std::string>& entries) {
    std::vector<std::string> words;
    for (const std::string& entry : entries) {
        std::string capitals = gameCapitals(entry);
        if (!capitals.empty()) words.push_back(std::move(capitals));
    }
    return words;
}

std::vector<ListedWord> readOurList(std::istream& in) {
    std::vector<ListedWord> words;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto hash = line.find('#');
        const std::string word = trimmed(std::string_view(line).substr(0, hash));
        if (word.empty()) continue;
        ListedWord listed;
        listed.word = gameCapitals(word);
        if (listed.word.empty()) throw std::runtime_error("line " + std::to_string(number) + ": not a word: " + word);
        if (hash != std::string::npos) listed.reason = trimmed(std::string_view(line).substr(hash + 1));
        listed.line = number;
        words.push_back(std::move(listed));
    }
    return words;
}

std::set<std::string> frenchForms(const std::string& word, const FrenchLexicon& lexicon) {
    std::set<std::string> forms{word};
    if (lexicon.isRoot(word)) {
        for (const std::string& form : lexicon.formsOfRoot(word)) forms.insert(form);
        return forms;
    }
    for (const char* ending : {"S", "E", "ES"}) forms.insert(word + ending);
    if (endsWith(word, "AU") || endsWith(word, "EU")) forms.insert(word + "X");
    if (endsWith(word, "EUR")) {
        const std::string stem = word.substr(0, word.size() - 3);
        forms.insert(stem + "EUSE");
        forms.insert(stem + "EUSES");
    }
    return forms;
}

std::set<std::string> englishForms(const std::string& word, const std::unordered_set<std::string>& dictionary) {
    std::set<std::string> candidates{word + "S"};
    const auto withEndings = [&](const std::string& stem) {
        for (const char* ending : {"ED", "ING", "ER", "ERS"}) candidates.insert(stem + ending);
    };
    if (endsWith(word, "S") || endsWith(word, "X") || endsWith(word, "Z") || endsWith(word, "CH") || endsWith(word, "SH"))
        candidates.insert(word + "ES");
    if (word.size() >= 2 && word.back() == 'Y' && !isVowel(word[word.size() - 2])) {
        const std::string stem = word.substr(0, word.size() - 1) + "I";
        for (const char* ending : {"ES", "ED", "ER", "ERS"}) candidates.insert(stem + ending);
        candidates.insert(word + "ING");
    } else if (word.size() >= 2 && word.back() == 'E') {
        for (const char* ending : {"D", "R", "RS"}) candidates.insert(word + ending);
        candidates.insert(word.substr(0, word.size() - 1) + "ING");
    } else {
        withEndings(word);
        if (doublesLastConsonant(word)) withEndings(word + word.back());
    }
    std::set<std::string> forms{word};
    for (const std::string& candidate : candidates)
        if (dictionary.count(candidate)) forms.insert(candidate);
    return forms;
}

std::set<std::string> blockedWords(const BlockedSources& sources,
                                   const std::function<std::set<std::string>(const std::string&)>& formsOf) {
    std::set<std::string> blocked;
    for (const std::string& word : sources.listed)
        if (!sources.kept.count(word))
            for (const std::string& form : formsOf(word)) blocked.insert(form);
    for (const std::string& word : sources.added)
        for (const std::string& form : formsOf(word)) blocked.insert(form);
    for (const std::string& word : sources.kept) blocked.erase(word);
    return blocked;
}

}  // namespace glossamo::wordlists
