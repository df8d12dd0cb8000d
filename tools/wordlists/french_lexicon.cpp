#include "french_lexicon.hpp"

#include <algorithm>
#include <sstream>

#include "word_filters.hpp"
#include "words/word_store.hpp"

namespace glossamo::wordlists {

std::string gameCapitals(std::string_view utf8) {
    const auto latin1 = toGameLatin1(utf8, false);
    if (!latin1) return {};
    std::string word = FoldAccents(*latin1);
    for (char& c : word) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z') return {};
    }
    return word;
}

void writeSeparatedDictionary(std::istream& dic, std::ostream& out) {
    std::string line;
    bool first = true;
    while (std::getline(dic, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (first) {
            first = false;
            // The entry count: unmunch reads it as a size hint only.
            out << std::max(1L, 2 * std::atol(line.c_str())) << '\n';
            continue;
        }
        if (line.empty()) continue;
        out << line << '\n' << EntrySeparator << '\n';
    }
}

namespace {

std::string_view wordOf(std::string_view line) {
    return line.substr(0, line.find_first_of("/ \t"));
}

void addForm(FormGroup& group, const std::string& capitals, const std::string& latin1) {
    if (std::find(group.forms.begin(), group.forms.end(), capitals) != group.forms.end()) return;
    group.forms.push_back(capitals);
    group.spellings.push_back(latin1);
}

}  // namespace

void UnmunchGroups::line(std::string_view text) {
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (text == EntrySeparator) {
        if (keep_ && !group_.forms.empty()) groups_.push_back(std::move(group_));
        group_ = FormGroup{};
        atRoot_ = true;
        return;
    }
    const std::string_view word = wordOf(text);
    const std::string capitals = isPlainLowerCaseWord(word) ? gameCapitals(word) : std::string();
    if (atRoot_) {
        atRoot_ = false;
        keep_ = !capitals.empty();
        group_.root = capitals;
    }
    if (keep_ && !capitals.empty()) addForm(group_, capitals, *toGameLatin1(word, false));
}

std::vector<FormGroup> readUnmunchGroups(std::istream& unmunchOutput) {
    UnmunchGroups groups;
    std::string line;
    while (std::getline(unmunchOutput, line)) groups.line(line);
    return groups.finish();
}

FrenchLexicon FrenchLexicon::read(std::istream& in) {
    FrenchLexicon lexicon;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        FormGroup group;
        std::string word;
        while (words >> word) group.forms.push_back(word);
        if (group.forms.empty()) continue;
        group.root = group.forms.front();
        lexicon.add(group);
    }
    return lexicon;
}

void FrenchLexicon::write(const std::vector<FormGroup>& groups, std::ostream& out) {
    for (const FormGroup& group : groups) {
        for (std::size_t i = 0; i < group.forms.size(); ++i) out << (i ? " " : "") << group.forms[i];
        out << '\n';
    }
}

void FrenchLexicon::add(const FormGroup& group) {
    std::vector<std::string>& ofRoot = roots_[group.root];
    for (const std::string& form : group.forms) {
        forms_.insert(form);
        if (std::find(ofRoot.begin(), ofRoot.end(), form) == ofRoot.end()) ofRoot.push_back(form);
    }
}

std::vector<std::string> FrenchLexicon::formsOfRoot(const std::string& capitals) const {
    const auto it = roots_.find(capitals);
    return it == roots_.end() ? std::vector<std::string>{} : it->second;
}

}  // namespace glossamo::wordlists
