#pragma once
// The words no game may show: vulgar words, sexual words, insults and slurs,
// in every form. They come from public lists of such words plus our own
// additions, minus our keep-list of ordinary words that those lists name for
// a vulgar secondary sense. Words are handled as the games show them:
// accents folded, capitals.
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "french_lexicon.hpp"

namespace glossamo::wordlists {

// The strings of a JSON file that holds one flat array of strings, in
// order. Throws on anything else.
std::vector<std::string> readJsonStrings(std::string_view json);

// The entries of a public list that are single words, as capitals; entries
// of several words, with digits or other signs ("b1tch") are left out.
std::vector<std::string> singleWords(const std::vector<std::string>& entries);

// The words of one of our lists: one word a line, '#' starts a comment that
// runs to the end of the line (a keep-list line gives its reason there).
struct ListedWord {
    std::string word;    // capitals
    std::string reason;  // the comment, trimmed; may be empty
    int line = 0;
};
std::vector<ListedWord> readOurList(std::istream& in);

// The forms of a French word: when hunspell-fr has it as the root of an
// entry, every form of those entries; otherwise the word with the plain
// endings of the plural and the feminine (-s, -x, -e, -es; -eur gives
// -euse, -euses).
std::set<std::string> frenchForms(const std::string& word, const FrenchLexicon& lexicon);

// The forms of an English word found in `dictionary` (capitals): -s and
// -es, -ed, -ing, -er and -ers, with the final e dropped, a final y turned
// into i, or a short word's last consonant doubled as English spells them.
// The word itself is always kept.
std::set<std::string> englishForms(const std::string& word, const std::unordered_set<std::string>& dictionary);

struct BlockedSources {
    std::vector<std::string> listed;      // the public lists' single words
    std::vector<std::string> added;       // our additions
    std::unordered_set<std::string> kept; // our keep-list
};

// Every form of the listed words that are not on the keep-list, and of our
// additions, then less the keep-list words themselves: a keep-list word
// stays even when it is also a form of a blocked word.
std::set<std::string> blockedWords(const BlockedSources& sources,
                                   const std::function<std::set<std::string>(const std::string&)>& formsOf);

}  // namespace glossamo::wordlists
