// The travel mode's world: the countries file the program reads and the map
// picture it shows, both made from data/txt/voyage.dta so they always agree.
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>

#include "forge.hpp"

namespace forge {

namespace {

constexpr int Columns = 14;
constexpr int Rows = 8;
constexpr int Entries = 113;
constexpr int MaxNameLength = 26;
constexpr double GridLeft = 50;
constexpr double GridTop = 100;
constexpr double Cell = 50;
constexpr const char* SeaName = "Océan";

struct Country {
    std::string name;  // UTF-8
    int column = 0;
    int row = 0;
};

// The countries file as written in the source tree.
struct TravelFile {
    std::vector<std::string> lines;  // UTF-8, without line ends
    std::array<Country, Entries> countries;
};

using NameGrid = std::array<std::array<std::string, Columns>, Rows>;

// --- The countries file ----------------------------------------------------

std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// UTF-8 sequences of every printable Windows-1252 code, to encode back.
const std::map<std::string, char>& windows1252Codes() {
    static const std::map<std::string, char> codes = [] {
        std::map<std::string, char> m;
        for (int code = 32; code < 256; ++code)
            if (std::string utf8 = codeToUtf8(code); !utf8.empty()) m.emplace(utf8, static_cast<char>(code));
        return m;
    }();
    return codes;
}

std::string toWindows1252(std::string_view utf8, const std::string& where) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        const auto code = length && i + length <= utf8.size()
                              ? windows1252Codes().find(std::string(utf8.substr(i, length)))
                              : windows1252Codes().end();
        if (code == windows1252Codes().end())
            throw std::runtime_error(where + ": \"" + std::string(utf8) +
                                     "\" has a character not representable in Windows-1252");
        out += code->second;
        i += length;
    }
    return out;
}

int squareCoordinate(std::string_view value, int count, const std::string& where) {
    int number = 0;
    if (value.empty() || value.size() > 3 || value.find_first_not_of("0123456789") != std::string_view::npos)
        throw std::runtime_error(where + ": \"" + std::string(value) + "\" is not a square number");
    for (char c : value) number = number * 10 + (c - '0');
    if (number >= count)
        throw std::runtime_error(where + ": square " + std::to_string(number) + " is off the map (0.." +
                                 std::to_string(count - 1) + ")");
    return number;
}

TravelFile parseTravelFile(const std::string& text, const std::string& path) {
    TravelFile file;
    std::istringstream lines(text);
    std::map<std::string, std::string> values;  // lower-case key -> value
    bool inSection = false;
    int lineNumber = 0;
    for (std::string line; std::getline(lines, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        file.lines.push_back(line);
        const std::string where = path + ":" + std::to_string(lineNumber);
        toWindows1252(line, where);
        const std::string_view content = trimmed(line);
        if (content.empty()) continue;
        if (content.front() == '[') {
            if (lowerAscii(content) != "[pays]") throw std::runtime_error(where + ": unknown section");
            inSection = true;
            continue;
        }
        const auto equals = content.find('=');
        if (!inSection || equals == std::string_view::npos)
            throw std::runtime_error(where + ": expected key=value in section [PAYS]");
        const std::string key = lowerAscii(trimmed(content.substr(0, equals)));
        if (!values.emplace(key, std::string(trimmed(content.substr(equals + 1)))).second)
            throw std::runtime_error(where + ": key " + key + " given twice");
    }
    std::size_t used = 0;
    auto value = [&](const std::string& key) {
        const auto it = values.find(key);
        if (it == values.end()) throw std::runtime_error(path + ": missing key " + key);
        ++used;
        return it->second;
    };
    for (int i = 0; i < Entries; ++i) {
        const std::string index = std::to_string(i);
        Country& country = file.countries[i];
        country.name = value("nom" + index);
        const std::size_t length = toWindows1252(country.name, path + ": nom" + index).size();
        if (length == 0 || length > MaxNameLength)
            throw std::runtime_error(path + ": nom" + index + " must have 1.." + std::to_string(MaxNameLength) +
                                     " characters, \"" + country.name + "\" has " + std::to_string(length));
        country.column = squareCoordinate(value("x" + index), Columns, path + ": x" + index);
        country.row = squareCoordinate(value("y" + index), Rows, path + ": y" + index);
    }
    if (used != values.size()) throw std::runtime_error(path + ": keys beyond nom/x/y 0.." + std::to_string(Entries - 1));
    return file;
}

void writeProgramFile(const TravelFile& file, const std::string& path) {
    std::string bytes;
    for (const std::string& line : file.lines) bytes += toWindows1252(line, path) + "\r\n";
    saveBytes(path, bytes);
}

// What the program shows on each square: later entries win.
NameGrid placeCountries(const TravelFile& file, const std::string& path) {
    NameGrid grid;
    for (const Country& country : file.countries) grid[country.row][country.column] = country.name;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            if (grid[r][c].empty())
                throw std::runtime_error(path + ": square (" + std::to_string(c) + ", " + std::to_string(r) +
                                         ") has no country");
    return grid;
}

bool isSea(const NameGrid& grid, int c, int r) { return grid[r][c] == SeaName; }

bool onMap(int c, int r) { return c >= 0 && c < Columns && r >= 0 && r < Rows; }

// --- Colours ---------------------------------------------------------------

constexpr Colour Backdrop = Colour::rgb(19, 27, 38);
constexpr Colour SeaColour = Colour::rgb(74, 130, 164);
constexpr Colour ShallowSea = Colour::rgb(118, 170, 192);
constexpr Colour WaveColour = Colour::rgb(160, 198, 214, 0.7);
constexpr Colour GridLine = Colour::rgb(52, 46, 38, 0.45);
constexpr Colour Gilt = Colour::rgb(196, 160, 96);
constexpr Colour GiltDim = Colour::rgb(128, 106, 70);
constexpr Colour NameInk = Colour::rgb(40, 34, 30);

// Warm land tones around palette::Land, like the tints of a political map.
constexpr std::array<Colour, 6> LandTones = {
    Colour::rgb(226, 208, 160),  // wheat
    palette::Land,               // sand
    Colour::rgb(226, 182, 138),  // apricot
    Colour::rgb(202, 196, 140),  // olive tan
    Colour::rgb(232, 196, 172),  // rose beige
    Colour::rgb(208, 176, 124),  // ochre
};

// Gives every country one tone, different from all touching countries
// (diagonals included), so borders read even without the grid.
std::map<std::string, int> toneCountries(const NameGrid& grid) {
    std::map<std::string, int> tones;
    int order = 0;
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            const std::string& name = grid[r][c];
            if (isSea(grid, c, r) || tones.count(name)) continue;
            std::set<int> taken;
            for (int rr = 0; rr < Rows; ++rr)
                for (int cc = 0; cc < Columns; ++cc) {
                    if (grid[rr][cc] != name) continue;
                    for (int dr = -1; dr <= 1; ++dr)
                        for (int dc = -1; dc <= 1; ++dc) {
                            if (!onMap(cc + dc, rr + dr)) continue;
                            const auto it = tones.find(grid[rr + dr][cc + dc]);
                            if (it != tones.end()) taken.insert(it->second);
                        }
                }
            int tone = order++ % static_cast<int>(LandTones.size());
            for (std::size_t tries = 0; taken.count(tone) && tries < LandTones.size(); ++tries)
                tone = (tone + 1) % static_cast<int>(LandTones.size());
            tones[name] = tone;
        }
    }
    return tones;
}

Colour mix(const Colour& a, const Colour& b, double t) {
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

// --- Squares ---------------------------------------------------------------

double squareLeft(int c) { return GridLeft + Cell * c; }
double squareTop(int r) { return GridTop + Cell * r; }

void drawLandSquare(cairo_t* cr, int c, int r, const Colour& tone) {
    const double x = squareLeft(c), y = squareTop(r);
    cairo_pattern_t* light = cairo_pattern_create_linear(x, y, x + Cell, y + Cell);
    const Colour top = mix(tone, palette::White, 0.10), bottom = mix(tone, Colour::rgb(120, 90, 50), 0.08);
    cairo_pattern_add_color_stop_rgb(light, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(light, 1, bottom.r, bottom.g, bottom.b);
    cairo_rectangle(cr, x, y, Cell, Cell);
    cairo_set_source(cr, light);
    cairo_fill(cr);
    cairo_pattern_destroy(light);
}

// Lighter shallow water fading out from every side that touches land.
void drawShallows(cairo_t* cr, const NameGrid& grid, int c, int r) {
    const double x = squareLeft(c), y = squareTop(r), depth = 8;
    struct Side { int dc, dr; double x0, y0, x1, y1; };
    const Side sides[] = {{-1, 0, x, y, x + depth, y},
                          {1, 0, x + Cell, y, x + Cell - depth, y},
                          {0, -1, x, y, x, y + depth},
                          {0, 1, x, y + Cell, x, y + Cell - depth}};
    for (const Side& side : sides) {
        if (!onMap(c + side.dc, r + side.dr) || isSea(grid, c + side.dc, r + side.dr)) continue;
        cairo_pattern_t* fade = cairo_pattern_create_linear(side.x0, side.y0, side.x1, side.y1);
        cairo_pattern_add_color_stop_rgba(fade, 0, ShallowSea.r, ShallowSea.g, ShallowSea.b, 0.85);
        cairo_pattern_add_color_stop_rgba(fade, 0.3, ShallowSea.r, ShallowSea.g, ShallowSea.b, 0.45);
        cairo_pattern_add_color_stop_rgba(fade, 1, ShallowSea.r, ShallowSea.g, ShallowSea.b, 0);
        cairo_rectangle(cr, x, y, Cell, Cell);
        cairo_set_source(cr, fade);
        cairo_fill(cr);
        cairo_pattern_destroy(fade);
    }
}

void drawWave(cairo_t* cr, double x, double y) {
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + 2, y - 3, x + 4, y - 3, x + 6, y);
    cairo_curve_to(cr, x + 8, y + 3, x + 10, y + 3, x + 12, y);
    cairo_stroke(cr);
}

void drawSeaSquare(cairo_t* cr, const NameGrid& grid, int c, int r) {
    const double x = squareLeft(c), y = squareTop(r);
    cairo_rectangle(cr, x, y, Cell, Cell);
    setColour(cr, SeaColour);
    cairo_fill(cr);
    drawShallows(cr, grid, c, r);
    // Two small wave marks, shifted from square to square so the sea does
    // not look stamped.
    const int shift = (c * 5 + r * 3) % 4;
    setColour(cr, WaveColour);
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    drawWave(cr, x + 10 + shift * 3, y + 17 + shift);
    drawWave(cr, x + 26 - shift * 2, y + 33 + shift);
}

// --- Country names ---------------------------------------------------------

constexpr Face NameFace = Face::SansBold;
constexpr double NameSize = 8;
constexpr double SmallestNameSize = 6.5;
constexpr double NameRoom = Cell - 4;  // a 2 px margin on each side
constexpr int MostNameLines = 3;

// A stretch of a name and how it joins the next one.
struct Piece {
    enum class Join { Space, Hyphen, Syllable, End };
    std::string text;  // a hyphen join keeps its '-' here
    Join join;
};

// The UTF-8 characters of a word, one string each.
std::vector<std::string> characters(std::string_view word) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < word.size();) {
        std::size_t length = 1;
        while (i + length < word.size() && (static_cast<unsigned char>(word[i + length]) & 0xC0) == 0x80) ++length;
        out.emplace_back(word.substr(i, length));
        i += length;
    }
    return out;
}

bool isVowel(const std::string& ch) {
    static const std::set<std::string> vowels = {"a", "e", "i", "o", "u", "y", "A", "E", "I", "O", "U", "Y",
                                                 "à", "â", "ä", "é", "è", "ê", "ë", "î", "ï", "ô", "ö", "ù",
                                                 "û", "ü", "ÿ", "œ", "æ", "É", "È", "Ê", "Î", "Ô", "Â"};
    return vowels.count(ch) > 0;
}

bool isLetter(const std::string& ch) {
    return ch.size() > 1 || (ch[0] >= 'a' && ch[0] <= 'z') || (ch[0] >= 'A' && ch[0] <= 'Z');
}

// Consonant pairs that open a syllable together and are never split.
bool inseparable(const std::string& a, const std::string& b) {
    static const std::string leaders = "bcdfgkptv";
    const std::string pair = lowerAscii(a + b);
    if (pair == "ch" || pair == "ph" || pair == "th" || pair == "gh" || pair == "kh" || pair == "sh" || pair == "gn")
        return true;
    return pair.size() == 2 && leaders.find(pair[0]) != std::string::npos && (pair[1] == 'l' || pair[1] == 'r');
}

// Where a word may be cut between syllables (character indexes, cut before),
// after the usual French rules: a lone consonant opens the next syllable,
// two consonants part unless they are an inseparable pair, and a longer run
// gives its first consonant (or a leading pair ending in h) to the syllable
// before.
std::vector<std::size_t> syllableBreaks(const std::vector<std::string>& word) {
    std::vector<std::size_t> breaks;
    constexpr std::size_t shortest = 3;  // letters kept on each side of a cut
    const std::size_t n = word.size();
    for (std::size_t i = 1; i < n; ++i) {
        if (!isVowel(word[i - 1]) || isVowel(word[i]) || !isLetter(word[i])) continue;
        std::size_t end = i;
        while (end < n && !isVowel(word[end]) && isLetter(word[end])) ++end;
        if (end == n || !isVowel(word[end])) continue;
        const std::size_t run = end - i;
        std::size_t cut = i;
        if (run == 2)
            cut = inseparable(word[i], word[i + 1]) ? i : i + 1;
        else if (run > 2)
            cut = lowerAscii(word[i + 1]) == "h" ? i + 2 : i + 1;
        if (cut >= shortest && n - cut >= shortest) breaks.push_back(cut);
        i = end - 1;
    }
    return breaks;
}

// A name cut at its spaces and hyphens.
std::vector<Piece> namePieces(const std::string& name) {
    std::vector<Piece> pieces;
    std::string text;
    for (char ch : name) {
        if (ch == ' ' || ch == '-') {
            if (ch == '-') text += ch;
            pieces.push_back({text, ch == ' ' ? Piece::Join::Space : Piece::Join::Hyphen});
            text.clear();
        } else {
            text += ch;
        }
    }
    pieces.push_back({text, Piece::Join::End});
    return pieces;
}

// The same pieces with one word cut between syllables at `cut`.
std::vector<Piece> cutPiece(std::vector<Piece> pieces, std::size_t piece, std::size_t cut) {
    const std::vector<std::string> letters = characters(pieces[piece].text);
    std::string head, tail;
    for (std::size_t i = 0; i < letters.size(); ++i) (i < cut ? head : tail) += letters[i];
    const Piece::Join join = pieces[piece].join;
    pieces[piece] = {head, Piece::Join::Syllable};
    pieces.insert(pieces.begin() + static_cast<std::ptrdiff_t>(piece) + 1, Piece{tail, join});
    return pieces;
}

// Every way of piecing the name: whole words, then each single syllable cut.
std::vector<std::vector<Piece>> pieceChoices(const std::string& name) {
    const std::vector<Piece> whole = namePieces(name);
    std::vector<std::vector<Piece>> choices = {whole};
    for (std::size_t p = 0; p < whole.size(); ++p) {
        std::string word = whole[p].text;
        if (!word.empty() && word.back() == '-') word.pop_back();
        for (std::size_t cut : syllableBreaks(characters(word))) choices.push_back(cutPiece(whole, p, cut));
    }
    return choices;
}

struct NameLayout {
    double size = 0;
    std::vector<std::string> lines;
    bool cutsWord = false;
};

// The lines made by breaking after the pieces whose bit is set in `breaks`.
NameLayout setLines(const std::vector<Piece>& pieces, unsigned breaks, double size) {
    NameLayout layout{size, {}, false};
    std::string line;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& piece = pieces[i];
        line += piece.text;
        const bool breakHere = piece.join == Piece::Join::End || (breaks >> i & 1u);
        if (breakHere) {
            if (piece.join == Piece::Join::Syllable) {
                line += '-';
                layout.cutsWord = true;
            }
            layout.lines.push_back(line);
            line.clear();
        } else if (piece.join == Piece::Join::Space) {
            line += ' ';
        }
    }
    return layout;
}

double lineStep(double size) { return std::round(size * 1.2); }

double widestLine(cairo_t* cr, const NameLayout& layout) {
    double widest = 0;
    for (const std::string& line : layout.lines) widest = std::max(widest, measure(cr, line).width);
    return widest;
}

// The inked rows of the set lines, from the first baseline (top < 0).
struct InkRows {
    double top = 0, bottom = 0;
};

InkRows inkRows(cairo_t* cr, const NameLayout& layout) {
    InkRows rows{1e9, -1e9};
    double baseline = 0;
    for (const std::string& line : layout.lines) {
        const cairo_text_extents_t ink = measure(cr, line);
        rows.top = std::min(rows.top, baseline + ink.y_bearing);
        rows.bottom = std::max(rows.bottom, baseline + ink.y_bearing + ink.height);
        baseline += lineStep(layout.size);
    }
    return rows;
}

bool fitsSquare(cairo_t* cr, const NameLayout& layout) {
    const InkRows rows = inkRows(cr, layout);
    return rows.bottom - rows.top <= NameRoom && widestLine(cr, layout) <= NameRoom;
}

// The narrowest way to set the pieces on `count` lines that fits the square.
std::optional<NameLayout> bestFit(cairo_t* cr, const std::vector<Piece>& pieces, int count, double size,
                                  bool mustCut) {
    std::optional<NameLayout> best;
    double bestWidth = 0;
    for (unsigned breaks = 0; breaks < (1u << (pieces.size() - 1)); ++breaks) {
        if (std::popcount(breaks) != count - 1) continue;
        const NameLayout layout = setLines(pieces, breaks, size);
        // A syllable cut not at a line end merely joins the word back.
        if (mustCut && !layout.cutsWord) continue;
        const double width = widestLine(cr, layout);
        if (fitsSquare(cr, layout) && (!best || width < bestWidth)) {
            best = layout;
            bestWidth = width;
        }
    }
    return best;
}

// At one size: whole words on as few lines as possible, else the most
// balanced cut of one word.
std::optional<NameLayout> fitAtSize(cairo_t* cr, const std::vector<std::vector<Piece>>& choices, double size) {
    useFont(cr, NameFace, size);
    for (int count = 1; count <= MostNameLines; ++count)
        if (auto layout = bestFit(cr, choices.front(), count, size, false)) return layout;
    std::optional<NameLayout> best;
    for (int count = 2; count <= MostNameLines && !best; ++count)
        for (std::size_t choice = 1; choice < choices.size(); ++choice) {
            const auto layout = bestFit(cr, choices[choice], count, size, true);
            if (layout && (!best || widestLine(cr, *layout) < widestLine(cr, *best))) best = layout;
        }
    return best;
}

// Names share one size when they can: a word is cut between syllables
// before the type gets any smaller.
NameLayout fitName(cairo_t* cr, const std::string& name) {
    const std::vector<std::vector<Piece>> choices = pieceChoices(name);
    for (double size = NameSize; size >= SmallestNameSize; size -= 0.25)
        if (auto layout = fitAtSize(cr, choices, size)) return *layout;
    throw std::runtime_error("the country name \"" + name + "\" does not fit its square");
}

void drawName(cairo_t* cr, const std::string& name, int c, int r) {
    const NameLayout layout = fitName(cr, name);
    useFont(cr, NameFace, layout.size);
    const double step = lineStep(layout.size);
    const double cx = squareLeft(c) + Cell / 2;
    // Centre the lines on the cap height, so names sit alike from square to
    // square, then nudge accents or descenders back inside the margin.
    const double capHeight = layout.size * 0.73;
    const double top = squareTop(r), margin = (Cell - NameRoom) / 2;
    double baseline = std::round(top + Cell / 2 - (step * (layout.lines.size() - 1) + capHeight) / 2 + capHeight);
    const InkRows rows = inkRows(cr, layout);
    baseline += std::max(0.0, std::ceil(top + margin - (baseline + rows.top)));
    baseline -= std::max(0.0, std::ceil(baseline + rows.bottom - (top + Cell - margin)));
    setColour(cr, NameInk);
    for (const std::string& line : layout.lines) {
        const cairo_text_extents_t ink = measure(cr, line);
        cairo_move_to(cr, cx - ink.x_bearing - ink.width / 2, baseline);
        cairo_show_text(cr, line.c_str());
        baseline += step;
    }
}

void drawGridLines(cairo_t* cr) {
    setColour(cr, GridLine);
    for (int c = 1; c < Columns; ++c) cairo_rectangle(cr, squareLeft(c), GridTop, 1, Cell * Rows);
    for (int r = 1; r < Rows; ++r) cairo_rectangle(cr, GridLeft, squareTop(r), Cell * Columns, 1);
    cairo_fill(cr);
}

// --- Around the map --------------------------------------------------------

void drawBackdrop(cairo_t* cr) {
    setColour(cr, Backdrop);
    cairo_paint(cr);
}

// An old-map border: a thin band of alternating light and dark segments,
// half a square long, like the degree scale of a chart. It stays within
// y 96..504 so the dark bands above and below remain plain.
void drawFrame(cairo_t* cr) {
    const double right = GridLeft + Cell * Columns, bottom = GridTop + Cell * Rows;
    constexpr double gap = 1, band = 3;
    const double outer = gap + band;
    // The scale band.
    setColour(cr, GiltDim);
    cairo_rectangle(cr, GridLeft - outer, GridTop - outer, right - GridLeft + 2 * outer, bottom - GridTop + 2 * outer);
    cairo_rectangle(cr, GridLeft - gap, GridTop - gap, right - GridLeft + 2 * gap, bottom - GridTop + 2 * gap);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr);
    setColour(cr, Gilt);
    const double half = Cell / 2;
    for (int i = 0; i < Columns * 2; i += 2) {
        cairo_rectangle(cr, GridLeft + half * i, GridTop - outer, half, band);
        cairo_rectangle(cr, GridLeft + half * (i + 1), bottom + gap, half, band);
    }
    for (int i = 0; i < Rows * 2; i += 2) {
        cairo_rectangle(cr, GridLeft - outer, GridTop + half * (i + 1), band, half);
        cairo_rectangle(cr, right + gap, GridTop + half * i, band, half);
    }
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

// One point of the rose: a long kite split into a lit and a shaded half.
void drawRosePoint(cairo_t* cr, double cx, double cy, double angle, double length, double width,
                   const Colour& lit, const Colour& shaded) {
    const double dx = std::cos(angle), dy = std::sin(angle);
    const double tipX = cx + dx * length, tipY = cy + dy * length;
    const double sideX = -dy * width, sideY = dx * width;
    const double midX = cx + dx * length * 0.28, midY = cy + dy * length * 0.28;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, midX + sideX, midY + sideY);
    cairo_line_to(cr, tipX, tipY);
    cairo_close_path(cr);
    setColour(cr, lit);
    cairo_fill(cr);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, midX - sideX, midY - sideY);
    cairo_line_to(cr, tipX, tipY);
    cairo_close_path(cr);
    setColour(cr, shaded);
    cairo_fill(cr);
}

void drawCompassRose(cairo_t* cr, double cx, double cy, double radius) {
    setColour(cr, GiltDim);
    cairo_set_line_width(cr, 1);
    cairo_arc(cr, cx, cy, radius * 0.72, 0, 2 * M_PI);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i)
        drawRosePoint(cr, cx, cy, M_PI / 4 + i * M_PI / 2, radius * 0.62, radius * 0.13, GiltDim,
                      mix(GiltDim, Backdrop, 0.45));
    for (int i = 0; i < 4; ++i)
        drawRosePoint(cr, cx, cy, -M_PI / 2 + i * M_PI / 2, radius, radius * 0.17, Gilt, mix(Gilt, Backdrop, 0.5));
    setColour(cr, Gilt);
    cairo_arc(cr, cx, cy, radius * 0.08, 0, 2 * M_PI);
    cairo_fill(cr);
    // North.
    useFont(cr, Face::SerifBold, 11);
    centredText(cr, "N", cx, cy - radius - 3);
}

void drawTitle(cairo_t* cr) {
    const char* title = "Le tour du monde";
    useFont(cr, Face::SerifBold, 22);
    const double width = measure(cr, title).x_advance;
    const double baseline = 84, cx = 400;
    setColour(cr, Gilt);
    centredText(cr, title, cx, baseline);
    // Fine rules with a diamond at their outer ends.
    setColour(cr, GiltDim);
    for (int side : {-1, 1}) {
        const double inner = cx + side * (width / 2 + 12), outer = cx + side * (width / 2 + 92);
        const double y = baseline - 7;
        cairo_rectangle(cr, std::min(inner, outer), y, std::fabs(outer - inner), 1);
        cairo_fill(cr);
        cairo_move_to(cr, outer, y - 3.5);
        cairo_line_to(cr, outer + side * 4, y + 0.5);
        cairo_line_to(cr, outer, y + 4.5);
        cairo_line_to(cr, outer - side * 4, y + 0.5);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

void drawMap(const NameGrid& grid, const std::string& path) {
    Picture picture(800, 600);
    cairo_t* cr = picture.cr();
    drawBackdrop(cr);
    const std::map<std::string, int> tones = toneCountries(grid);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c) {
            if (isSea(grid, c, r))
                drawSeaSquare(cr, grid, c, r);
            else
                drawLandSquare(cr, c, r, LandTones[tones.at(grid[r][c])]);
        }
    drawGridLines(cr);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            if (!isSea(grid, c, r)) drawName(cr, grid[r][c], c, r);
    drawFrame(cr);
    drawCompassRose(cr, 762, 60, 26);
    drawTitle(cr);
    saveJpeg(picture, path);
}

}  // namespace

void forgeTravelMap(const Paths& paths) {
    const std::string source = paths.data + "txt/voyage.dta";
    const TravelFile file = parseTravelFile(readWholeFile(source), source);
    const NameGrid grid = placeCountries(file, source);
    writeProgramFile(file, paths.app + "txt/voyage.dta");
    drawMap(grid, paths.app + "bitmaps/background/0000.jpg");
}

}  // namespace forge
