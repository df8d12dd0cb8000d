#pragma once
// FNV-1a, 64 bits: a digest of bytes that is the same on every run and
// every machine (for seeds and for telling two boards apart, not for security).
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace glossamo {

constexpr std::uint64_t DigestStart = 14695981039346656037ull;

// `hash` carried on over `size` more bytes.
inline std::uint64_t digestOf(std::uint64_t hash, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}

inline std::uint64_t digestOf(std::uint64_t hash, std::string_view text) {
    return digestOf(hash, text.data(), text.size());
}

}  // namespace glossamo
