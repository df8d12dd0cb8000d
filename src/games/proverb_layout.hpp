#pragma once
// Where the characters of a proverb stand on the rows of a board: word by
// word, so that a row never ends inside a word that would fit the next one.
#include <string_view>
#include <vector>

namespace glossamo {

// The cell of one character, from the first column and the first row of the
// text; a blank that is not shown has column -1.
struct ProverbCell {
    int column = -1;
    int row = -1;
    bool shown() const { return column >= 0; }
};

// A blank between words: ' ' or '*'. Every other character (a letter, a sign,
// a letter still to find) has a cell of its own.
bool isProverbGap(char c);

// The cells of `text` on `rows` rows of `rowLength` cells. A run of blanks
// shows as one gap between two words and not at all at a row's ends; a word
// that does not fit the rest of a row starts the next one, a word longer
// than a row is cut at the row's end. A text that needs more rows than
// there are is cut every `rowLength` characters instead, blanks included.
std::vector<ProverbCell> layOutProverb(std::string_view text, int rowLength, int rows);
// The text cut every `rowLength` characters, as far as `rows` rows hold it.
std::vector<ProverbCell> cutProverb(std::string_view text, int rowLength, int rows);

}  // namespace glossamo
