#pragma once
// The program's one random generator. Tests seed it with a fixed value; the
// program reseeds it from the clock where a new game or a new music starts.
#include <cstdint>
#include <random>

namespace glossamo {

class Random {
public:
    void seed(std::uint64_t value) { engine_.seed(static_cast<std::mt19937::result_type>(value ^ (value >> 32))); }

    // A uniform integer in 0..n-1; 0 when n is 0 or less.
    int below(int n) {
        if (n <= 1) return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(engine_);
    }

private:
    std::mt19937 engine_{5489u};
};

}  // namespace glossamo
