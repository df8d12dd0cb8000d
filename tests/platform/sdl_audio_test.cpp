// The real sound and music services, heard through SDL's disk audio driver,
// which writes what would be played to a file.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "platform/sdl_platform.hpp"
#include "support/program_fixture.hpp"

namespace glossamo::testing {

namespace {

void put16(std::string& b, std::uint16_t v) { b += static_cast<char>(v & 0xFF); b += static_cast<char>(v >> 8); }
void put32(std::string& b, std::uint32_t v) { put16(b, v & 0xFFFF); put16(b, static_cast<std::uint16_t>(v >> 16)); }
void put32be(std::string& b, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) b += static_cast<char>((v >> shift) & 0xFF);
}

// Half a second of a 440 Hz tone, 16-bit mono.
std::string toneWav() {
    const std::uint32_t rate = 22050, samples = rate / 2;
    std::string b = "RIFF";
    put32(b, 36 + samples * 2);
    b += "WAVEfmt ";
    put32(b, 16);
    put16(b, 1);
    put16(b, 1);
    put32(b, rate);
    put32(b, rate * 2);
    put16(b, 2);
    put16(b, 16);
    b += "data";
    put32(b, samples * 2);
    for (std::uint32_t i = 0; i < samples; ++i)
        put16(b, static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * std::sin(i * 2 * M_PI * 440 / rate))));
    return b;
}

// One piano note of a quarter of a second.
std::string noteMidi() {
    const std::string events = std::string("\x00\xC0\x00", 3) + std::string("\x00\x90\x3C\x64", 4) +
                               std::string("\x30\x80\x3C\x40", 4) + std::string("\x00\xFF\x2F\x00", 4);
    std::string b = "MThd";
    put32be(b, 6);
    b += std::string("\x00\x00\x00\x01\x00\x60", 6);
    b += "MTrk";
    put32be(b, static_cast<std::uint32_t>(events.size()));
    return b + events;
}

bool waitUntil(SdlPlatform& p, bool (SdlPlatform::*test)() const, std::uint32_t ms) {
    const std::uint32_t end = SDL_GetTicks() + ms;
    while (SDL_GetTicks() < end) {
        if ((p.*test)()) return true;
        SDL_Delay(10);
    }
    return (p.*test)();
}

}  // namespace

class SdlAudio : public ::testing::Test {
protected:
    TempDir dir;
    std::string heard = dir.path().bytes() + "heard.raw";
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", heard.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "1", 1);
        dir.write("tone.wav", toneWav());
        dir.write("note.mid", noteMidi());
    }
    void TearDown() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }

    // The loudest sample written to the disk device so far.
    int loudest() const {
        std::ifstream in(heard, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        int peak = 0;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const auto v = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                                     (static_cast<std::uint8_t>(bytes[i + 1]) << 8));
            peak = std::max(peak, std::abs(static_cast<int>(v)));
        }
        return peak;
    }
};

TEST_F(SdlAudio, SoundsPlayWithoutWaitingAndOverlap) {
    SdlPlatform platform;
    ASSERT_TRUE(platform.openAudio()) << platform.audioError();
    ASSERT_TRUE(platform.loadSound(3, dir.path().bytes() + "tone.wav"));
    EXPECT_FALSE(platform.loadSound(14, dir.path().bytes() + "tone.wav")) << "only slots 0..13";
    EXPECT_FALSE(platform.loadSound(4, dir.path().bytes() + "missing.wav"));
    EXPECT_FALSE(platform.playSound(4)) << "an empty slot plays nothing";

    const std::uint32_t before = SDL_GetTicks();
    EXPECT_TRUE(platform.playSound(3));
    EXPECT_TRUE(platform.playSound(3)) << "a second copy overlaps the first";
    EXPECT_LT(SDL_GetTicks() - before, 100u) << "playing does not wait for the sound";
    SDL_Delay(300);
    EXPECT_GT(loudest(), 12000) << "two copies of an 8000-high tone sound together";
}

TEST_F(SdlAudio, MidiMusicPlaysPausesAndEnds) {
    SdlPlatform platform;
    ASSERT_TRUE(platform.openAudio()) << platform.audioError();
    EXPECT_FALSE(platform.musicPlay()) << "nothing is open";
    ASSERT_TRUE(platform.musicPrepare()) << "the MIDI player and its sound font";
    EXPECT_FALSE(platform.musicOpen(dir.path().bytes() + "missing.mid"));
    ASSERT_TRUE(platform.musicOpen(dir.path().bytes() + "note.mid"));
    EXPECT_FALSE(platform.musicEnded()) << "not started yet";
    ASSERT_TRUE(platform.musicRewind());
    ASSERT_TRUE(platform.musicPlay());
    platform.musicPause();
    SDL_Delay(700);
    EXPECT_FALSE(platform.musicEnded()) << "a paused piece has not ended";
    ASSERT_TRUE(platform.musicPlay());
    EXPECT_TRUE(waitUntil(platform, &SdlPlatform::musicEnded, 5000));
    EXPECT_GT(loudest(), 500) << "the note was heard";
}

}  // namespace glossamo::testing
