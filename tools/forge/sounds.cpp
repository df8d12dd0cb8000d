// The sound effects: Sons/0.wav .. 13.wav, each synthesised from
// oscillators, decaying partials, a plucked string and filtered noise, then
// written as 16-bit stereo PCM at 44.1 kHz.
//
// Every voice starts with a short attack and ends with a short fade, so no
// sound clicks. Every sound is scaled to peak at -6 dBFS, except the airy
// whooshes, which sit a little lower, and sustained sounds, whose loudness
// is capped instead.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "forge.hpp"

namespace forge {

namespace {

constexpr int Rate = 44100;
constexpr double TwoPi = 2 * M_PI;
constexpr double PeakLevel = 0.5;      // -6 dBFS
constexpr double SoftPeakLevel = 0.4;  // about -8 dBFS, for noise
// Sustained sounds reach their peak level with far more energy than short
// struck ones: their RMS level is held to this (-16 dBFS) instead.
constexpr double LoudestRms = 0.16;

using Samples = std::vector<double>;

int sampleCount(double seconds) { return static_cast<int>(std::lround(seconds * Rate)); }

// Note frequency from a MIDI number (69 = A4 = 440 Hz).
double hz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// A smooth 0..1 rise over `length` seconds (raised cosine).
double rise(double t, double length) {
    if (length <= 0 || t >= length) return 1.0;
    return 0.5 - 0.5 * std::cos(M_PI * t / length);
}

// Fades the first `in` and last `out` seconds of a voice so it starts and
// stops at zero.
void fadeEnds(Samples& s, double in, double out) {
    const int n = static_cast<int>(s.size());
    const int inCount = std::min(n, sampleCount(in));
    const int outCount = std::min(n, sampleCount(out));
    for (int i = 0; i < inCount; ++i) s[i] *= rise(i, inCount);
    for (int i = 0; i < outCount; ++i) s[n - 1 - i] *= rise(i, outCount);
}

// One sine component of a tone. `decay` is the time (s) in which it falls
// to 1/e (0: it holds); `onset` is how long it takes to swell in, which lets
// the upper partials of a brass note bloom after the fundamental.
struct Partial {
    double ratio;
    double amplitude;
    double decay = 0;
    double onset = 0;
};

struct Tone {
    double frequency;
    double seconds;
    std::vector<Partial> partials;
    double attack = 0.004;
    double release = 0.02;
    double glideFrom = 1.0;  // starting pitch, as a ratio of `frequency`
    double glideTime = 0.0;  // time constant of the glide to the pitch
    double vibratoDepth = 0.0;  // fraction of the pitch
    double vibratoRate = 5.5;
    double vibratoDelay = 0.15;
};

// Additive synthesis: the partials of `tone`, with its pitch glide,
// vibrato and envelope.
Samples render(const Tone& tone) {
    Samples out(static_cast<std::size_t>(sampleCount(tone.seconds)), 0.0);
    std::vector<double> phases(tone.partials.size(), 0.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        double pitch = tone.frequency;
        if (tone.glideTime > 0) pitch *= 1 + (tone.glideFrom - 1) * std::exp(-t / tone.glideTime);
        if (tone.vibratoDepth > 0 && t > tone.vibratoDelay) {
            const double since = t - tone.vibratoDelay;
            pitch *= 1 + tone.vibratoDepth * rise(since, 0.2) * std::sin(TwoPi * tone.vibratoRate * since);
        }
        double value = 0;
        for (std::size_t p = 0; p < tone.partials.size(); ++p) {
            const Partial& partial = tone.partials[p];
            const double f = pitch * partial.ratio;
            if (f >= Rate * 0.45) continue;
            phases[p] += TwoPi * f / Rate;
            double level = partial.amplitude;
            if (partial.decay > 0) level *= std::exp(-t / partial.decay);
            if (partial.onset > 0) level *= 1 - std::exp(-t / partial.onset);
            value += level * std::sin(phases[p]);
        }
        out[i] = value;
    }
    fadeEnds(out, tone.attack, tone.release);
    return out;
}

// A tone with a plain envelope: no glide, no vibrato.
Samples plainTone(double frequency, double seconds, std::vector<Partial> partials, double attack, double release) {
    return render({.frequency = frequency,
                   .seconds = seconds,
                   .partials = std::move(partials),
                   .attack = attack,
                   .release = release});
}

// Bell-like partials: a fundamental with slightly inharmonic overtones
// that die away faster the higher they are.
std::vector<Partial> chimePartials(double length) {
    return {{1.0, 1.0, length}, {2.0, 0.28, length * 0.5}, {3.0, 0.10, length * 0.3}, {4.16, 0.06, length * 0.12}};
}

// A soft mallet: fundamental plus the quickly fading fourth partial that
// gives a marimba or vibraphone its knock.
std::vector<Partial> malletPartials(double length) {
    return {{1.0, 1.0, length}, {3.98, 0.22, length * 0.15}, {9.8, 0.04, length * 0.05}};
}

// A brass note: harmonics falling off with their rank and swelling in one
// after the other, which makes the bright "blat" of a horn.
std::vector<Partial> brassPartials() {
    std::vector<Partial> partials;
    for (int n = 1; n <= 10; ++n)
        partials.push_back({static_cast<double>(n), 1.0 / std::pow(n, 1.3), 0, 0.006 + 0.004 * n});
    return partials;
}

// A mellow reed: odd harmonics, as in a clarinet's low register.
std::vector<Partial> reedPartials() { return {{1, 1.0}, {3, 0.30}, {5, 0.12}, {7, 0.05}, {2, 0.08}}; }

// Raw mt19937 words mapped by hand to -1..1, so the noise is the same with
// every standard library.
class Noise {
public:
    explicit Noise(unsigned seed) : engine_(seed) {}
    double next() { return static_cast<double>(engine_()) / 2147483647.5 - 1.0; }

private:
    std::mt19937 engine_;
};

// A plucked string (Karplus-Strong): the string's initial shape, a
// triangle pulled at a fifth of its length with a little grit of noise,
// circulates in a delay line one period long, losing its highs on every pass.
Samples pluck(double frequency, double seconds, double sustain, unsigned seed) {
    Noise noise(seed);
    const int period = std::max(2, static_cast<int>(std::lround(Rate / frequency)));
    const double pullAt = period / 5.0;
    Samples line(static_cast<std::size_t>(period));
    for (int i = 0; i < period; ++i) {
        const double shape = i < pullAt ? i / pullAt : (period - i) / (period - pullAt);
        line[static_cast<std::size_t>(i)] = shape - 0.5 + 0.1 * noise.next();
    }
    Samples out(static_cast<std::size_t>(sampleCount(seconds)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::size_t at = i % line.size();
        const std::size_t next = (i + 1) % line.size();
        out[i] = line[at];
        line[at] = sustain * 0.5 * (line[at] + line[next]);
    }
    fadeEnds(out, 0.003, 0.04);
    return out;
}

// Breath of air: white noise through a band-pass filter (of quality `q`)
// whose centre moves from `fromHz` to `peakHz`, reached at `peakAt` of the
// length where the sound is loudest, and on to `toHz`.
Samples sweptNoise(double seconds, double fromHz, double peakHz, double toHz, double peakAt, double q, unsigned seed) {
    Noise noise(seed);
    Samples out(static_cast<std::size_t>(sampleCount(seconds)));
    double low = 0, band = 0;
    const double damping = 1.0 / q;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(out.size());
        double centre, level;
        if (x < peakAt) {
            const double k = x / peakAt;
            centre = fromHz * std::pow(peakHz / fromHz, k);
            level = rise(k, 1.0);
        } else {
            const double k = (x - peakAt) / (1 - peakAt);
            centre = peakHz * std::pow(toHz / peakHz, k);
            level = 1 - rise(k, 1.0);
        }
        const double f = 2 * std::sin(M_PI * centre / Rate);
        const double high = noise.next() - low - damping * band;
        band += f * high;
        low += f * band;
        out[i] = band * level;
    }
    fadeEnds(out, 0.005, 0.01);
    return out;
}

// A stereo buffer that voices are mixed into.
class Mix {
public:
    explicit Mix(double seconds)
        : left_(static_cast<std::size_t>(sampleCount(seconds)), 0.0), right_(left_.size(), 0.0) {}

    // Adds `voice` from `at` seconds, panned from `panFrom` to `panTo`
    // (-1 left .. +1 right) over its length, with constant power.
    void add(double at, const Samples& voice, double gain, double panFrom = 0, double panTo = 0) {
        const std::size_t start = static_cast<std::size_t>(sampleCount(at));
        for (std::size_t i = 0; i < voice.size() && start + i < left_.size(); ++i) {
            const double x = voice.size() > 1 ? static_cast<double>(i) / static_cast<double>(voice.size() - 1) : 0;
            const double pan = panFrom + (panTo - panFrom) * x;
            const double angle = (pan + 1) * M_PI / 4;
            left_[start + i] += gain * voice[i] * std::cos(angle) * M_SQRT2;
            right_[start + i] += gain * voice[i] * std::sin(angle) * M_SQRT2;
        }
    }

    // Scales the mix to `peak` (or less, if its RMS level would exceed
    // LoudestRms), fades its very ends and writes the WAV.
    void save(const std::string& path, double peak = PeakLevel) {
        double highest = 1e-9, energy = 0;
        for (std::size_t i = 0; i < left_.size(); ++i) {
            highest = std::max({highest, std::abs(left_[i]), std::abs(right_[i])});
            energy += left_[i] * left_[i] + right_[i] * right_[i];
        }
        const double rms = std::sqrt(energy / (2.0 * static_cast<double>(left_.size())));
        const double gain = std::min(peak / highest, LoudestRms / std::max(rms, 1e-9));
        for (Samples* channel : {&left_, &right_}) {
            for (double& v : *channel) v *= gain;
            fadeEnds(*channel, 0.001, 0.005);
        }
        saveBytes(path, wavBytes());
    }

private:
    static void put16(std::string& s, std::uint32_t v) {
        s += static_cast<char>(v & 0xFF);
        s += static_cast<char>((v >> 8) & 0xFF);
    }
    static void put32(std::string& s, std::uint32_t v) {
        put16(s, v & 0xFFFF);
        put16(s, v >> 16);
    }
    static std::uint32_t pcm(double v) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        return static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(q)));
    }

    std::string wavBytes() const {
        const std::uint32_t dataBytes = static_cast<std::uint32_t>(left_.size() * 4);
        std::string out = "RIFF";
        put32(out, 36 + dataBytes);
        out += "WAVEfmt ";
        put32(out, 16);
        put16(out, 1);  // PCM
        put16(out, 2);  // stereo
        put32(out, Rate);
        put32(out, Rate * 4);
        put16(out, 4);
        put16(out, 16);
        out += "data";
        put32(out, dataBytes);
        for (std::size_t i = 0; i < left_.size(); ++i) {
            put16(out, pcm(left_[i]));
            put16(out, pcm(right_[i]));
        }
        return out;
    }

    Samples left_, right_;
};

// MIDI note numbers used below.
enum Pitch {
    E4 = 64, F4 = 65, Fs4 = 66, G4 = 67,
    C5 = 72, E5 = 76, G5 = 79, A5 = 81, B5 = 83,
    C6 = 84, E6 = 88, G6 = 91, A6 = 93
};

Samples chime(int midi, double seconds, double decay) {
    return plainTone(hz(midi), seconds, chimePartials(decay), 0.003, 0.05);
}

Samples mallet(int midi, double seconds, double decay) {
    return plainTone(hz(midi), seconds, malletPartials(decay), 0.002, 0.04);
}

// 0: the game is ready: two rising chime notes, a fourth apart.
void readyChime(const std::string& path) {
    Mix mix(0.95);
    mix.add(0.0, chime(G5, 0.8, 0.30), 0.8, -0.15, -0.15);
    mix.add(0.13, chime(C6, 0.82, 0.34), 1.0, 0.15, 0.15);
    mix.save(path);
}

// 1: a short soft blip.
void softBlip(const std::string& path) {
    Mix mix(0.08);
    const Tone blip{.frequency = 1400, .seconds = 0.08, .partials = {{1, 1.0, 0.018}, {2, 0.12, 0.008}},
                    .attack = 0.0015, .release = 0.015, .glideFrom = 1.08, .glideTime = 0.006};
    mix.add(0, render(blip), 1.0);
    mix.save(path);
}

// 2: a soft wooden "tock": a few quickly damped inharmonic modes of a small
// block and the brief noise of the contact.
void woodenTock(const std::string& path) {
    Mix mix(0.16);
    const Tone block{.frequency = 520, .seconds = 0.16,
                     .partials = {{1.0, 1.0, 0.030}, {2.71, 0.45, 0.014}, {5.09, 0.18, 0.007}},
                     .attack = 0.0012, .release = 0.03, .glideFrom = 1.06, .glideTime = 0.008};
    mix.add(0, render(block), 1.0);
    mix.add(0, sweptNoise(0.012, 1800, 1800, 1800, 0.1, 1.5, 2), 0.5);
    mix.save(path);
}

// 3: a neutral pop: a bubble whose pitch springs upward.
void bubblePop(const std::string& path) {
    Mix mix(0.12);
    const Tone pop{.frequency = 620, .seconds = 0.12, .partials = {{1, 1.0, 0.032}, {2, 0.08, 0.015}},
                   .attack = 0.002, .release = 0.03, .glideFrom = 0.45, .glideTime = 0.012};
    mix.add(0, render(pop), 1.0);
    mix.save(path);
}

// 4: the travel fanfare: a bugle call G-C-E rising to a held G, with two
// horns joining on the last note.
void travelFanfare(const std::string& path) {
    Mix mix(1.1);
    const int calls[] = {G4, C5, E5};
    for (int i = 0; i < 3; ++i) mix.add(0.16 * i, plainTone(hz(calls[i]), 0.15, brassPartials(), 0.012, 0.04), 0.85);
    const Tone last{.frequency = hz(G5), .seconds = 0.62, .partials = brassPartials(), .attack = 0.015, .release = 0.18,
                    .vibratoDepth = 0.006, .vibratoDelay = 0.18};
    mix.add(0.48, render(last), 1.0);
    const std::pair<int, double> horns[] = {{C5, -0.4}, {E5, 0.4}};
    for (const auto& [midi, pan] : horns)
        mix.add(0.48, plainTone(hz(midi), 0.62, brassPartials(), 0.03, 0.18), 0.4, pan, pan);
    mix.save(path);
}

// 5: the traveller moves on: a broad whoosh passing from left to right.
void passingWhoosh(const std::string& path) {
    Mix mix(0.6);
    mix.add(0, sweptNoise(0.6, 350, 1300, 500, 0.55, 3.5, 5), 1.0, -0.7, 0.7);
    mix.add(0, sweptNoise(0.6, 150, 320, 180, 0.5, 1.2, 55), 0.6, -0.4, 0.4);
    mix.save(path, SoftPeakLevel);
}

// 6: a gentle bell with a slow shimmer.
void gentleBell(const std::string& path) {
    Mix mix(1.5);
    const Tone bell{.frequency = hz(E5), .seconds = 1.5,
                    .partials = {{1.0, 1.0, 0.75}, {1.003, 0.35, 0.7}, {2.0, 0.3, 0.45}, {2.76, 0.18, 0.25},
                                 {4.07, 0.08, 0.12}, {5.40, 0.05, 0.08}},
                    .attack = 0.004, .release = 0.25};
    mix.add(0, render(bell), 1.0);
    mix.save(path);
}

// 7: a bright pluck, a high string with a glint of its octave.
void brightPluck(const std::string& path) {
    Mix mix(0.5);
    mix.add(0, pluck(hz(A5), 0.5, 0.994, 7), 1.0);
    mix.add(0, plainTone(hz(A6), 0.25, {{1, 1.0, 0.06}}, 0.002, 0.03), 0.15);
    mix.save(path);
}

// 8: a "ding-dong" on a vibraphone: a major third falling.
void dingDong(const std::string& path) {
    Mix mix(1.0);
    mix.add(0, mallet(E6, 0.5, 0.35), 1.0, -0.2, -0.2);
    mix.add(0.3, mallet(C6, 0.7, 0.40), 1.0, 0.2, 0.2);
    mix.save(path);
}

// 9: the menu panel slides in: a short, airy rising swish.
void panelSwish(const std::string& path) {
    Mix mix(0.3);
    mix.add(0, sweptNoise(0.3, 900, 3200, 2200, 0.45, 1.4, 9), 1.0, 0.3, -0.3);
    mix.save(path, SoftPeakLevel);
}

// 10: a short low blip that sinks a little.
void lowBlip(const std::string& path) {
    Mix mix(0.13);
    const Tone blip{.frequency = 220, .seconds = 0.13, .partials = {{1, 1.0, 0.05}, {2, 0.35, 0.03}, {3, 0.1, 0.02}},
                    .attack = 0.003, .release = 0.03, .glideFrom = 1.12, .glideTime = 0.03};
    mix.add(0, render(blip), 1.0);
    mix.save(path);
}

// 11: the game is won: a rising C major arpeggio on mallets, landing on a
// ringing chord.
void victory(const std::string& path) {
    Mix mix(1.25);
    const int arpeggio[] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i) mix.add(0.09 * i, mallet(arpeggio[i], 0.35, 0.18), 0.8, -0.3 + 0.2 * i, -0.3 + 0.2 * i);
    const int chord[] = {G5, C6, E6, G6};
    for (int i = 0; i < 4; ++i) mix.add(0.38, chime(chord[i], 0.87, 0.32), 0.5, -0.3 + 0.2 * i, -0.3 + 0.2 * i);
    mix.save(path);
}

// 12: the game is lost: four soft reed notes sliding down by semitones,
// the last one long and wavering.
void defeat(const std::string& path) {
    Mix mix(1.25);
    const int notes[] = {G4, Fs4, F4};
    for (int i = 0; i < 3; ++i) mix.add(0.22 * i, plainTone(hz(notes[i]), 0.24, reedPartials(), 0.03, 0.05), 0.9);
    const Tone last{.frequency = hz(E4), .seconds = 0.58, .partials = reedPartials(), .attack = 0.03, .release = 0.3,
                    .vibratoDepth = 0.012, .vibratoRate = 5.0, .vibratoDelay = 0.08};
    mix.add(0.66, render(last), 1.0);
    mix.save(path);
}

// 13: money: a coin's two bright pings over a sparkle of tiny bells.
void coins(const std::string& path) {
    Mix mix(0.6);
    const std::vector<Partial> metal = {{1.0, 1.0, 0.2}, {2.4, 0.3, 0.08}, {4.1, 0.15, 0.05}};
    mix.add(0, plainTone(hz(B5), 0.08, metal, 0.001, 0.02), 0.8);
    mix.add(0.07, plainTone(hz(E6), 0.5, metal, 0.001, 0.1), 1.0);
    struct Glint { double at; int midi; double pan; };
    const Glint glints[] = {{0.10, 100, -0.6}, {0.16, 104, 0.5}, {0.22, 98, -0.2}, {0.29, 103, 0.7},
                            {0.35, 107, -0.5}, {0.42, 101, 0.3}};
    for (const Glint& g : glints)
        mix.add(g.at, plainTone(hz(g.midi), 0.12, {{1, 1.0, 0.03}}, 0.001, 0.02), 0.18, g.pan, g.pan);
    mix.save(path);
}

}  // namespace

void forgeSounds(const Paths& paths) {
    using Maker = void (*)(const std::string&);
    const Maker makers[] = {readyChime, softBlip,   woodenTock, bubblePop,  travelFanfare, passingWhoosh, gentleBell,
                            brightPluck, dingDong, panelSwish, lowBlip,    victory,       defeat,        coins};
    for (int n = 0; n < 14; ++n) makers[n](paths.app + "Sons/" + std::to_string(n) + ".wav");
}

}  // namespace forge
