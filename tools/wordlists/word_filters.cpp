#include "word_filters.hpp"

#include <array>
#include <vector>

#include "base/text_encoding.hpp"
#include "words/word_store.hpp"

namespace glossamo::wordlists {

namespace {

// The Latin-1 letters the program's own folding handles: they are written
// as they are ("château", "âme"), and the program folds them when it loads.
bool programFolds(char32_t c) {
    if (c < 0xC0 || c > 0xFF) return false;
    const char folded = FoldAccents(std::string(1, static_cast<char>(c)))[0];
    return static_cast<unsigned char>(folded) != c;
}

// What the word-list tool writes for a letter the program does not fold:
// the ligatures and the capital Y with diaeresis that Latin-1 lacks.
std::string_view foldHere(char32_t c) {
    switch (c) {
        case U'Ÿ': return "Y";
        case U'œ': return "oe";
        case U'Œ': return "OE";
        case U'æ': return "ae";
        case U'Æ': return "AE";
        default: return {};
    }
}

bool isAsciiLetter(char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'); }

bool endsWith(const std::string& word, std::string_view ending) {
    return word.size() > ending.size() && std::string_view(word).substr(word.size() - ending.size()) == ending;
}

// The stems under which other forms of the verb are looked up: the stem
// itself and, for verbs in -cer and -ger, the stem the other forms use
// ("commenç" → "commenc", "mange" → "mang").
std::vector<std::string> stemsOf(const std::string& stem) {
    std::vector<std::string> stems{stem};
    if (endsWith(stem, "ç")) stems.push_back(stem.substr(0, stem.size() - std::string_view("ç").size()) + "c");
    if (endsWith(stem, "ge")) stems.push_back(stem.substr(0, stem.size() - 1));
    return stems;
}

bool someStemHas(const std::string& stem, std::string_view ending, const std::unordered_set<std::string>& dictionary) {
    for (const std::string& s : stemsOf(stem))
        if (dictionary.count(s + std::string(ending))) return true;
    return false;
}

// One family of endings: the forms, the third person plural of the passé
// simple of the same verb, the third person singular of its imparfait du
// subjonctif, and whether a second-group verb (finissons) keeps the form
// because its present tenses are spelt the same.
struct TenseFamily {
    std::vector<std::string_view> endings;
    std::string_view pastPlural;      // "èrent", "irent" ...
    std::string_view subjunctiveOne;  // "ât", "ît" ... ; empty: not checked
    bool secondGroupKeeps;
};

const std::vector<TenseFamily>& tenseFamilies() {
    static const std::vector<TenseFamily> families = {
        // passé simple, first and second person plural
        {{"âmes", "âtes"}, "èrent", "", false},
        {{"îmes", "îtes"}, "irent", "", false},
        {{"ûmes", "ûtes"}, "urent", "", false},
        {{"înmes", "întes"}, "inrent", "", false},
        // imparfait du subjonctif
        {{"assions", "assiez", "assent", "asses", "asse"}, "èrent", "ât", false},
        {{"issions", "issiez", "issent", "isses", "isse"}, "irent", "ît", true},
        {{"ussions", "ussiez", "ussent", "usses", "usse"}, "urent", "ût", false},
        {{"inssions", "inssiez", "inssent", "insses", "insse"}, "inrent", "înt", false},
        {{"ât"}, "èrent", "", false},
        {{"ît"}, "irent", "", false},
        {{"ût"}, "urent", "", false},
        {{"înt"}, "inrent", "", false},
    };
    return families;
}

}  // namespace

std::optional<std::string> toGameLatin1(std::string_view utf8, bool keepGaps) {
    const auto decoded = decodeUtf8(utf8);
    if (!decoded || decoded->empty()) return {};
    std::string out;
    for (const char32_t c : *decoded) {
        if (isAsciiLetter(c) || programFolds(c) || (keepGaps && (c == U' ' || c == U'-' || c == U'\''))) {
            out += static_cast<char>(c);
        } else if (keepGaps && c == U'’') {
            out += '\'';
        } else if (const std::string_view folded = foldHere(c); !folded.empty()) {
            out += folded;
        } else {
            return {};
        }
    }
    return out;
}

std::optional<std::string> toLatin1Text(std::string_view utf8) {
    const auto decoded = decodeUtf8(utf8);
    if (!decoded) return {};
    std::string out;
    for (const char32_t c : *decoded) {
        // Texts are read, not played: every Latin-1 character keeps its
        // accent ("grâce", "Noël"); only what Latin-1 lacks is rewritten.
        if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
        } else if (const std::string_view folded = foldHere(c); !folded.empty()) {
            out += folded;
        } else if (c == U'’' || c == U'‘') {
            out += '\'';
        } else if (c == U'“' || c == U'”' || c == U'«' || c == U'»') {
            out += '"';
        } else {
            return {};
        }
    }
    return out;
}

bool foldsToCapitals(std::string_view latin1, bool allowGaps) {
    const std::string folded = FoldAccents(latin1);
    for (const char c : folded) {
        const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper >= 'A' && upper <= 'Z') continue;
        if (allowGaps && (c == ' ' || c == '-' || c == '\'')) continue;
        return false;
    }
    return !latin1.empty();
}

bool hasVowel(std::string_view latin1) {
    for (const char c : FoldAccents(latin1)) {
        const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (IsVowel(upper)) return true;
    }
    return false;
}

bool isPlainLowerCaseWord(std::string_view utf8) {
    const auto decoded = decodeUtf8(utf8);
    if (!decoded || decoded->empty()) return false;
    for (const char32_t c : *decoded) {
        const bool lowerAscii = c >= U'a' && c <= U'z';
        const bool lowerAccented = c >= 0xDF && c <= 0xFF && c != 0xF7;
        if (!lowerAscii && !lowerAccented && c != U'œ' && c != U'æ') return false;
    }
    return true;
}

bool isRareTense(const std::string& word, const std::unordered_set<std::string>& dictionary) {
    for (const TenseFamily& family : tenseFamilies()) {
        for (const std::string_view ending : family.endings) {
            if (!endsWith(word, ending)) continue;
            const std::string stem = word.substr(0, word.size() - ending.size());
            if (!someStemHas(stem, family.pastPlural, dictionary)) return false;
            if (!family.subjunctiveOne.empty() && !someStemHas(stem, family.subjunctiveOne, dictionary)) return false;
            if (family.secondGroupKeeps && dictionary.count(stem + "issons")) return false;
            return true;
        }
    }
    return false;
}

bool readsAsEnglish(std::string_view word, int frenchRank, int englishRank, int rareFrom) {
    if (englishRank <= 0) return false;
    const bool rareInFrench = frenchRank <= 0 || frenchRank > rareFrom;
    const bool moreEnglish = frenchRank <= 0 || frenchRank >= 2 * englishRank;
    if (!rareInFrench || !moreEnglish) return false;
    if (word.find_first_of("wk") != std::string_view::npos) return true;
    for (const std::string_view pair : {"sh", "oo", "ee", "th", "ea", "ck", "gh"})
        if (word.find(pair) != std::string_view::npos) return true;
    if (word.ends_with("ng") || word.ends_with("ngs")) return true;
    return word.size() >= 2 && word.back() == 'y' &&
           std::string_view("aeiouy").find(word[word.size() - 2]) == std::string_view::npos;
}

}  // namespace glossamo::wordlists
