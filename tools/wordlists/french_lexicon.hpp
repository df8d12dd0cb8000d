#pragma once
// The French words that Debian's hunspell-fr knows, expanded from its
// dictionary and affix files by `unmunch`, kept as the games see them
// (accents folded, capitals), one group of forms per dictionary entry.
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace glossamo::wordlists {

// A UTF-8 word as a game shows it: written in Latin-1 as the word lists
// write it, accents folded, upper case. Empty when it does not come out as
// capitals A..Z alone.
std::string gameCapitals(std::string_view utf8);

// The line unmunch is given after every dictionary entry and prints back
// unchanged, so that its output can be cut into one group per entry.
inline constexpr std::string_view EntrySeparator = "~~~";

// Copies a hunspell .dic file with a separator line after each entry (the
// first line, the entry count, is doubled to match).
void writeSeparatedDictionary(std::istream& dic, std::ostream& out);

// One dictionary entry: its root and every form unmunch gives for it, the
// root first, each once. `spellings[i]` is forms[i] as the word lists write
// it (Latin-1, lower case, accents kept); a lexicon read back from its file
// has none.
struct FormGroup {
    std::string root;
    std::vector<std::string> forms;
    std::vector<std::string> spellings;
};

// Cuts unmunch's output of a separated dictionary back into entries. Only
// entries whose root is a lower-case word are kept, and of their forms only
// the lower-case words (no capital, digit, apostrophe or hyphen), folded
// with `gameCapitals`. The text after a form's first '/', blank or tab is
// its affix flags and morphology, and is dropped.
std::vector<FormGroup> readUnmunchGroups(std::istream& unmunchOutput);

// The same, fed one output line at a time (from a pipe).
class UnmunchGroups {
public:
    void line(std::string_view text);
    std::vector<FormGroup> finish() { return std::move(groups_); }

private:
    std::vector<FormGroup> groups_;
    FormGroup group_;
    bool atRoot_ = true;  // the next line is an entry's root
    bool keep_ = false;
};

// The expanded lexicon: every form, and the forms of each root.
class FrenchLexicon {
public:
    // One group a line, root first, forms separated by blanks.
    static FrenchLexicon read(std::istream& in);
    static void write(const std::vector<FormGroup>& groups, std::ostream& out);

    void add(const FormGroup& group);
    bool knows(const std::string& capitals) const { return forms_.count(capitals) != 0; }
    bool isRoot(const std::string& capitals) const { return roots_.count(capitals) != 0; }
    // The forms of every entry whose root is `capitals`; empty for none.
    std::vector<std::string> formsOfRoot(const std::string& capitals) const;
    std::size_t size() const { return forms_.size(); }

private:
    std::unordered_set<std::string> forms_;
    std::unordered_map<std::string, std::vector<std::string>> roots_;
};

}  // namespace glossamo::wordlists
