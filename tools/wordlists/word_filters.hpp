#pragma once
// The choices behind the word lists we ship: which entries of the system
// word lists become game words, and how their letters are written in the
// Latin-1 files the program reads.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace glossamo::wordlists {

// Writes a UTF-8 word in Latin-1 so that the program's accent folding plus
// upper-casing turns every letter into A..Z: accents the program folds
// itself (à ç É è é ê î ï ô ö ù û ü) are kept, the others are folded here
// (â→a, ë→e, ÿ→y, œ→oe, æ→ae ...). Blanks, hyphens and apostrophes (the
// typographic one written plain) are kept only when `keepGaps` is set: the
// names of a theme ("Côte d'Ivoire") hold them. Anything else gives no result.
std::optional<std::string> toGameLatin1(std::string_view utf8, bool keepGaps);

// Writes a UTF-8 line of text (a proverb, a rules line) in Latin-1 with
// every accent Latin-1 has (â, ë, ÿ included), blanks and punctuation;
// œ and æ are written out, typographic quotes become plain ones. Nothing
// for a character that has no Latin-1 writing.
std::optional<std::string> toLatin1Text(std::string_view utf8);

// True when every character folds to A..Z (blanks, hyphens and apostrophes
// allowed with `allowGaps`), as the program will see the word.
bool foldsToCapitals(std::string_view latin1, bool allowGaps);

// True when the Latin-1 word holds one of A E I O U Y once folded.
bool hasVowel(std::string_view latin1);

// True for a French verb form of the first or second person plural of the
// passé simple, or of the imparfait du subjonctif, recognised from its
// ending and from other forms of the same verb in `dictionary` (UTF-8,
// lower case). "chantâmes", "prissent" and "fût" are such forms; "âmes",
// "masse", "finissent" and "saucisse" are not.
bool isRareTense(const std::string& word, const std::unordered_set<std::string>& dictionary);

// True for a word of the French list that French readers meet as an English
// word: it is spelt as English words are and French words rarely are (w, k,
// sh, oo, ee, th, ea, ck, gh, a final ng or consonant + y), it is rarer in
// French texts than the first `rareFrom` words, and at least twice as
// frequent in English texts as in French ones. Ranks count from 1; 0 means
// the word is not in that frequency list. "shoot", "monitoring", "brook"
// are such words; "wagon" and "ticket" are too, which the caller's
// keep-list saves; "table" and "kiosque" are not.
bool readsAsEnglish(std::string_view word, int frenchRank, int englishRank, int rareFrom = 3000);

// True for an entry of the system French list that may be a game word:
// lower-case letters only (accents allowed), no hyphen, apostrophe, blank
// or digit.
bool isPlainLowerCaseWord(std::string_view utf8);

}  // namespace glossamo::wordlists
