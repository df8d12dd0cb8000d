#pragma once
// Reading a word list the player brings: a text file of one word a line, in
// UTF-8 (with or without its byte-order mark) or Latin-1, sorted into the
// words kept, those no dictionary knows, and those left out with the reason.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace glossamo {

// The shortest and longest word a game of a player's list can hide: the
// hangman shows up to twelve letters, and a word of two gives nothing to find.
constexpr int ShortestListWord = 3;
constexpr int LongestListWord = 12;

enum class LeftOutReason { TooShort, TooLong, NotLetters, Duplicate };

struct LeftOutWord {
    std::string word;  // as the file wrote it, in Latin-1
    LeftOutReason reason;
};

struct WordFileReading {
    // False for an empty file, or one that is not text (a picture, a
    // document saved in another format): nothing of it may be kept.
    bool readable = false;
    int linesRead = 0;                 // lines holding something other than blanks
    std::vector<std::string> known;    // kept, in the file's order, accents and all (Latin-1)
    std::vector<std::string> unknown;  // letters, but no dictionary knows them
    std::vector<LeftOutWord> leftOut;
};

// The word as the games play it: accents dropped, capitals.
std::string playedForm(std::string_view latin1Word);

// Reads the bytes of a file. `isKnown` is asked with the played form of each
// word that could be kept. Blanks around a word and empty lines are passed
// over; "œ" and "æ" are written "oe" and "ae", as a keyboard without them
// would write them.
WordFileReading readWordFile(std::string_view bytes, const std::function<bool(std::string_view)>& isKnown);

}  // namespace glossamo
