#pragma once
// A small seeded generator with our own arithmetic, so that a seed gives the
// same grids on every machine and standard library.
#include <cmath>
#include <cstdint>

namespace gridgen {

constexpr std::uint64_t mix64(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

class Rng {
public:
    explicit Rng(std::uint64_t seed) {
        for (auto& word : state_) {
            seed = mix64(seed);
            word = seed;
        }
    }

    std::uint64_t next() {
        const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    // Uniform in 0..n-1 (0 when n <= 1).
    int below(int n) {
        if (n <= 1) return 0;
        return static_cast<int>((next() >> 33) % static_cast<std::uint64_t>(n));
    }

    // A standard Gumbel draw: adding it to log-scores and taking the best
    // samples in proportion to the exponentiated scores.
    double gumbel() { return -std::log(-std::log(unit() * 0.999999 + 0.0000005)); }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t state_[4];
};

}  // namespace gridgen
