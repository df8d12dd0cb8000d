// The background music: traditional French tunes in the public domain,
// transcribed here as note data, arranged for a few General MIDI
// instruments and written byte by byte as standard MIDI files (format 1).
//
// Note data is text. "A4:2" is the A above middle C held two sixteenths,
// "F#4:3" a dotted eighth, "r:4" a quarter rest and "|" a bar line: bars
// are checked, so a slip in a transcription stops the forge. Chords are
// written the same way: "G:8", "D7:16", "Am:8", "Gm7:4", "F/C:2" (F over a
// C bass) or "r:2" (no chord).
#include <algorithm>
#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forge.hpp"

namespace forge {

namespace {

constexpr int Ticks = 480;  // MIDI ticks per quarter note
constexpr int Step = Ticks / 4;  // note data counts sixteenths

// The General MIDI programs used (numbered from 0).
enum Program {
    Piano = 0,
    MusicBox = 10,
    Accordion = 21,
    NylonGuitar = 24,
    AcousticBass = 32,
    Pizzicato = 45,
    Harp = 46,
    Strings = 48,
    Oboe = 68,
    Bassoon = 70,
    Clarinet = 71,
    Flute = 73,
};

struct Note {
    int start;   // sixteenths
    int length;  // sixteenths
    int pitch;   // MIDI note number, 60 = middle C
    int velocity = 0;
};
using Line = std::vector<Note>;

// A chord of the harmony: pitch classes of its root and bass, and the
// intervals of its tones above the root (none: silence).
struct Chord {
    int start;
    int length;
    int root;
    int bass;
    std::vector<int> intervals;
};
using Progression = std::vector<Chord>;

[[noreturn]] void fail(const std::string& what, std::string_view where) {
    throw std::invalid_argument("music: " + what + " in \"" + std::string(where) + "\"");
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') ++i;
        const std::size_t from = i;
        while (i < text.size() && text[i] != ' ') ++i;
        if (i > from) out.push_back(text.substr(from, i - from));
    }
    return out;
}

// "D7:16" -> "D7" and 16.
std::pair<std::string_view, int> nameAndLength(std::string_view token) {
    const std::size_t colon = token.find(':');
    if (colon == std::string_view::npos || colon + 1 == token.size()) fail("missing length", token);
    int length = 0;
    for (char c : token.substr(colon + 1)) {
        if (c < '0' || c > '9') fail("bad length", token);
        length = length * 10 + (c - '0');
    }
    if (length <= 0) fail("empty length", token);
    return {token.substr(0, colon), length};
}

// The pitch class of a note letter with an optional '#' or 'b', read from
// `name` at `i`, which moves past it.
int pitchClass(std::string_view name, std::size_t& i) {
    static constexpr int Letters[7] = {9, 11, 0, 2, 4, 5, 7};  // A .. G
    if (i >= name.size() || name[i] < 'A' || name[i] > 'G') fail("bad note name", name);
    int pc = Letters[name[i++] - 'A'];
    if (i < name.size() && name[i] == '#') {
        ++pc;
        ++i;
    } else if (i < name.size() && name[i] == 'b') {
        --pc;
        ++i;
    }
    return (pc + 12) % 12;
}

int pitchOf(std::string_view name) {
    std::size_t i = 0;
    const int pc = pitchClass(name, i);
    if (i + 1 != name.size() || name[i] < '0' || name[i] > '8') fail("bad octave", name);
    return 12 * (name[i] - '0' + 1) + pc;
}

// A tune's notes from its text. Every bar must last `bar` sixteenths,
// except a first bar of `pickup` sixteenths (if any) and a last bar that
// completes it.
Line melody(std::string_view text, int bar, int pickup = 0) {
    Line line;
    std::vector<int> bars{0};
    int time = 0;
    for (std::string_view token : words(text)) {
        if (token == "|") {
            bars.push_back(0);
            continue;
        }
        const auto [name, length] = nameAndLength(token);
        if (name != "r") line.push_back({time, length, pitchOf(name)});
        time += length;
        bars.back() += length;
    }
    for (std::size_t b = 0; b < bars.size(); ++b) {
        int expected = bar;
        if (pickup > 0 && b == 0) expected = pickup;
        if (pickup > 0 && b + 1 == bars.size()) expected = bar - pickup;
        if (bars[b] != expected) fail("bar " + std::to_string(b + 1) + " lasts " + std::to_string(bars[b]), text);
    }
    return line;
}

Chord chordOf(std::string_view name, int start, int length) {
    if (name == "r") return {start, length, 0, 0, {}};
    std::size_t i = 0;
    const int root = pitchClass(name, i);
    int bass = root;
    const std::size_t slash = name.find('/');
    const std::string_view quality =
        name.substr(i, slash == std::string_view::npos ? std::string_view::npos : slash - i);
    if (slash != std::string_view::npos) {
        std::size_t j = slash + 1;
        bass = pitchClass(name, j);
        if (j != name.size()) fail("bad bass", name);
    }
    std::vector<int> intervals;
    if (quality.empty()) intervals = {0, 4, 7};
    else if (quality == "m") intervals = {0, 3, 7};
    else if (quality == "7") intervals = {0, 4, 7, 10};
    else if (quality == "m7") intervals = {0, 3, 7, 10};
    else fail("unknown chord", name);
    return {start, length, root, bass, intervals};
}

// A harmony from its text; bar lines are only there for the reader.
Progression chords(std::string_view text) {
    Progression progression;
    int time = 0;
    for (std::string_view token : words(text)) {
        if (token == "|") continue;
        const auto [name, length] = nameAndLength(token);
        progression.push_back(chordOf(name, time, length));
        time += length;
    }
    return progression;
}

int lengthOf(const Progression& progression) {
    return progression.empty() ? 0 : progression.back().start + progression.back().length;
}

// The lowest pitch of pitch class `pc` at or above `low`.
int atOrAbove(int pc, int low) { return low + ((pc - low) % 12 + 12) % 12; }

const Chord* chordAt(const Progression& progression, int time) {
    for (const Chord& c : progression)
        if (time >= c.start && time < c.start + c.length) return &c;
    return nullptr;
}

// The chord's tones in close position within the octave from `low`.
std::vector<int> voicing(const Chord& chord, int low) {
    std::vector<int> tones;
    for (int interval : chord.intervals) tones.push_back(atOrAbove(chord.root + interval, low));
    std::sort(tones.begin(), tones.end());
    return tones;
}

// Bass notes and chord strokes after a one-bar rhythm: 'B' a bass note (the
// chord's bass, then its fifth at the next 'B' of the same chord, and so
// on), 'C' the chord, '.' nothing. Bass notes hold until the next 'B'.
struct Strokes {
    Line bass;
    Line chords;
};

Strokes strokes(const Progression& progression, int bar, std::string_view rhythm, int bassLow, int chordLow,
                int chordLength) {
    const int steps = static_cast<int>(rhythm.size());
    const int step = bar / steps;
    if (step * steps != bar) fail("rhythm does not divide the bar", rhythm);
    Strokes out;
    const Chord* previous = nullptr;
    bool fifth = false;
    for (int time = 0, i = 0; time < lengthOf(progression); time += step, i = (i + 1) % steps) {
        const Chord* chord = chordAt(progression, time);
        if (!chord || chord->intervals.empty()) continue;
        const int chordEnd = chord->start + chord->length;
        if (chord != previous) fifth = false;
        previous = chord;
        if (rhythm[static_cast<std::size_t>(i)] == 'B') {
            int next = 1;
            while (next < steps && rhythm[static_cast<std::size_t>((i + next) % steps)] != 'B') ++next;
            const int pc = fifth ? chord->root + 7 : chord->bass;
            out.bass.push_back({time, std::min(next * step, chordEnd - time), atOrAbove(pc, bassLow)});
            fifth = !fifth;
        } else if (rhythm[static_cast<std::size_t>(i)] == 'C') {
            for (int pitch : voicing(*chord, chordLow))
                out.chords.push_back({time, std::min(chordLength, chordEnd - time), pitch});
        }
    }
    return out;
}

// Broken chords: every `step` sixteenths the next tone of `pattern`, an
// index into the chord's tones counted upward from its root at or above
// `low` (0 the root, 1 the third, 2 the fifth, 3 the root an octave up...).
// The pattern starts again with every chord and every bar; each note rings
// for `ring` steps, never past its chord.
Line arpeggio(const Progression& progression, int bar, const std::vector<int>& pattern, int step, int low, int ring) {
    Line out;
    const Chord* previous = nullptr;
    std::size_t index = 0;
    for (int time = 0; time < lengthOf(progression); time += step) {
        const Chord* chord = chordAt(progression, time);
        if (!chord || chord->intervals.empty()) continue;
        if (chord != previous || time % bar == 0) index = 0;
        previous = chord;
        const int tones = static_cast<int>(chord->intervals.size());
        const int k = pattern[index++ % pattern.size()];
        const int pitch =
            atOrAbove(chord->root, low) + chord->intervals[static_cast<std::size_t>(k % tones)] + 12 * (k / tones);
        out.push_back({time, std::min(ring * step, chord->start + chord->length - time), pitch});
    }
    return out;
}

// Sustained chords, voiced close within the octave from `low`; a chord
// repeated across a bar line is held rather than struck again.
Line held(const Progression& progression, int low) {
    Line out;
    const Chord* previous = nullptr;
    for (const Chord& chord : progression) {
        const bool same = previous && previous->root == chord.root && previous->intervals == chord.intervals &&
                          previous->start + previous->length == chord.start;
        if (same) {
            for (auto it = out.end() - static_cast<std::ptrdiff_t>(chord.intervals.size()); it != out.end(); ++it)
                it->length += chord.length;
        } else {
            for (int pitch : voicing(chord, low)) out.push_back({chord.start, chord.length, pitch});
        }
        if (!chord.intervals.empty()) previous = &chord;
        else previous = nullptr;
    }
    return out;
}

// The notes of `line` that start within [from, to).
Line within(const Line& line, int from, int to) {
    Line out;
    for (const Note& n : line)
        if (n.start >= from && n.start < to) out.push_back(n);
    return out;
}

struct Part {
    std::string name;
    int program;
    int volume;  // channel volume, 0..127
    int pan;     // 0 left .. 64 centre .. 127 right
    Line notes;
};

struct Song {
    std::string file;
    std::string title;
    int bpm;       // quarter notes per minute
    int beats;     // time signature: beats per bar
    int beatUnit;  // and the note value of a beat
    int bar;       // sixteenths per bar
    int pulse;     // sixteenths per felt beat (6 in 6/8)
    std::deque<Part> parts;  // a deque keeps references to parts valid
    std::vector<std::pair<int, int>> tempoChanges;  // (sixteenth, bpm): the closing ritardando

    Part& part(std::string name, int program, int volume, int pan) {
        parts.push_back({std::move(name), program, volume, pan, {}});
        return parts.back();
    }

    // Adds `line` to `part` from `at` sixteenths, `shift` semitones higher,
    // leaning on each bar's downbeat and lighter off the beat.
    void play(Part& into, const Line& line, int at, int shift, int velocity) const {
        for (const Note& n : line) {
            const int time = n.start + at;
            int v = velocity;
            if (time % bar == 0) v += 8;
            else if (time % pulse != 0) v -= 6;
            into.notes.push_back({time, n.length, n.pitch + shift, std::clamp(v, 1, 127)});
        }
    }

    // Broadens the last two bars before `end` (in sixteenths).
    void ritardando(int end) {
        tempoChanges.push_back({end - 2 * bar, bpm * 92 / 100});
        tempoChanges.push_back({end - bar, bpm * 80 / 100});
    }
};

// ---- Standard MIDI file writing ----

void putVarLen(std::string& out, std::uint32_t value) {
    std::uint8_t bytes[5];
    int count = 0;
    do {
        bytes[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value > 0);
    while (count > 1) out += static_cast<char>(bytes[--count] | 0x80);
    out += static_cast<char>(bytes[0]);
}

void putBigEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

struct Event {
    int tick;
    int order;  // at the same tick: set-up first, then note offs, then note ons
    std::string bytes;
};

std::string bytesOf(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

Event meta(int tick, int type, const std::string& data) {
    std::string bytes = bytesOf({0xFF, type});
    putVarLen(bytes, static_cast<std::uint32_t>(data.size()));
    return {tick, 0, bytes + data};
}

std::string chunk(const char* id, const std::string& body) {
    std::string out(id);
    putBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    return out + body;
}

std::string track(std::vector<Event> events, int endTick) {
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    events.push_back(meta(endTick, 0x2F, ""));
    std::string body;
    int now = 0;
    for (const Event& e : events) {
        putVarLen(body, static_cast<std::uint32_t>(e.tick - now));
        body += e.bytes;
        now = e.tick;
    }
    return chunk("MTrk", body);
}

std::string tempoBytes(int bpm) {
    std::string out;
    putBigEndian(out, static_cast<std::uint32_t>(60000000 / bpm), 3);
    return out;
}

int log2Of(int value) {
    int power = 0;
    while ((1 << power) < value) ++power;
    return power;
}

// Notes are let go a little early, so repeated notes stay distinct.
int soundingTicks(const Note& n) { return std::max(Step / 2, n.length * Step - std::min(48, n.length * Step / 8)); }

// A part's notes in time order, each cut short where the same pitch is
// struck again before it ends (a channel holds one note per pitch).
Line untangled(Line notes) {
    std::stable_sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) { return a.start < b.start; });
    for (std::size_t i = 0; i < notes.size(); ++i)
        for (std::size_t j = i + 1; j < notes.size() && notes[j].start < notes[i].start + notes[i].length; ++j)
            if (notes[j].pitch == notes[i].pitch && notes[j].start > notes[i].start) {
                notes[i].length = notes[j].start - notes[i].start;
                break;
            }
    return notes;
}

std::string midiFile(const Song& song) {
    int end = 0;
    for (const Part& p : song.parts)
        for (const Note& n : p.notes) end = std::max(end, n.start * Step + soundingTicks(n));
    end += 2 * Ticks;  // room for the last notes to ring out

    std::vector<std::string> tracks;
    std::vector<Event> conductor = {meta(0, 0x03, song.title),
                                    meta(0, 0x58, bytesOf({song.beats, log2Of(song.beatUnit), 6 * song.pulse, 8})),
                                    meta(0, 0x51, tempoBytes(song.bpm))};
    for (const auto& [at, bpm] : song.tempoChanges) conductor.push_back(meta(at * Step, 0x51, tempoBytes(bpm)));
    tracks.push_back(track(conductor, end));

    int channel = 0;
    for (const Part& p : song.parts) {
        if (channel == 9) ++channel;  // the percussion channel
        if (channel > 15) throw std::logic_error("music: too many parts in " + song.file);
        const int control = 0xB0 | channel;
        std::vector<Event> events = {meta(0, 0x03, p.name),
                                     {0, 0, bytesOf({control, 0, 0})},            // bank 0
                                     {0, 0, bytesOf({0xC0 | channel, p.program})},
                                     {0, 0, bytesOf({control, 7, p.volume})},
                                     {0, 0, bytesOf({control, 10, p.pan})},
                                     {0, 0, bytesOf({control, 91, 56})},           // reverb
                                     {0, 0, bytesOf({control, 93, 0})}};           // no chorus
        for (const Note& n : untangled(p.notes)) {
            if (n.pitch < 0 || n.pitch > 127) throw std::logic_error("music: note out of range in " + song.file);
            events.push_back({n.start * Step, 2, bytesOf({0x90 | channel, n.pitch, n.velocity})});
            events.push_back({n.start * Step + soundingTicks(n), 1, bytesOf({0x80 | channel, n.pitch, 0})});
        }
        events.push_back({end, 3, bytesOf({control, 123, 0})});  // all notes off
        tracks.push_back(track(events, end));
        ++channel;
    }

    std::string header;
    putBigEndian(header, 1, 2);  // format 1
    putBigEndian(header, static_cast<std::uint32_t>(tracks.size()), 2);
    putBigEndian(header, Ticks, 2);
    std::string out = chunk("MThd", header);
    for (const std::string& t : tracks) out += t;
    return out;
}

// The time a note text spans, in sixteenths, rests included.
int timeOf(std::string_view text) {
    int time = 0;
    for (std::string_view token : words(text))
        if (token != "|") time += nameAndLength(token).second;
    return time;
}

// One pass of a tune and one pass of its harmony must last the same time.
void requireSameLength(std::string_view tune, std::string_view harmony) {
    if (timeOf(tune) != timeOf(harmony)) fail("tune and harmony differ in length", harmony);
}

// ---- The tunes ----

// Au clair de la lune: the flute, then the clarinet over soft strings, on a
// finger-picked guitar and a plain bass.
Song auClairDeLaLune() {
    Song song{"01_au_clair_de_la_lune.mid", "Au clair de la lune", 100, 4, 4, 16, 4, {}, {}};
    const std::string a = "C5:4 C5:4 C5:4 D5:4 | E5:8 D5:8 | C5:4 E5:4 D5:4 D5:4 | C5:16";
    const std::string b = "D5:4 D5:4 D5:4 D5:4 | A4:8 A4:8 | D5:4 C5:4 B4:4 A4:4 | G4:16";
    const std::string text = a + " | " + a + " | " + b + " | " + a;
    const Line tune = melody(text, song.bar);
    const std::string ca = "C:16 | C:8 G:8 | C:8 G7:8 | C:16 | ";
    const std::string cb = "G:16 | D7:16 | G:12 D7:4 | G:8 G7:8 | ";
    const std::string verse = ca + ca + cb + ca;
    const int verse1 = 16, verse2 = verse1 + 256, ending = verse2 + 256;
    const Progression harmony = chords("C:16 | " + verse + verse);
    requireSameLength(text, verse);

    song.play(song.part("Flute", Flute, 112, 64), tune, verse1, 0, 92);
    song.play(song.part("Clarinet", Clarinet, 108, 60), tune, verse2, 0, 92);
    Part& guitar = song.part("Guitar", NylonGuitar, 98, 40);
    song.play(guitar, arpeggio(harmony, song.bar, {0, 2, 3, 4, 1, 2, 3, 2}, 2, 43, 3), 0, 0, 72);
    song.play(guitar, held(chords("C:16"), 48), ending, 0, 70);
    Part& bass = song.part("Bass", AcousticBass, 110, 64);
    song.play(bass, strokes(harmony, song.bar, "B.B.", 36, 0, 0).bass, 0, 0, 80);
    song.play(bass, melody("C2:16", song.bar), ending, 0, 80);
    Part& strings = song.part("Strings", Strings, 34, 88);
    song.play(strings, within(held(harmony, 55), verse2, ending), 0, 0, 64);
    song.play(strings, held(chords("C:16"), 55), ending, 0, 64);
    song.ritardando(ending + song.bar);
    return song;
}

// Frère Jacques as a round: flute, clarinet, harp and bassoon enter two
// bars apart over a plucked bass, and meet on a last chord.
Song frereJacques() {
    Song song{"02_frere_jacques.mid", "Frere Jacques", 108, 4, 4, 16, 4, {}, {}};
    const std::string text =
        "C5:4 D5:4 E5:4 C5:4 | C5:4 D5:4 E5:4 C5:4 | E5:4 F5:4 G5:8 | E5:4 F5:4 G5:8 | "
        "G5:2 A5:2 G5:2 F5:2 E5:4 C5:4 | G5:2 A5:2 G5:2 F5:2 E5:4 C5:4 | C5:4 G4:4 C5:8 | C5:4 G4:4 C5:8";
    const Line tune = melody(text, song.bar);
    struct Voice {
        const char* name;
        int program;
        int volume;
        int shift;
        int pan;
    };
    const Voice voices[] = {{"Flute", Flute, 108, 0, 64},
                            {"Clarinet", Clarinet, 125, -12, 36},
                            {"Harp", Harp, 89, 0, 92},
                            {"Bassoon", Bassoon, 123, -24, 50}};
    const int intro = 16, entry = 2 * song.bar, tuneLength = timeOf(text);
    const int ending = intro + 3 * entry + 2 * tuneLength;
    for (int v = 0; v < 4; ++v) {
        Part& part = song.part(voices[v].name, voices[v].program, voices[v].volume, voices[v].pan);
        for (int time : {0, tuneLength}) song.play(part, tune, intro + v * entry + time, voices[v].shift, 90);
    }
    std::string pedal;
    for (int b = 0; b < ending / song.bar; ++b) pedal += "C:16 ";
    Part& bass = song.part("Bass", Pizzicato, 94, 64);
    song.play(bass, strokes(chords(pedal), song.bar, "B.B.", 36, 0, 0).bass, 0, 0, 84);
    song.play(bass, melody("C2:16", song.bar), ending, 0, 84);
    song.play(song.part("Strings", Strings, 43, 76), held(chords("C:16"), 55), ending, 0, 70);
    song.play(song.parts.front(), melody("C5:16", song.bar), ending, 0, 80);
    song.ritardando(ending + song.bar);
    return song;
}

// Sur le pont d'Avignon, danced five times round: piano, flute, clarinet,
// piano again an octave up, then flute and clarinet together, over a
// bouncing bass-and-chord accompaniment.
Song surLePontDAvignon() {
    Song song{"03_sur_le_pont_d_avignon.mid", "Sur le pont d'Avignon", 104, 2, 4, 8, 4, {}, {}};
    const std::string text =
        "G4:2 G4:2 G4:4 | A4:2 A4:2 A4:4 | B4:3 C5:1 D5:2 G4:2 | F#4:3 G4:1 A4:2 D4:2 | "
        "G4:2 G4:2 G4:4 | A4:2 A4:2 A4:4 | B4:3 C5:1 D5:2 G4:2 | A4:2 F#4:2 G4:2 r:2";
    const Line tune = melody(text, song.bar);
    const std::string round = "G:8 | D:8 | G:8 | D7:8 | G:8 | D:8 | G:8 | D7:4 G:4 | ";
    const int intro = 2 * song.bar, length = 8 * song.bar;
    std::string accompaniment = "G:8 | D7:8 | ";
    for (int k = 0; k < 5; ++k) accompaniment += round;
    const Progression harmony = chords(accompaniment);
    requireSameLength(text, round);
    const int ending = lengthOf(harmony);
    auto pass = [&](int k) { return intro + k * length; };

    Part& piano = song.part("Piano", Piano, 127, 60);
    Part& flute = song.part("Flute", Flute, 105, 70);
    Part& clarinet = song.part("Clarinet", Clarinet, 122, 56);
    Part& left = song.part("Piano left hand", Piano, 127, 52);
    Part& pizzicato = song.part("Pizzicato", Pizzicato, 79, 84);
    Part& strings = song.part("Strings", Strings, 34, 96);
    song.play(piano, tune, pass(0), 0, 112);
    song.play(flute, tune, pass(1), 12, 90);
    song.play(clarinet, tune, pass(2), 0, 92);
    song.play(piano, tune, pass(3), 12, 106);
    song.play(flute, tune, pass(4), 12, 88);
    song.play(clarinet, tune, pass(4), 0, 84);

    const Strokes struck = strokes(harmony, song.bar, "BCBC", 38, 55, 2);
    const Strokes plucked = strokes(harmony, song.bar, "BCBC", 38, 55, 1);
    for (int k : {-1, 0, 2, 4}) {
        const int from = k < 0 ? 0 : pass(k), to = k < 0 ? intro : pass(k + 1);
        song.play(left, within(struck.bass, from, to), 0, 0, 74);
        song.play(left, within(struck.chords, from, to), 0, 0, 62);
    }
    for (int k : {1, 3}) {
        song.play(pizzicato, within(plucked.bass, pass(k), pass(k + 1)), 0, 0, 88);
        song.play(pizzicato, within(plucked.chords, pass(k), pass(k + 1)), 0, 0, 72);
    }
    const Line pad = held(harmony, 55);
    song.play(strings, within(pad, pass(2), pass(3)), 0, 0, 60);
    song.play(strings, within(pad, pass(4), ending), 0, 0, 64);

    const Progression last = chords("G:8");
    song.play(left, held(last, 55), ending, 0, 66);
    song.play(left, melody("G2:8", song.bar), ending, 0, 74);
    song.play(strings, held(last, 55), ending, 0, 66);
    song.play(flute, melody("G5:8", song.bar), ending, 0, 80);
    song.play(clarinet, melody("G4:8", song.bar), ending, 0, 76);
    song.ritardando(ending + song.bar);
    return song;
}

// A la claire fontaine, tender and slow: a flowing harp under the flute,
// then the clarinet with strings, then flute and clarinet in octaves.
Song aLaClaireFontaine() {
    Song song{"04_a_la_claire_fontaine.mid", "A la claire fontaine", 72, 2, 4, 8, 4, {}, {}};
    const std::string text =
        "F4:4 F4:2 A4:2 | A4:2 G4:2 A4:2 G4:2 | F4:4 F4:2 A4:2 | A4:2 G4:2 A4:4 | "
        "A4:4 A4:2 G4:2 | F4:2 A4:2 C5:2 A4:2 | C5:4 C5:2 A4:2 | F4:2 A4:2 G4:4 | "
        "F4:4 F4:2 A4:2 | A4:2 G4:1 F4:1 A4:2 F4:2 | A4:4 A4:2 G4:1 F4:1 | A4:2 G4:2 F4:4";
    const Line tune = melody(text, song.bar);
    const std::string verse =
        "F:8 | F:4 C:4 | F:8 | C:4 F:4 | F:4 C:4 | F:8 | F:8 | F:4 C:4 | "
        "F:8 | F:4 Dm:4 | Dm:8 | F/C:2 C7:2 F:4 | ";
    const int intro = 2 * song.bar, length = 12 * song.bar;
    const Progression harmony = chords("F:8 | F:8 | " + verse + verse + verse + "F:8");
    requireSameLength(text, verse);
    const int ending = intro + 3 * length;
    auto pass = [&](int k) { return intro + k * length; };

    Part& flute = song.part("Flute", Flute, 112, 64);
    Part& clarinet = song.part("Clarinet", Clarinet, 126, 58);
    Part& harp = song.part("Harp", Harp, 75, 44);
    Part& strings = song.part("Strings", Strings, 39, 90);
    song.play(flute, tune, pass(0), 12, 88);
    song.play(clarinet, tune, pass(1), 0, 90);
    song.play(flute, tune, pass(2), 12, 86);
    song.play(clarinet, tune, pass(2), 0, 78);
    song.play(harp, arpeggio(harmony, song.bar, {0, 2, 3, 4, 5, 4, 3, 2}, 1, 41, 4), 0, 0, 70);
    const Line pad = held(harmony, 53);
    song.play(strings, within(pad, pass(1), ending), 0, 0, 58);
    song.play(strings, within(pad, ending, ending + song.bar), 0, 0, 62);
    song.play(flute, melody("F5:8", song.bar), ending, 0, 76);
    song.play(clarinet, melody("F4:8", song.bar), ending, 0, 72);
    song.ritardando(ending + song.bar);
    return song;
}

// J'ai du bon tabac, cheerful: clarinet, then accordion, then flute and
// clarinet together, over an oom-pah piano and, later, a plucked bass.
Song jAiDuBonTabac() {
    Song song{"05_j_ai_du_bon_tabac.mid", "J'ai du bon tabac", 120, 4, 4, 16, 4, {}, {}};
    const std::string text =
        "G4:2 A4:2 B4:2 G4:2 | A4:4 A4:2 B4:2 C5:4 C5:4 | B4:4 B4:4 G4:2 A4:2 B4:2 G4:2 | "
        "A4:4 A4:2 B4:2 C5:4 D5:4 | G4:8 D5:4 D5:2 C5:2 | B4:4 A4:2 B4:2 C5:4 D5:4 | "
        "A4:8 D5:4 D5:2 C5:2 | B4:4 A4:2 B4:2 C5:4 D5:4 | A4:8 G4:2 A4:2 B4:2 G4:2 | "
        "A4:4 A4:2 B4:2 C5:4 C5:4 | B4:4 B4:4 G4:2 A4:2 B4:2 G4:2 | A4:4 A4:2 B4:2 C5:4 D5:4 | G4:8";
    const Line tune = melody(text, song.bar, 8);
    const std::string verse =
        "G:8 | D7:16 | G:16 | Am:8 D7:8 | G:8 G:4 D7:4 | G:8 D7:8 | D:8 D7:8 | G:8 D7:8 | D:8 G:8 | "
        "D7:16 | G:16 | Am:8 D7:8 | G:8 ";
    const int intro = 24, length = lengthOf(chords(verse));
    const Progression harmony = chords("G:16 | D7:8 " + verse + verse + verse + "G:8");
    requireSameLength(text, verse);
    const int ending = intro + 3 * length;
    auto pass = [&](int k) { return intro + k * length; };

    Part& clarinet = song.part("Clarinet", Clarinet, 120, 60);
    Part& accordion = song.part("Accordion", Accordion, 125, 68);
    Part& flute = song.part("Flute", Flute, 109, 72);
    Part& piano = song.part("Piano", Piano, 127, 48);
    Part& bass = song.part("Bass", AcousticBass, 101, 64);
    song.play(clarinet, tune, pass(0), 0, 92);
    song.play(accordion, tune, pass(1), 0, 88);
    song.play(flute, tune, pass(2), 12, 88);
    song.play(clarinet, tune, pass(2), 0, 82);
    const Strokes oomPah = strokes(harmony, song.bar, "BCBC", 38, 55, 3);
    song.play(piano, oomPah.bass, 0, 0, 84);
    song.play(piano, oomPah.chords, 0, 0, 72);
    song.play(bass, within(strokes(harmony, song.bar, "B.B.", 31, 0, 0).bass, pass(1), ending + song.bar), 0, 0, 82);
    song.play(piano, held(chords("G:16"), 55), ending + 8, 0, 64);
    song.play(flute, melody("G5:16", song.bar), ending + 8, 0, 78);
    song.play(clarinet, melody("G4:16", song.bar), ending + 8, 0, 74);
    song.play(bass, melody("G1:16", song.bar), ending + 8, 0, 80);
    song.ritardando(ending + 8 + song.bar);
    return song;
}

// Ah ! vous dirai-je, maman: a music box over an Alberti piano, then the
// flute over running piano sixteenths, strings and a plucked bass.
Song ahVousDiraiJeMaman() {
    Song song{"06_ah_vous_dirai_je_maman.mid", "Ah ! vous dirai-je, maman", 96, 4, 4, 16, 4, {}, {}};
    const std::string text =
        "C5:4 C5:4 G5:4 G5:4 | A5:4 A5:4 G5:8 | F5:4 F5:4 E5:4 E5:4 | D5:4 D5:4 C5:8 | "
        "G5:4 G5:4 F5:4 F5:4 | E5:4 E5:4 D5:8 | G5:4 G5:4 F5:4 F5:4 | E5:4 E5:4 D5:8 | "
        "C5:4 C5:4 G5:4 G5:4 | A5:4 A5:4 G5:8 | F5:4 F5:4 E5:4 E5:4 | D5:4 D5:4 C5:8";
    const Line tune = melody(text, song.bar);
    const std::string verse =
        "C:16 | F:8 C:8 | F:8 C:8 | G7:8 C:8 | C:8 G7:8 | C:8 G:8 | C:8 G7:8 | C:8 G:8 | "
        "C:16 | F:8 C:8 | F:8 C:8 | G7:8 C:8 | ";
    const int intro = song.bar, length = 12 * song.bar;
    const Progression harmony = chords("C:16 | " + verse + verse);
    requireSameLength(text, verse);
    const int ending = intro + 2 * length;

    Part& box = song.part("Music box", MusicBox, 127, 64);
    Part& flute = song.part("Flute", Flute, 110, 64);
    Part& piano = song.part("Piano", Piano, 127, 50);
    Part& pizzicato = song.part("Pizzicato", Pizzicato, 94, 76);
    Part& strings = song.part("Strings", Strings, 37, 92);
    song.play(box, tune, intro, 0, 108);
    song.play(flute, tune, intro + length, 0, 90);
    song.play(piano, within(arpeggio(harmony, song.bar, {0, 2, 1, 2}, 2, 48, 2), 0, intro + length), 0, 0, 80);
    song.play(piano, within(arpeggio(harmony, song.bar, {0, 2, 1, 2}, 1, 48, 1), intro + length, ending), 0, 0, 76);
    song.play(pizzicato, within(strokes(harmony, song.bar, "B.B.", 36, 0, 0).bass, intro + length, ending), 0, 0, 84);
    song.play(strings, within(held(harmony, 55), intro + length, ending), 0, 0, 58);
    const Progression last = chords("C:16");
    song.play(piano, held(last, 48), ending, 0, 64);
    song.play(pizzicato, melody("C2:16", song.bar), ending, 0, 84);
    song.play(strings, held(last, 55), ending, 0, 62);
    song.play(flute, melody("C5:16", song.bar), ending, 0, 80);
    song.ritardando(ending + song.bar);
    return song;
}

// Il etait une bergere, a lilting round dance in 6/8: oboe, flute,
// clarinet, then flute and oboe together, over a strummed guitar and bass.
Song ilEtaitUneBergere() {
    Song song{"07_il_etait_une_bergere.mid", "Il etait une bergere", 132, 6, 8, 12, 6, {}, {}};
    const std::string text =
        "E4:2 | A4:4 B4:2 C#5:4 B4:2 | A4:6 A4:4 E4:2 | F#4:4 F#4:2 E4:2 E4:2 E4:2 | F#4:4 F#4:2 E4:4 E4:2 | "
        "A4:4 B4:2 C#5:4 B4:2 | A4:6 A4:4 E5:2 | C#5:4 A4:2 B4:4 E4:2 | A4:4 A4:2 A4:4 E5:2 | "
        "C#5:4 A4:2 B4:4 E4:2 | A4:8 r:2";
    const Line tune = melody(text, song.bar, 2);
    const std::string verse =
        "A:12 | A:12 | D:6 A:6 | D:6 A:6 | A:12 | A:12 | A:6 E7:6 | A:12 | A:6 E7:6 | A:12 | ";
    const int length = 10 * song.bar;
    const Progression harmony = chords("A:12 | " + verse + verse + verse + verse);
    requireSameLength(text, verse);
    const int ending = lengthOf(harmony);
    auto pass = [&](int k) { return song.bar + k * length - 2; };

    Part& oboe = song.part("Oboe", Oboe, 127, 58);
    Part& flute = song.part("Flute", Flute, 108, 70);
    Part& clarinet = song.part("Clarinet", Clarinet, 114, 62);
    Part& guitar = song.part("Guitar", NylonGuitar, 112, 40);
    Part& bass = song.part("Bass", AcousticBass, 91, 64);
    song.play(oboe, tune, pass(0), 0, 88);
    song.play(flute, tune, pass(1), 12, 88);
    song.play(clarinet, tune, pass(2), 0, 92);
    song.play(flute, tune, pass(3), 12, 86);
    song.play(oboe, tune, pass(3), 0, 80);
    const Strokes strum = strokes(harmony, song.bar, "BCCBCC", 40, 57, 2);
    song.play(guitar, strum.chords, 0, 0, 64);
    song.play(bass, strum.bass, 0, 0, 84);
    const Progression last = chords("A:12");
    song.play(guitar, held(last, 57), ending, 0, 66);
    song.play(bass, melody("A1:12", song.bar), ending, 0, 82);
    song.play(flute, melody("A5:12", song.bar), ending, 0, 78);
    song.play(oboe, melody("A4:12", song.bar), ending, 0, 74);
    song.ritardando(ending + song.bar);
    return song;
}

}  // namespace

void forgeMusic(const Paths& paths) {
    const Song songs[] = {auClairDeLaLune(), frereJacques(), surLePontDAvignon(), aLaClaireFontaine(),
                          jAiDuBonTabac(), ahVousDiraiJeMaman(), ilEtaitUneBergere()};
    for (const Song& song : songs) saveBytes(paths.app + "music/" + song.file, midiFile(song));
}

}  // namespace forge
